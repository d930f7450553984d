// The study's own clicks must move a problem exactly as the game moves its
// table, or the fallback move's share would be measured on another game.
#include "TableClicks.h"
#include "AnyMove.h"
#include "GamePosition.h"
#include "Greedy.h"
#include "PyramidShape.h"
#include "Search.h"
#include "TableFixture.h"

#include <random>

namespace {

struct Mode {
    int scoreMode;
    int drawThree;
};
// The four ways the stock can go: Casino's one and three passes, and unlimited.
const Mode kModes[] = {{smCasino, 0}, {smCasino, 1}, {smStandard, 0}, {smStandard, 1}};

class TableClicks : public TableTest, public testing::WithParamInterface<int> {
protected:
    ClickedTable start(quint32 ms) {
        const Mode& m = kModes[GetParam()];
        host = ScriptedHost();
        timeOfDay = ms;
        game->setScoreMode(m.scoreMode);
        game->setDrawThree(m.drawThree);
        game->setShowDialog(true);
        game->N7Click();
        game->newgame();
        return {dealtAt(ms, rulesOf(m.scoreMode, m.drawThree))};
    }

    void clickGame(int place) {
        if (place != kStockPlace)
            game->ImageClick(place);
        else if (st().stockCount > 0)
            game->ImageClick(st().stock[st().stockCount]);
        else
            game->ImagenewClick();
    }

    // On an empty stock and waste, or with Casino's passes used up, a click on
    // the stock place deals anew (asking first in Casino).
    bool gameDealsAnew() const {
        const GameState& g = st();
        const bool passesUsedUp =
            g.clock.scoreMode == smCasino && (g.drawThree == 0 || g.casinoPass >= 3);
        return g.stockCount == 0 && (g.wasteCount == 0 || passesUsedUp);
    }

    // The game's table as the study's clicks should have left it. Only
    // Casino counts passes, so they are compared there alone.
    std::string differences(const ClickedTable& table) const {
        Problem mine = table.problem;
        if (mine.rules.passes == 0)
            mine.position.pass = 1;
        std::string out;
        if (problemOf(st()) != mine)
            out += "positions differ; ";
        if ((st().selectionActive ? st().selectedCard : 0) != table.selected)
            out += "selections differ";
        return out;
    }
};

} // namespace

// Random clicks a player could make, mostly on cards that can be taken: each
// is applied to the game and to the problem, and both must agree on whether
// it did anything and on where the table stands. Where the game would deal
// anew instead, the study's click must be refused.
TEST_P(TableClicks, MoveTheProblemAsTheGameMovesItsTable) {
    std::mt19937 rng(777 + GetParam());
    for (int deal = 0; deal < 25 && !HasFailure(); ++deal) {
        ClickedTable table = start(quint32(rng() % kDealNumbers));
        SCOPED_TRACE("ms " + std::to_string(timeOfDay));
        for (int i = 0; i < 400 && table.problem.position.pyramid != 0; ++i) {
            const Position& s = table.problem.position;
            std::vector<int> places = {kStockPlace, kStockPlace, int(rng() % 52) + 1};
            for (std::uint32_t f = PyramidShape::available(s.pyramid); f; f &= f - 1)
                places.push_back(std::countr_zero(f) + 1);
            if (openWasteOf(s) >= 0)
                places.insert(places.end(), 3, talonCardNumber(openWasteOf(s)));
            if (s.next < kTalonCards)
                places.push_back(talonCardNumber(s.next));
            const int place = places[rng() % places.size()];
            if (place == kStockPlace && gameDealsAnew()) {
                ASSERT_FALSE(click(table, place)) << dump().toStdString();
                continue;
            }
            // With the talon all gone the game still turns its empty waste over.
            if (place == kStockPlace && s.next == kTalonCards && s.talon == 0)
                continue;
            const std::string before = game->dump().toStdString();
            const bool taken = click(table, place);
            clickGame(place);
            ASSERT_EQ(taken, game->dump().toStdString() != before) << "click " << place;
            ASSERT_EQ(differences(table), "") << "after click " << place << "\n"
                                              << dump().toStdString();
        }
        EXPECT_EQ(st().gameRunning, table.problem.position.pyramid != 0);
    }
}

// A winning line from the search clears the pyramid with its last click and
// not before, every click taken; and the fallback move never wins a deal the
// search calls lost.
TEST_P(TableClicks, ReplayWinningLinesAndBoundTheFallbackMove) {
    std::mt19937 rng(4242 + GetParam());
    int winnable = 0;
    for (int deal = 0; deal < 60; ++deal) {
        const auto ms = quint32(rng() % kDealNumbers);
        ClickedTable table = start(ms);
        const Solution found = solve(table.problem);
        const bool greedy = greedyWins(table.problem);
        EXPECT_TRUE(found.winnable || !greedy) << "ms " << ms;
        if (!found.winnable)
            continue;
        ++winnable;
        for (std::size_t i = 0; i < found.line.size(); ++i) {
            ASSERT_NE(table.problem.position.pyramid, 0u) << "ms " << ms << ", click " << i;
            ASSERT_TRUE(click(table, found.line[i])) << "ms " << ms << ", click " << i;
        }
        EXPECT_EQ(table.problem.position.pyramid, 0u) << "ms " << ms;
    }
    EXPECT_GT(winnable, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryStock, TableClicks, testing::Range(0, 4));

namespace {

// Every pyramid card a King but card 22 (a 2); every talon card a 2 but for
// an 11 at card number `partner` (none when 0).
Problem kingsAndOneTwo(int draw, int passes, int partner) {
    Problem p;
    p.layout.pyramid.fill(13);
    p.layout.pyramid[21] = 2;
    p.layout.talon.fill(2);
    if (partner != 0)
        p.layout.talon[52 - partner] = 11;
    p.rules = {draw, passes};
    return p;
}

} // namespace

TEST(Greedy, WinsOnlyWhatTheFallbackMoveReachesAndAlwaysEnds) {
    const struct {
        const char* what;
        Problem problem;
        bool wins;
    } rows[] = {
        {"one card: the partner turns up", kingsAndOneTwo(1, 0, 51), true},
        {"one card, one pass: the last card turned partners", kingsAndOneTwo(1, 1, 29), true},
        {"no partner, passes unlimited: ends after a pass", kingsAndOneTwo(1, 0, 0), false},
        {"three cards: the partner beneath the fan never opens", kingsAndOneTwo(3, 0, 51), false},
        {"three cards: the fan's top partners", kingsAndOneTwo(3, 0, 50), true},
        {"three cards, three passes: the last fan's top", kingsAndOneTwo(3, 3, 29), true},
        {"three cards, three passes: beneath the fan", kingsAndOneTwo(3, 3, 30), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(greedyWins(row.problem), row.wins) << row.what;
        EXPECT_EQ(solve(row.problem).winnable, row.wins) << row.what;
    }
}
