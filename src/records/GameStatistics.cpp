#include "GameStatistics.h"

#include <algorithm>

int StatisticsCell::winRate() const {
    if (played <= 0)
        return 0;
    // Rounded to the nearest percent, in 64 bits: played may be near the int limit.
    return int((qint64(won) * 200 + played) / (qint64(played) * 2));
}

void countGame(StatisticsCell& cell, const FinishedGame& game) {
    ++cell.played;
    if (game.won) {
        ++cell.won;
        if (!game.chosenDeal) {
            ++cell.streak;
            cell.longestStreak = std::max(cell.longestStreak, cell.streak);
            cell.bestScore = std::max(cell.bestScore.value_or(game.score), game.score);
            cell.fastestWin = std::min(cell.fastestWin.value_or(game.seconds), game.seconds);
        }
    } else if (!game.chosenDeal) {
        cell.streak = 0;
    }
    if (game.winnable) {
        ++cell.dealsChecked;
        cell.dealsWinnable += *game.winnable ? 1 : 0;
    }
    cell.recent.append({game.won, game.points, game.seconds});
    while (cell.recent.size() > kRecentGames)
        cell.recent.removeFirst();
}
