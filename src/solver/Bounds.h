#pragma once

#include "Problem.h"
#include "PyramidShape.h"

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
    int matched(std::uint32_t low, std::uint32_t high) const;
    bool apexPartnerCanLieOpen(const Position& s) const;
    bool talonPartnersCanLieOpen(const Position& s) const;
    bool canLieOpen(const Position& s, int t, std::uint32_t stuck) const;

    const Rules rules;
    const int apexValue;
    const PyramidShape pyramid;
    const Layout layout;
    std::array<std::uint32_t, kKingValue + 1> pyramidOfValue{};
    std::array<std::uint32_t, kKingValue + 1> talonOfValue{};
};
