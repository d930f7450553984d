#pragma once

// The real program's windows, created in their order and shown offscreen,
// and the dialogs that follow a won game, answered as a player would.

#include "Form1.h"
#include "ModalWindows.h"
#include "PictureControl.h"
#include "QtPrinters.h"
#include "StoreFiles.h"
#include "Texts.h"
#include "Windows.h"
#include "enterfrm.h"
#include "frmopt.h"
#include "frmvict.h"
#include "zarvek_win.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class WindowTest : public ::testing::Test {
protected:
    // A player past the first runs, with every other setting at its default.
    void SetUp() override { start("[Format]\nFrstHlp=2\n"); }
    // Starts the program on a store holding `stored`.
    void start(const QByteArray& stored) {
        writeStoreFile(stored);
        language = 2;
        TForm1::timeOfDay = [] { return quint32(45296789); }; // 12:34:56.789
        createWindows();
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override { destroyWindows(); }

    Game& game() { return Form1->game(); }
    PictureControl* card(int n) { return Form1->cardImages[size_t(n)]; }
    void click(QWidget* w, QPoint at = QPoint(20, 30)) {
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    void key(int k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(Form1, Qt::Key(k), mods); }
    QString panel(int i) { return Form1->StatusGameBar[size_t(i)]->text(); }

    // The window only mirrors the engine's scene: every card picture where the
    // scene puts it, stacked and pointed at as there, stock and discarded cards
    // on their places, and the frame, the status bar, the menus and the clock.
    void expectMirrorsScene() {
        const Scene& sc = game().scene();
        std::vector<int> stacking;
        for (QObject* child : Form1->PanelMain->children())
            if (auto* pc = qobject_cast<PictureControl*>(child); pc && pc->tag() >= 1)
                stacking.push_back(pc->tag());
            else if (child == Form1->frameBevel)
                stacking.push_back(kFrameItem);
        EXPECT_EQ(stacking, sc.stacking);
        for (int n = 1; sc.cardsCreated && n <= kCardCount; ++n) {
            const CardPicture& p = sc.cards[size_t(n)];
            const int place = game().state().cards[n].place;
            const QPoint onPlace = place == plStock       ? Form1->Imagenew->pos()
                                   : place == plDiscarded ? Form1->Imagelast->pos()
                                                          : p.pos;
            EXPECT_TRUE(card(n)->isVisible() && card(n)->pos() == p.pos && p.pos == onPlace &&
                        card(n)->picture().cacheKey() == p.image.cacheKey() &&
                        (card(n)->cursor().shape() == Qt::ArrowCursor) ==
                            (p.cursor == kDefaultCursor))
                << "card " << n;
        }
        EXPECT_EQ(Form1->Imagenew->picture().cacheKey(), sc.imagenew.cacheKey());
        EXPECT_TRUE(!sc.frameVisible || Form1->frameBevel->geometry() == sc.frameRect);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(panel(i), sc.panels[size_t(i)]);
        const MenuState& m = sc.menu;
        EXPECT_EQ((std::vector<bool>{Form1->menurozd->isEnabled(), Form1->popmenurozd->isEnabled(),
                                     Form1->peretminus->isVisible(), Form1->menupause->isEnabled(),
                                     Form1->menupscore->isVisible(),
                                     Form1->menunilscore->isVisible(), Form1->N131->isChecked(),
                                     Form1->frameBevel->isVisible(), Form1->TimerGame.isActive()}),
                  (std::vector<bool>{m.menurozdEnabled, m.popmenurozdEnabled, m.peretminusVisible,
                                     m.menupauseEnabled, m.menupscoreVisible, m.menunilscoreVisible,
                                     m.N131Checked, sc.frameVisible, sc.timerEnabled}));
    }
};

// "Removal..." from the options dialog, confirmed with Yes; the text of the
// box that closes it.
inline QString removeRecords() {
    onModal<TFormOptions>([](TFormOptions* o) {
        o->BtnDop->click();
        o->BtnUninst->click();
    });
    MessageBoxAnswer confirm, done;
    confirm.answerNext(QMessageBox::Yes, [&done] { done.answerNext(QMessageBox::Ok); });
    Form1->menuoptClick();
    return done.text;
}

// What one pass through the dialogs after a win saw.
struct WinSeen {
    QString line;        // the banner's result line
    QString offeredName; // selected in the name entry; empty when it did not come
    int page = 0;        // the winners dialog's page
    QStringList rows;    // its rows 2..6 as "name | value"
};

// Answers the dialogs of the next win: closes the banner by a key or by a
// click on its result line (running `duringBanner` first), types `name` over
// the offered one, and reads the winners dialog before a key closes it.
inline std::shared_ptr<WinSeen> answerWin(const QString& name, bool byKey,
                                          std::function<void()> duringBanner = {}) {
    auto seen = std::make_shared<WinSeen>();
    auto readWinners = [seen](TFormwin* w) {
        seen->page = w->Tabrez->currentIndex() + 1;
        for (int r = 2; r <= 6; ++r)
            seen->rows << w->nameRow(r)->text() + " | " + w->valueRow(r)->text();
        QTest::keyClick(w, Qt::Key_Escape);
    };
    onModal<TFormVict>([seen, name, byKey, duringBanner, readWinners](TFormVict* banner) {
        seen->line = banner->RxLabel3->text();
        if (duringBanner)
            duringBanner();
        if (byKey) {
            QTest::keyClick(banner, Qt::Key_Return);
        } else {
            QWidget* line = banner->RxLabel3;
            pointTo(line, line->rect().center());
            QTest::mouseClick(line, Qt::LeftButton, {}, line->rect().center());
        }
        // Waited for once the banner is down, so the banner is not taken for it.
        onModal<QDialog>([seen, name, readWinners](QDialog* next) {
            if (auto* entry = qobject_cast<TFormEnter*>(next)) {
                seen->offeredName = entry->Edit1->selectedText();
                QTest::keyClick(entry->Edit1, Qt::Key_Backspace);
                QTest::keyClicks(entry->Edit1, name);
                onModal<TFormwin>(readWinners);
                QTest::keyClick(entry->Edit1, Qt::Key_Return);
            } else if (auto* w = qobject_cast<TFormwin*>(next)) {
                readWinners(w);
            } else {
                ADD_FAILURE() << "unexpected " << next->metaObject()->className();
                next->reject();
            }
        });
    });
    return seen;
}
