// A won game as the player meets it: the banner, the name entry and the
// winners dialog, then the Winners command.
#include "ClearPyramid.h"
#include "WindowFixture.h"

TEST_F(WindowTest, AWonGameEntersTheTableUnderTheWinnersName) {
    key(Qt::Key_F2);
    Form1->N131->trigger();
    int seconds = -1;
    QString timePanel;
    // The pyramid is won by a click still being delivered while the
    // banner is up, so the banner is closed by a key.
    auto seen = answerWin("Ann", true, [&] {
        // The clock stands still from the winning move on, ticks or not.
        EXPECT_FALSE(Form1->TimerGame.isActive());
        seconds = game().state().clock.gameSeconds;
        timePanel = panel(0);
        for (int i = 0; i < 20; ++i)
            Form1->TimerGameTimer();
        EXPECT_FALSE(Form1->TimerGame.isActive()) << "started again by a tick";
    });
    clearPyramid(game(), [this](int n) { click(card(n)); });
    EXPECT_FALSE(game().state().gameRunning);
    expectMirrorsScene();
    EXPECT_EQ(game().state().clock.gameSeconds, seconds);
    EXPECT_EQ(panel(0), timePanel);

    const int score = game().state().clock.score;
    EXPECT_EQ(seen->line, "Your result one of best!");
    EXPECT_EQ(seen->offeredName, "Modest incognoto");
    EXPECT_EQ(seen->page, 1);
    EXPECT_EQ(seen->rows.value(0), QStringLiteral("Ann | %1").arg(score));
    EXPECT_EQ(storedValue("Winners/Name1"), "Ann");
    EXPECT_EQ(storedValue("Winners/Score1"), QString::number(score));
    EXPECT_EQ(storedValue("Winners/Deal1"), "45296789");
    EXPECT_EQ(Formwin->nameRow(2)->toolTip(), "Deal 45296789");

    // Declared won again (the banner closed by a click): the name of this
    // run's last winner is offered.
    seen = answerWin("Bo", false);
    Form1->N5->trigger();
    EXPECT_EQ(seen->offeredName, "Ann");
}

TEST_F(WindowTest, AnEmptyNameIsStoredAndShownAsAnEmptyRank) {
    destroyWindows();
    start("[Format]\nFrstHlp=2\nScore=2\n[Winners]\nName11=Cy\nScore11=0x3C\n");
    auto seen = answerWin("", true);
    Form1->N5->trigger(); // 0 seconds: the best time there is
    EXPECT_EQ(seen->page, 3);
    EXPECT_EQ(seen->rows.value(0), " | ");
    EXPECT_EQ(storedValue("Winners/Name11"), "");
    EXPECT_EQ(storedValue("Winners/Score11"), "0");

    // Equalling the fifth entry: the plain line, and no name is asked.
    writeStoreFile("[Winners]\nName15=Dee\nScore15=0\n");
    seen = answerWin("never typed", false);
    Form1->N5->trigger();
    EXPECT_EQ(seen->line, "It's a victory");
    EXPECT_EQ(seen->offeredName, "");

    // The Winners command opens the current mode's page.
    int page = 0;
    onModal<TFormwin>([&](TFormwin* w) {
        page = w->Tabrez->currentIndex() + 1;
        QTest::keyClick(w, Qt::Key_A);
    });
    Form1->menuwinn->trigger();
    EXPECT_EQ(page, 3);
}
