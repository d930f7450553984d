#include "PyramidShape.h"

#include "Bits.h"

PyramidShape::PyramidShape() {
    std::array<std::uint32_t, kPyramidCards> coveredBy{}; // the two cards lying over each card
    int i = 0;
    for (int row = 1; row <= 7; ++row)
        for (int k = 1; k <= row; ++k, ++i)
            if (row < 7)
                coveredBy[i] = (1u << (i + row)) | (1u << (i + row + 1));
    // Everything that must go before card m, lowest rows first.
    std::array<std::uint32_t, kPyramidCards> before{};
    for (int m = kPyramidCards - 1; m >= 0; --m) {
        before[m] = coveredBy[m];
        for (std::uint32_t c = coveredBy[m]; c;)
            before[m] |= before[takeLowest(c)];
        apartOf[m] |= before[m];
        for (std::uint32_t c = before[m]; c;) {
            const int lying = takeLowest(c);
            apartOf[lying] |= 1u << m;
            waitingOf[lying] |= 1u << m;
        }
    }
}
