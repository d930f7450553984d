#include "TableFixture.h"

TEST_F(TableTest, PauseHidesEveryFaceButTheDiscardPileAndRestoresThem) {
    for (int mode : {smCasino, smStandard, smNone}) {
        SCOPED_TRACE(mode);
        restart();
        game->setScoreMode(mode);
        game->setDrawThree(1);
        deal({{28, "Kh"}});
        play("28 t t"); // a discarded King and a fan over a collapsed one
        std::vector<QImage> before;
        for (int n = 0; n <= 52; ++n)
            before.push_back(scene().cards[n].image);

        play("F5");
        EXPECT_TRUE(st().paused);
        EXPECT_FALSE(scene().timerEnabled);
        EXPECT_EQ(scene().panels[0], "Pause");
        for (int n = 1; n <= 52; ++n) {
            const bool discarded = place(n) == plDiscarded;
            EXPECT_EQ(st().cards[n].faceUp, discarded) << n;
        }
        EXPECT_EQ(scene().cards[28].image, before[28]);

        play("F5");
        EXPECT_FALSE(st().paused);
        EXPECT_TRUE(scene().timerEnabled);
        EXPECT_EQ(scene().panels[0], mode == smStandard ? "" : "Time = 0");
        for (int n = 1; n <= 52; ++n)
            EXPECT_EQ(scene().cards[n].image, before[n]) << "card " << n << " not as before";
    }
}

TEST_F(TableTest, AClickOrANewGameEndsThePauseARedealDoesNot) {
    game->setScoreMode(smStandard);
    game->setShowDialog(false);
    deal({{22, "5h"}});
    play("F5 22"); // the click counts as well
    EXPECT_FALSE(st().paused);
    EXPECT_TRUE(st().selectionActive && st().selectedCard == 22);
    play("F5 F4");
    EXPECT_TRUE(st().paused);
    deal();
    EXPECT_FALSE(st().paused);
    EXPECT_TRUE(scene().timerEnabled);
    play("F5");
    EXPECT_TRUE(st().paused);
}

TEST_F(TableTest, ResetScoreAsksThenStartsFromTheStake) {
    deal();
    play("tick tick");
    const QString before = dump();
    host.answers = {false};
    game->menunilscoreClick();
    EXPECT_EQ(dump(), before);

    for (bool keep : {true, false}) {
        game->setSaveScore(keep);
        host.answers = {true};
        game->menunilscoreClick();
        EXPECT_EQ(host.asked.back(), Question::ResetScore);
        EXPECT_EQ(scene().panels[2], "$ -150");
        EXPECT_EQ(scene().panels[0], "Time = 0");
        EXPECT_TRUE(st().gameRunning);
    }
    EXPECT_EQ(host.asked.size(), 3u); // no new-game question on top
}

// The clock's texts come in the language the game was given, from the next
// text written on; the rest of the status bar has no words.
TEST_F(TableTest, StatusTextsInTheLanguageGiven) {
    game->setScoreMode(smCasino);
    deal();
    play("tick");
    EXPECT_EQ(scene().panels[0], "Time = 1");
    game->setLanguage(1);
    EXPECT_EQ(scene().panels[0], "Time = 1") << "written texts stay until the next one";
    play("tick");
    EXPECT_EQ(scene().panels[0], QString::fromUtf8("Время = 2"));
    play("F5");
    EXPECT_EQ(scene().panels[0], QString::fromUtf8("Пауза"));
    game->setLanguage(2);
    play("F5 F5");
    EXPECT_EQ(scene().panels[0], "Pause");
}
