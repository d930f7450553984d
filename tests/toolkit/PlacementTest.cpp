#include "Placement.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <tuple>

// A 10 px margin on a 1024 x 768 screen throughout.
TEST(Placedialog, CentresOverTheMainWindowThenPullsBackFromEachEdgeOnItsOwnAxis) {
    const std::tuple<const char*, QRect, QSize, QPoint> rows[] = {
        {"room all round", {5, 20, 630, 440}, {234, 108}, {203, 186}},
        {"far left", {-248, 20, 630, 440}, {234, 108}, {10, 186}},
        {"near the right edge", {900, 20, 630, 440}, {234, 108}, {1024 - 234 - 10, 186}},
        {"near the top", {5, -206, 630, 440}, {234, 108}, {203, 10}},
        {"near the bottom", {5, 700, 630, 440}, {234, 108}, {203, 768 - 108 - 10}},
        {"wider than the screen less the margins", {5, 20, 630, 440}, {1010, 108}, {10, 186}},
        {"taller than the screen less the margins", {5, 20, 630, 440}, {234, 760}, {203, 10}},
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
    const std::tuple<const char*, QPoint, QSize, QPoint> rows[] = {
        {"on the margins", {10, 10}, {234, 108}, {10, 10}},
        {"on the far margins", {780, 650}, {234, 108}, {780, 650}},
        {"a pixel into the margins", {9, 9}, {234, 108}, {10, 10}},
        {"a pixel into the far margins", {781, 651}, {234, 108}, {780, 650}},
        {"oversized, from inside", {100, 100}, {1010, 760}, {10, 10}},
        {"huge window far off", {big, 20}, {big, 100}, {10, 20}},
        {"small window far off", {big, 20}, {200, 100}, {1024 - 200 - 10, 20}},
    };
    for (const auto& [what, at, size, expected] : rows)
        EXPECT_EQ(keeponscreen(at.x(), at.y(), size.width(), size.height(), 10, 1024, 768),
                  expected)
            << what;
}
