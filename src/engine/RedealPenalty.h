#pragma once

#include <cstdint>

// The points charged for the next card returned to the stock. It is kept as
// the 6-byte real of the original arithmetic (sign, 8-bit exponent biased by
// 129, 39 stored fraction bits: a 40-bit significand) and grows by 1/2 or 1/6
// after every card. Each addition is done with a 64-bit significand, rounded
// to nearest-even, and stored back to 40 bits rounding half away from zero;
// the 1/6 step is the 64-bit value nearest to 1/6. The exact rounding decides
// which card first costs one point more, so it is emulated in integers.
class RedealPenalty {
public:
    constexpr RedealPenalty() = default;
    static RedealPenalty fromInteger(int value);

    // The points for one card: the integer part, truncated toward zero.
    int wholePart() const;
    void addHalf();
    void addSixth();

    bool operator==(const RedealPenalty&) const = default;

private:
    // The six bytes as stored, little-endian: byte 0 is the biased exponent
    // (0 means the value 0), bits 8..46 the fraction below the implicit
    // leading 1, bit 47 the sign. Equality is equality of the stored bytes.
    std::uint64_t bits = 0;
};
