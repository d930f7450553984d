#include "GameStatistics.h"
#include "IniStore.h"
#include "StatisticsStore.h"
#include "StoreError.h"
#include "StoreFiles.h"
#include "Texts.h"

#include <gtest/gtest.h>

namespace {

// Games written as words: "W120/95" is a win ending on a score of 120 after
// 95 seconds, "L-52/300" a loss; a lower-case letter is a chosen deal; a
// trailing "+" or "-" is the search's verdict on the deal.
QList<FinishedGame> games(const QString& words) {
    QList<FinishedGame> out;
    for (QString w : words.split(u' ', Qt::SkipEmptyParts)) {
        FinishedGame g;
        if (w.endsWith(u'+') || w.endsWith(u'-')) {
            g.winnable = w.endsWith(u'+');
            w.chop(1);
        }
        g.won = w[0].toUpper() == u'W';
        g.chosenDeal = w[0].isLower();
        const QStringList parts = w.mid(1).split(u'/');
        g.score = parts.value(0).toInt();
        g.points = g.score;
        g.seconds = parts.value(1).toInt();
        out << g;
    }
    return out;
}

// Every figure of a cell on one line, so a failing row shows them all.
std::string dump(const StatisticsCell& c) {
    const auto opt = [](std::optional<int> v) { return v ? QString::number(*v) : QString("-"); };
    QString recent;
    for (const RecentGame& g : c.recent)
        recent += QStringLiteral("%1%2/%3 ").arg(g.won ? "W" : "L").arg(g.points).arg(g.seconds);
    return QStringLiteral("played %1 won %2 rate %3 streak %4 longest %5 best %6 fastest %7 "
                          "deals %8/%9 recent %10")
        .arg(c.played)
        .arg(c.won)
        .arg(c.winRate())
        .arg(c.streak)
        .arg(c.longestStreak)
        .arg(opt(c.bestScore), opt(c.fastestWin))
        .arg(c.dealsWinnable)
        .arg(c.dealsChecked)
        .arg(recent.trimmed())
        .toStdString();
}

StatisticsCell played(const QString& words) {
    StatisticsCell cell;
    for (const FinishedGame& g : games(words))
        countGame(cell, g);
    return cell;
}

} // namespace

TEST(StatisticsTest, GameHistoriesGiveTheirCounters) {
    struct Row {
        const char* history;
        const char* expected;
    } rows[] = {
        {"", "played 0 won 0 rate 0 streak 0 longest 0 best - fastest - deals 0/0 recent "},
        {"W120/95 W80/60 L-52/300 W10/200",
         "played 4 won 3 rate 75 streak 1 longest 2 best 120 fastest 60 deals 0/0 recent "
         "W120/95 W80/60 L-52/300 W10/200"},
        // A chosen deal is played and won, but neither streak nor record.
        {"W5/90 w500/10 W7/80",
         "played 3 won 3 rate 100 streak 2 longest 2 best 7 fastest 80 deals 0/0 recent "
         "W5/90 W500/10 W7/80"},
        // A chosen loss does not end the streak; a real one does.
        {"W1/9 l-5/9 W2/9 W3/9 L0/9",
         "played 5 won 3 rate 60 streak 0 longest 3 best 3 fastest 9 deals 0/0 recent "
         "W1/9 L-5/9 W2/9 W3/9 L0/9"},
        // The longest streak stays when a shorter one follows.
        {"W1/1 W1/1 W1/1 L1/1 W1/1", "played 5 won 4 rate 80 streak 1 longest 3 best 1 fastest 1 "
                                     "deals 0/0 recent W1/1 W1/1 W1/1 L1/1 W1/1"},
        // Only wins set the best score, a negative one included.
        {"L900/5 W-40/70", "played 2 won 1 rate 50 streak 1 longest 1 best -40 fastest 70 "
                           "deals 0/0 recent L900/5 W-40/70"},
        // Only chosen wins: no record at all.
        {"w10/5 w20/4", "played 2 won 2 rate 100 streak 0 longest 0 best - fastest - deals 0/0 "
                        "recent W10/5 W20/4"},
        // Verdicts count only where the search answered.
        {"L0/1+ W0/1- L0/1 w0/1+", "played 4 won 2 rate 50 streak 0 longest 1 best 0 fastest 1 "
                                   "deals 2/3 recent L0/1 W0/1 L0/1 W0/1"},
        // Rounded to the nearest percent.
        {"W1/1 L1/1 L1/1", "played 3 won 1 rate 33 streak 0 longest 1 best 1 fastest 1 deals 0/0 "
                           "recent W1/1 L1/1 L1/1"},
        {"W1/1 W1/1 L1/1", "played 3 won 2 rate 67 streak 0 longest 2 best 1 fastest 1 deals 0/0 "
                           "recent W1/1 W1/1 L1/1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(dump(played(row.history)), row.expected) << row.history;
}

TEST(StatisticsTest, TheChartKeepsTheLatestFiftyGames) {
    QString history;
    for (int i = 1; i <= kRecentGames + 5; ++i)
        history += QStringLiteral("L%1/%1 ").arg(i);
    const StatisticsCell cell = played(history);
    EXPECT_EQ(cell.played, kRecentGames + 5);
    ASSERT_EQ(cell.recent.size(), kRecentGames);
    EXPECT_EQ(cell.recent.first().points, 6);
    EXPECT_EQ(cell.recent.last().points, kRecentGames + 5);
}

TEST(StatisticsTest, EachGameIsAddedToTheCellAsStoredNow) {
    writeStoreFile("[Format]\nScore=1\n");
    recordGame(games("W120/95+").first());
    FinishedGame threeCards = games("L-5/40").first();
    threeCards.drawThree = 1;
    recordGame(threeCards);
    EXPECT_EQ(storedValue("Statistics/Casino1Played"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1BestScore"), "120");
    EXPECT_EQ(storedValue("Statistics/Casino1DealsWinnable"), "1");
    EXPECT_EQ(storedValue("Statistics/Casino1Recent"), "W120/95");
    EXPECT_EQ(storedValue("Statistics/Casino3Recent"), "L-5/40");
    EXPECT_EQ(storedValue("Format/Score"), "1");

    // Another copy of the program stores games meanwhile: this one counts on
    // from what it stored, and leaves the other cells as that copy left them.
    QByteArray other = readStoreFile();
    other.replace("Casino1Played=1", "Casino1Played=7");
    other.replace("Casino1Won=1", "Casino1Won=6");
    other.replace("Casino3Played=1", "Casino3Played=9");
    writeStoreFile(other);
    recordGame(games("L-52/300").first());
    EXPECT_EQ(storedValue("Statistics/Casino1Played"), "8");
    EXPECT_EQ(storedValue("Statistics/Casino1Won"), "6");
    EXPECT_EQ(storedValue("Statistics/Casino1Streak"), "0");
    EXPECT_EQ(storedValue("Statistics/Casino1Recent"), "W120/95 L-52/300");
    EXPECT_EQ(storedValue("Statistics/Casino3Played"), "9");
    EXPECT_FALSE(readStoreFile().contains("Standard1")) << "untouched cells are not written";

    clearStatistics();
    const StatisticsReading cleared = loadStatistics();
    EXPECT_EQ(cleared.error, QString());
    for (const auto& mode : cleared.table)
        for (const StatisticsCell& cell : mode)
            EXPECT_EQ(dump(cell), dump(StatisticsCell{}));
    EXPECT_EQ(storedValue("Format/Score"), "1") << "only the statistics are cleared";
}

TEST(StatisticsTest, ABadValueReadsAsItsDefaultAndIsReportedOnce) {
    language = 2;
    // Standard, one card, holds the bad value; its other figures and the
    // Casino cell must be read as stored.
    const QByteArray good = "Casino3Played=4\nCasino3Won=1\nCasino3Recent=W5/60\n"
                            "Standard1Played=6\nStandard1Won=3\nStandard1Streak=1\n"
                            "Standard1LongestStreak=2\nStandard1BestScore=90\n";
    const auto unread = [](const char* ident) {
        return QStringLiteral("The statistics value %1 could not be read; it starts again from "
                              "its default.")
            .arg(ident);
    };
    const QString kept = "played 6 won 3 rate 50 streak 1 longest 2 best 90 fastest - deals 0/0 "
                         "recent ";
    // With a bad count the figures that must not exceed it read as 0 too.
    const char* nothing = "played 0 won 0 rate 0 streak 0 longest 0 best - fastest - deals 0/0 "
                          "recent ";
    const char* noWins = "played 6 won 0 rate 0 streak 0 longest 0 best - fastest - deals 0/0 "
                         "recent ";
    struct Row {
        const char* line;
        const char* expected; // Standard1 as read; "kept" for the stored figures
        QString error;
    } rows[] = {
        {"Standard1Played=2000000000", nothing, unread("Standard1Played")},
        {"Standard1FastestWin=-3", "kept", unread("Standard1FastestWin")},
        {"Standard1Won=9", noWins, unread("Standard1Won")},
        {"Standard1Streak=3",
         "played 6 won 3 rate 50 streak 0 longest 2 best 90 fastest - "
         "deals 0/0 recent ",
         unread("Standard1Streak")},
        {"Standard1DealsChecked=2\nStandard1DealsWinnable=3",
         "played 6 won 3 rate 50 streak 1 longest 2 best 90 fastest - deals 0/2 recent ",
         unread("Standard1DealsWinnable")},
        {"Standard1LongestStreak=1, 2",
         "played 6 won 3 rate 50 streak 0 longest 0 best 90 fastest - deals 0/0 recent ",
         "Invalid data type for 'Standard1LongestStreak'"},
        {"Standard1Played=1, 2", nothing, "Invalid data type for 'Standard1Played'"},
        {"Standard1BestScore=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)",
         "played 6 won 3 rate 50 streak 1 longest 2 best - fastest - deals 0/0 recent ",
         "Invalid data type for 'Standard1BestScore'"},
        {"Standard1Won=three", noWins, unread("Standard1Won")},
        {"Standard1Recent=W5/60 Lx/3", "kept", unread("Standard1Recent")},
        {"Standard1Recent=W5/60 W5/60 W5/60 W5/60 W5/60 W5/60 W5/60", "kept",
         unread("Standard1Recent")},
        {"Standard1Recent=W99999999999/3", "kept", unread("Standard1Recent")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        writeStoreFile("[Statistics]\n" + good + row.line + "\n");
        const StatisticsReading first = loadStatistics();
        EXPECT_EQ(first.error, row.error);
        const std::string expected =
            row.expected == std::string("kept") ? kept.toStdString() : row.expected;
        EXPECT_EQ(dump(first.table[1][0]), expected);
        EXPECT_EQ(dump(first.table[0][1]),
                  "played 4 won 1 rate 25 streak 0 longest 0 best - fastest - deals 0/0 "
                  "recent W5/60");
        // The cell is stored again as it read: the player hears of it once.
        const StatisticsReading second = loadStatistics();
        EXPECT_EQ(second.error, QString());
        EXPECT_EQ(dump(second.table[1][0]), expected);
        EXPECT_EQ(storedValue("Statistics/Casino3Recent"), "W5/60");
    }

    // A game ending on a bad value is stored all the same, then reported.
    writeStoreFile("[Statistics]\nNoScore1Played=-1\n");
    FinishedGame g = games("W0/30").first();
    g.scoreMode = 2;
    try {
        recordGame(g);
        ADD_FAILURE() << "no error";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), "The statistics value NoScore1Played could not be read; it starts "
                               "again from its default.");
    }
    EXPECT_EQ(storedValue("Statistics/NoScore1Played"), "1");
}

TEST(StatisticsTest, ADamagedStoreIsSetAsideAndItsLegibleFiguresKept) {
    writeStoreFile("[Statistics]\nStandard3Played=5\nStandard3Won=2\n\x01\x02\"\n"
                   "Standard3Streak=1\nStandard3LongestStreak=2\n");
    recordGame([] {
        FinishedGame g;
        g.scoreMode = 1;
        g.drawThree = 1;
        g.won = true;
        return g;
    }());
    EXPECT_EQ(takeSetAsideFiles().size(), 1);
    EXPECT_EQ(storedValue("Statistics/Standard3Played"), "6");
    EXPECT_EQ(storedValue("Statistics/Standard3Won"), "3");
    EXPECT_EQ(storedValue("Statistics/Standard3Streak"), "2");
}
