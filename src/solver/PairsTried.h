#pragma once

#include <array>
#include <cstdint>

// Pyramid pairs already taken, and lost, from a position on the way to this
// one. Taking two free pyramid cards leaves the stock as it was and frees
// no card it did not free before, so every play made since could have been
// made after the pair too: taking the pair here leads where a lost position
// led, and need not be tried again.
class PairsTried {
public:
    bool has(std::uint32_t pair) const {
        for (int i = 0; i < count; ++i)
            if (pairs[i] == pair)
                return true;
        return false;
    }

    // A full list only forgets: trying a pair again is never wrong.
    void add(std::uint32_t pair) {
        if (count < int(pairs.size()))
            pairs[count++] = pair;
    }

    // The pairs both of whose cards are still in the pyramid.
    PairsTried within(std::uint32_t pyramid) const {
        PairsTried kept;
        for (int i = 0; i < count; ++i)
            if ((pairs[i] & ~pyramid) == 0)
                kept.pairs[kept.count++] = pairs[i];
        return kept;
    }

private:
    // Both cards of a pair are free, and free cards never number more than
    // seven, so no more than twelve pairs of them add up to 13.
    std::array<std::uint32_t, 16> pairs{};
    int count = 0;
};
