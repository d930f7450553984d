#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "ExactTitles.h"
#include "Form1.h"
#include "ModalsStayUp.h"
#include "Windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvek"));
    QApplication::setOrganizationName(QStringLiteral("Velmoran"));
    // The name stays for the store and the desktop, but never stands in for an empty caption.
    keepEmptyTitlesEmpty(app);
    keepModalsUp(app);
    installErrorBox();
    // The app id on Wayland: the desktop groups the windows under the menu entry of this name.
    QApplication::setDesktopFileName(QStringLiteral(ZARVEK_APP_ID));
    // The application's title until the interface texts replace it.
    setApplicationTitle(QStringLiteral("Alpha version 0.10 Zarvek"));
    createWindows();
    Form1->show();
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
