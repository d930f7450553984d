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
        // Card i of row r lies under cards i + r and i + r + 1: a shift per row.
        std::uint32_t covered = 0;
        int first = 0;
        for (int row = 1; row < 7; first += row, ++row) {
            const std::uint32_t rowCards = ((1u << row) - 1) << first;
            covered |= ((pyramid >> row) | (pyramid >> (row + 1))) & rowCards;
        }
        return pyramid & ~covered;
    }

    // Cards that can never be free at the same time as card bit i: those that
    // must go before it and those that wait for it.
    std::uint32_t apart(int i) const { return apartOf[i]; }

    // Cards that card bit i lies on, directly or not (those nearer the apex):
    // none of them is free before it has gone.
    std::uint32_t waiting(int i) const { return waitingOf[i]; }

private:
    std::array<std::uint32_t, kPyramidCards> apartOf{};
    std::array<std::uint32_t, kPyramidCards> waitingOf{};
};
