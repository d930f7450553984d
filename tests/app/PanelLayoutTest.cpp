#include "PanelLayout.h"

#include <gtest/gtest.h>

TEST(PanelLayout, CentredPinnedOrJustAboveTheTop) {
    struct Row {
        int clientWidth, clientHeight, statusBar;
        QPoint expected;
    } rows[] = {
        {622, 394, 19, {4, 9}},      // (394 - 357 - 19) / 2
        {1000, 700, 19, {193, 162}}, // (700 - 357 - 19) / 2 = 162
        {600, 300, 19, {0, 0}},      // smaller than the panel: pinned
        {614, 358, 0, {0, 0}},       // odd differences halve toward zero
        {613, 360, 19, {0, -8}},     // room for the panel but not the bar: above the top
        {613, 357, 19, {0, -9}},     {900, 500, 0, {143, 71}}, // no status bar
    };
    for (const Row& r : rows)
        EXPECT_EQ(panelPosition(r.clientWidth, r.clientHeight, 613, 357, r.statusBar), r.expected)
            << r.clientWidth << "x" << r.clientHeight;
}
