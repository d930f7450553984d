#include "DialogPlacement.h"

#include "QtPrinters.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

QRect screenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

TEST(PlaceOverMainWindow, CentresTheFrameOverTheMainWindow) {
    QDialog dialog;
    dialog.resize(234, 108);
    placeOverMainWindow(dialog, QRect(5, 20, 630, 440));
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(203, 186));
}

TEST(PlaceOverMainWindow, KeepsTenPixelsInsideThePrimaryScreen) {
    const QRect screen = screenRect();
    QDialog dialog;
    dialog.resize(234, 108);

    placeOverMainWindow(dialog, QRect(screen.width() - 50, screen.height() - 30, 630, 440));
    const QRect nearFar = dialog.frameGeometry();
    EXPECT_EQ(nearFar.left() + nearFar.width(), screen.width() - kDialogMargin);
    EXPECT_EQ(nearFar.top() + nearFar.height(), screen.height() - kDialogMargin);

    placeOverMainWindow(dialog, QRect(-600, -400, 630, 440));
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(kDialogMargin, kDialogMargin));
}
