#include "ShadowLabel.h"

#include <QPainter>

namespace {

const QColor kShadow(128, 128, 128);
constexpr int kShadowSize = 2;

} // namespace

ShadowLabel::ShadowLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    // Aligned in the room left beside the shadow, so that text and shadow
    // together sit where the text alone would.
    const QRect area = contentsRect().adjusted(0, 0, -kShadowSize, -kShadowSize);
    const int flags = int(alignment());
    p.setPen(kShadow);
    p.drawText(area.translated(kShadowSize, kShadowSize), flags, text());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(area, flags, text());
}
