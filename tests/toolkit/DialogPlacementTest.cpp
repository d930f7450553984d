#include "DialogPlacement.h"

#include "QtPrinters.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(PlaceOverMainWindow, CentresTheFrameAndKeepsItTenPixelsInsideThePrimaryScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QDialog dialog;
    dialog.resize(234, 108);
    placeOverMainWindow(dialog, QRect(5, 20, 630, 440));
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(203, 186));
    placeOverMainWindow(dialog, QRect(screen.width() - 50, screen.height() - 30, 630, 440));
    EXPECT_EQ(dialog.frameGeometry().bottomRight() + QPoint(1, 1),
              QPoint(screen.width() - 10, screen.height() - 10));
}
