#include "StatisticsStore.h"

#include "IniStore.h"
#include "StoreError.h"
#include "Texts.h"

#include <QRegularExpression>

#include <climits>

namespace {

const QString kSection = QStringLiteral("Statistics");

// Far beyond any real figure, and far enough from the int limit that counting
// on never overflows.
constexpr int kLargest = 1'000'000'000;

QString cellName(int scoreMode, int drawThree) {
    static const char* const modes[kStatisticsScoreModes] = {"Casino", "Standard", "NoScore"};
    return QString::fromLatin1(modes[scoreMode]) + (drawThree ? u'3' : u'1');
}

// A game of the chart as text: "W25/143" is a win of 25 points in 143 seconds.
QString recentText(const QList<RecentGame>& games) {
    QStringList words;
    for (const RecentGame& g : games)
        words << QStringLiteral("%1%2/%3")
                     .arg(QChar(g.won ? u'W' : u'L'))
                     .arg(g.points)
                     .arg(g.seconds);
    return words.join(u' ');
}

// Reads one cell; a bad value gives its default and marks the cell.
class CellReader {
public:
    CellReader(IniStore& store, QString prefix, QString& error)
        : store(store), prefix(std::move(prefix)), error(error) {}
    bool bad = false;

    // A missing value is its default; an empty one too, where it is optional.
    QString text(const char* name) {
        try {
            return store.readString(kSection, prefix + QLatin1String(name), QString());
        } catch (const StoreError& e) {
            fail(e.message());
            return QString();
        }
    }
    int count(const char* name) {
        const QString t = text(name);
        if (t.isNull())
            return 0;
        const int v = parseStoredInteger(t, INT_MIN);
        if (v >= 0 && v <= kLargest)
            return v;
        failValue(name);
        return 0;
    }
    std::optional<int> optional(const char* name, int low) {
        const QString t = text(name);
        if (t.isEmpty())
            return std::nullopt;
        const int v = parseStoredInteger(t, INT_MIN);
        if (v >= low && v <= kLargest)
            return v;
        failValue(name);
        return std::nullopt;
    }
    QList<RecentGame> recent(const char* name) {
        static const QRegularExpression word(QStringLiteral("^([WL])(-?\\d{1,10})/(\\d{1,10})$"));
        QList<RecentGame> games;
        const QStringList words = text(name).split(u' ', Qt::SkipEmptyParts);
        for (const QString& w : words) {
            const QRegularExpressionMatch m = word.match(w);
            bool pointsOk = false, secondsOk = false;
            const RecentGame g{m.captured(1) == u'W', m.captured(2).toInt(&pointsOk),
                               m.captured(3).toInt(&secondsOk)};
            if (!m.hasMatch() || !pointsOk || !secondsOk || std::abs(qint64(g.points)) > kLargest ||
                g.seconds > kLargest || words.size() > kRecentGames) {
                failValue(name);
                return {};
            }
            games.append(g);
        }
        return games;
    }
    // A value that does not fit with the others read before it.
    void failValue(const char* name) { fail(langtext(284).arg(prefix + QLatin1String(name))); }

private:
    void fail(const QString& message) {
        bad = true;
        if (error.isNull())
            error = message;
    }
    IniStore& store;
    QString prefix;
    QString& error;
};

StatisticsCell readCell(CellReader& r) {
    StatisticsCell c;
    c.played = r.count("Played");
    c.won = r.count("Won");
    c.streak = r.count("Streak");
    c.longestStreak = r.count("LongestStreak");
    c.bestScore = r.optional("BestScore", -kLargest);
    c.fastestWin = r.optional("FastestWin", 0);
    c.dealsChecked = r.count("DealsChecked");
    c.dealsWinnable = r.count("DealsWinnable");
    c.recent = r.recent("Recent");
    // Each figure is checked against those it can never exceed, the larger first.
    const auto notAbove = [&r](int& figure, int limit, const char* name) {
        if (figure > limit) {
            figure = 0;
            r.failValue(name);
        }
    };
    notAbove(c.won, c.played, "Won");
    notAbove(c.longestStreak, c.won, "LongestStreak");
    notAbove(c.streak, c.longestStreak, "Streak");
    if (c.won == 0 && c.bestScore) {
        c.bestScore.reset();
        r.failValue("BestScore");
    }
    if (c.won == 0 && c.fastestWin) {
        c.fastestWin.reset();
        r.failValue("FastestWin");
    }
    notAbove(c.dealsChecked, c.played, "DealsChecked");
    notAbove(c.dealsWinnable, c.dealsChecked, "DealsWinnable");
    if (c.recent.size() > c.played) {
        c.recent.clear();
        r.failValue("Recent");
    }
    return c;
}

// Stores again the cells that held a bad value, then closes the store.
void repairAndClose(IniStore& store, const StatisticsReading& reading) {
    for (int m = 0; m < kStatisticsScoreModes; ++m)
        for (int d = 0; d < kStatisticsDrawModes; ++d)
            if (reading.damaged[m][d])
                writeStatisticsCell(store, m, d, reading.table[m][d]);
    store.close();
}

} // namespace

StatisticsReading readStatistics(IniStore& store) {
    StatisticsReading reading;
    for (int m = 0; m < kStatisticsScoreModes; ++m) {
        for (int d = 0; d < kStatisticsDrawModes; ++d) {
            CellReader reader(store, cellName(m, d), reading.error);
            reading.table[m][d] = readCell(reader);
            reading.damaged[m][d] = reader.bad;
        }
    }
    return reading;
}

void writeStatisticsCell(IniStore& store, int scoreMode, int drawThree, const StatisticsCell& c) {
    const QString p = cellName(scoreMode, drawThree);
    const auto number = [&](const char* name, int value) {
        store.writeInteger(kSection, p + QLatin1String(name), value);
    };
    const auto optional = [&](const char* name, std::optional<int> value) {
        store.writeString(kSection, p + QLatin1String(name),
                          value ? QString::number(*value) : QString());
    };
    number("Played", c.played);
    number("Won", c.won);
    number("Streak", c.streak);
    number("LongestStreak", c.longestStreak);
    optional("BestScore", c.bestScore);
    optional("FastestWin", c.fastestWin);
    number("DealsChecked", c.dealsChecked);
    number("DealsWinnable", c.dealsWinnable);
    store.writeString(kSection, p + QStringLiteral("Recent"), recentText(c.recent));
}

StatisticsReading loadStatistics() {
    IniStore store;
    StatisticsReading reading = readStatistics(store);
    repairAndClose(store, reading);
    return reading;
}

void recordGame(const FinishedGame& game) {
    if (game.scoreMode < 0 || game.scoreMode >= kStatisticsScoreModes || game.drawThree < 0 ||
        game.drawThree >= kStatisticsDrawModes)
        return;
    IniStore store;
    StatisticsReading reading = readStatistics(store);
    StatisticsCell& cell = reading.table[game.scoreMode][game.drawThree];
    countGame(cell, game);
    reading.damaged[game.scoreMode][game.drawThree] = true; // to be written in any case
    repairAndClose(store, reading);
    if (!reading.error.isNull())
        throw StoreError(reading.error);
}

void clearStatistics() {
    IniStore store;
    for (int m = 0; m < kStatisticsScoreModes; ++m)
        for (int d = 0; d < kStatisticsDrawModes; ++d)
            writeStatisticsCell(store, m, d, StatisticsCell{});
    store.close();
}
