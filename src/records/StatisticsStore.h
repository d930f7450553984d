#pragma once

#include "GameStatistics.h"

class IniStore;

// The statistics in section "Statistics" of the per-user store, one value per
// figure under the cell's name ("Casino1Played", "NoScore3Recent", ...).
// Every change reads the store afresh and writes back only what it changed,
// so two running copies of the program keep each other's games.

// The six cells as stored. A value that cannot be read, or that does not fit
// with the others, reads as its default and the rest are kept; the cells
// holding one are listed in `damaged` ([scoreMode][drawThree]) and `error`
// is the message for the first.
struct StatisticsReading {
    StatisticsTable table;
    std::array<std::array<bool, kStatisticsDrawModes>, kStatisticsScoreModes> damaged{};
    QString error;
};
StatisticsReading readStatistics(IniStore& store);
void writeStatisticsCell(IniStore& store, int scoreMode, int drawThree, const StatisticsCell& cell);

// The statistics as stored; the cells with a bad value are stored again as
// they read, so the player hears of it once (through the reading's error).
StatisticsReading loadStatistics();
// Counts one game as the store holds its cell now, and stores that cell.
// Throws the StoreError for the first bad value after the game is stored.
void recordGame(const FinishedGame& game);
// Stores every cell of every mode empty.
void clearStatistics();
