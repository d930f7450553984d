// The statistics as the player meets them: every finished game counted in the
// store, the deal's verdict beside it, the Statistics command and Removal.
#include "WindowFixture.h"

#include "GamePosition.h"
#include "Search.h"
#include "StatisticsDialog.h"
#include "frmopt.h"

#include <QMenu>
#include <QPushButton>

namespace {

// Turns a card from the stock with a click on the bare table: the game has
// had its first move.
void firstMove() {
    QTest::mouseClick(Form1->PanelMain, Qt::LeftButton, {}, QPoint(300, 340));
    EXPECT_TRUE(Form1->game().state().moved);
}

// The search's own answer for the deal on the table.
bool solvedAsDealt() {
    const GameState& s = Form1->game().state();
    return solve(dealtAt(s.dealNumber, rulesOf(s.clock.scoreMode, s.drawThree))).winnable;
}

} // namespace

TEST_F(WindowTest, EveryEndedGameIsCountedWithItsDealsVerdict) {
    // The Game menu offers the command after Winners, under F6.
    const QList<QAction*> items = Form1->N12->actions();
    ASSERT_EQ(items.indexOf(Form1->menustats), items.indexOf(Form1->menuwinn) + 1);
    EXPECT_EQ(Form1->menustats->text(), "Statistics");
    EXPECT_EQ(Form1->menustats->shortcut(), QKeySequence(Qt::Key_F6));

    key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([] { return Form1->dealVerdict().has_value(); }, 20000));
    const bool winnable = *Form1->dealVerdict();
    EXPECT_EQ(winnable, solvedAsDealt());
    firstMove();
    auto seen = answerWin("Ann", true);
    Form1->N5->trigger();
    const int score = game().state().clock.score;
    EXPECT_EQ(storedValue("Statistics/Casino1Played"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1Won"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1Streak"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1BestScore"), QString::number(score));
    EXPECT_EQ(storedValue("Statistics/Casino1DealsChecked"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1DealsWinnable"), winnable ? "1" : "0");

    // A hint asked on the next deal must not call the deal's check off.
    key(Qt::Key_F2);
    MessageBoxAnswer noLine;
    noLine.answerNext(QMessageBox::Ok, {}, false);
    Form1->menuhintClick();
    ASSERT_TRUE(QTest::qWaitFor([] { return Form1->dealVerdict().has_value(); }, 20000));
    // A deal without a move is not a game; one left with a move is lost, once.
    firstMove();
    Form1->close();
    Form1->close();
    EXPECT_EQ(storedValue("Statistics/Casino1Played"), "2");
    EXPECT_EQ(storedValue("Statistics/Casino1Won"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1Streak"), "0");
    EXPECT_EQ(storedValue("Statistics/Casino1LongestStreak"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1DealsChecked"), "2");

    // The command opens the figures on the current mode's tab.
    Form1->show();
    bool opened = false;
    onModal<StatisticsDialog>([&opened](StatisticsDialog* d) {
        opened = true;
        EXPECT_EQ(d->Tabmode->currentIndex(), 0);
        EXPECT_EQ(d->valueLabel(StatisticsDialog::Played, 0)->text(), "2");
        EXPECT_EQ(d->valueLabel(StatisticsDialog::WinRate, 0)->text(), "50 %");
        d->BtnClose->click();
    });
    Form1->menustats->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(WindowTest, RemovalTakesTheStatisticsAlongAndTheLeftGameIsNotStored) {
    key(Qt::Key_F2);
    firstMove();
    Form1->N7->trigger(); // stopped: a loss
    ASSERT_EQ(storedValue("Statistics/Casino1Played"), "1");
    key(Qt::Key_F2);
    firstMove();
    removeRecords();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(QFileInfo::exists(IniStore::programKeyFile()));
}
