#include "ArtStamps.h"

#include <QPainter>

#include <cmath>

namespace {

// Sub-pixel offsets closer than this share a sprite; the difference is far
// below what antialiasing can show.
constexpr qreal kPhaseSteps = 64;

qint64 quantised(qreal v) {
    return qint64(std::llround(v * 4096));
}

} // namespace

ArtStamps::Sprite ArtStamps::render(const QPainterPath& shape, const QTransform& device,
                                    const QColor& ink, qreal ratio) {
    // `device` maps the shape to device pixels with its origin inside pixel (0, 0).
    const QRectF bounds = device.mapRect(shape.boundingRect());
    const QPoint topLeft(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1);
    const QPoint bottomRight(int(std::ceil(bounds.right())) + 1,
                             int(std::ceil(bounds.bottom())) + 1);
    Sprite s{QImage(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y(),
                    QImage::Format_ARGB32_Premultiplied),
             topLeft};
    s.image.fill(Qt::transparent);
    QPainter p(&s.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(device * QTransform::fromTranslate(-topLeft.x(), -topLeft.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(shape);
    p.end();
    s.image.setDevicePixelRatio(ratio);
    return s;
}

void ArtStamps::fill(QPainter& p, const QPainterPath& shape, const QTransform& placement,
                     const QColor& ink) {
    const qreal ratio = p.device()->devicePixelRatio();
    const QTransform device = placement * p.deviceTransform();
    const qreal wholeX = std::floor(device.dx()), wholeY = std::floor(device.dy());
    const int phaseX = int(std::lround((device.dx() - wholeX) * kPhaseSteps));
    const int phaseY = int(std::lround((device.dy() - wholeY) * kPhaseSteps));
    const Key key{&shape,
                  ink.rgba(),
                  quantised(device.m11()),
                  quantised(device.m12()),
                  quantised(device.m21()),
                  quantised(device.m22()),
                  phaseX,
                  phaseY};
    auto it = sprites.find(key);
    if (it == sprites.end()) {
        QTransform local = device;
        local.setMatrix(device.m11(), device.m12(), 0, device.m21(), device.m22(), 0,
                        phaseX / kPhaseSteps, phaseY / kPhaseSteps, 1);
        it = sprites.emplace(key, render(shape, local, ink, ratio)).first;
    }
    // Copy device pixel for device pixel: with the painter's own transform
    // undone, a sprite at the device's ratio lands one to one.
    p.save();
    p.resetTransform();
    p.drawImage(
        QPointF((wholeX + it->second.offset.x()) / ratio, (wholeY + it->second.offset.y()) / ratio),
        it->second.image);
    p.restore();
}
