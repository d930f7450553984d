#include "ErrorReport.h"

#include "ApplicationTitle.h"
#include "StoreGuard.h"
#include "Texts.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

void reportError(const StoreError& error) {
    QString text = error.message();
    if (!text.endsWith(u'.'))
        text += u'.';
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void reportSetAsideFiles() {
    for (const QString& place : takeSetAsideFiles())
        reportError(StoreError(langtext(240).arg(QDir::toNativeSeparators(place))));
}
