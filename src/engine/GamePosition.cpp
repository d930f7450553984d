#include "GamePosition.h"

#include "Game.h"

namespace {

std::uint8_t valueOf(const Card& card) {
    return std::uint8_t(pairValueOfRank(card.rank));
}

} // namespace

Rules rulesOf(int scoreMode, int drawThree) {
    Rules rules;
    rules.draw = drawThree ? 3 : 1;
    if (scoreMode == smCasino)
        rules.passes = drawThree ? 3 : 1;
    return rules;
}

Problem dealtAt(quint32 msOfDay, const Rules& rules) {
    const std::array<int, 53> codes = shuffledCodes(msOfDay);
    Problem problem;
    problem.rules = rules;
    for (int n = 1; n <= kCardCount; ++n) {
        Card card;
        card.rank = std::uint8_t(codes[n] % 13 + 1);
        if (n <= kPyramidCount)
            problem.layout.pyramid[n - 1] = valueOf(card);
        else
            problem.layout.talon[52 - n] = valueOf(card);
    }
    return problem;
}

Problem problemOf(const GameState& s) {
    Problem problem;
    problem.rules = rulesOf(s.clock.scoreMode, s.drawThree);
    Position& p = problem.position;
    for (int n = 1; n <= kPyramidCount; ++n) {
        problem.layout.pyramid[n - 1] = valueOf(s.cards[n]);
        if (s.cards[n].place == plDiscarded)
            p.pyramid &= ~(1u << (n - 1));
    }
    for (int i = 0; i < kTalonCards; ++i) {
        const Card& card = s.cards[talonCardNumber(i)];
        problem.layout.talon[i] = valueOf(card);
        if (card.place == plDiscarded)
            p.talon &= ~(1u << i);
    }
    // Redeals keep the order of turning, so the stock's top says how far
    // this pass has come.
    p.next = s.stockCount > 0 ? 52 - s.stock[s.stockCount] : kTalonCards;
    p.pass = s.clock.scoreMode == smCasino ? s.casinoPass : 1;
    return problem;
}

int hintedClick(const GameState& s, const Line& line) {
    const int first = line.front();
    const bool pair = first != kStockPlace && s.cards[first].rank != kKingRank;
    if (pair && s.selectionActive && s.selectedCard == first)
        return line[1];
    return first;
}
