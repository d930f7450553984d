#pragma once

#include <QPoint>

#include <array>

// Positions on the playing panel. Slot 0 is the stock, 1..28 the pyramid row
// by row from the apex, 31..33 the waste and its fan, 34 the discard pile.
inline constexpr int kSlotCount = 35;
inline constexpr int kStockSlot = 0;
inline constexpr int kWasteSlot = 31;
inline constexpr int kDiscardSlot = 34;
inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;
inline constexpr int kPyramidRows = 7;

using SlotTable = std::array<QPoint, kSlotCount>;

// Fills the slot table (slots 29 and 30 stay at the origin, unused).
void razmetka(SlotTable& slots);

// The pyramid row 1..7 of pyramid card n (1..28).
int pyramidRow(int n);

// The two cards of the next row that overlap pyramid card n (rows 1..6):
// n + r and n + r + 1. Row 7 is covered by nothing.
struct Covering {
    int left;
    int right;
};
Covering coveringCards(int n);
