#include "RedealPenalty.h"

#include <bit>
#include <climits>
#include <utility>

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr int kBias = 129;            // stored exponent of 1.0
constexpr int kFractionBits = 39;     // below the implicit leading 1
constexpr int kDroppedBits = 64 - 40; // extended significand bits lost when stored
constexpr std::uint64_t kFractionMask = (std::uint64_t(1) << kFractionBits) - 1;
constexpr std::uint64_t kSignBit = std::uint64_t(1) << 47;

// An extended-precision value: (-1)^negative * significand * 2^scale, with the
// 64-bit significand normalised (top bit set) unless the value is 0.
struct Extended {
    bool negative = false;
    int scale = 0;
    std::uint64_t significand = 0;
};

constexpr Extended kHalf{false, -64, std::uint64_t(1) << 63};
// 1/6 has no finite binary form: 2^66 / 6 = 0xAAAA...AAAA.AA... rounds up to
// ...AB, so the step is slightly more than 1/6.
constexpr Extended kSixth{false, -66, 0xAAAAAAAAAAAAAAABu};

// Widening is exact: the 40-bit significand simply gains 24 zero bits.
Extended widen(std::uint64_t bits) {
    const int exponent = int(bits & 0xFF);
    if (exponent == 0)
        return {};
    const std::uint64_t significand40 =
        (std::uint64_t(1) << kFractionBits) | ((bits >> 8) & kFractionMask);
    return {(bits & kSignBit) != 0, exponent - kBias - 63, significand40 << kDroppedBits};
}

// Rounds a non-zero magnitude `value * 2^scale` to a 64-bit significand,
// nearest, ties to even, as the extended-precision adder does.
Extended roundToExtended(bool negative, u128 value, int scale) {
    const std::uint64_t high = std::uint64_t(value >> 64);
    const int length =
        high ? 64 + int(std::bit_width(high)) : int(std::bit_width(std::uint64_t(value)));
    if (length <= 64)
        return {negative, scale - (64 - length), std::uint64_t(value) << (64 - length)};
    const int dropped = length - 64;
    u128 kept = value >> dropped;
    const u128 rest = value & ((u128(1) << dropped) - 1);
    const u128 half = u128(1) << (dropped - 1);
    if (rest > half || (rest == half && (kept & 1)))
        ++kept;
    if (kept >> 64) { // rounded up to 2^64: renormalise
        kept >>= 1;
        ++scale;
    }
    return {negative, scale + dropped, std::uint64_t(kept)};
}

// The exact sum of two extended values, rounded once to 64 bits.
Extended add(Extended a, Extended b) {
    if (a.significand == 0)
        return b;
    if (b.significand == 0)
        return a;
    if (a.scale < b.scale)
        std::swap(a, b);
    // 62 guard bits below the larger operand and 2 bits of headroom for the
    // carry. Bits of the smaller operand shifted out below that are folded into
    // bit 0: the rounding point lies at least 60 bits higher, so an odd stand-in
    // rounds exactly as the true value would, for sums and differences alike.
    constexpr int kGuard = 62;
    const u128 bigger = u128(a.significand) << kGuard;
    const int shift = a.scale - b.scale;
    u128 smaller = 1;
    if (shift < 127) {
        const u128 full = u128(b.significand) << kGuard;
        smaller = full >> shift;
        if (full & ((u128(1) << shift) - 1))
            smaller |= 1;
    }
    const int scale = a.scale - kGuard;
    if (a.negative == b.negative)
        return roundToExtended(a.negative, bigger + smaller, scale);
    if (bigger == smaller)
        return {}; // x + (-x) is +0 when rounding to nearest
    if (bigger > smaller)
        return roundToExtended(a.negative, bigger - smaller, scale);
    return roundToExtended(b.negative, smaller - bigger, scale);
}

// Stores back to 40 bits, rounding the magnitude half away from zero on the
// 24 dropped bits. Rounding rather than truncating is what matters: a
// truncating store would leave the sum of 36 sixths on 4 just short of 10, and
// 9 would be paid once more than it is.
std::uint64_t store(Extended x) {
    if (x.significand == 0)
        return 0;
    std::uint64_t significand40 = x.significand >> kDroppedBits;
    int scale = x.scale + kDroppedBits;
    if ((x.significand >> (kDroppedBits - 1)) & 1)
        ++significand40;
    if (significand40 >> 40) {
        significand40 >>= 1;
        ++scale;
    }
    const int exponent = scale + kFractionBits + kBias;
    if (exponent < 1)
        return 0; // too small for the format: it flushes to zero
    const std::uint64_t sign = x.negative ? kSignBit : 0;
    if (exponent > 255) // 2^127 or more does not fit: keep the largest value
        return sign | (kFractionMask << 8) | 0xFF;
    return sign | ((significand40 & kFractionMask) << 8) | std::uint64_t(exponent);
}

} // namespace

RedealPenalty RedealPenalty::fromInteger(int value) {
    RedealPenalty p;
    if (value == 0)
        return p;
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t(-std::int64_t(value)) : std::uint64_t(value);
    const int top = int(std::bit_width(magnitude)) - 1;
    // Every int fits in 40 bits, so this is exact.
    const std::uint64_t fraction = (magnitude << (kFractionBits - top)) & kFractionMask;
    p.bits = (value < 0 ? kSignBit : 0) | (fraction << 8) | std::uint64_t(top + kBias);
    return p;
}

int RedealPenalty::wholePart() const {
    const Extended x = widen(bits);
    if (x.significand == 0 || x.scale <= -64)
        return 0; // below 1 in magnitude
    // Truncation toward zero: drop the fraction bits of the magnitude.
    const int top = x.scale + 63; // power of two of the leading bit
    if (top >= 31)
        return x.negative ? INT_MIN : INT_MAX;
    const int magnitude = int(x.significand >> -x.scale);
    return x.negative ? -magnitude : magnitude;
}

void RedealPenalty::addHalf() {
    bits = store(add(widen(bits), kHalf));
}

void RedealPenalty::addSixth() {
    bits = store(add(widen(bits), kSixth));
}
