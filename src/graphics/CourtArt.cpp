#include "FaceArt.h"

#include "ArtSources.h"
#include "SuitArt.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

// The court frame, symmetric about the card centre so the lower half is the
// upper half turned round, as on a double-headed printed card.
constexpr QRectF kFrame(12, 8, 47, 80);
constexpr QRectF kUpperHalf(12, 8, 47, 40);

} // namespace

void paintCourtFigure(QPainter& p, const ArtSources& art, int suit, int face) {
    QSvgRenderer& figure = art.court(suit, face);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(71, 96);
            p.rotate(180);
        }
        p.save();
        p.setClipRect(kUpperHalf);
        figure.render(&p, kUpperHalf);
        p.restore();
        // The suit beside the head says whose court this is even when the
        // figure is only glimpsed under another card.
        paintSuit(p, suit, QPointF(kUpperHalf.left() + 5.5, kUpperHalf.top() + 6), 8);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitInk(suit), 1));
    p.drawRect(kFrame.adjusted(0.5, 0.5, -0.5, -0.5));
    // The seam between the two halves.
    p.setPen(QPen(suitInk(suit), 0.8));
    p.drawLine(QPointF(kFrame.left(), kFrame.center().y()),
               QPointF(kFrame.right(), kFrame.center().y()));
}
