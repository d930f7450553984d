#pragma once

#include "Formbank.h"
#include "TableLook.h"

#include <QImage>

// Card pictures are rectangles; three logical pixels at each corner are
// repainted so the card looks rounded against the table or the card beneath.

// The store picture `art` names: a face by its code, or a back.
const QImage& artPicture(const TBankForm& bank, int art);

// Whether the corners as described differ from what `picture` shows there.
bool cornersDiffer(const TBankForm& bank, const CardCorners& corners, const QImage& picture);
// Paints the corners as described onto `picture`, which must not be shared.
void paintCorners(const TBankForm& bank, const CardCorners& corners, QImage& picture);

// Bottom corners show the table; for stock, waste and discard places (codes
// 0, 1, 4) the top corners too. Pyramid and fanned cards keep their top corners.
void cornersOnTable(CardCorners& corners, int place);
