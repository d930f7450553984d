#pragma once

// What the game state keeps about the look of the table that the piles alone
// do not fix: the order the pictures were raised in, what each card corner
// shows, what lies on the stock place and where the frame stands.

#include "Card.h"

#include <array>
#include <cstdint>

// Items in the stacking order besides the card numbers 1..52.
inline constexpr int kFrameItem = 0;

// Back to front: card numbers and kFrameItem, each at most once. Before the
// first deal only the frame is there; the deal adds the cards in number order.
class RaiseOrder {
public:
    // Puts the item on top, adding it when it is not there yet.
    void raise(int item);
    const std::uint8_t* begin() const { return order.data(); }
    const std::uint8_t* end() const { return order.data() + count; }

    bool operator==(const RaiseOrder&) const = default;

private:
    std::array<std::uint8_t, kCardCount + 1> order{}; // order[0] = kFrameItem
    std::uint8_t count = 1;
};

// A store picture: a face by its code 1..52, or back n as kBackArt + n.
inline constexpr std::uint8_t kBackArt = 100;

// Where the three logical pixels of a card corner come from. A copy reads the
// inside of a neighbour's picture, so it is named by the store picture the
// neighbour showed then: the neighbour may turn over later, the copy stays.
enum class CornerLook : std::uint8_t {
    Own,        // the card's own picture
    Table,      // the table colour
    AboveRight, // the pyramid card above right (top-right corner)
    AboveLeft,  // the pyramid card above left (top-left corner)
    Beneath,    // the fanned card beneath, 15 columns on (left corners)
};

struct CornerSource {
    CornerLook look = CornerLook::Own;
    std::uint8_t art = 0; // the store picture copied from, for the three copies

    bool operator==(const CornerSource&) const = default;
};

enum CornerIndex { kTopLeft, kTopRight, kBottomLeft, kBottomRight };
using CardCorners = std::array<CornerSource, 4>;

// What the stock place shows beneath the stock: the ring of an empty stock
// (also before the first deal), the back of a full one, or the cross once the
// Casino passes are used up.
enum class StockPlaceShows : std::uint8_t { Ring, Back, Cross };

// Where the selection frame stands: nowhere, round the stock place, or round
// card 1..52.
inline constexpr int kNoFrame = -1;
inline constexpr int kFrameOnStockPlace = 0;

// What the keyboard focus stands on: nothing, the stock place, or card 1..52.
inline constexpr int kNoFocus = -1;
inline constexpr int kFocusOnStockPlace = 0;
