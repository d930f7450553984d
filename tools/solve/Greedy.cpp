#include "Greedy.h"

#include "AnyMove.h"
#include "TableClicks.h"

#include <bit>
#include <stdexcept>

namespace {

int cardsLeft(const Position& s) {
    return std::popcount(s.pyramid) + std::popcount(s.talon);
}

} // namespace

bool greedyWins(const Problem& problem) {
    ClickedTable table{problem};
    const Position& s = table.problem.position;
    int leftAtPassStart = cardsLeft(s);
    while (s.pyramid != 0) {
        const Line move = anyMove(table.problem);
        if (move.empty())
            return false;
        const bool redeal = move.front() == kStockPlace && s.next == kTalonCards;
        if (redeal && problem.rules.passes == 0) {
            if (cardsLeft(s) == leftAtPassStart)
                return false;
            leftAtPassStart = cardsLeft(s);
        }
        for (const int place : move)
            if (!click(table, place))
                throw std::logic_error("the table refused a click of the fallback move");
    }
    return true;
}
