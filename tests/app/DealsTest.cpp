// Numbered deals in the real window: "Select deal...", "Restart deal", and
// "Deal only winnable games" with its search off the window thread.
#include "DealNumberDialog.h"
#include "GamePosition.h"
#include "Search.h"
#include "WindowFixture.h"

#include <QPushButton>

namespace {

// Types `typed` into the deal dialog and presses OK; returns whether the
// dialog then showed its message and stayed open.
bool typeDealNumber(DealNumberDialog* dialog, const QString& typed) {
    dialog->edit->clear();
    QTest::keyClicks(dialog->edit, typed);
    QTest::keyClick(dialog->edit, Qt::Key_Return);
    return dialog->isVisible() && dialog->problem->isVisible();
}

} // namespace

TEST_F(WindowTest, AChosenDealIsDealtAgainAndItsWinEntersNoTable) {
    key(Qt::Key_F2);
    EXPECT_EQ(panel(1), "Deal 45296789");
    const QString firstDeal = game().dump().section(u'\n', 0, 1); // the pyramid and the stock

    // Out of range and empty are refused with a word; letters cannot be typed.
    std::vector<bool> refused;
    QString offered;
    MessageBoxAnswer newGame;
    onModal<DealNumberDialog>([&](DealNumberDialog* d) {
        offered = d->edit->text();
        for (const char* typed : {"86400000", "", "12x"})
            refused.push_back(typeDealNumber(d, QString::fromLatin1(typed)));
        EXPECT_EQ(d->edit->text(), "12") << "the letter was kept out";
        EXPECT_EQ(d->problem->text(), "A deal number is digits only, from 0 to 86399999.");
        newGame.answerNext(QMessageBox::Yes);
        typeDealNumber(d, QStringLiteral("123"));
    });
    key(Qt::Key_F3);
    EXPECT_TRUE(newGame.seen) << "asked first while a game runs";
    EXPECT_EQ(offered, "45296789");
    EXPECT_EQ(refused, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(panel(1), "Deal 12") << "12 was valid, so OK took it and the game asked";
    EXPECT_TRUE(game().state().dealChosen);
    expectMirrorsScene();

    // The clock's deal again, then dealt again by Restart deal.
    game().setShowDialog(false);
    // Back from the boxes, the window is active again as under a window manager.
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    key(Qt::Key_F2);
    EXPECT_EQ(game().dump().section(u'\n', 0, 1), firstDeal);
    EXPECT_FALSE(game().state().dealChosen);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(game().state().dealNumber, 45296789u);
    EXPECT_TRUE(game().state().dealChosen);

    // Won: the banner says why no name is asked, and the tables stay empty.
    auto seen = answerWin("never typed", true);
    Form1->N5->trigger();
    EXPECT_EQ(seen->line, "A chosen deal: not for the tables");
    EXPECT_EQ(seen->offeredName, "");
    EXPECT_EQ(storedValue("Winners/Name1"), "");
}

TEST_F(WindowTest, WinnableOnlyDealsAProvenWinnableDealAndEscapeCallsItOff) {
    destroyWindows();
    // Casino with one card: the clock's deal (12:34:56.789) cannot be won.
    start("[Format]\nFrstHlp=2\nScore=0\nWinnableOnly=1\n");
    const Rules rules = rulesOf(smCasino, 0);
    ASSERT_FALSE(solve(dealtAt(45296789, rules)).winnable);

    // Called off before its answer is taken in: the table stays empty.
    key(Qt::Key_F2);
    key(Qt::Key_Escape);
    QTest::qWait(300);
    EXPECT_FALSE(game().state().cardsCreated);

    // F2 twice: the first search gives way to the second, whose deal comes.
    key(Qt::Key_F2);
    key(Qt::Key_F2);
    QTRY_VERIFY_WITH_TIMEOUT(game().state().gameRunning, 5000);
    EXPECT_NE(game().state().dealNumber, 45296789u);
    EXPECT_TRUE(solve(problemOf(game().state())).winnable);
    EXPECT_FALSE(game().state().dealChosen) << "a winnable deal still counts for the tables";
    EXPECT_EQ(panel(1), QStringLiteral("Deal %1").arg(game().state().dealNumber));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "no busy cursor left behind";
    expectMirrorsScene();
}
