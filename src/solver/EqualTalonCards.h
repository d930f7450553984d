#pragma once

#include "Bits.h"
#include "Problem.h"
#include "RecentBySet.h"

#include <array>
#include <cstdint>

// Two talon cards of one value are interchangeable: the game goes on alike
// whichever of them is left, so long as the values in stock order are the
// same. Each card left is taken as the earliest card of its value after the
// one before it, its canonical place. The search meets one talon with many
// pyramids in a row, so the places of recent talons are kept at hand.
class EqualTalonCards {
public:
    struct Places {
        std::uint32_t canonical = 0;               // the canonical places taken
        std::array<std::int8_t, kTalonCards> of{}; // by card left
    };

    // sameValue[t]: the talon cards of talon card t's value, itself included.
    explicit EqualTalonCards(const std::array<std::uint32_t, kTalonCards>& sameValue)
        : sameValue(sameValue) {}

    const Places& of(std::uint32_t talon) {
        return recent.of(talon, [this](Places& places, std::uint32_t t) { learn(places, t); });
    }

private:
    void learn(Places& places, std::uint32_t talon) const {
        places.canonical = 0;
        int from = 0;
        for (std::uint32_t left = talon; left;) {
            const int t = takeLowest(left);
            const int place = std::countr_zero(sameValue[t] & ~((1u << from) - 1));
            places.of[t] = std::int8_t(place);
            places.canonical |= 1u << place;
            from = place + 1;
        }
    }

    std::array<std::uint32_t, kTalonCards> sameValue;
    RecentBySet<Places> recent;
};
