#include "Geometry.h"

#include <gtest/gtest.h>

TEST(SlotTable, PyramidRowsStockWasteAndDiscard) {
    SlotTable slots;
    razmetka(slots);
    EXPECT_EQ(slots[0], QPoint(10, 10));
    EXPECT_EQ(slots[1], QPoint(289, 10)); // apex
    const int row7x[] = {61, 138, 215, 292, 369, 446, 523};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(slots[22 + k], QPoint(row7x[k], 250)) << "slot " << 22 + k;
    EXPECT_EQ(slots[29], QPoint(0, 0));
    EXPECT_EQ(slots[30], QPoint(0, 0));
    EXPECT_EQ(slots[31], QPoint(85, 10));
    EXPECT_EQ(slots[32], QPoint(100, 10));
    EXPECT_EQ(slots[33], QPoint(115, 10));
    EXPECT_EQ(slots[34], QPoint(530, 10));
}
