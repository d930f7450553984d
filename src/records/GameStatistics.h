#pragma once

#include <QList>

#include <array>
#include <optional>

// How the player has fared, kept apart for each score mode (0 Casino,
// 1 Standard, 2 no score) and cards mode (0 one card, 1 three cards).
inline constexpr int kStatisticsScoreModes = 3;
inline constexpr int kStatisticsDrawModes = 2;
// The chart shows this many of the latest games.
inline constexpr int kRecentGames = 50;

// A game that had a move and has ended, as the statistics take it.
struct FinishedGame {
    int scoreMode = 0;
    int drawThree = 0;
    bool won = false;
    // Dealt again or chosen by number: played, but no streak, best score or
    // fastest win, which it could have been practised into.
    bool chosenDeal = false;
    int score = 0;   // the status bar's score at the end
    int points = 0;  // what the game gained or lost, its stake included
    int seconds = 0; // the game clock at the end
    quint32 dealNumber = 0;
    // Whether its fresh deal could be won, when the search had answered.
    std::optional<bool> winnable;

    bool operator==(const FinishedGame&) const = default;
};

// One of the latest games, for the chart.
struct RecentGame {
    bool won = false;
    int points = 0;
    int seconds = 0;
    bool operator==(const RecentGame&) const = default;
};

// The figures of one score mode and cards mode.
struct StatisticsCell {
    int played = 0;
    int won = 0;
    int streak = 0;                // wins in a row up to the latest game
    int longestStreak = 0;         // the most wins in a row ever
    std::optional<int> bestScore;  // the highest score a won game ended on
    std::optional<int> fastestWin; // the fewest seconds a won game took
    int dealsChecked = 0;          // games whose fresh deal the search judged
    int dealsWinnable = 0;         // of those, the ones that could be won
    QList<RecentGame> recent;      // oldest first, at most kRecentGames

    // Won games in percent of played ones; 0 before the first game.
    int winRate() const;
    bool operator==(const StatisticsCell&) const = default;
};

// Counts one more game in `cell`. A win adds to played and won and, unless
// the deal was chosen, to the streak; a loss adds to played and, unless the
// deal was chosen, ends the streak.
void countGame(StatisticsCell& cell, const FinishedGame& game);

// All six cells, indexed [scoreMode][drawThree].
using StatisticsTable =
    std::array<std::array<StatisticsCell, kStatisticsDrawModes>, kStatisticsScoreModes>;
