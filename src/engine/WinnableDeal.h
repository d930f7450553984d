#pragma once

#include "Problem.h"

#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <stop_token>

// The search behind "Deal only winnable games". It tries deals in a fixed
// order from a starting number (the clock's deal first, then numbers drawn
// from the shuffle's own generator seeded with it) until the exact search
// proves one winnable under the rules.
//
// Each try is capped: a deal the search cannot settle within the cap is passed
// over. Winnable deals are mostly proven quickly, and one hard deal must not
// hold up the new game; passing over a few hard winnable deals only narrows
// the choice.
inline constexpr std::uint64_t kWinnableTryNodes = 40'000;

struct WinnableDeal {
    quint32 number = 0;
    int tries = 0; // deals searched, the one dealt included
};

// Empty when `stop` is requested first.
std::optional<WinnableDeal> findWinnableDeal(quint32 start, const Rules& rules,
                                             std::stop_token stop = {});
