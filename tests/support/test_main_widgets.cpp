// Entry point of the widget tests: a QApplication, and store failures shown in
// the program's error box, which the tests find and answer like a player.
#include "ErrorBox.h"
#include "TestMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    installErrorBox();
    return runTests<QApplication>(argc, argv);
}
