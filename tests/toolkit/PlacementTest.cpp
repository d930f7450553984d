#include "Placement.h"
#include "DialogPlacement.h"

#include "QtPrinters.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <tuple>

// A 10 px margin on a 1024 x 768 screen throughout.
TEST(Placedialog, CentresOverTheMainWindowThenPullsBackFromEachEdgeOnItsOwnAxis) {
    const std::tuple<const char*, QRect, QSize, QPoint> rows[] = {
        {"room all round", {5, 20, 630, 440}, {234, 108}, {203, 186}},
        {"near the right edge", {900, 20, 630, 440}, {234, 108}, {1024 - 234 - 10, 186}},
        {"near the bottom", {5, 700, 630, 440}, {234, 108}, {203, 768 - 108 - 10}},
        // 279 / 2 is 139 and -279 / 2 is -139, not -140.
        {"odd difference", {500, 300, 300, 300}, {21, 21}, {639, 439}},
        {"odd negative difference", {500, 300, 21, 21}, {300, 300}, {361, 161}},
    };
    for (const auto& [what, main, size, expected] : rows)
        EXPECT_EQ(placedialog(main.x(), main.y(), main.width(), main.height(), size.width(),
                              size.height(), 10, 1024, 768),
                  expected)
            << what;
}

TEST(Keeponscreen, BoundariesAreInclusiveAndOversizedWindowsStayAtTheMargin) {
    const int big = 2'000'000'000; // sums beyond 32 bits must not wrap round
    const std::tuple<QPoint, QSize, QPoint> rows[] = {
        {{10, 10}, {234, 108}, {10, 10}},    {{780, 650}, {234, 108}, {780, 650}},
        {{9, 9}, {234, 108}, {10, 10}},      {{781, 651}, {234, 108}, {780, 650}},
        {{100, 100}, {1010, 760}, {10, 10}}, {{big, 20}, {big, 100}, {10, 20}},
        {{big, 20}, {200, 100}, {814, 20}},
    };
    for (const auto& [at, size, expected] : rows)
        EXPECT_EQ(keeponscreen(at.x(), at.y(), size.width(), size.height(), 10, 1024, 768),
                  expected)
            << at.x() << "," << at.y();
}

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
