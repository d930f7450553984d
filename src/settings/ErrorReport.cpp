#include "ErrorReport.h"

#include "ApplicationTitle.h"

#include <QApplication>
#include <QMessageBox>

void reportError(const StoreError& error) {
    QString text = error.message();
    if (!text.endsWith(u'.'))
        text += u'.';
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
