#include "ClearPyramid.h"
#include "TableFixture.h"

namespace {

// Row 7 is cards 22..28; card 16 lies on 22 and 23, card 17 on 23 and 24.
const std::map<int, const char*> kRow7 = {{22, "5h"}, {23, "9c"}, {24, "4d"}, {25, "Kh"},
                                          {26, "Ad"}, {27, "Qs"}, {28, "8s"}};

} // namespace

TEST_F(TableTest, SelectionStateMachine) {
    struct Row {
        const char* clicks;
        int selected;             // 0: nothing framed
        std::vector<int> removed; // in the order they reach the discard pile
        int scoreGain;
    } rows[] = {
        {"22", 22, {}, 0},
        {"22 22", 0, {}, 0},              // same card cancels
        {"22 22 22", 22, {}, 0},          // and selects again
        {"22 23", 23, {}, 0},             // 5 + 9: the frame moves
        {"22 23 24", 0, {23, 24}, 13},    // 9 + 4 go together
        {"25", 0, {25}, 13},              // a King goes at once
        {"22 25", 0, {25}, 13},           // whatever was selected
        {"26 27", 0, {26, 27}, 13},       // Ace and Queen
        {"27 26", 0, {27, 26}, 13},       // either order
        {"22 1", 22, {}, 0},              // a covered card changes nothing
        {"22 16 25 25", 0, {25}, 13},     // nor does a discarded one
        {"22 52", 0, {}, 0},              // turning a card ends the selection
        {"24 28 26 27", 0, {26, 27}, 13}, // 4+8, 8+A miss; A+Q pair
    };
    for (const Row& row : rows) {
        restart();
        deal(kRow7);
        const int before = st().clock.score;
        play(row.clicks);
        SCOPED_TRACE(std::string("clicks: ") + row.clicks + "\n" + dump().toStdString());
        EXPECT_EQ(st().selectionActive ? st().selectedCard : 0, row.selected);
        for (int n = 22; n <= 28; ++n) {
            const bool gone = std::count(row.removed.begin(), row.removed.end(), n) > 0;
            EXPECT_EQ(place(n), gone ? plDiscarded : plOpen) << n;
        }
        EXPECT_EQ(st().clock.score - before, row.scoreGain);
        const auto& stack = scene().stacking; // the second card of a pair lies on top
        const auto at = [&](std::size_t i) {
            return i < row.removed.size() ? std::find(stack.begin(), stack.end(), row.removed[i])
                                          : stack.end();
        };
        EXPECT_LE(at(0), at(1));
    }
}

TEST_F(TableTest, ACardOpensWhenBothCardsOnItAreGone) {
    deal({{22, "5h"}, {23, "8c"}, {24, "Kd"}, {16, "2s"}, {17, "3s"}});
    play("24"); // only one of the two cards on 17
    EXPECT_EQ(place(17), plCovered);
    play("22 23");
    EXPECT_EQ(places({16, 17}), "OO");
    play("16");
    EXPECT_TRUE(st().selectionActive);
}

TEST_F(TableTest, RemovingTheApexWinsWithTheLastPointsCounted) {
    deal();
    game->N131Click(); // every pair counts
    ASSERT_TRUE(scene().menu.N131Checked);
    clearPyramid(*game, [this](int n) { game->ImageClick(n); });
    SCOPED_TRACE(dump().toStdString());
    EXPECT_EQ(place(1), plDiscarded);
    EXPECT_FALSE(st().gameRunning || scene().timerEnabled || scene().menu.menupauseEnabled ||
                 scene().menu.menunilscoreVisible);
    EXPECT_EQ(host.readscoreCalls, 1);
    EXPECT_EQ(scene().panels[2], QString("$ %1").arg(st().clock.score));
    EXPECT_GT(st().stockCount, 0); // stock and waste don't matter

    const QString after = dump();
    // Nothing more happens on the table, nor on the stopped clock, however
    // late its ticks come.
    play("52 29 1 tick*10");
    EXPECT_EQ(dump(), after);
    // But the free table deals the next game, without a question, and the
    // kept score carries the win into it.
    const int won = st().clock.score;
    play("t");
    EXPECT_TRUE(st().gameRunning);
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(st().clock.score, won - ScoreClock::stake(false));
}

TEST_F(TableTest, TestMenuCommands) {
    deal(kRow7);
    game->N131Click();
    play("22 24"); // 5 and 4 count as 13
    EXPECT_EQ(place(22), plDiscarded);
    game->N131Click();
    EXPECT_FALSE(scene().menu.N131Checked);
    play("26 28"); // Ace and 8: back to the rule
    EXPECT_EQ(place(26), plOpen);

    // The key chord holds the flag; any release clears it, the check mark stays.
    game->N131Click();
    game->setAlwaysThirteen(false);
    EXPECT_TRUE(scene().menu.N131Checked);
    EXPECT_FALSE(st().alwaysThirteen);

    // "Нет игры": clicks ignored, the clock and its charge go on.
    game->N7Click();
    const int score = st().clock.score;
    play("27 tick*10");
    EXPECT_EQ(place(27), plOpen);
    EXPECT_EQ(st().clock.score, score - 1);
    EXPECT_EQ(scene().panels[0], "Time = 10");
    EXPECT_TRUE(scene().timerEnabled);
    EXPECT_EQ(host.readscoreCalls, 0);

    // "Победа": the records check runs, the clock stops, Pause stays usable.
    deal();
    game->N5Click();
    EXPECT_EQ(host.readscoreCalls, 1);
    EXPECT_FALSE(st().gameRunning || scene().timerEnabled);
    EXPECT_TRUE(scene().menu.menupauseEnabled && scene().menu.menunilscoreVisible);
}
