#pragma once

#include <bit>
#include <cstdint>

// Bit counting without the library call the compiler makes for
// std::popcount on processors it may not assume have the instruction.
inline int bitCount(std::uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0fu;
    return int((x * 0x01010101u) >> 24);
}

// The lowest set bit's index, which is cleared.
inline int takeLowest(std::uint32_t& bits) {
    const int i = std::countr_zero(bits);
    bits &= bits - 1;
    return i;
}
