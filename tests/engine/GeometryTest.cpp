#include "Geometry.h"

#include <gtest/gtest.h>

// The places of the stock, the waste and the discard pile are checked where
// cards reach them; the pyramid's slots are its apex and the rows it opens.
TEST(SlotTable, ApexAndBottomRow) {
    SlotTable slots;
    razmetka(slots);
    EXPECT_EQ(slots[1], QPoint(289, 10));
    const int row7x[] = {61, 138, 215, 292, 369, 446, 523};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(slots[22 + k], QPoint(row7x[k], 250)) << "slot " << 22 + k;
}
