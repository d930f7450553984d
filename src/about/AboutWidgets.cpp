#include "AboutWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// `width` rings of one pixel, top and left edges in one colour, bottom and
// right in the other; returns the rectangle inside them.
QRect frame3D(QPainter& p, QRect r, QColor topLeft, QColor bottomRight, int width) {
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

QRect drawBevel(QPainter& p, const QRect& r, BevelKind kind, int width) {
    const QColor light = QColor::fromRgb(kAboutHighlight);
    const QColor dark = QColor::fromRgb(kAboutShadow);
    switch (kind) {
    case BevelKind::Raised:
        return frame3D(p, r, light, dark, width);
    case BevelKind::Lowered:
        return frame3D(p, r, dark, light, width);
    case BevelKind::None:
        break;
    }
    return r;
}

} // namespace

AboutPanel::AboutPanel(BevelKind outer, BevelKind inner, int bevelWidth, QWidget* parent)
    : QWidget(parent), outer(outer), inner(inner), bevel(bevelWidth) {}

void AboutPanel::setBorderWidth(int width) {
    if (width == border)
        return;
    border = width;
    update();
}

void AboutPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor face = QColor::fromRgb(kAboutSilver);
    p.fillRect(rect(), face);
    QRect r = drawBevel(p, rect(), outer, bevel);
    r.adjust(border, border, -border, -border);
    drawBevel(p, r, inner, bevel);
}

BevelBox::BevelBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawBevel(p, rect(), BevelKind::Raised, 1);
}

StretchedPicture::StretchedPicture(Source source, QWidget* parent)
    : QWidget(parent), source(std::move(source)) {}

const QImage& StretchedPicture::picture() const {
    if (image.isNull() && source)
        image = source(devicePixelRatioF());
    return image;
}

void StretchedPicture::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture());
}

void StretchedPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
