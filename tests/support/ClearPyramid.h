#pragma once

#include "Game.h"

#include <functional>

// Clears the pyramid of a game in which every pair counts (the Test menu's
// "Всегда 13"), the apex last. `click` clicks card number n: the engine
// directly, or the real card picture in widget tests. A lone open card pairs
// with one turned from the stock; a King goes by itself.
inline void clearPyramid(const Game& game, const std::function<void(int)>& click) {
    const GameState& s = game.state();
    for (int guard = 0; guard < 100 && s.gameRunning && s.stockCount > 0; ++guard) {
        std::vector<int> open;
        for (int n = 28; n >= 1; --n)
            if (s.cards[n].place == plOpen)
                open.push_back(n);
        if (s.cards[open[0]].rank == kKingRank) {
            click(open[0]);
        } else if (open.size() == 1) {
            click(s.stock[s.stockCount]);
            const int waste = game.openWasteCard();
            click(waste);
            if (s.cards[waste].rank != kKingRank)
                click(open[0]);
        } else {
            click(open[0]);
            click(open[1]);
        }
    }
}
