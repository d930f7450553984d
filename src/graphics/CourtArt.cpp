#include "FaceArt.h"

#include "ArtKit.h"
#include "CardArt.h"
#include "SuitArt.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

// The court frame, symmetric about the card centre so the lower half is the
// upper half turned round, as on a double-headed printed card.
constexpr QRectF kFrame(12, 8, 47, 80);
constexpr QRectF kUpperHalf(12, 8, 47, 40);
constexpr QPointF kLowerHalfTopLeft(12, 48);

// The upper half in its own coordinates: the figure and, beside its head, the
// suit, which says whose court this is even when only a corner shows.
void paintHalf(QPainter& p, const ArtKit& art, QSvgRenderer& figure, int suit) {
    figure.render(&p, QRectF(QPointF(0, 0), kUpperHalf.size()));
    paintSuit(p, art.stamps(), suit, QPointF(5.5, 6), 8);
}

bool isWhole(qreal v) {
    return std::abs(v - std::round(v)) < 1e-9;
}

} // namespace

void paintCourtFigure(QPainter& p, const ArtKit& art, int suit, int face) {
    const qreal r = art.ratio();
    const std::unique_ptr<QSvgRenderer> figure = art.court(suit, face);
    if (isWhole(kUpperHalf.left() * r) && isWhole(kUpperHalf.top() * r) &&
        isWhole(kUpperHalf.width() * r) && isWhole(kUpperHalf.height() * r)) {
        // The half falls on whole device pixels: paint it once, and the lower
        // half is the same pixels turned round.
        QImage half(int(std::round(kUpperHalf.width() * r)),
                    int(std::round(kUpperHalf.height() * r)), QImage::Format_ARGB32_Premultiplied);
        half.fill(Qt::transparent);
        half.setDevicePixelRatio(r);
        {
            QPainter hp(&half);
            prepareArtPainter(hp);
            paintHalf(hp, art, *figure, suit);
        }
        p.drawImage(kUpperHalf.topLeft(), half);
        p.drawImage(kLowerHalfTopLeft, half.mirrored(true, true));
    } else {
        for (int turn = 0; turn < 2; ++turn) {
            p.save();
            if (turn == 1) {
                p.translate(71, 96);
                p.rotate(180);
            }
            p.translate(kUpperHalf.topLeft());
            p.setClipRect(QRectF(QPointF(0, 0), kUpperHalf.size()));
            paintHalf(p, art, *figure, suit);
            p.restore();
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitInk(suit), 1));
    p.drawRect(kFrame.adjusted(0.5, 0.5, -0.5, -0.5));
    // The seam between the two halves.
    p.setPen(QPen(suitInk(suit), 0.8));
    p.drawLine(QPointF(kFrame.left(), kFrame.center().y()),
               QPointF(kFrame.right(), kFrame.center().y()));
}
