#pragma once

#include "Problem.h"

#include <array>
#include <cstdint>

// Which pyramid cards lie over which, as bit masks over the pyramid: bit i
// stands for card number i + 1.
class PyramidShape {
public:
    PyramidShape();

    // The cards of `pyramid` that no remaining card covers.
    static std::uint32_t available(std::uint32_t pyramid) {
        std::uint32_t covered = 0;
        for (int shift = 1; shift <= 7; ++shift)
            covered |= (pyramid >> shift) & kCoveredAtShift[shift];
        return pyramid & ~covered;
    }

    // Cards that can never be free at the same time as card bit i: those that
    // must go before it and those that wait for it.
    std::uint32_t apart(int i) const { return apartOf[i]; }

    // Cards that card bit i lies on, directly or not (those nearer the apex):
    // none of them is free before it has gone.
    std::uint32_t waiting(int i) const { return waitingOf[i]; }

private:
    // Card i of the row of r cards lies under cards i + r and i + r + 1, so
    // one shift finds what covers the left of one row and the right of the
    // row above it.
    static constexpr std::array<std::uint32_t, 8> kCoveredAtShift = [] {
        std::array<std::uint32_t, 8> masks{};
        for (int row = 1, first = 0; row < 7; first += row, ++row) {
            const std::uint32_t rowCards = ((1u << row) - 1) << first;
            masks[row] |= rowCards;
            masks[row + 1] |= rowCards;
        }
        return masks;
    }();

    std::array<std::uint32_t, kPyramidCards> apartOf{};
    std::array<std::uint32_t, kPyramidCards> waitingOf{};
};
