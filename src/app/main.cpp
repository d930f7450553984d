#include "Form1.h"
#include "Windows.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvek"));
    QApplication::setOrganizationName(QStringLiteral("Velmoran"));
    createWindows();
    Form1->show();
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
