#pragma once

#include "Formbank.h"
#include "TableLook.h"

#include <QImage>

// Card pictures are rectangles; three logical pixels at each corner are
// repainted so the card looks rounded against the table or the card beneath.

// The store picture `art` names: a face by its code, or a back.
const QImage& artPicture(const TBankForm& bank, int art);

// The store picture `art` with its corners as described. Corners that already
// look so keep the picture shared with the store; only a differing pixel makes
// a copy.
QImage cornerPainted(const TBankForm& bank, int art, const CardCorners& corners);

// Bottom corners show the table; for stock, waste and discard places (codes
// 0, 1, 4) the top corners too. Pyramid and fanned cards keep their top corners.
void cornersOnTable(CardCorners& corners, int place);
