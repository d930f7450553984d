// A text picture of the table for tests and debugging: a failing rule shows
// the whole situation at a glance.
#include "Game.h"

#include <QStringList>

namespace {

QString cardName(const Card& c) {
    static const char ranks[] = "?23456789TJQKA";
    static const char suits[] = "?hdcs";
    return QStringLiteral("%1%2").arg(QChar(ranks[c.rank])).arg(QChar(suits[c.suit]));
}

template <typename Pile> QString pileText(const Pile& pile, int count) {
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries << QString::number(pile[i]);
    return entries.join(u' ');
}

} // namespace

QChar placeLetter(int place) {
    switch (place) {
    case plStock:
        return u'S';
    case plWaste:
        return u'W';
    case plCovered:
        return u'C';
    case plOpen:
        return u'O';
    case plDiscarded:
        return u'D';
    case plWasteBelow:
        return u'B';
    default:
        return u'?';
    }
}

QString Game::dump() const {
    QStringList lines;
    QStringList pyramid;
    int n = 1;
    for (int r = 1; r <= kPyramidRows; ++r) {
        QStringList row;
        for (int k = 1; k <= r; ++k, ++n)
            row << cardName(s.cards[n]) + placeLetter(s.cards[n].place);
        pyramid << row.join(u' ');
    }
    lines << QStringLiteral("pyramid: ") + pyramid.join(QStringLiteral(" / "));
    lines << QStringLiteral("stock: [%1]").arg(pileText(s.stock, s.stockCount));
    QStringList waste;
    for (int i = 1; i <= s.wasteCount; ++i) {
        const int c = s.waste[i];
        waste << (c ? QStringLiteral("%1=%2%3")
                          .arg(c)
                          .arg(cardName(s.cards[c]))
                          .arg(placeLetter(s.cards[c].place))
                    : QStringLiteral("0"));
    }
    lines << QStringLiteral("waste: [%1] fan %2/%3")
                 .arg(waste.join(u' '))
                 .arg(s.fanCount)
                 .arg(s.lastFanCount);
    QStringList discarded;
    for (int c = 1; c <= kCardCount; ++c)
        if (s.cards[c].place == plDiscarded)
            discarded << QString::number(c);
    lines << QStringLiteral("discarded: [%1]").arg(discarded.join(u' '));
    lines << QStringLiteral("selected: %1%2  running %3  paused %4  pass %5  score %6  seconds %7")
                 .arg(s.selectedCard)
                 .arg(s.selectionActive ? "*" : "")
                 .arg(s.gameRunning)
                 .arg(s.paused)
                 .arg(s.casinoPass)
                 .arg(s.clock.score)
                 .arg(s.clock.gameSeconds);
    lines << QStringLiteral("panels: [%1|%2|%3]").arg(s.panels[0], s.panels[1], s.panels[2]);
    return lines.join(u'\n');
}
