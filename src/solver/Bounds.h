#pragma once

#include "Problem.h"
#include "PyramidShape.h"
#include "RecentBySet.h"

#include <array>
#include <cstdint>

// The cards of one deal by value, and signs that a position can no longer be
// won that are cheap enough to look for at every position the search meets.
class Bounds {
public:
    Bounds(const Layout& layout, const Rules& rules);

    // Pyramid cards (bit i: card i + 1) and talon cards (bit i: talon card i)
    // of pair value v.
    std::uint32_t pyramidOf(int v) const { return pyramidOfValue[v]; }
    std::uint32_t talonOf(int v) const { return talonOfValue[v]; }
    const PyramidShape& shape() const { return pyramid; }

    // True when the position is certainly lost.
    bool hopeless(const Position& s) const;

private:
    // What the signs need to know of the pyramid alone, whatever the talon
    // holds: the search meets one pyramid with many talons in a row.
    struct PyramidFacts {
        std::uint32_t apexStuck = 0;             // talon cards that cannot leave before the apex
        std::uint32_t needTalon = 0;             // pyramid cards left to a talon partner
        std::array<std::int8_t, 7> talonPairs{}; // by low value: pairs short in the pyramid
        std::array<std::uint32_t, kPyramidCards> stuckWith{}; // by card of needTalon
    };
    void learn(PyramidFacts& facts, std::uint32_t pyramid) const;
    int matched(std::uint32_t low, std::uint32_t high) const;
    bool apexPartnerCanLieOpen(const Position& s, const PyramidFacts& facts) const;
    bool talonPartnersCanLieOpen(const Position& s, const PyramidFacts& facts) const;
    bool canLieOpen(const Position& s, int t, std::uint32_t stuck) const;

    const Rules rules;
    const int apexValue;
    const PyramidShape pyramid;
    const Layout layout;
    std::array<std::uint32_t, kKingValue + 1> pyramidOfValue{};
    std::array<std::uint32_t, kKingValue + 1> talonOfValue{};
    mutable RecentBySet<PyramidFacts> facts;
};
