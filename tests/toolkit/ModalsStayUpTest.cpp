#include "ModalsStayUp.h"
#include "ModalWindows.h"

#include <QDialog>

// Minimised under a modal box, the box and the game's window come back at
// once; a window that is not modal may stay down.
TEST(ModalsStayUp, AMinimisedModalBoxComesBackWithTheWindowsItTookDown) {
    keepModalsUp(*static_cast<QApplication*>(QCoreApplication::instance()));
    QWidget owner;
    owner.show();
    QDialog box(&owner);
    bool restored = false;
    bool helpStayedDown = false;
    onModal<QDialog>([&](QDialog* shown) {
        QDialog help(&owner); // a window the player may minimise at will
        help.show();
        help.setWindowState(Qt::WindowMinimized);
        owner.setWindowState(Qt::WindowMinimized);
        shown->setWindowState(Qt::WindowMinimized);
        restored = QTest::qWaitFor([&] { return !shown->isMinimized() && !owner.isMinimized(); });
        helpStayedDown = help.isMinimized();
        shown->accept();
    });
    box.exec();
    EXPECT_TRUE(restored);
    EXPECT_TRUE(helpStayedDown);
}
