#include "WindowFixture.h"

#include "About01.h"
#include "Formbank.h"
#include "HelpWindow.h"
#include "Smena.h"
#include "enterfrm.h"
#include "frmopt.h"
#include "frmvict.h"
#include "selectlng.h"
#include "zarvek_win.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

TEST_F(WindowTest, StartsWithAnEmptyTableMenusAndStatusBar) {
    EXPECT_EQ(Form1->windowTitle(), "Zarvek");
    EXPECT_EQ(Form1->frameGeometry(), QRect(5, 20, 630, 440));
    // Every window exists from the start, the dialogs hidden but the splash.
    for (QWidget* w : std::initializer_list<QWidget*>{Formsmena, FormOptions, Formwin, FormEnter,
                                                      FormVict, FormSelLang}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
    }
    ASSERT_NE(aboutform, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return aboutform->isVisible(); }));
    EXPECT_FALSE(aboutform->framed());
    ASSERT_NE(BankForm, nullptr);

    const auto menus = Form1->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File ");
    EXPECT_EQ(menus[1]->text(), "&Game");
    EXPECT_EQ(menus[2]->text(), "Test");
    EXPECT_EQ(Form1->N21->text(), "&New game ");
    EXPECT_EQ(Form1->menurozd->text(), "Return into pack");
    EXPECT_EQ(Form1->menudeck->text(), "&Deck...");
    EXPECT_EQ(Form1->N21->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(Form1->menupause->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_FALSE(Form1->menurozd->isEnabled());
    EXPECT_FALSE(Form1->popmenurozd->isEnabled());
    EXPECT_FALSE(Form1->menupause->isEnabled());
    EXPECT_FALSE(Form1->menunilscore->isVisible());
    EXPECT_FALSE(Form1->menupscore->isVisible());
    EXPECT_EQ(Form1->N131->text(), "Всегда 13");

    // The green rings on the stock and discard places, no cards yet.
    EXPECT_EQ(Form1->Imagenew->picture().cacheKey(), BankForm->impusto().cacheKey());
    EXPECT_EQ(Form1->Imagelast->picture().cacheKey(), BankForm->impusto().cacheKey());
    EXPECT_EQ(card(1), nullptr);
    EXPECT_EQ(Form1->PanelMain->size(), QSize(613, 357));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(panel(i), "");
    // Once the empty table is painted, the program icon reaches the title bar.
    EXPECT_TRUE(QTest::qWaitFor([] { return !Form1->windowIcon().isNull(); }));
    EXPECT_EQ(Form1->StatusGameBar[0]->width(), 100);
    EXPECT_EQ(Form1->StatusGameBar[2]->width(), 50);
}

TEST_F(WindowTest, F2DealsFiftyTwoPicturesAtTheirSlotsInDealOrder) {
    key(Qt::Key_F2);
    const SlotTable& slots = game().state().slots;
    std::vector<int> order;
    for (QObject* child : Form1->PanelMain->children())
        if (auto* pc = qobject_cast<PictureControl*>(child); pc && pc->tag() >= 1)
            order.push_back(pc->tag());
    ASSERT_EQ(order.size(), 52u);
    for (int n = 1; n <= 52; ++n) {
        EXPECT_EQ(order[size_t(n - 1)], n) << "stacking";
        EXPECT_EQ(card(n)->pos(), slots[n <= 28 ? n : 0]) << n;
        EXPECT_TRUE(card(n)->isVisible());
    }
    EXPECT_EQ(panel(0), "Time = 0");
    EXPECT_EQ(panel(2), "$ -150");
    EXPECT_TRUE(Form1->TimerGame.isActive());
    EXPECT_TRUE(Form1->menupause->isEnabled());
    EXPECT_TRUE(Form1->menunilscore->isVisible());
    // A pyramid card shows its face, a stock card the back, both from the store.
    const Card& apex = game().state().cards[1];
    EXPECT_EQ(card(1)->picture().pixel(35, 60),
              BankForm->imageOfMD(apex.suit, apex.rank).pixel(35, 60));
    EXPECT_EQ(card(52)->picture().pixel(35, 60), BankForm->back(2).pixel(35, 60));
    EXPECT_EQ(card(22)->cursor().shape(), Qt::BitmapCursor); // the hand over playable cards
    EXPECT_EQ(card(1)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, NewGameQuestionNoKeepsTheGame) {
    key(Qt::Key_F2);
    const QString before = game().dump();
    MessageBoxAnswer answer;
    answer.answerNext(QMessageBox::No);
    Form1->N21->trigger();
    EXPECT_TRUE(answer.seen);
    EXPECT_EQ(answer.caption, "Game is not completed");
    EXPECT_EQ(answer.text, "You really want to start new game?");
    EXPECT_EQ(game().dump(), before);
}

TEST_F(WindowTest, StockPlaceDealsAndResizingKeepsThePanelCentred) {
    click(Form1->Imagenew);
    EXPECT_TRUE(game().state().gameRunning);

    Form1->resize(1000, 700);
    QApplication::processEvents();
    const QWidget* client = Form1->centralWidget();
    const int bar = Form1->statusBar()->height();
    EXPECT_EQ(Form1->PanelMain->x(), (client->width() - 613) / 2);
    EXPECT_EQ(Form1->PanelMain->y(), (client->height() + bar - 357 - bar) / 2);
    Form1->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(Form1->PanelMain->pos(), QPoint(0, 0));
}

TEST_F(WindowTest, HelpShowsThePageOfTheLanguage) {
    key(Qt::Key_F1);
    auto* help = Form1->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->shownPage(), ":/help/Zarvek(eng).html");
    EXPECT_EQ(help->windowTitle(), "Help — Zarvek");

    language = 1;
    Form1->loadmyres();
    EXPECT_EQ(Form1->N21->text(), "&Новая игра");
    EXPECT_EQ(Form1->N1->title(), "&Файл");
    EXPECT_EQ(Form1->windowTitle(), "Зарвек");
    EXPECT_EQ(Formsmena->BitBtn2->text(), "Отмена");
    EXPECT_EQ(Form1->N131->text(), "Всегда 13");
    key(Qt::Key_F1);
    EXPECT_EQ(help->shownPage(), ":/help/Zarvek(rus).html");
    language = 2;
}

TEST_F(WindowTest, KeyChordHoldsTheTestFlagUntilAnyKeyIsReleased) {
    key(Qt::Key_F2);
    const auto chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    QTest::keyPress(Form1, Qt::Key_Q, chord);
    EXPECT_TRUE(game().state().alwaysThirteen);
    QTest::keyRelease(Form1, Qt::Key_Q, chord);
    EXPECT_FALSE(game().state().alwaysThirteen);
    QTest::keyPress(Form1, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(game().state().alwaysThirteen);

    Form1->N131->trigger(); // from the menu: a key release clears it, the mark stays
    EXPECT_TRUE(game().state().alwaysThirteen);
    QTest::keyClick(Form1, Qt::Key_A);
    EXPECT_FALSE(game().state().alwaysThirteen);
    EXPECT_TRUE(Form1->N131->isChecked());
}

TEST_F(WindowTest, RightClickOpensThePopupOnlyWhileTheOptionIsOn) {
    auto rightClick = [] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 200),
                                Form1->centralWidget()->mapToGlobal(QPoint(300, 200)));
        QApplication::sendEvent(Form1->centralWidget(), &event);
    };
    rightClick();
    EXPECT_TRUE(Form1->Popup1->isVisible());
    EXPECT_EQ(Form1->N9->text(), "&New game ");
    Form1->Popup1->hide();

    Form1->settings().showPopUp = false;
    Form1->setpopup();
    rightClick();
    EXPECT_FALSE(Form1->Popup1->isVisible());
    key(Qt::Key_F2); // the keys still work
    EXPECT_TRUE(game().state().gameRunning);

    Form1->N3->trigger(); // Exit closes the main window
    EXPECT_FALSE(Form1->isVisible());
}
