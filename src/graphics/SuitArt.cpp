#include "SuitArt.h"

#include "ArtStamps.h"

#include <QPainter>
#include <QTransform>

#include <array>
#include <initializer_list>

namespace {

// Each shape is drawn in a box one unit tall, y from -0.5 (top) to 0.5 (bottom).

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.14, 0.32, -0.52, 0.08, -0.52, -0.2);
    p.cubicTo(-0.52, -0.4, -0.38, -0.5, -0.25, -0.5);
    p.cubicTo(-0.11, -0.5, -0.02, -0.41, 0, -0.29);
    p.cubicTo(0.02, -0.41, 0.11, -0.5, 0.25, -0.5);
    p.cubicTo(0.38, -0.5, 0.52, -0.4, 0.52, -0.2);
    p.cubicTo(0.52, 0.08, 0.14, 0.32, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    // Slightly hollow sides read as a card diamond rather than a rhombus.
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.21, 0.4, 0);
    p.quadTo(0.16, 0.21, 0, 0.5);
    p.quadTo(-0.16, 0.21, -0.4, 0);
    p.quadTo(-0.16, -0.21, 0, -0.5);
    p.closeSubpath();
    return p;
}

// A flared foot shared by clubs and spades, joined to the body at y = top.
QPainterPath stem(qreal top) {
    QPainterPath p;
    // Wide enough to stay solid at 13 logical pixels, the usual pip height.
    p.moveTo(-0.075, top);
    p.cubicTo(-0.075, 0.36, -0.13, 0.45, -0.25, 0.5);
    p.lineTo(0.25, 0.5);
    p.cubicTo(0.13, 0.45, 0.075, 0.36, 0.075, top);
    p.closeSubpath();
    return p;
}

QPainterPath circle(QPointF centre, qreal r) {
    QPainterPath p;
    p.addEllipse(centre, r, r);
    return p;
}

// Joins pieces into one outline. A plain winding fill would leave holes where
// pieces drawn in opposite directions overlap; united() does not, but it
// flattens curves with a fixed tolerance, so the union is taken at a large
// scale to keep the lobes round.
QPainterPath unite(std::initializer_list<QPainterPath> pieces) {
    const QTransform up = QTransform::fromScale(1000, 1000);
    QPainterPath all;
    for (const QPainterPath& piece : pieces)
        all = all.united(up.map(piece));
    return up.inverted().map(all);
}

QPainterPath club() {
    const qreal r = 0.235;
    QPainterPath core;
    core.moveTo(0, -0.1);
    core.lineTo(0.2, 0.12);
    core.lineTo(0.06, 0.26);
    core.lineTo(-0.06, 0.26);
    core.lineTo(-0.2, 0.12);
    core.closeSubpath();
    return unite({circle({0, -0.255}, r), circle({-0.265, 0.1}, r), circle({0.265, 0.1}, r), core,
                  stem(0.1)});
}

QPainterPath spade() {
    QPainterPath body;
    body.moveTo(0, -0.5);
    body.cubicTo(0.14, -0.3, 0.5, -0.12, 0.5, 0.13);
    body.cubicTo(0.5, 0.3, 0.38, 0.39, 0.25, 0.39);
    body.cubicTo(0.13, 0.39, 0.04, 0.32, 0, 0.24);
    body.cubicTo(-0.04, 0.32, -0.13, 0.39, -0.25, 0.39);
    body.cubicTo(-0.38, 0.39, -0.5, 0.3, -0.5, 0.13);
    body.cubicTo(-0.5, -0.12, -0.14, -0.3, 0, -0.5);
    body.closeSubpath();
    return unite({body, stem(0.2)});
}

} // namespace

bool isRedSuit(int suit) {
    return suit == 1 || suit == 2;
}

QColor suitInk(int suit) {
    return isRedSuit(suit) ? QColor(212, 16, 28) : QColor(16, 16, 20);
}

const QPainterPath& suitShape(int suit) {
    static const std::array<QPainterPath, 4> shapes = {heart(), diamond(), club(), spade()};
    return shapes[size_t(suit - 1)];
}

void paintSuit(QPainter& p, ArtStamps& stamps, int suit, QPointF centre, qreal height,
               bool upsideDown) {
    stamps.fill(p, suitShape(suit),
                QTransform(height, 0, 0, upsideDown ? -height : height, centre.x(), centre.y()),
                suitInk(suit));
}
