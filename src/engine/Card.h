#pragma once

#include <QChar>

#include <cstdint>

// Where a card is. Waste and open cards may be paired.
enum Place : std::int32_t {
    plStock = 0,
    plWaste = 1,
    plCovered = 2,
    plOpen = 3,
    plDiscarded = 4,
    plWasteBelow = 100, // under the top of a three-card fan: visible, not playable
};

// A place as one letter (S W C O D B), as the table dump writes it.
QChar placeLetter(int place);

inline constexpr int kCardCount = 52;
inline constexpr int kPyramidCount = 28;
inline constexpr int kStockSize = 24;
inline constexpr int kApex = 1;
inline constexpr int kKingRank = 12;
inline constexpr int kAceRank = 13;

// The record of card number 1..52 (its deal position; the shuffle decides
// which suit and rank it carries).
struct Card {
    std::uint8_t suit = 0; // 1 hearts, 2 diamonds, 3 clubs, 4 spades
    std::uint8_t rank = 0; // 1..13: the Two .. the King (12), the Ace (13)
    std::int32_t code = 0; // identity 1..52 from the shuffle
    std::int32_t place = plStock;
    bool faceUp = false;

    bool operator==(const Card&) const = default;
};

// The value that counts in pairing: 2..13 for the Two..King, 1 for the Ace.
inline int pairValueOfRank(int rank) {
    return rank == kAceRank ? 1 : rank + 1;
}
