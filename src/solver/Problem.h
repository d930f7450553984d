#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A game as the search sees it: plain values, no pictures, no Qt, so that a
// position can be copied and compared in a few machine words.

inline constexpr int kPyramidCards = 28;
inline constexpr int kTalonCards = 24;
inline constexpr std::uint32_t kFullPyramid = (1u << kPyramidCards) - 1;
inline constexpr std::uint32_t kFullTalon = (1u << kTalonCards) - 1;
inline constexpr int kKingValue = 13;

// The cards of one deal by pair value (Ace 1 .. King 13). The stock turns its
// cards in the order of the deal's card numbers from 52 down to 29, pass after
// pass, so the talon is kept in that order: talon[i] is card number 52 - i.
struct Layout {
    std::array<std::uint8_t, kPyramidCards> pyramid{}; // card number n at n - 1
    std::array<std::uint8_t, kTalonCards> talon{};
    bool operator==(const Layout&) const = default;
};

inline int talonCardNumber(int index) {
    return 52 - index;
}

// How the stock is gone through: one card or three per turn, and how many
// passes it allows (0: as many as the player likes).
struct Rules {
    int draw = 1;
    int passes = 0;
    bool operator==(const Rules&) const = default;
};

// Where a game stands. Cards of the talon below `next` have been turned in
// this pass (the last of them still there is the open waste card); those from
// `next` on lie in the stock. `next` is the next card the stock turns, or
// kTalonCards when the stock is empty.
struct Position {
    std::uint32_t pyramid = kFullPyramid; // bit n - 1 while card n is on the table
    std::uint32_t talon = kFullTalon;     // bit i while talon card i is in stock or waste
    int next = 0;
    int pass = 1;
    bool operator==(const Position&) const = default;
};

struct Problem {
    Layout layout;
    Rules rules;
    Position position;
    bool operator==(const Problem&) const = default;
};

// A line is what the player clicks, in order: card numbers 1..52, and
// kStockPlace for the stock place (it turns one card or three, and on an
// empty stock returns the waste).
inline constexpr int kStockPlace = 0;
using Line = std::vector<int>;
