#include "TableFixture.h"

#include "Corners.h"
#include "LogicalPixels.h"
#include "Random.h"

#include <QRegularExpression>

#include <numeric>
#include <set>

namespace {

const QRgb kGreen = kTableColour.rgb();

} // namespace

TEST(Shuffle, TheTimeOfDayToTheMillisecondGivesTheDeal) {
    // Expected codes computed apart from this code: a short script seeds the
    // same generator with 12:34:56.789 (45296789 ms), draws 52 values and
    // ranks each one with the language's own sort instead of the exchange sort.
    const int expected[52] = {28, 19, 22, 3,  39, 27, 8,  29, 43, 7,  13, 50, 47,
                              52, 48, 18, 12, 34, 14, 32, 45, 31, 15, 37, 35, 23,
                              20, 26, 6,  44, 41, 17, 11, 10, 33, 38, 1,  46, 4,
                              49, 24, 36, 16, 40, 9,  5,  51, 2,  42, 21, 25, 30};
    const auto codes = shuffledCodes(45296789);
    for (int i = 1; i <= 52; ++i)
        EXPECT_EQ(codes[i], expected[i - 1]) << "card " << i;
    EXPECT_EQ(shuffledCodes(45296789), codes);
    EXPECT_NE(shuffledCodes(45296790), codes);
}

// Where each card lies and what it shows is checked after every random
// action by the soak; a deal must also open the right cards and order the
// stock and the pictures.
TEST_F(TableTest, DealOpensTheBottomRowAndOrdersStockAndStacking) {
    deal();
    std::set<std::pair<int, int>> seen;
    for (int n = 1; n <= 52; ++n) {
        seen.insert({st().cards[n].suit, st().cards[n].rank});
        EXPECT_EQ(scene().cards[n].cursor, n <= 21 ? kDefaultCursor : kHandCursorNumber) << n;
        EXPECT_EQ(st().cards[n].faceUp, n <= 28) << n;
    }
    EXPECT_EQ(seen.size(), 52u);
    ASSERT_EQ(st().stockCount, 24);
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(st().stock[i], 28 + i);
    // Tests compare dumps to see that nothing changed: it must name every pyramid card.
    EXPECT_EQ(dump().count(QRegularExpression("[2-9TJQKA][hdcs][CO]")), 28);

    // Cards stacked 1..52 under the hidden frame, also at the next deal.
    std::vector<int> expected(52);
    std::iota(expected.begin(), expected.end(), 1);
    expected.push_back(kFrameItem);
    game->setShowDialog(false);
    for (int round = 0; round < 2; ++round, deal())
        EXPECT_EQ(scene().stacking, expected);
}

TEST_F(TableTest, CornersAfterDealRoundAgainstTableAndCardsBeneath) {
    deal();
    const auto& cards = scene().cards;
    auto px = [&](int n, int x, int y) { return logicalPixel(cards[n].image, x, y); };
    // Apex: both top corners in the table colour.
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {70, 0}, {69, 0}, {70, 1}})
        EXPECT_EQ(px(1, x, y), kGreen);
    for (int r = 2; r <= 7; ++r) {
        const int first = r * (r - 1) / 2 + 1, last = first + r - 1;
        EXPECT_EQ(px(first, 0, 0), kGreen) << "outer left, row " << r;
        EXPECT_EQ(px(last, 70, 0), kGreen) << "outer right, row " << r;
        for (int n = first; n < last; ++n) { // inner top-right from the card above-right
            EXPECT_EQ(px(n, 70, 0), px(n - r + 1, 32, 40)) << n;
            EXPECT_EQ(px(n, 69, 0), px(n - r + 1, 31, 40)) << n;
            EXPECT_EQ(px(n, 70, 1), px(n - r + 1, 32, 41)) << n;
        }
        for (int n = first + 1; n <= last; ++n) { // inner top-left from the card above-left
            EXPECT_EQ(px(n, 0, 0), px(n - r, 39, 40)) << n;
            EXPECT_EQ(px(n, 1, 0), px(n - r, 40, 40)) << n;
            EXPECT_EQ(px(n, 0, 1), px(n - r, 39, 41)) << n;
        }
    }
    // Bottom corners of every card, and the stock's top corners, in the table colour.
    for (int n = 1; n <= 52; ++n)
        for (auto [x, y] : {std::pair{0, 95}, {1, 95}, {0, 94}, {70, 95}, {69, 95}, {70, 94}})
            EXPECT_EQ(px(n, x, y), kGreen) << n;
    for (int n = 29; n <= 52; ++n)
        EXPECT_EQ(px(n, 70, 0), kGreen) << n;
}

TEST_F(TableTest, NewGameQuestionOnlyWhileAGameRuns) {
    deal(); // no game running: no question
    EXPECT_TRUE(host.asked.empty());
    play("22"); // select a card
    play("tick tick");
    const QString before = dump();
    const auto imageKey = scene().cards[22].image.cacheKey();

    host.answers = {false};
    timeOfDay += 1; // a Yes would deal differently
    game->N21Click();
    EXPECT_EQ(host.asked, std::vector<Question>{Question::NewGame});
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(scene().cards[22].image.cacheKey(), imageKey);
    EXPECT_TRUE(scene().frameVisible);

    host.answers = {true};
    game->N21Click();
    EXPECT_NE(dump(), before);
    EXPECT_FALSE(st().selectionActive);
    EXPECT_FALSE(scene().frameVisible);

    host.asked.clear();
    game->setShowDialog(false);
    game->N21Click(); // "Show messages" off: no question
    game->setShowDialog(true);
    game->N7Click(); // the game stopped: no question either
    game->N21Click();
    EXPECT_TRUE(host.asked.empty());
}

TEST_F(TableTest, StakeClockAndStatusBarOverTwoGames) {
    struct Row {
        int mode;
        int drawThree;
        bool saveScore;
        const char* panel0;
        const char* panel2;
        const char* secondPanel0; // after ten seconds and a second deal
        const char* secondPanel2;
        int secondScore; // a kept score keeps its clock; only Standard has no time charge
    } rows[] = {
        {smCasino, 0, true, "Time = 0", "$ -150", "Time = 10", "$ -301", -301},
        {smCasino, 1, false, "Time = 0", "$ -50", "Time = 0", "$ -50", -50},
        {smStandard, 1, true, "", "-50", "", "-100", -100},
        {smStandard, 0, false, "", "-150", "", "-150", -150},
        {smNone, 0, true, "Time = 0", "", "Time = 10", "", -301},
    };
    for (const Row& row : rows) {
        ScriptedHost h;
        Game g(testBank(), h, [] { return 1u; });
        g.setScoreMode(row.mode);
        g.setDrawThree(row.drawThree);
        g.setSaveScore(row.saveScore);
        g.setShowDialog(false);
        g.newgame();
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", three cards " << row.drawThree);
        EXPECT_EQ(g.scene().panels[0], row.panel0);
        EXPECT_EQ(g.scene().panels[2], row.panel2);
        for (int tick = 0; tick < 10; ++tick) {
            EXPECT_TRUE(g.scene().timerEnabled); // Standard ticks too; its ticks do nothing
            g.TimerGameTimer();
        }
        g.newgame();
        EXPECT_EQ(g.scene().panels[0], row.secondPanel0);
        EXPECT_EQ(g.scene().panels[2], row.secondPanel2);
        EXPECT_EQ(g.state().clock.score, row.secondScore);
    }
}
