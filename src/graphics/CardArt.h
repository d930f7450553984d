#pragma once

#include "Formbank.h"

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// What every card picture shares: the white card with its thin outline, and the
// three table-green pixels in each corner that make a card look rounded on the table.

// The card outline: inside this rounded rectangle everything belongs to the card.
inline constexpr QRectF kCardOutline(0.5, 0.5, 70, 95);
inline constexpr qreal kCardRadius = 2.5;

// A picture the size of a card, all table green: the markers' ground.
QImage tablePicture(qreal ratio);

// A white card with its outline, 71 x 96 logical, at the given ratio.
QImage blankCardPicture(qreal ratio);

// Paints the green corner triangles: logical (0,0),(1,0),(0,1) and their mirrors.
void paintTableCorners(QImage& img);

// Antialiased painting in logical pixels (the picture carries its ratio).
void prepareArtPainter(QPainter& p);
