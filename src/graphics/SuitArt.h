#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class ArtStamps;
class QPainter;

// The four suit symbols, shared by pips, indices, court frames and backs.
// Suit numbers follow the store: 1 hearts, 2 diamonds, 3 clubs, 4 spades.

bool isRedSuit(int suit);

// The ink of a suit: a warm card red or near-black.
QColor suitInk(int suit);

// The outline of a suit symbol, one unit tall and centred on the origin.
const QPainterPath& suitShape(int suit);

// Fills a suit symbol `height` logical pixels tall centred on `centre` in the
// suit's ink; pips in the lower half of a card are drawn upside down, as on a
// printed deck.
void paintSuit(QPainter& p, ArtStamps& stamps, int suit, QPointF centre, qreal height,
               bool upsideDown = false);
