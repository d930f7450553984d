#include "MarkerArt.h"

#include "CardArt.h"
#include "LogicalPixels.h"

#include <QPainter>
#include <QPainterPath>

QImage paintJokerPicture(qreal ratio) {
    QImage img = blankCardPicture(ratio);
    const QColor light(200, 200, 204), dark(128, 128, 134);
    {
        QPainter p(&img);
        p.fillRect(QRectF(1, 1, 69, 94), light);
    }
    // A stipple of whole logical pixels, so it looks the same at every ratio.
    for (int y = 1; y < 95; ++y)
        for (int x = 1 + y % 2; x < 70; x += 2)
            setLogicalPixel(img, x, y, dark);
    {
        QPainter p(&img);
        prepareArtPainter(p);
        p.setPen(QPen(QColor(52, 52, 56), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(kCardOutline, kCardRadius, kCardRadius);
    }
    paintTableCorners(img);
    return img;
}

QImage paintPustoPicture(qreal ratio) {
    QImage img = tablePicture(ratio);
    QPainter p(&img);
    prepareArtPainter(p);
    p.setPen(QPen(QColor(0, 255, 0), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(35.5, 48), 22, 22);
    return img;
}

QImage paintKrestPicture(qreal ratio) {
    QImage img = tablePicture(ratio);
    QPainter p(&img);
    prepareArtPainter(p);
    p.setPen(QPen(QColor(235, 0, 0), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 29), QPointF(55, 67));
    p.drawLine(QPointF(55, 29), QPointF(16, 67));
    return img;
}

namespace {

// The hand outline in logical pixels. Edges sit on pixel centres (x.5) so the
// one-pixel outline is crisp at 100 %. The finger tip is flat across x 9.5 to
// 11.5, so its outline fills the whole hot-spot pixel (10, 6) at any ratio.
QPainterPath handOutline() {
    QPainterPath h;
    h.moveTo(7.5, 9.5);
    h.cubicTo(7.5, 7.5, 8.2, 6.5, 9.5, 6.5);
    h.lineTo(11.5, 6.5);
    h.cubicTo(12.8, 6.5, 13.5, 7.5, 13.5, 9.5);
    h.lineTo(13.5, 16.5);
    h.cubicTo(13.5, 14.0, 17.5, 14.0, 17.5, 16.5); // middle finger knuckle
    h.cubicTo(17.5, 14.5, 21.5, 14.5, 21.5, 17.0); // ring finger
    h.cubicTo(21.5, 15.5, 25.5, 15.5, 25.5, 18.0); // little finger
    h.lineTo(25.5, 23.5);
    h.cubicTo(25.5, 26.5, 24.0, 27.5, 22.5, 28.5);
    h.lineTo(22.5, 30.5); // wrist
    h.lineTo(11.5, 30.5);
    h.lineTo(11.5, 28.5);
    h.cubicTo(9.0, 27.0, 4.5, 23.0, 3.0, 19.5); // heel of the hand to the thumb
    h.cubicTo(2.2, 17.6, 4.4, 16.4, 6.0, 17.8); // thumb tip
    h.lineTo(7.5, 19.0);
    h.closeSubpath();
    return h;
}

} // namespace

QImage paintRukaPicture(qreal ratio) {
    const int side = deviceSpan(31, ratio).last;
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::transparent);
    QPainter p(&img);
    prepareArtPainter(p);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(handOutline());
    // Creases between the curled fingers and a cuff line at the wrist.
    p.drawLine(QPointF(17.5, 16.5), QPointF(17.5, 19.5));
    p.drawLine(QPointF(21.5, 17.0), QPointF(21.5, 20.0));
    p.drawLine(QPointF(11.5, 28.5), QPointF(22.5, 28.5));
    return img;
}
