#include "LogicalPixels.h"

#include <algorithm>
#include <cmath>
#include <utility>

DeviceSpan deviceSpan(int v, qreal ratio) {
    const int first = int(std::floor(v * ratio + 1e-9));
    const int last = std::max(first + 1, int(std::floor((v + 1) * ratio + 1e-9)));
    return {first, last};
}

QImage makePicture(int logicalWidth, int logicalHeight, qreal ratio) {
    QImage img(deviceSpan(logicalWidth - 1, ratio).last, deviceSpan(logicalHeight - 1, ratio).last,
               QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    return img;
}

void setLogicalPixel(QImage& img, int x, int y, const QColor& c) {
    const qreal r = img.devicePixelRatio();
    const DeviceSpan xs = deviceSpan(x, r), ys = deviceSpan(y, r);
    const QRgb rgb = c.rgb();
    // Reading first: a picture that already has the colour (card art carries
    // its rounded corners) stays shared with the store instead of being copied.
    const QImage& view = img;
    for (int dy = ys.first; dy < std::min(ys.last, img.height()); ++dy)
        for (int dx = xs.first; dx < std::min(xs.last, img.width()); ++dx)
            if (view.pixel(dx, dy) != rgb)
                img.setPixel(dx, dy, rgb);
}

void paintCardCorner(QImage& card, CardCorner corner, const QColor& c) {
    const bool right = corner == CardCorner::TopRight || corner == CardCorner::BottomRight;
    const bool bottom = corner == CardCorner::BottomLeft || corner == CardCorner::BottomRight;
    const int x = right ? 70 : 0, y = bottom ? 95 : 0;
    setLogicalPixel(card, x, y, c);
    setLogicalPixel(card, right ? x - 1 : x + 1, y, c);
    setLogicalPixel(card, x, bottom ? y - 1 : y + 1, c);
}

void paintCardCorners(QImage& card, const QColor& c) {
    for (CardCorner corner : {CardCorner::TopLeft, CardCorner::TopRight, CardCorner::BottomLeft,
                              CardCorner::BottomRight})
        paintCardCorner(card, corner, c);
}

QRgb logicalPixel(const QImage& img, int x, int y) {
    const qreal r = img.devicePixelRatio();
    return img.pixel(deviceSpan(x, r).first, deviceSpan(y, r).first);
}
