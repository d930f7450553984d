#pragma once

#include "Formbank.h"

#include <QColor>
#include <QImage>

// Card pictures are rectangles; three logical pixels at each corner are
// repainted so the card looks rounded against the table or the card beneath.

// Bottom corners in the table colour; for stock, waste and discard places
// (codes 0, 1, 4) the top corners too. Pyramid and fanned cards keep their top corners.
void paintCorners(QImage& card, int place);

// Top-right triangle of a pyramid card from the card above-right of it.
void copyTopRightCorner(QImage& card, const QImage& aboveRight);
// Top-left triangle of a pyramid card from the card above-left of it.
void copyTopLeftCorner(QImage& card, const QImage& aboveLeft);
// Left corners of a fanned waste card from the card beneath, 15 columns on.
void copyFanCorners(QImage& card, const QImage& beneath);
