// The search must agree with the game itself: every line it finds is clicked
// into a real Game and has to win there, and every verdict is checked against
// a plain search that shares none of its shortcuts.
#include "GamePosition.h"
#include "PlainSearch.h"
#include "Search.h"
#include "TableFixture.h"

#include <random>

namespace {

struct Mode {
    int scoreMode;
    int drawThree;
    std::string name() const {
        return "score mode " + std::to_string(scoreMode) + ", three cards " +
               std::to_string(drawThree);
    }
};
const Mode kModes[] = {{smCasino, 0},   {smCasino, 1}, {smStandard, 0},
                       {smStandard, 1}, {smNone, 0},   {smNone, 1}};

// A click on the stock place hits the stock's top card while there is one.
void clickStockPlace(Game& game) {
    const GameState& s = game.state();
    if (s.stockCount > 0)
        game.ImageClick(s.stock[s.stockCount]);
    else
        game.ImagenewClick();
}

// Clicks `line` into the game; the empty string when it wins with its last
// click, else what went wrong.
std::string replay(Game& game, const ScriptedHost& host, const Line& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!game.state().gameRunning)
            return "the game ended before click " + std::to_string(i);
        if (line[i] == kStockPlace)
            clickStockPlace(game);
        else
            game.ImageClick(line[i]);
        if (!host.asked.empty())
            return "click " + std::to_string(i) + " brought a question";
    }
    if (game.state().gameRunning || host.readscoreCalls != 1)
        return "the line does not win";
    return {};
}

// Plays a few random clicks a player could make, none of which asks anything
// or ends the game, so the position is somewhere in the middle of a game.
void wander(Game& game, std::mt19937& rng, int steps) {
    const GameState& s = game.state();
    for (int i = 0; i < steps; ++i) {
        const bool stockPlace = rng() % 3 == 0;
        const bool refused =
            s.stockCount == 0 && (s.wasteCount == 0 || (s.clock.scoreMode == smCasino &&
                                                        (s.drawThree == 0 || s.casinoPass >= 3)));
        if (stockPlace && !refused) {
            clickStockPlace(game);
        } else if (!stockPlace) {
            const int card = int(rng() % 52) + 1;
            // The apex would end the game; a pair with it is left alone.
            if (card == kApex || (s.selectionActive && s.selectedCard == kApex))
                continue;
            game.ImageClick(card);
        }
        if (!s.gameRunning)
            return;
    }
    if (s.selectionActive) // let go, so the line's clicks mean what they say
        game.ImageClick(s.selectedCard);
}

// Plain searches per mode and kind of position. Under the sanitizers, which
// are here to catch memory faults rather than wrong verdicts, the slow plain
// search runs a few times only.
#ifdef __SANITIZE_ADDRESS__
constexpr int kCompared = 2;
#else
constexpr int kCompared = 12;
#endif

class SolverTest : public TableTest {
protected:
    void start(const Mode& m, quint32 ms) {
        host = ScriptedHost();
        timeOfDay = ms;
        game->setScoreMode(m.scoreMode);
        game->setDrawThree(m.drawThree);
        game->setShowDialog(true);
        game->N7Click(); // no game running: the deal asks nothing
        game->newgame();
    }

    // Checks the solver's answer for the table as it stands: against the plain
    // search (which gives up on the few positions that would take it long)
    // while `compared` is short of its quota, and a winning line by replaying
    // it through the game's own handlers.
    void check(const Solution& found, int& compared, std::size_t budget = 60'000) {
        if (compared < kCompared) {
            if (const auto verdict = PlainSearch().solve(plainTableOf(st()), budget)) {
                ASSERT_EQ(found.winnable, *verdict);
                ++compared;
            }
        }
        if (found.winnable) {
            ASSERT_EQ(replay(*game, host, found.line), "");
        }
    }
};

} // namespace

class EveryMode : public SolverTest, public testing::WithParamInterface<int> {};

// Fresh deals, then positions somewhere in the middle of a game. One test a
// mode, so that the modes run side by side.
TEST_P(EveryMode, WinsAsFoundAndAgreesWithThePlainSearch) {
    const Mode& m = kModes[GetParam()];
    std::mt19937 rng(20240610 + GetParam());
    int won = 0;
    int compared = 0;
    for (int deal = 0; deal < 120; ++deal) {
        const auto ms = quint32(rng() % 86'400'000u);
        start(m, ms);
        SCOPED_TRACE(m.name() + ", ms " + std::to_string(ms));
        const Problem problem = problemOf(st());
        ASSERT_EQ(problem, dealtAt(ms, rulesOf(m.scoreMode, m.drawThree)));
        const Solution found = solve(problem);
        won += found.winnable ? 1 : 0;
        check(found, compared);
        if (HasFatalFailure())
            return;
    }
    // Every mode has both outcomes among this many deals.
    EXPECT_GT(won, 0);
    EXPECT_LT(won, 120);
    EXPECT_EQ(compared, kCompared);

    compared = 0;
    for (int deal = 0; deal < 80; ++deal) {
        start(m, quint32(rng() % 86'400'000u));
        wander(*game, rng, int(rng() % 120));
        if (!st().gameRunning)
            continue;
        SCOPED_TRACE(m.name() + "\n" + dump().toStdString());
        check(solve(problemOf(st())), compared);
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(compared, kCompared);
}
INSTANTIATE_TEST_SUITE_P(Solver, EveryMode, testing::Range(0, int(std::size(kModes))),
                         [](const auto& info) {
                             const Mode& m = kModes[info.param];
                             return std::string(m.scoreMode == smCasino     ? "Casino"
                                                : m.scoreMode == smStandard ? "Standard"
                                                                            : "NoScore") +
                                    (m.drawThree ? "ThreeCards" : "OneCard");
                         });

// Deals at the edge of the bounds and of the table's equal talon cards: won
// deals a careless shortcut would give up, and lost ones the bounds settle
// at the deal itself.
TEST_F(SolverTest, DealsAtTheEdgeOfTheShortcutsAgreeWithThePlainSearch) {
    const struct {
        Mode mode;
        quint32 ms;
        bool settledAtOnce;
    } rows[] = {
        {{smCasino, 0}, 21979245, false},   {{smCasino, 0}, 76236232, false},
        {{smCasino, 1}, 572231, false},     {{smCasino, 1}, 27987672, false},
        {{smStandard, 1}, 16761976, false}, {{smNone, 1}, 60548131, false},
        {{smNone, 1}, 14469087, false},     {{smNone, 0}, 62403169, false},
        {{smCasino, 1}, 20963958, true},    {{smNone, 1}, 44913129, true},
    };
    for (const auto& row : rows) {
        start(row.mode, row.ms);
        SCOPED_TRACE(row.mode.name() + ", ms " + std::to_string(row.ms));
        const Solution found = solve(problemOf(st()));
        if (row.settledAtOnce) {
            EXPECT_LT(found.nodes, 10u);
        }
        int compared = 0;
        check(found, compared, 2'000'000);
        EXPECT_EQ(compared, 1);
    }
}

TEST(Solver, StopsWhenAsked) {
    std::stop_source stop;
    stop.request_stop();
    const Solution s = solve(dealtAt(45296789, rulesOf(smStandard, 1)), stop.get_token());
    EXPECT_TRUE(s.cancelled);
    EXPECT_FALSE(s.winnable);
}
