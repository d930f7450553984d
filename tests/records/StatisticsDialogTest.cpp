#include "StatisticsDialog.h"
#include "ErrorReport.h"
#include "ModalWindows.h"
#include "StatisticsChart.h"
#include "StoreFiles.h"
#include "Texts.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

namespace {

using F = StatisticsDialog::Figure;

// What the error report would have shown, in order.
QStringList reported;

// Opens the dialog on `mode` in `lang` and runs `act` while it is up; Close ends it.
void open(StatisticsDialog& d, int lang, int mode, std::function<void()> act) {
    onModal<StatisticsDialog>([&d, act](StatisticsDialog* w) {
        act();
        w->BtnClose->click();
        EXPECT_FALSE(d.isVisible());
        w->reject(); // so that a failure does not hang the test
    });
    d.showStatistics(lang, mode, QRect(5, 20, 630, 440));
}

// The figures of one cards mode, top to bottom.
QStringList column(const StatisticsDialog& d, int drawThree) {
    QStringList out;
    for (int f = 0; f < F::kFigures; ++f)
        out << d.valueLabel(F(f), drawThree)->text();
    return out;
}

const QByteArray kStored =
    "[Statistics]\n"
    "Casino1Played=4\nCasino1Won=3\nCasino1Streak=1\nCasino1LongestStreak=2\n"
    "Casino1BestScore=-40\nCasino1FastestWin=75\nCasino1DealsChecked=3\n"
    "Casino1DealsWinnable=2\nCasino1Recent=W30/80 L-52/60 W104/75 W-1/300\n"
    "NoScore3Played=2\nNoScore3Won=1\nNoScore3LongestStreak=1\n"
    "NoScore3BestScore=0\nNoScore3FastestWin=125\n"
    "NoScore3Recent=W0/125 L0/250\n";

} // namespace

TEST(StatisticsDialogTest, EachModeShowsItsFiguresInTheDialogsLanguage) {
    writeStoreFile(kStored);
    StatisticsDialog d;
    struct Row {
        int lang, mode;
        const char* title;
        const char* tab;
        const char* heading;
        const char* lastFigure;
        const char* caption;
        QStringList one, three;
    } rows[] = {
        {2,
         0,
         "Statistics",
         "Casino",
         "One card",
         "Winnable deals",
         "Points of the latest games (up to 50)",
         {"4", "3", "75 %", "1", "2", "-40", "1:15", "2 / 3"},
         {"0", "0", "\u2013", "0", "0", "\u2013", "\u2013", "\u2013"}},
        // Without a score there is no best score, and the chart shows times.
        {1,
         2,
         "Статистика",
         "Без счёта",
         "По одной карте",
         "Выигрышных раскладов",
         "Без счёта очков нет: время последних партий (до 50)",
         {"0", "0", "\u2013", "0", "0", "\u2013", "\u2013", "\u2013"},
         {"2", "1", "50 %", "0", "1", "\u2013", "2:05", "\u2013"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        open(d, row.lang, row.mode, [&] {
            EXPECT_EQ(d.windowTitle(), row.title);
            EXPECT_EQ(d.Tabmode->currentIndex(), row.mode);
            EXPECT_EQ(d.Tabmode->tabText(row.mode), row.tab);
            EXPECT_EQ(d.drawHeading(0)->text(), row.heading);
            EXPECT_EQ(d.figureLabel(F::Winnable)->text(), row.lastFigure);
            EXPECT_EQ(d.Chartcapt->text(), row.caption);
            EXPECT_EQ(column(d, 0), row.one);
            EXPECT_EQ(column(d, 1), row.three);
            // Every text fits: the dialog grew round the longest.
            for (int f = 0; f < F::kFigures; ++f)
                EXPECT_GE(d.figureLabel(F(f))->width(), d.figureLabel(F(f))->sizeHint().width());
            EXPECT_LE(d.Chartcapt->heightForWidth(d.Chartcapt->width()), d.Chartcapt->height());
        });
    }
    // Another tab shows that mode at once, in a dialog of the same size.
    open(d, 2, 0, [&] {
        const QSize size = d.size();
        QTest::mouseClick(d.Tabmode, Qt::LeftButton, {}, d.Tabmode->tabRect(2).center());
        d.layout()->activate();
        EXPECT_EQ(d.size(), size);
        EXPECT_EQ(d.Tabmode->currentIndex(), 2);
        EXPECT_EQ(column(d, 1).first(), "2");
        EXPECT_EQ(d.Chartcapt->text(), "No points without a score: times of the latest games "
                                       "(up to 50)");
    });
}

TEST(StatisticsDialogTest, BarsAreGreenForWinsRedForLossesAboutTheZeroLine) {
    writeStoreFile(kStored);
    StatisticsDialog d;
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        open(d, 2, mode, [&] {
            StatisticsChart* chart = d.chart(mode == 0 ? 0 : 1);
            const QImage shot = chart->grab().toImage();
            const int zero = chart->zeroLine();
            const QList<bool> won =
                mode == 0 ? QList<bool>{true, false, true, true} : QList<bool>{true, false};
            for (int i = 0; i < won.size(); ++i) {
                const QRect bar = chart->barRect(i);
                ASSERT_FALSE(bar.isEmpty()) << i;
                EXPECT_EQ(shot.pixelColor(bar.center()),
                          won[i] ? StatisticsChart::kWinColour : StatisticsChart::kLossColour)
                    << i;
                // A gain stands on the line, a loss hangs from it.
                const bool below = mode == 0 && (i == 1 || i == 3);
                EXPECT_EQ(below ? bar.top() - 1 : bar.bottom() + 1, zero) << i;
            }
            EXPECT_EQ(shot.pixelColor(chart->width() / 2, zero), QColor(Qt::black));
            if (mode == 0) {
                // The largest gain reaches the top; a small loss is short but seen.
                EXPECT_EQ(chart->barRect(2).top(), 2);
                EXPECT_GE(chart->barRect(3).height(), 1);
                EXPECT_GT(chart->barRect(2).height(), chart->barRect(0).height());
                EXPECT_TRUE(chart->barRect(4).isEmpty());
            } else {
                EXPECT_EQ(chart->barRect(1).height(),
                          2 * chart->barRect(0).height() + (chart->barRect(1).height() % 2));
                EXPECT_EQ(zero, chart->height() - 3) << "times stand on the bottom line";
            }
        });
    }
}

TEST(StatisticsDialogTest, ResetAsksThenClearsEveryModeInTheStore) {
    writeStoreFile(kStored + "[Format]\nScore=1\n");
    StatisticsDialog d;
    struct Row {
        QMessageBox::StandardButton answer;
        const char* casinoPlayed;
    } rows[] = {{QMessageBox::No, "4"}, {QMessageBox::Yes, "0"}};
    for (const Row& row : rows) {
        open(d, 2, 0, [&] {
            MessageBoxAnswer box;
            box.answerNext(row.answer);
            QTest::mouseClick(d.BtnReset, Qt::LeftButton);
            EXPECT_EQ(box.caption, "Statistics");
            EXPECT_EQ(box.text, "Clear the statistics of every score mode?");
            EXPECT_EQ(d.valueLabel(F::Played, 0)->text(), row.casinoPlayed);
        });
        EXPECT_EQ(storedValue("Statistics/Casino1Played"), row.casinoPlayed);
    }
    EXPECT_EQ(storedValue("Statistics/NoScore3Played"), "0");
    EXPECT_EQ(storedValue("Statistics/NoScore3Recent"), "");
    EXPECT_EQ(storedValue("Format/Score"), "1");
}

TEST(StatisticsDialogTest, ABadValueIsReportedBeforeTheDialogOpensAndOnlyOnce) {
    setErrorReporter([](const QString& text) { reported << text; });
    writeStoreFile(kStored + "Standard3Played=lots\nStandard3Won=0\n");
    StatisticsDialog d;
    for (int time = 1; time <= 2; ++time) {
        reported.clear();
        open(d, 2, 0, [&] { EXPECT_EQ(d.valueLabel(F::Played, 0)->text(), "4"); });
        EXPECT_EQ(reported, time == 1 ? QStringList{"The statistics value Standard3Played could "
                                                    "not be read; it starts again from its "
                                                    "default."}
                                      : QStringList{});
    }
    setErrorReporter(nullptr);
}
