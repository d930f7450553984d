#pragma once

#include "Scene.h"

#include <array>

class TBankForm;
struct GameState;

// The scene of a game state: every position, cursor, picture, the stacking,
// the stock place, the frame, the status texts, the menus and the timer follow
// from the state alone. Kept between calls so that a card gets a new picture
// only when its face, back or corners changed.
class SceneOf {
public:
    explicit SceneOf(const TBankForm& bank) : bank(bank) {}

    const Scene& operator()(const GameState& s);

private:
    struct Look {
        int art = 0; // 0: no picture made yet
        CardCorners corners{};

        bool operator==(const Look&) const = default;
    };

    const TBankForm& bank;
    Scene sc;
    std::array<Look, kCardCount + 1> shown{};
};
