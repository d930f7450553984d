#include "BevelPanel.h"
#include "ModalWindows.h"
#include "QtPrinters.h"
#include "StoreFiles.h"
#include "zarvek_win.h"

#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The dialog as the main window leaves it after loading the English texts.
struct Dialog {
    TFormwin form;
    Dialog() {
        for (const char* title : {"Casino winners", "Best score", "Best time "})
            form.Tabrez->addTab(QString::fromUtf8(title));
    }
    // Row r as "name | value".
    QString row(int r) const {
        return form.nameRow(r)->text() + QStringLiteral(" | ") + form.valueRow(r)->text();
    }
    // Opens on `page` and runs `act` while the dialog is up; a key closes it.
    void open(int lang, int page, std::function<void()> act) {
        onModal<TFormwin>([this, act](TFormwin* w) {
            act();
            // An arrow key, where the keyboard sends it: the tabs must not take it.
            QWidget* focused = w->focusWidget();
            QTest::keyClick(focused ? focused : w, Qt::Key_Right);
            EXPECT_FALSE(w->isVisible()) << "any key closes the dialog";
            w->reject(); // so that a failure does not hang the test
        });
        form.showpage(lang, page, 20, 5, 440, 630);
    }
};

} // namespace

TEST(WinnersDialogTest, PagesShowTheirTablesAndClearingAsksFirst) {
    writeStoreFile("[Winners]\nName1=Ann\nScore1=-140\nName2=Bo\nScore2=-200\n"
                   "Name11=Cy\nScore11=65\nName12=\nScore12=70\n");
    struct Row {
        int lang, page;
        const char* caption;
        const char* text;
    } rows[] = {
        {2, 1, "Removal bestscores of Casino",
         "You really want to remove best scoreand to destroy results of your works?"},
        {1, 3, "Удаление лучшего времени",
         "Вы действительно хотите удалить лучшее время и уничтожить результаты Ваших трудов?"},
    };
    Dialog d;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.page);
        const int first = 5 * (row.page - 1) + 1;
        const QByteArray before = readStoreFile();
        d.open(row.lang, row.page, [&] {
            EXPECT_EQ(d.form.Tabrez->currentIndex(), row.page - 1);
            EXPECT_EQ(d.form.Panelcapt->text(), d.form.Tabrez->tabText(row.page - 1));
            if (row.page == 1) {
                EXPECT_EQ(d.row(1), "Best five | Sum");
                EXPECT_EQ(d.row(2), "Ann | -140");
                EXPECT_EQ(d.row(6), " | ");
            } else {
                EXPECT_EQ(d.row(1), " Великолепная пятерка | Время");
                EXPECT_EQ(d.row(2), "Cy | 1:05");
                EXPECT_EQ(d.row(3), " | ") << "a value without a name is an empty slot";
            }
            MessageBoxAnswer no;
            no.answerNext(QMessageBox::No);
            QTest::mouseClick(d.form.Panelcapt, Qt::LeftButton);
            EXPECT_EQ(no.caption, row.caption);
            EXPECT_EQ(no.text, row.text);
            EXPECT_EQ(readStoreFile(), before);
            EXPECT_NE(d.row(2), " | ");

            MessageBoxAnswer yes;
            yes.answerNext(QMessageBox::Yes);
            QTest::mouseClick(d.form.Panelcapt, Qt::LeftButton);
            for (int r = 2; r <= 6; ++r)
                EXPECT_EQ(d.row(r), " | ") << r;
        });
        for (int n = first; n < first + 5; ++n)
            EXPECT_EQ(storedValue(QStringLiteral("Winners/Name%1").arg(n)), "") << n;
        EXPECT_EQ(storedValue(QStringLiteral("Winners/Score%1").arg(first)),
                  row.page == 3 ? "1000000" : "-1000000");
    }
    EXPECT_EQ(storedValue("Winners/Name2"), "") << "the other table was cleared before";
    EXPECT_EQ(storedValue("Winners/Score12"), "1000000");
}

TEST(WinnersDialogTest, SwitchingTabsShowsThatTable) {
    writeStoreFile("[Winners]\nName6=Di\nScore6=300\n");
    Dialog d;
    d.open(2, 1, [&] {
        d.form.Tabrez->setCurrentIndex(1);
        EXPECT_EQ(d.row(1), "Best five | Score");
        EXPECT_EQ(d.row(2), "Di | 300");
        EXPECT_EQ(d.form.Panelcapt->text(), "Best score");
        // Row under row above the tabs, in a dialog of fixed size centred over its owner.
        for (int r = 2; r <= 6; ++r)
            EXPECT_GT(d.form.nameRow(r)->y(), d.form.nameRow(r - 1)->geometry().bottom()) << r;
        EXPECT_TRUE(d.form.rect().contains(d.form.Tabrez->geometry()));
        EXPECT_EQ(d.form.valueRow(2)->alignment(), Qt::AlignCenter) << "values in mid-column";
        EXPECT_EQ(d.form.minimumSize(), d.form.maximumSize()) << "closed round its rows";
        const QPoint offCentre = d.form.frameGeometry().center() - QPoint(320, 240);
        EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
        // The heading row in navy, 4 px clear of the caption; the winners in black.
        EXPECT_EQ(d.form.nameRow(1)->y(), d.form.Panelcapt->geometry().bottom() + 1 + 4);
        EXPECT_EQ(d.form.valueRow(1)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_EQ(d.form.nameRow(2)->palette().color(QPalette::WindowText), QColor(Qt::black));
    });
    EXPECT_TRUE(d.form.isModal()) << "modal however it is shown";
}

TEST(WinnersDialogTest, CentresOverTheOwnerAndKeepsFourPixelsFromTheEdges) {
    const std::pair<QRect, QPoint> rows[] = {
        {{5, 20, 630, 440}, {5 + 315 - 160, 20 + 220 - 120}},
        {{700, 500, 300, 200}, {800 - 321 - 4, 600 - 241 - 4}}, // the far edge first
        {{-400, -300, 100, 100}, {4, 4}},
        {{-5, 100, 331, 40}, {0, 0}}, // odd halves are truncated
    };
    for (const auto& [owner, at] : rows)
        EXPECT_EQ(TFormwin::centerPosition(owner, {321, 241}, {800, 600}), at) << owner.x();
}

TEST(WinnersDialogTest, TwoRunningInstancesBothKeepTheirWinners) {
    writeStoreFile("[Winners]\nName6=A\nScore6=100\nName7=B\nScore7=95\nName8=C\nScore8=70\n"
                   "Name9=D\nScore9=60\nName10=E\nScore10=50\n");
    // Each holds the tables as they stood when it loaded them.
    TFormwin first, second;
    first.firstcreate();
    second.firstcreate();
    first.newwinner(1, 90, 0, QStringLiteral("Ann"));
    second.newwinner(1, 55, 0, QStringLiteral("Bo")); // out of the five by now
    second.newwinner(1, 80, 0, QStringLiteral("Cy"));
    QStringList stored;
    for (int n = 6; n <= 10; ++n)
        stored << storedValue(QStringLiteral("Winners/Name%1").arg(n)) + u' ' +
                      storedValue(QStringLiteral("Winners/Score%1").arg(n));
    EXPECT_EQ(stored.join(", "), "A 100, B 95, Ann 90, Cy 80, C 70");
}
