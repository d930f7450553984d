// Numbered deals, chosen and dealt again, and how each game is counted when
// it ends.
#include "TableFixture.h"

#include "GamePosition.h"
#include "Random.h"
#include "Search.h"
#include "WinnableDeal.h"

namespace {

std::array<int, 53> codesOf(const GameState& s) {
    std::array<int, 53> codes{};
    for (int n = 1; n <= kCardCount; ++n)
        codes[size_t(n)] = s.cards[n].code;
    return codes;
}

QString described(const std::vector<GameResult>& results) {
    QStringList out;
    for (const GameResult& r : results)
        out << QStringLiteral("%1%2 %3")
                   .arg(r.won ? "won" : "lost", r.chosenDeal ? " chosen" : "")
                   .arg(r.points);
    return out.join(u", ");
}

} // namespace

// The number of a deal is the millisecond that seeded it: the game, the
// solver's view of it, "Select deal..." and "Restart deal" all agree on it.
TEST_F(TableTest, ADealIsNamedByItsMillisecondAndCanBeDealtAgain) {
    game->setShowDialog(false);
    deal();
    EXPECT_EQ(st().dealNumber, 45296789u);
    EXPECT_FALSE(st().dealChosen);
    EXPECT_EQ(scene().panels[1], "Deal 45296789");
    EXPECT_EQ(problemOf(st()), dealtAt(45296789, rulesOf(st().clock.scoreMode, st().drawThree)));
    const auto dealt = codesOf(st());

    timeOfDay = 1000;
    play("F2");
    EXPECT_NE(codesOf(st()), dealt);
    EXPECT_EQ(scene().panels[1], "Deal 1000");
    play("deal#45296789");
    EXPECT_EQ(codesOf(st()), dealt);
    EXPECT_TRUE(st().dealChosen);
    play("t t F2 restart");
    EXPECT_EQ(st().dealNumber, 1000u) << "F2 deals the clock's deal, restart that one again";
    EXPECT_TRUE(st().dealChosen);
    game->setLanguage(1);
    EXPECT_EQ(scene().panels[1], QString::fromUtf8("Расклад 1000"));

    // Chosen over a running game: asked first, and No keeps the game.
    game->setShowDialog(true);
    host.answers = {false, false};
    const QString before = dump();
    play("deal#5 restart");
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(host.asked, std::vector<Question>(2, Question::NewGame));
}

TEST(DealNumbers, TypedNumbersAreDigitsInRange) {
    const std::pair<const char*, std::optional<quint32>> rows[] = {
        {"0", 0u},
        {"86399999", 86399999u},
        {" 42 ", 42u},
        {"000000007", 7u},
        {"86400000", {}},
        {"4294967296", {}},
        {"99999999999", {}},
        {"", {}},
        {"  ", {}},
        {"-1", {}},
        {"+1", {}},
        {"4a", {}},
        {"1 2", {}},
        {"1.5", {}},
        {"\xd9\xa1\xd9\xa2", {}}, // Arabic-Indic 12
    };
    for (const auto& [text, number] : rows)
        EXPECT_EQ(parseDealNumber(QString::fromUtf8(text)), number) << text;
}

// A game counts once it has a move, once, when it ends: won, dealt over,
// stopped, reset or left. A chosen deal says so.
TEST_F(TableTest, AGameIsCountedOnceWhenItEndsAfterAMove) {
    const std::pair<const char*, const char*> rows[] = {
        {"F2", ""},
        {"win", ""},
        {"t F2", "lost -150"},
        {"t t t*3 F2 F2", "lost -150"},
        {"22 F2", "lost -137"},
        {"t stop", "lost -150"},
        {"t stop F2", "lost -150"},
        {"t win F2", "won -150"},
        {"t reset", "lost -150"},
        {"t leave leave", "lost -150"},
        {"deal#5 t F2", "lost chosen -150"},
        {"t restart t leave", "lost -150, lost chosen -150"},
        {"t*24 m", "lost -150"}, // Casino's one pass used up: the stock place deals anew
        {"t*24 F4 t*24 F4", ""}, // Standard redeals are moves but end nothing
    };
    for (const auto& [script, expected] : rows) {
        SCOPED_TRACE(script);
        host.ended.clear();
        restart();
        game->setShowDialog(false);
        game->setScoreMode(QString(script).contains("F4") ? smStandard : smCasino);
        deal({{22, "Kh"}});
        play(script);
        EXPECT_EQ(described(host.ended), expected);
    }
}

// What a counted game carries: its own rules, even when new ones end it.
TEST_F(TableTest, AGameEndedByNewRulesCountsUnderItsOwn) {
    game->setShowDialog(false);
    game->setScoreMode(smStandard);
    game->setDrawThree(1);
    deal({{22, "Kh"}});
    play("22 tick t");
    game->changeRules(smCasino, 0, true);
    ASSERT_EQ(host.ended.size(), 1u);
    const GameResult& r = host.ended[0];
    EXPECT_EQ(std::tuple(r.scoreMode, r.drawThree, r.won, r.dealNumber, r.score, r.points),
              std::tuple(int(smStandard), 1, false, 45296789u, 13 - 50, 13 - 50));
    EXPECT_EQ(st().clock.scoreMode, smCasino);
}

// The deal "Deal only winnable games" finds is winnable, and the first
// candidate is the clock's own deal.
TEST(WinnableDeals, TheDealFoundIsWinnableAndStopsWhenAsked) {
    const std::pair<int, int> modes[] = {{smCasino, 0}, {smCasino, 1}, {smStandard, 1}};
    int firstTryWins = 0;
    for (const auto& [scoreMode, drawThree] : modes) {
        const Rules rules = rulesOf(scoreMode, drawThree);
        for (quint32 start : {0u, 45296789u, 86399999u}) {
            const auto found = findWinnableDeal(start, rules);
            ASSERT_TRUE(found);
            EXPECT_TRUE(solve(dealtAt(found->number, rules)).winnable) << start;
            EXPECT_LT(found->number, kDealNumbers);
            if (found->tries == 1) {
                EXPECT_EQ(found->number, start);
                ++firstTryWins;
            }
        }
    }
    EXPECT_GT(firstTryWins, 0) << "three cards with unlimited passes win more often than not";
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(findWinnableDeal(0, rulesOf(smCasino, 0), stopped.get_token()));
}
