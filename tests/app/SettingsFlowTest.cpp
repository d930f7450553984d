// The settings as a player meets them: the first runs, Exit and the close
// button, the options dialog, link removal and a store that cannot be read.
#include "WindowFixture.h"

#include "HelpPages.h"
#include "HelpWindow.h"
#include "RadioGroup.h"
#include "frmopt.h"
#include "selectlng.h"

#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>

#include <optional>

namespace {

// What the language chooser offered: its entries and the one highlighted.
struct ChooserAnswer {
    QStringList entries;
    int highlighted = 0;
};

// Picks language `pick` in the chooser when it opens, noting what it offered.
void answerChooser(int pick, ChooserAnswer* offered = nullptr) {
    onModal<TFormSelLang>([offered, pick](TFormSelLang* c) {
        if (offered)
            *offered = {c->RadioGroup1->items(), c->RadioGroup1->itemIndex() + 1};
        c->RadioGroup1->setItemIndex(pick - 1);
        c->BtnOK->click();
    });
}

} // namespace

class SettingsFlowTest : public WindowTest {
protected:
    void SetUp() override {}
    // One run of the program: started on what the store holds, ended by Exit.
    // A `pick` says the language chooser must come, and is the answer.
    ChooserAnswer runAndExit(int pick = 0) {
        ChooserAnswer chooser;
        if (pick)
            answerChooser(pick, &chooser);
        createWindows();
        Form1->show();
        Form1->N3Click();
        destroyWindows();
        return chooser;
    }
};

TEST_F(SettingsFlowTest, TheFirstTwoRunsEndedByExitAskForTheLanguage) {
    writeStoreFile({});
    const ChooserAnswer first = runAndExit(1);
    EXPECT_EQ(first.entries, QStringList({"Русский", "English"}));
    EXPECT_EQ(first.highlighted, 2);
    EXPECT_EQ(storedValue("Format/FrstHlp"), "1");
    EXPECT_EQ(storedValue("Format/Language"), "1");

    EXPECT_EQ(runAndExit(2).highlighted, 1) << "the language of the last run";
    EXPECT_EQ(storedValue("Format/FrstHlp"), "2");

    // From the third run on the chooser stays away, and the count stays at 2.
    runAndExit();
    EXPECT_EQ(storedValue("Format/FrstHlp"), "2");
}

TEST_F(SettingsFlowTest, ExitWritesEverythingAndTheCloseButtonNothing) {
    start("[Format]\nFrstHlp=2\nScore=1\nCursor=5\n[Form]\nLeft=5000\nWidth=100\n");
    // Stored off the 800-pixel screen and too narrow: centred at the default size.
    EXPECT_EQ(Form1->frameGeometry(), QRect(85, 20, 630, 440));
    const QByteArray before = readStoreFile();
    Form1->settings().deck = 9;
    Form1->close();
    EXPECT_EQ(readStoreFile(), before);

    Form1->show();
    Form1->move(40, 50);
    Form1->N3Click();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(QString(readStoreFile()),
              "[Form]\nHeight=440\nLeft=40\nTop=50\nWidth=630\n\n[Format]\nCards=0\nCursor=1\n"
              "Deck=9\nFrstHlp=2\nLanguage=2\nNewCards=1\nSaveScore=1\nScore=1\nShowDialog=1\n"
              "ShowHint=1\nShowPopUp=1\nTime=1\nUndo=1\nWinnableOnly=0\n");
}

TEST_F(SettingsFlowTest, AnUnreadableValueIsReportedAndTheWindowStillWorks) {
    MessageBoxAnswer report;
    report.answerNext(QMessageBox::Ok);
    start("[Format]\nFrstHlp=2\nScore=1, 2\n");
    EXPECT_EQ(report.text, "Invalid data type for 'Score'.");
    EXPECT_EQ(Form1->N12->title(), "&Game");
    key(Qt::Key_F2);
    EXPECT_TRUE(game().state().gameRunning);
}

// The player is told once, in the language the file still gave, where the
// file went; Exit then writes what could be read.
TEST_F(SettingsFlowTest, ADamagedStoreIsSetAsideWithOneWordAndExitWritesWhatWasLegible) {
    const QByteArray whole = "[Format]\nFrstHlp=2\nLanguage=1\nScore=1\n[Form]\nLeft=40\n"
                             "[Winners]\nName1=Ann\nScore1=120\nName2=Bo\n";
    QByteArray binary; // every byte once: a stray quote and line breaks among them
    for (int i = 0; i < 256; ++i)
        binary += char(i * 7);
    const struct {
        const char* name;
        QByteArray stored;
        const char* score; // as Exit stores them: kept, or the defaults
        const char* left;
        const char* winner;
        int language; // of the message: as stored, or as chosen at start
    } rows[] = {
        {"cut in a line", whole.left(whole.indexOf("Name2") + 3), "1", "40", "Ann", 1},
        {"cut in a header", whole.left(whole.indexOf("[Winners]") + 4), "1", "40", "", 1},
        {"garbage inside",
         whole.left(whole.indexOf("[Form]")) + binary + "\n" + whole.mid(whole.indexOf("[Win")),
         "1", "5", "Ann", 1},
        {"garbage only", binary + binary, "0", "5", "", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MessageBoxAnswer report;
        report.answerNext(QMessageBox::Ok);
        writeStoreFile(row.stored);
        runAndExit(row.stored.contains("FrstHlp=2") ? 0 : 2);
        const QStringList aside = setAsideFiles();
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(report.caption, stringResource(1000 * row.language + 101));
        EXPECT_EQ(report.text, stringResource(1000 * row.language + 240).arg(aside[0]));
        QFile copy(aside[0]);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), row.stored);
        QSettings after(IniStore::programKeyFile(), QSettings::IniFormat);
        const QStringList junk = after.allKeys().filter(
            QRegularExpression("^(?!(Format|Form|Winners)/[A-Za-z]+[0-9]*$)"));
        EXPECT_EQ(after.status(), QSettings::NoError);
        EXPECT_EQ(junk, QStringList());
        EXPECT_EQ(storedValue("Format/Score"), row.score);
        EXPECT_EQ(storedValue("Form/Left"), row.left);
        EXPECT_EQ(storedValue("Winners/Name1"), row.winner);
        writeStoreFile({});
    }
}

TEST_F(SettingsFlowTest, OptionsApplyTheTableAtOnceAndTheRulesAfterTheQuestion) {
    QPushButton* TFormOptions::*const ok = &TFormOptions::BitBtn1;
    const struct {
        const char* name;
        bool dealFirst, threeCards, cursorOff, messagesOff; // before, and what is chosen
        QPushButton* TFormOptions::*close;                  // none: the title bar's close box
        std::optional<QMessageBox::StandardButton> answer;  // the question, if it must come
        bool rulesTaken, newDeal;
    } rows[] = {
        {"cancel", true, true, true, false, &TFormOptions::BitBtn3, {}, false, false},
        // The close box cancels too, even after an earlier OK.
        {"title bar", true, true, true, false, nullptr, {}, false, false},
        {"check boxes only", true, false, true, false, ok, {}, false, false},
        {"mode change, yes", true, true, false, false, ok, QMessageBox::Yes, true, true},
        {"mode change, no", true, true, true, false, ok, QMessageBox::No, false, false},
        {"mode change, no game", false, true, false, false, ok, {}, true, false},
        {"mode change, messages off", true, true, false, true, ok, {}, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start("[Format]\nFrstHlp=2\n");
        // An earlier confirmed opening, which a later close box must not revive.
        onModal<TFormOptions>([](TFormOptions* o) { o->BitBtn1->click(); });
        Form1->menuoptClick();
        if (row.dealFirst) {
            key(Qt::Key_F2);
            Form1->TimerGameTimer();
        }
        const QString dealBefore = game().dump();

        onModal<TFormOptions>([&row](TFormOptions* o) {
            o->RadioShow->setItemIndex(row.threeCards ? 1 : 0);
            o->CheckCur->setChecked(!row.cursorOff);
            o->CheckShowDialog->setChecked(!row.messagesOff);
            row.close ? (o->*row.close)->click() : void(o->close());
        });
        MessageBoxAnswer question;
        row.answer ? question.answerNext(*row.answer) : question.refuseUnexpected();
        Form1->menuoptClick();

        const bool applied = row.close == ok;
        EXPECT_EQ(question.caption, row.answer ? "Game is not completed" : "");
        EXPECT_EQ(question.text, row.answer ? "You really want to start new game?" : "");
        EXPECT_EQ(Form1->settings().cursor, !(applied && row.cursorOff));
        EXPECT_EQ(Form1->settings().drawThree, row.rulesTaken ? 1 : 0);
        EXPECT_EQ(game().state().drawThree, row.rulesTaken ? 1 : 0);
        if (row.dealFirst) { // an open card: the hand only while the option stays on
            EXPECT_EQ(card(22)->cursor().shape() == Qt::ArrowCursor, applied && row.cursorOff);
        }
        // A new deal starts score and clock again; otherwise all stays as it was.
        EXPECT_EQ(game().dump() != dealBefore, row.newDeal);
        if (row.newDeal) {
            EXPECT_EQ(game().state().clock.gameSeconds, 0);
            EXPECT_EQ(game().state().clock.score, -ScoreClock::stake(true));
        }
        destroyWindows();
    }
}

TEST_F(SettingsFlowTest, ChangeLanguageInTheOptionsAsksForItAndRetitlesTheWindow) {
    start("[Format]\nFrstHlp=2\n");
    onModal<TFormOptions>([](TFormOptions* o) { o->BitBtn4->click(); });
    answerChooser(1);
    Form1->menuoptClick();
    EXPECT_EQ(Form1->N12->title(), "&Игра");
}

// The dialog's Help button opens the help over the dialog, and the help can
// be read while the dialog waits; the help outlives the dialog, and F1 later
// opens it afresh at the contents.
TEST_F(SettingsFlowTest, HelpFromTheOptionsDialogCanBeReadWhileTheDialogStaysOpen) {
    start("[Format]\nFrstHlp=2\n");
    QPointer<HelpWindow> help;
    QString opened, followed;
    onModal<TFormOptions>([&](TFormOptions* o) {
        QTest::mouseClick(o->BitBtn2, Qt::LeftButton);
        help = Form1->findChild<HelpWindow*>();
        ASSERT_TRUE(help && help->isVisible());
        EXPECT_EQ(help->windowHandle()->transientParent(), o->windowHandle()) << "above the dialog";
        opened = help->shownPage();
        EXPECT_TRUE(clickFirstLink(help->pageView()));
        followed = help->shownPage();
        EXPECT_EQ(QApplication::activeModalWidget(), o) << "the dialog still waits";
        o->BitBtn3->click();
    });
    Form1->menuoptClick();
    ASSERT_TRUE(help);
    EXPECT_EQ(opened, ":/help/Zarvek(eng).html");
    EXPECT_NE(followed, opened) << "the link was not followed";
    EXPECT_TRUE(help->isVisible()) << "closed along with the dialog";
    EXPECT_EQ(help->windowHandle()->transientParent(), Form1->windowHandle());

    help->backButton()->click();
    ASSERT_TRUE(help->forwardButton()->isEnabled());
    Form1->N13->trigger(); // F1
    EXPECT_EQ(help->shownPage(), opened);
    EXPECT_FALSE(help->forwardButton()->isEnabled());
    // Closed by the player, it stays closed when the next dialog closes.
    help->close();
    onModal<TFormOptions>([](TFormOptions* o) { o->BitBtn3->click(); });
    Form1->menuoptClick();
    EXPECT_FALSE(help->isVisible());
}

TEST_F(SettingsFlowTest, LinkRemovalDeletesTheRecordsAndEndsWithoutWriting) {
    start("[Format]\nFrstHlp=2\nScore=1\n");
    // Opened near the bottom of the screen, the dialog moves up as it grows.
    const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    Form1->move(0, screenHeight - 100);
    // Refused: the dialog's other values still count.
    onModal<TFormOptions>([screenHeight](TFormOptions* o) {
        o->CheckShowMenu->setChecked(false);
        EXPECT_EQ(o->BtnUninst->geometry().top(), o->height() + 3) << "hidden below the edge";
        EXPECT_EQ(o->frameGeometry().bottom() + 1, screenHeight - 10);
        o->BtnDop->click();
        EXPECT_LT(o->BtnUninst->geometry().bottom(), o->height()) << "uncovered";
        EXPECT_EQ(o->frameGeometry().bottom() + 1, screenHeight - 10);
        o->BtnUninst->click();
    });
    MessageBoxAnswer refuse;
    refuse.answerNext(QMessageBox::No);
    Form1->menuoptClick();
    EXPECT_EQ(refuse.caption, "Removal of records");
    EXPECT_EQ(refuse.text, "You really want to remove all records from System register?\n"
                           "All your adjustments and score will be destroyed...");
    EXPECT_FALSE(Form1->settings().showPopUp);
    EXPECT_TRUE(QFileInfo::exists(IniStore::programKeyFile()));

    EXPECT_EQ(removeRecords(), "Records are successfully removed");
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(QFileInfo::exists(IniStore::programKeyFile()));
    EXPECT_FALSE(QFileInfo::exists(IniStore::makerFolder()));
}
