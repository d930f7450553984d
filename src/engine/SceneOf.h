#pragma once

#include "Scene.h"

#include <array>

class TBankForm;
struct GameState;

// The scene of a game state: every position, cursor, picture, the stacking,
// the stock place, the frame, the status texts, the menus and the timer follow
// from the state alone. Kept between calls so that a card gets a new picture
// only when its face, back or corners changed. A card whose corners look as
// the store's picture does shows that picture itself; the others are painted
// into a buffer of their own, and the buffer a card showed before is kept for
// its next change, so play allocates no pictures once every card has two.
class SceneOf {
public:
    explicit SceneOf(const TBankForm& bank) : bank(bank) {}

    const Scene& operator()(const GameState& s);

private:
    void repaint(int n, int art, const CardCorners& corners);

    struct Look {
        int art = 0; // 0: no picture made yet
        CardCorners corners{};

        bool operator==(const Look&) const = default;
    };

    const TBankForm& bank;
    Scene sc;
    std::array<Look, kCardCount + 1> shown{};
    std::array<bool, kCardCount + 1> ownShown{}; // sc.cards[n].image is a buffer of its own
    std::array<QImage, kCardCount + 1> spare;    // the buffer card n showed before
};
