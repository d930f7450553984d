#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

class IniStore;

// The three best-five tables of won games, one per score mode: 0 Casino
// winners and 1 best score ranked by score (higher is better), 2 best time
// ranked by the game's seconds (lower is better). Together they are fifteen
// slots; slot 5 * table + rank holds rank 1 (best) to 5 of a table.
inline constexpr int kWinnerTables = 3;
inline constexpr int kWinnerRanks = 5;
inline constexpr int kWinnerSlots = kWinnerTables * kWinnerRanks;

// Entries stored before deals had numbers, and empty slots, have none.
inline constexpr qint32 kNoDeal = -1;

// A slot is empty when its name is; its value is then the table's empty value.
struct WinnerEntry {
    QString name;
    qint32 value = 0;
    qint32 deal = kNoDeal; // the number of the deal won, where known
};

// What an empty slot of `table` holds: worse than any score, slower than any time.
qint32 emptySlotValue(int table);
// The value a won game enters into `table`: its time for the time table, else its score.
qint32 entryValue(int table, qint32 score, qint32 seconds);
// How the value column shows `value`: blank for an empty slot, minutes:seconds
// in the time table, the plain number (with its sign) in the others.
QString winnerValueText(int table, qint32 value);

// Whether a game won with this score and time enters `table`: it must beat the
// table's fifth entry as stored; equalling it is not enough. Reads the store,
// not any copy of the tables held in memory.
bool qualifies(int table, qint32 score, qint32 seconds);

// The fifteen slots in memory, as the winners dialog holds them.
class WinnersTables {
public:
    WinnersTables();

    const WinnerEntry& slot(int n) const { return slots[size_t(n)]; }

    // Every slot as stored: a slot stored without a name is empty, whatever
    // value it kept.
    void load(IniStore& store);
    // A new entry takes the table's last rank and rises in one upward pass
    // above every entry it beats or equals, so among equals the newest ranks
    // first. The entry that held the last rank is dropped.
    void insert(int table, qint32 value, const QString& name, qint32 deal = kNoDeal);
    // Empties every slot of the table.
    void clear(int table);
    // Stores the table's five slots, empty ones included, the last rank first.
    void write(IniStore& store, int table) const;

private:
    std::array<WinnerEntry, kWinnerSlots + 1> slots; // slot 0 unused
};
