#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

// Milliseconds since midnight, UTC: the seed of every shuffle, and so the
// number of the deal it makes (0..86,399,999).
inline constexpr quint32 kDealNumbers = 86'400'000;

// A deal's number as the player types it: digits only (blanks around them
// allowed), below kDealNumbers. Anything else is no number.
std::optional<quint32> parseDealNumber(const QString& text);
// The clock's millisecond of the day.
using TimeOfDaySource = std::function<quint32()>;
TimeOfDaySource systemTimeOfDay();

// The runtime's linear congruential generator: seed * 134775813 + 1 modulo 2^32,
// each draw yielding seed / 2^32 in [0, 1).
class RandomGenerator {
public:
    explicit RandomGenerator(quint32 seed) : seed(seed) {}
    double next() {
        seed = seed * 134775813u + 1u;
        return double(seed) / 4294967296.0;
    }

private:
    quint32 seed;
};

// The shuffle of one deal: code[i] (1..52) for card numbers i = 1..52, the rank
// of the i-th draw among the 52 draws seeded with the given time of day.
std::array<int, 53> shuffledCodes(quint32 msOfDay);
