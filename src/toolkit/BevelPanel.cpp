#include "BevelPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

int widthOf(BevelPanel::Bevel bevel) {
    return bevel == BevelPanel::Bevel::None ? 0 : 1;
}

void drawBevel(QPainter& p, const QRect& r, const QPalette& palette, BevelPanel::Bevel bevel) {
    if (bevel != BevelPanel::Bevel::None)
        qDrawShadePanel(&p, r, palette, bevel == BevelPanel::Bevel::Lowered, 1);
}

} // namespace

BevelPanel::BevelPanel(Bevel outer, Bevel inner, int borderWidth, QWidget* parent)
    : QLabel(parent), outer(outer), inner(inner), border(borderWidth) {
    // The text keeps a pixel's distance from the inner bevel, as on the old panels.
    const int edge = widthOf(outer) + border + widthOf(inner) + 1;
    setContentsMargins(edge, edge, edge, edge);
}

void BevelPanel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter p(this);
    const QRect r = rect();
    drawBevel(p, r, palette(), outer);
    const int in = widthOf(outer) + border;
    drawBevel(p, r.adjusted(in, in, -in, -in), palette(), inner);
}

void BevelPanel::mousePressEvent(QMouseEvent* event) {
    tracker.press(event);
    event->accept();
}

void BevelPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (tracker.release(event, rect()))
        Q_EMIT clicked();
}
