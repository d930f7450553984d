#include "ApplicationTitle.h"

#include <QPointer>
#include <QWidget>

namespace {

QString& title() {
    static QString text;
    return text;
}

QPointer<QWidget>& carrier() {
    static QPointer<QWidget> window;
    return window;
}

} // namespace

QString applicationTitle() {
    return title();
}

void setApplicationTitle(const QString& text) {
    title() = text;
    if (carrier())
        carrier()->setWindowIconText(text);
}

void setApplicationTitleWindow(QWidget* mainWindow) {
    carrier() = mainWindow;
    if (mainWindow)
        mainWindow->setWindowIconText(title());
}
