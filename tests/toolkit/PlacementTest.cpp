#include "Placement.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMargin = 10;
constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;

// Main window 630 x 440 at (mainLeft, mainTop), dialog 234 x 108 unless given.
QPoint place(int mainLeft, int mainTop, int windowWidth = 234, int windowHeight = 108,
             int mainWidth = 630, int mainHeight = 440) {
    return placedialog(mainLeft, mainTop, mainWidth, mainHeight, windowWidth, windowHeight, kMargin,
                       kScreenW, kScreenH);
}

} // namespace

TEST(Placedialog, CentresOverTheMainWindowWhenThereIsRoom) {
    EXPECT_EQ(place(5, 20), QPoint(203, 186));
    // Not tied to the screen's origin: the same offsets from anywhere on screen.
    EXPECT_EQ(place(105, 120), QPoint(303, 286));
}

TEST(Placedialog, PullsBackFromEachEdgeOnItsOwnAxis) {
    struct Row {
        const char* what;
        int mainLeft, mainTop;
        QPoint expected;
    } rows[] = {
        // centred x would be -50 (198 to the right of the main window's left)
        {"left edge", -248, 20, {10, 186}},
        {"right edge", 900, 20, {kScreenW - 234 - kMargin, 186}},
        // centred y would be -40 (166 below the main window's top)
        {"top edge", 5, -206, {203, 10}},
        {"bottom edge", 5, 700, {203, kScreenH - 108 - kMargin}},
        {"top-right corner", 900, -206, {kScreenW - 234 - kMargin, 10}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(place(r.mainLeft, r.mainTop), r.expected) << r.what;
}

TEST(Placedialog, OversizedDialogStartsAtTheMarginAndRunsOverTheFarEdge) {
    // 1010 > 1024 - 2 * 10: the left margin wins, the right edge is lost.
    EXPECT_EQ(place(5, 20, 1010, 108).x(), kMargin);
    // Same on the vertical axis: 760 > 768 - 2 * 10.
    EXPECT_EQ(place(5, 20, 234, 760).y(), kMargin);
    // Both at once, the whole screen and more.
    EXPECT_EQ(place(5, 20, 2000, 1500), QPoint(kMargin, kMargin));
}

TEST(Placedialog, OddDifferencesAreHalvedTowardZero) {
    // 300 - 21 = 279 gives 139; 21 - 300 = -279 gives -139, not -140.
    EXPECT_EQ(placedialog(500, 300, 300, 300, 21, 21, 0, 5000, 5000), QPoint(639, 439));
    EXPECT_EQ(placedialog(500, 300, 21, 21, 300, 300, 0, 5000, 5000), QPoint(361, 161));
    EXPECT_EQ(placedialog(500, 300, 1, 1, 0, 0, 0, 5000, 5000), QPoint(500, 300));
    EXPECT_EQ(placedialog(500, 300, 0, 0, 1, 1, 0, 5000, 5000), QPoint(500, 300));
}

TEST(Keeponscreen, BoundariesAreInclusive) {
    // Exactly at the margin, or exactly margin away from the far edge, stays put.
    EXPECT_EQ(keeponscreen(10, 10, 234, 108, 10, 1024, 768), QPoint(10, 10));
    EXPECT_EQ(keeponscreen(780, 650, 234, 108, 10, 1024, 768), QPoint(780, 650));
    // One pixel over is pulled back by that pixel.
    EXPECT_EQ(keeponscreen(9, 9, 234, 108, 10, 1024, 768), QPoint(10, 10));
    EXPECT_EQ(keeponscreen(781, 651, 234, 108, 10, 1024, 768), QPoint(780, 650));
}

TEST(Keeponscreen, FarEdgeIsTestedOnlyWhenTheNearEdgeIsFine) {
    // Starting inside the margin: the near rule applies and the far one is not consulted.
    EXPECT_EQ(keeponscreen(-500, -500, 1100, 900, 10, 1024, 768), QPoint(10, 10));
    // Starting right of the margin, an oversized window is pulled back to the
    // margin, never past it: its title bar stays on the screen.
    EXPECT_EQ(keeponscreen(100, 100, 1010, 760, 10, 1024, 768), QPoint(10, 10));
}

TEST(Keeponscreen, ExtremeValuesDoNotWrapAround) {
    const int big = 2'000'000'000;
    // position + size + margin exceeds 32 bits; it is still off the far edge.
    EXPECT_EQ(keeponscreen(big, 20, big, 100, 10, 1024, 768).x(), 10);
    EXPECT_EQ(keeponscreen(big, 20, 200, 100, 10, 1024, 768).x(), 1024 - 200 - 10);
}
