#pragma once

#include <QImage>

// The table markers and the hand cursor.

// ImJoker: a card-shaped two-tone grey dot pattern, the empty face.
QImage paintJokerPicture(qreal ratio);
// impusto: a bright ring on the table, an empty place that can be clicked.
QImage paintPustoPicture(qreal ratio);
// Imkrest: a red cross on the table, a place that can no longer be used.
QImage paintKrestPicture(qreal ratio);
// "RUKA": a pointing hand, 32 x 32 logical, finger tip at (10, 6).
QImage paintRukaPicture(qreal ratio);
