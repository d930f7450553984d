#include "TableFixture.h"

#include "Random.h"

#include <QRegularExpression>

#include <numeric>
#include <set>

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

// Where each card lies, what it shows and which cards are open is checked
// after every step; a deal must also order the stock and the pictures.
TEST_F(TableTest, DealOpensTheBottomRowAndOrdersStockAndStacking) {
    deal();
    std::set<std::pair<int, int>> seen;
    for (int n = 1; n <= 52; ++n)
        seen.insert({st().cards[n].suit, st().cards[n].rank});
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

// New rules while a game runs are the rules' own question: No keeps the game
// and the old rules, Yes deals anew under the new ones.
TEST_F(TableTest, NewRulesAskFirstWhileAGameRuns) {
    struct Row {
        const char* name;
        bool running;
        bool showDialog;
        std::deque<bool> answers;
        bool taken;
    };
    const Row rows[] = {
        {"running, yes", true, true, {true}, true},
        {"running, no", true, true, {false}, false},
        {"running, messages off", true, false, {}, true},
        {"no game", false, true, {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        game->setScoreMode(smStandard);
        game->setShowDialog(row.showDialog);
        deal();
        if (!row.running)
            game->N7Click();
        host.asked.clear();
        host.answers = row.answers;
        const QString before = dump();
        timeOfDay += 1; // a new deal would differ

        EXPECT_EQ(game->changeRules(smCasino, 1, true), row.taken);
        EXPECT_EQ(host.asked.size(), row.answers.size());
        EXPECT_EQ(st().clock.scoreMode, row.taken ? smCasino : smStandard);
        EXPECT_EQ(st().drawThree, row.taken ? 1 : 0);
        if (!row.taken) {
            EXPECT_EQ(dump(), before);
        }
        EXPECT_EQ(st().gameRunning, row.running);
        if (row.running && row.taken) {
            EXPECT_EQ(st().clock.score, -50) << "the new deal's stake under the new rules";
        }
    }
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
    play("F2");
    EXPECT_EQ(host.asked, std::vector<Question>{Question::NewGame});
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(scene().cards[22].image.cacheKey(), imageKey);

    host.answers = {true};
    play("F2");
    EXPECT_NE(dump(), before);
    EXPECT_FALSE(st().selectionActive);

    host.asked.clear();
    game->setShowDialog(false);
    play("F2"); // "Show messages" off: no question
    game->setShowDialog(true);
    game->N7Click(); // the game stopped: no question either
    play("F2");
    EXPECT_TRUE(host.asked.empty());
}

TEST_F(TableTest, StakeClockAndStatusBarOverTwoGames) {
    struct Row {
        int mode;
        int drawThree;
        bool saveScore;
        const char* dealt;    // status panels 0 and 2 after the first deal
        int ticks, moreTicks; // before and after the second deal
        const char* last;     // the panels after both
        int score;            // a kept score keeps its clock; only Standard has no time charge
    } rows[] = {
        // Casino charges a point every ten seconds of a kept score, counted across games.
        {smCasino, 0, true, "Time = 0|$ -150", 9, 0, "Time = 9|$ -300", -300},
        {smCasino, 0, true, "Time = 0|$ -150", 13, 7, "Time = 20|$ -302", -302},
        {smCasino, 1, false, "Time = 0|$ -50", 10, 0, "Time = 0|$ -50", -50},
        {smStandard, 1, true, "|-50", 10, 0, "|-100", -100},
        {smStandard, 0, false, "|-150", 10, 0, "|-150", -150},
        {smNone, 0, true, "Time = 0|", 10, 0, "Time = 10|", -301},
    };
    const auto panels = [this] { return scene().panels[0] + u'|' + scene().panels[2]; };
    for (const Row& row : rows) {
        restart();
        game->setScoreMode(row.mode);
        game->setDrawThree(row.drawThree);
        game->setSaveScore(row.saveScore);
        game->setShowDialog(false);
        deal();
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", three cards " << row.drawThree
                                        << ", ticks " << row.ticks);
        EXPECT_EQ(panels(), row.dealt);
        for (int tick = 0; tick < row.ticks; ++tick) {
            EXPECT_TRUE(scene().timerEnabled); // Standard ticks too; its ticks do nothing
            play("tick");
        }
        deal();
        play(QStringLiteral("tick*%1").arg(row.moreTicks));
        EXPECT_EQ(panels(), row.last);
        EXPECT_EQ(st().clock.score, row.score);
    }
}
