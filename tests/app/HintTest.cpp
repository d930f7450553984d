// "Hint" and "Winnable?" in the real window: the search runs off the window
// thread and its answer comes back as a frame or a message box.
#include "WindowFixture.h"

#include <QFrame>

// The fixture's deal (12:34:56.789) can be won with one card at a time when
// the stock may be gone through again and again, but not in Casino's one pass.
const QByteArray kWinnable = "[Format]\nFrstHlp=2\nScore=1\n";
const QByteArray kUnwinnable = "[Format]\nFrstHlp=2\nScore=0\n";

class HintTest : public WindowTest {
protected:
    void SetUp() override {}
    // A new run of the program on this store, and its first deal.
    void deal(const QByteArray& stored) {
        destroyWindows();
        start(stored);
        // The clock's ticks would charge points while answers are awaited.
        QObject::disconnect(&Form1->TimerGame, nullptr, Form1, nullptr);
        key(Qt::Key_F2);
    }
};

// Won or not, every hint frames a move the table takes; none costs a point.
TEST_F(HintTest, HintsAloneWinAWinnableGameAndPlayOnInALostOne) {
    for (const bool winnable : {true, false}) {
        deal(winnable ? kWinnable : kUnwinnable);
        const auto won = winnable ? answerWin(QStringLiteral("Hinted"), true) : nullptr;
        int moves = 0;
        for (; moves < 200 && game().state().gameRunning; ++moves) {
            const QRect before = Form1->frameBevel->geometry();
            const bool wasVisible = Form1->frameBevel->isVisible();
            const int score = game().state().clock.score;
            const QString table = game().dump();
            MessageBoxAnswer noWin;
            noWin.answerNext(QMessageBox::Ok, {}, !winnable);
            // Back from the box, the window is active again as under a window manager.
            Form1->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
            key(Qt::Key_H);
            const auto framed = [&] {
                return Form1->frameBevel->isVisible() &&
                       (!wasVisible || Form1->frameBevel->geometry() != before);
            };
            if (!winnable) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return noWin.seen; }));
                EXPECT_EQ(noWin.text, langtext(232));
                if (!framed())
                    break; // nothing left to play
            }
            ASSERT_TRUE(QTest::qWaitFor(framed)) << table.toStdString();
            EXPECT_EQ(game().state().clock.score, score);
            // Only the frame (and a selection it replaced) may differ.
            EXPECT_EQ(game().dump().section(QStringLiteral("selected"), 0, 0),
                      table.section(QStringLiteral("selected"), 0, 0));
            const QPoint card = Form1->frameBevel->geometry().topLeft() + QPoint(4 + 35, 4 + 20);
            QWidget* target = Form1->PanelMain->childAt(card);
            ASSERT_NE(target, nullptr) << "no card where the frame shows";
            const QString framedTable = game().dump();
            click(target, target->mapFrom(Form1->PanelMain, card));
            ASSERT_NE(game().dump(), framedTable) << "the framed move is not played";
        }
        EXPECT_NE(game().state().gameRunning, winnable);
        EXPECT_EQ(game().state().cards[kApex].place == plDiscarded, winnable);
        if (winnable)
            EXPECT_FALSE(won->line.isEmpty()) << "the banner of the won game came";
        else
            EXPECT_GT(moves, 20) << "the lost game was played on";
    }
}

TEST_F(HintTest, WinnableAnswersAndAHintWithoutAWinSayNoInEitherLanguageAndTheOptionHidesThem) {
    const std::tuple<QByteArray, QAction * TForm1::*, int, int> rows[] = {
        {kWinnable, &TForm1::menuwinnable, 231, 233},
        {kUnwinnable, &TForm1::menuwinnable, 231, 234},
        {kUnwinnable, &TForm1::menuhint, 230, 232},
    };
    for (std::uint8_t lang : {1, 2}) {
        for (const auto& [stored, command, caption, text] : rows) {
            deal(stored);
            language = lang;
            Form1->loadmyres();
            MessageBoxAnswer box;
            box.answerNext(QMessageBox::Ok);
            (Form1->*command)->trigger();
            ASSERT_TRUE(QTest::qWaitFor([&] { return box.seen; }));
            EXPECT_EQ(box.caption, langtext(caption));
            EXPECT_EQ(box.text, langtext(text));
            // A lost game's hint frames a move all the same.
            EXPECT_EQ(Form1->frameBevel->isVisible(), command == &TForm1::menuhint);
        }
    }
    // The option off hides both commands and their separator.
    deal(kWinnable + "ShowHint=0\n");
    for (QAction* a : {Form1->menupsolve, Form1->menuhint, Form1->menuwinnable})
        EXPECT_FALSE(a->isVisible());
}

TEST_F(HintTest, APlayBeforeTheAnswerDropsIt) {
    deal(kWinnable);
    MessageBoxAnswer box;
    box.refuseUnexpected();
    Form1->menuwinnable->trigger();
    key(Qt::Key_H);
    Form1->PanelMainClick(); // turns a card: the question was about another table
    // The search has been stopped and joined; anything it sent is delivered now.
    QCoreApplication::processEvents();
    EXPECT_FALSE(box.seen);
    EXPECT_FALSE(Form1->frameBevel->isVisible());
}
