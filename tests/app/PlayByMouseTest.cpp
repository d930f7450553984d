#include "WindowFixture.h"

#include "Formbank.h"

#include <QFrame>

namespace {

// Card n's picture as the player sees it, grabbed from the screen.
QImage onScreen(PictureControl* c) {
    return c->grab().toImage();
}

} // namespace

TEST_F(WindowTest, ClicksOnCardPicturesSelectTurnAndRemove) {
    click(Form1->PanelMain, QPoint(300, 340)); // the bare table deals and turns a card
    ASSERT_TRUE(game().state().gameRunning);
    EXPECT_EQ(game().state().wasteCount, 1);
    EXPECT_EQ(card(52)->pos(), QPoint(85, 10));

    // Find an open pyramid card that is no King, click it: the frame goes round it.
    int n = 22;
    while (game().state().cards[n].rank == kKingRank)
        ++n;
    click(card(n));
    EXPECT_TRUE(Form1->frameBevel->isVisible());
    EXPECT_EQ(Form1->frameBevel->geometry(), QRect(card(n)->pos() - QPoint(4, 4), QSize(79, 104)));
    // The frame lies over the card but the click reaches the card: it lets go.
    QWidget* hit = Form1->PanelMain->childAt(card(n)->pos() + QPoint(2, 2));
    EXPECT_EQ(hit, card(n));
    QTest::mouseClick(Form1->PanelMain->childAt(card(n)->pos() + QPoint(30, 60)), Qt::LeftButton);
    EXPECT_FALSE(Form1->frameBevel->isVisible());
    EXPECT_FALSE(game().state().selectionActive);

    // Every pair counts now: two open cards leave for the discard pile.
    Form1->N131->trigger();
    const int a = n, b = n == 28 ? 27 : n + 1;
    if (game().state().cards[b].rank != kKingRank) {
        click(card(a));
        click(card(b));
        EXPECT_EQ(card(a)->pos(), QPoint(530, 10));
        EXPECT_EQ(card(b)->pos(), QPoint(530, 10));
        EXPECT_EQ(panel(2), "$ -137");
    }
}

TEST_F(WindowTest, PauseShowsBacksAndAClickResumes) {
    key(Qt::Key_F2);
    const QImage face = onScreen(card(22));
    key(Qt::Key_F5);
    EXPECT_EQ(panel(0), "Pause");
    EXPECT_FALSE(Form1->TimerGame.isActive());
    EXPECT_EQ(onScreen(card(22)).pixel(35, 60), onScreen(card(52)).pixel(35, 60)); // a back
    click(card(22));
    EXPECT_EQ(panel(0), "Time = 0");
    EXPECT_TRUE(Form1->TimerGame.isActive());
    EXPECT_EQ(onScreen(card(22)), face);
}

TEST_F(WindowTest, ClockTicksIntoTheStatusBar) {
    key(Qt::Key_F2);
    for (int i = 0; i < 10; ++i)
        Form1->TimerGameTimer();
    EXPECT_EQ(panel(0), "Time = 10");
    EXPECT_EQ(panel(2), "$ -151");
}

TEST_F(WindowTest, DeckCommandAppliesTheChosenBackToFaceDownCardsOnly) {
    key(Qt::Key_F2);
    click(card(52)); // one card face up on the waste
    auto chooseWith = [](QList<int> keys) {
        QTimer::singleShot(0, [keys] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            for (int k : keys)
                QTest::keyClick(dialog, Qt::Key(k));
        });
        Form1->menudeck->trigger();
    };
    const QImage waste = card(52)->picture();
    chooseWith({Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}); // 2 -> 3 -> 9
    EXPECT_EQ(Form1->settings().deck, 9);
    EXPECT_EQ(card(51)->picture().pixel(35, 48), BankForm->back(9).pixel(35, 48));
    EXPECT_EQ(Form1->Imagenew->picture().cacheKey(), BankForm->back(9).cacheKey());
    EXPECT_EQ(card(52)->picture(), waste);

    chooseWith({Qt::Key_Left, Qt::Key_Escape}); // cancelled: nothing changes
    EXPECT_EQ(Form1->settings().deck, 9);
    EXPECT_EQ(card(51)->picture().pixel(35, 48), BankForm->back(9).pixel(35, 48));
}
