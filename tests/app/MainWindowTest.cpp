#include "WindowFixture.h"

#include "About01.h"
#include "Formbank.h"
#include "HelpWindow.h"
#include "PanelLayout.h"
#include "Smena.h"
#include "frmopt.h"
#include "selectlng.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>

TEST_F(WindowTest, StartsWithAnEmptyTableAndOnlyTheCommandsThatCanAct) {
    EXPECT_EQ(Form1->frameGeometry(), QRect(5, 20, 630, 440)) << "where nothing is stored";
    expectMirrorsScene(); // no cards, the commands that cannot act off
    // The green ring on the discard place, which the scene does not hold.
    EXPECT_EQ(Form1->Imagelast->picture().cacheKey(), BankForm->impusto().cacheKey());
    // Once the empty table is painted, the program icon reaches the title bar.
    EXPECT_TRUE(QTest::qWaitFor([] { return !Form1->windowIcon().isNull(); }));
}

TEST_F(WindowTest, F2DealsTheSceneAndTheClockTicksIntoIt) {
    key(Qt::Key_F2);
    EXPECT_TRUE(game().state().gameRunning);
    expectMirrorsScene();
    for (int i = 0; i < 10; ++i)
        Form1->TimerGameTimer();
    EXPECT_EQ(panel(0), "Time = 10");
    expectMirrorsScene();
}

TEST_F(WindowTest, StockPlaceAndBareTableDealAndTurnAndResizingKeepsThePanelCentred) {
    click(Form1->Imagenew);
    EXPECT_TRUE(game().state().gameRunning);
    click(Form1->PanelMain, QPoint(300, 340));
    EXPECT_EQ(game().state().wasteCount, 1);
    expectMirrorsScene();
    // The panel is centred over the client area and the status bar together.
    Form1->resize(1000, 700);
    QApplication::processEvents();
    const QWidget* client = Form1->centralWidget();
    const QSize room = client->size() - Form1->PanelMain->size();
    EXPECT_EQ(Form1->PanelMain->pos(), QPoint(room.width() / 2, room.height() / 2));
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
}

TEST_F(WindowTest, RightClickOpensThePopupOnlyWhileTheOptionIsOn) {
    for (bool on : {true, false}) {
        Form1->settings().showPopUp = on;
        Form1->setpopup();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 200),
                                Form1->centralWidget()->mapToGlobal(QPoint(300, 200)));
        QApplication::sendEvent(Form1->centralWidget(), &event);
        EXPECT_EQ(Form1->Popup1->isVisible(), on);
        Form1->Popup1->hide();
    }
}

TEST_F(WindowTest, DeckCommandAppliesTheChosenBack) {
    key(Qt::Key_F2);
    auto chooseWith = [](QList<int> keys) {
        onModal<QDialog>([keys](QDialog* chooser) {
            for (int k : keys)
                QTest::keyClick(chooser, Qt::Key(k));
        });
        Form1->menudeck->trigger();
    };
    chooseWith({Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}); // 2 -> 3 -> 9
    EXPECT_EQ(Form1->settings().deck, 9);
    EXPECT_EQ(game().state().deck, 9);
    expectMirrorsScene();

    chooseWith({Qt::Key_Left, Qt::Key_Escape}); // cancelled: nothing changes
    EXPECT_EQ(Form1->settings().deck, 9);
}

// Fixed dialogs can be moved and, where they have a close button, closed;
// nothing on their title bars resizes, minimises or maximises them (a
// minimised modal box would take the whole game with it).
TEST_F(WindowTest, FixedDialogsOfferTheCloseButtonAtMost) {
    const Qt::WindowFlags never = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowContextHelpButtonHint | Qt::FramelessWindowHint;
    const struct {
        QWidget* window;
        Qt::WindowType type;
        bool close;
    } rows[] = {
        {FormSelLang, Qt::Tool, false}, {FormVict, Qt::Dialog, true},
        {FormEnter, Qt::Tool, true},    {Formwin, Qt::Dialog, true},
        {Formsmena, Qt::Dialog, true},  {FormOptions, Qt::Tool, true},
    };
    for (const auto& row : rows) {
        const Qt::WindowFlags f = row.window->windowFlags();
        SCOPED_TRACE(row.window->metaObject()->className());
        EXPECT_EQ(f & Qt::WindowType_Mask, row.type);
        EXPECT_TRUE(f.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::MSWindowsFixedSizeDialogHint));
        EXPECT_EQ(f.testFlag(Qt::WindowCloseButtonHint), row.close);
        EXPECT_FALSE(f & never);
    }
}

TEST(PanelLayout, CentredPinnedOrJustAboveTheTop) {
    struct Row {
        int clientWidth, clientHeight, statusBar;
        QPoint expected;
    } rows[] = {
        {622, 394, 19, {4, 9}},      // (394 - 357 - 19) / 2
        {1000, 700, 19, {193, 162}}, // (700 - 357 - 19) / 2 = 162
        {600, 300, 19, {0, 0}},      // smaller than the panel: pinned
        {614, 358, 0, {0, 0}},       // odd differences halve toward zero
        {613, 360, 19, {0, -8}},     // room for the panel but not the bar: above the top
        {613, 357, 19, {0, -9}},     {900, 500, 0, {143, 71}}, // no status bar
    };
    for (const Row& r : rows)
        EXPECT_EQ(panelPosition(r.clientWidth, r.clientHeight, 613, 357, r.statusBar), r.expected)
            << r.clientWidth << "x" << r.clientHeight;
}

// Also run on a 1024 x 768 screen at 200 %, which holds 512 x 384 pixels.
TEST_F(WindowTest, TheWindowItsDialogsAndTheHelpStayOnTheScreen) {
    const QRect screen = Form1->screen()->geometry();
    const auto fits = [&](const QRect& r) {
        return screen.contains(r) ? testing::AssertionSuccess()
                                  : testing::AssertionFailure() << r.x() << ',' << r.y() << ' '
                                                                << r.width() << 'x' << r.height();
    };
    EXPECT_TRUE(fits(Form1->frameGeometry()));
    const QWidget* bar = Form1->statusBar();
    EXPECT_TRUE(fits(QRect(bar->mapToGlobal(QPoint()), bar->size())));
    for (QAction* command : {Form1->menuwinn, Form1->menustats, Form1->menuopt, Form1->menudeck}) {
        QRect dialog;
        onModal<QDialog>([&](QDialog* d) {
            dialog = d->frameGeometry();
            d->reject();
        });
        command->trigger();
        EXPECT_TRUE(fits(dialog)) << command->text().toStdString();
    }
    Form1->N11->trigger(); // About stays open on its own
    EXPECT_TRUE(fits(aboutform->frameGeometry()));
    Form1->N13->trigger();
    EXPECT_TRUE(Form1->helpWindow().isVisible());
    EXPECT_TRUE(fits(Form1->helpWindow().frameGeometry()));
}
