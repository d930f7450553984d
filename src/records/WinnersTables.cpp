#include "WinnersTables.h"

#include "IniStore.h"

#include <utility>

namespace {

const QString kSection = QStringLiteral("Winners");

constexpr qint32 kWorstScore = -1000000;
constexpr qint32 kWorstTime = 1000000;
constexpr int kTimeTable = 2;

QString nameIdent(int n) {
    return QStringLiteral("Name%1").arg(n);
}

QString scoreIdent(int n) {
    return QStringLiteral("Score%1").arg(n);
}

QString dealIdent(int n) {
    return QStringLiteral("Deal%1").arg(n);
}

// The deal numbers run 0..86,399,999, one per millisecond of a day.
constexpr qint32 kDealNumbers = 86'400'000;

int tableOfSlot(int n) {
    return (n - 1) / kWinnerRanks;
}

// Whether `value` ranks above `other` in `table`, or beside it when `orEqual`.
bool ranksAbove(int table, qint32 value, qint32 other, bool orEqual) {
    if (orEqual && value == other)
        return true;
    return table == kTimeTable ? value < other : value > other;
}

} // namespace

qint32 emptySlotValue(int table) {
    return table == kTimeTable ? kWorstTime : kWorstScore;
}

qint32 entryValue(int table, qint32 score, qint32 seconds) {
    return table == kTimeTable ? seconds : score;
}

QString winnerValueText(int table, qint32 value) {
    if (value == emptySlotValue(table))
        return QString();
    if (table != kTimeTable)
        return QString::number(value);
    return QStringLiteral("%1:%2").arg(value / 60).arg(value % 60, 2, 10, QLatin1Char('0'));
}

bool qualifies(int table, qint32 score, qint32 seconds) {
    const int fifth = kWinnerRanks * table + kWinnerRanks;
    IniStore store;
    qint32 stored = store.readInteger(kSection, scoreIdent(fifth), 0);
    const QString name = store.readString(kSection, nameIdent(fifth), QString());
    store.close();
    if (name.isEmpty())
        stored = emptySlotValue(table);
    return ranksAbove(table, entryValue(table, score, seconds), stored, false);
}

WinnersTables::WinnersTables() {
    for (int n = 1; n <= kWinnerSlots; ++n)
        slots[size_t(n)] = {QString(), emptySlotValue(tableOfSlot(n)), kNoDeal};
}

void WinnersTables::load(IniStore& store) {
    for (int n = 1; n <= kWinnerSlots; ++n)
        slots[size_t(n)].name = store.readString(kSection, nameIdent(n), QString());
    for (int n = 1; n <= kWinnerSlots; ++n) {
        WinnerEntry& e = slots[size_t(n)];
        e.value = store.readInteger(kSection, scoreIdent(n), 0);
        if (e.name.isEmpty())
            e.value = emptySlotValue(tableOfSlot(n));
        // Only a tooltip shows it: a number out of range is simply not known.
        e.deal = store.readInteger(kSection, dealIdent(n), kNoDeal);
        if (e.name.isEmpty() || e.deal < 0 || e.deal >= kDealNumbers)
            e.deal = kNoDeal;
    }
}

void WinnersTables::insert(int table, qint32 value, const QString& name, qint32 deal) {
    const int b = kWinnerRanks * table;
    slots[size_t(b + kWinnerRanks)] = {name, value, deal};
    // The pass never stops early: equal older entries above the new one's
    // place trade places too, which is how the tables have always ranked.
    for (int j = b + kWinnerRanks - 1; j >= b + 1; --j) {
        WinnerEntry& upper = slots[size_t(j)];
        WinnerEntry& lower = slots[size_t(j + 1)];
        if (ranksAbove(table, lower.value, upper.value, true))
            std::swap(upper, lower);
    }
}

void WinnersTables::clear(int table) {
    const int b = kWinnerRanks * table;
    for (int n = b + 1; n <= b + kWinnerRanks; ++n)
        slots[size_t(n)] = {QString(), emptySlotValue(table), kNoDeal};
}

void WinnersTables::write(IniStore& store, int table) const {
    const int b = kWinnerRanks * table;
    for (int n = b + kWinnerRanks; n >= b + 1; --n) {
        store.writeString(kSection, nameIdent(n), slots[size_t(n)].name);
        store.writeInteger(kSection, scoreIdent(n), slots[size_t(n)].value);
        const qint32 deal = slots[size_t(n)].deal;
        store.writeString(kSection, dealIdent(n),
                          deal == kNoDeal ? QString() : QString::number(deal));
    }
}
