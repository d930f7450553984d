#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// Bit counting without the library call the compiler makes for
// std::popcount on processors it may not assume have the instruction: three
// looks into a table that stays in the first-level cache.
inline int bitCount(std::uint32_t x) {
    static constexpr auto kCounts = [] {
        std::array<std::uint8_t, 2048> counts{};
        for (std::size_t i = 1; i < counts.size(); ++i)
            counts[i] = std::uint8_t(counts[i >> 1] + (i & 1));
        return counts;
    }();
    return kCounts[x & 0x7ff] + kCounts[(x >> 11) & 0x7ff] + kCounts[x >> 22];
}

// The lowest set bit's index, which is cleared.
inline int takeLowest(std::uint32_t& bits) {
    const int i = std::countr_zero(bits);
    bits &= bits - 1;
    return i;
}
