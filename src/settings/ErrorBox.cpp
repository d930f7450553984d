#include "ErrorBox.h"

#include "ApplicationTitle.h"
#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

void installErrorBox() {
    setErrorReporter(&showErrorBox);
}
