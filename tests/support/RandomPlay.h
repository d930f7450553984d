#pragma once

// A random player for the rules and the checks it runs after every action:
// every card in exactly one place, the look of the table in step with the
// piles, and the scene equal to one computed afresh from the state. The rule tests and the soak run
// share them.

#include "Game.h"

#include <random>
#include <string>

class TBankForm;

// Answers every question at random.
class RandomAnswers : public GameHost {
public:
    explicit RandomAnswers(std::mt19937& rng) : rng(rng) {}
    bool ask(Question) override { return rng() % 2 == 0; }
    void readscore() override {}

private:
    std::mt19937& rng;
};

// A click where the player would click: the topmost card under the point, or
// the stock place, the discard place or the bare table beneath the cards.
void clickAt(Game& game, QPoint p);

// One random action of a player: mostly clicks where the cards are, also
// cards named directly, the table, the stock place, F2, F4, F5, the Test
// menu, clock ticks and now and then a change of the options.
void randomAction(Game& game, std::mt19937& rng);

// The first thing two scenes show differently (pictures compared by pixels;
// a hidden frame's place does not count), or an empty string.
std::string sceneDifference(const Scene& a, const Scene& b);

// A description of the first broken rule, or an empty string. `afresh` also
// compares the scene with one computed from nothing but the state.
std::string checkTable(const Game& game, const TBankForm& bank, bool afresh = true);
