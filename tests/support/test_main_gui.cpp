// Entry point of the tests without widgets (the rules, the solver, the art
// store, the records and the store): the art needs fonts and a platform, which
// a QGuiApplication gives without linking any widget code.
#include "TestMain.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    return runTests<QGuiApplication>(argc, argv);
}
