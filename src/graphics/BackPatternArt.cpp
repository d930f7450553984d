#include "BackArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

void paintLatticeBack(QPainter& p, const QRectF& area) {
    p.fillRect(area, QColor(28, 66, 170));
    // Two fine diagonal lattices, red and a paler blue, offset by half a mesh
    // so they weave a net of small diamonds as on an engraved back. Thin lines
    // leave the ground blue; lines are anchored on the centre so the net sits
    // symmetrically in the border.
    constexpr qreal mesh = 6.0;
    const QPointF c = area.center();
    const qreal reach = area.width() + area.height();
    const int count = int(reach / mesh) + 1;
    auto net = [&](qreal offset) {
        QPainterPath path;
        for (int k = -count; k <= count; ++k) {
            const qreal d = k * mesh + offset;
            path.moveTo(c + QPointF(d - reach, -reach));
            path.lineTo(c + QPointF(d + reach, reach));
            path.moveTo(c + QPointF(d - reach, reach));
            path.lineTo(c + QPointF(d + reach, -reach));
        }
        return path;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 180, 255), 0.5));
    p.drawPath(net(mesh / 2));
    p.setPen(QPen(QColor(232, 44, 52), 0.65));
    p.drawPath(net(0));
    // A double frame, red then pale blue, keeps the net off the white border.
    p.setPen(QPen(QColor(232, 44, 52), 1.4));
    p.drawRect(area.adjusted(2.2, 2.2, -2.2, -2.2));
    p.setPen(QPen(QColor(170, 200, 255), 0.7));
    p.drawRect(area.adjusted(4.2, 4.2, -4.2, -4.2));
}

void paintWovenBack(QPainter& p, const QRectF& area) {
    const QColor blue(28, 70, 170), blueLight(70, 120, 215), blueDark(14, 36, 100);
    const QColor yellow(240, 196, 40), yellowLight(255, 232, 130), yellowDark(170, 120, 10);
    p.fillRect(area, blueDark);
    // Basket weave: square cells alternate between two yellow strips running
    // across and two blue strips running down, each strip shaded like a ribbon.
    // Cells are counted from one centred on the card, so the weave sits
    // symmetrically in the border (nine whole cells across) and looks the
    // same with the card turned round.
    constexpr qreal cell = 7.0;
    constexpr qreal strip = cell / 2;
    const QPointF c = area.center();
    const int half = int(std::ceil(area.height() / cell / 2)) + 1;
    for (int row = -half; row < half; ++row) {
        for (int col = -half; col < half; ++col) {
            const qreal x = c.x() + (col - 0.5) * cell, y = c.y() + (row - 0.5) * cell;
            if (x > area.right() || y > area.bottom() || x + cell < area.left() ||
                y + cell < area.top())
                continue;
            const bool across = (row + col) % 2 == 0;
            for (int k = 0; k < 2; ++k) {
                QRectF r = across ? QRectF(x, y + k * strip, cell, strip)
                                  : QRectF(x + k * strip, y, strip, cell);
                r.adjust(0.25, 0.25, -0.25, -0.25);
                QLinearGradient g(r.topLeft(), across ? r.bottomLeft() : r.topRight());
                g.setColorAt(0, across ? yellowLight : blueLight);
                g.setColorAt(0.5, across ? yellow : blue);
                g.setColorAt(1, across ? yellowDark : blueDark);
                p.fillRect(r, g);
            }
        }
    }
}
