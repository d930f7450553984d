#include "LogicalPixels.h"

#include <algorithm>
#include <cmath>

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
    for (int dy = ys.first; dy < std::min(ys.last, img.height()); ++dy)
        for (int dx = xs.first; dx < std::min(xs.last, img.width()); ++dx)
            img.setPixel(dx, dy, rgb);
}

void copyLogicalPixel(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy) {
    const qreal r = dst.devicePixelRatio();
    const DeviceSpan dxs = deviceSpan(dx, r), dys = deviceSpan(dy, r);
    const DeviceSpan sxs = deviceSpan(sx, src.devicePixelRatio());
    const DeviceSpan sys = deviceSpan(sy, src.devicePixelRatio());
    for (int y = dys.first; y < std::min(dys.last, dst.height()); ++y) {
        const int srcY = std::min(sys.first + (y - dys.first), sys.last - 1);
        for (int x = dxs.first; x < std::min(dxs.last, dst.width()); ++x) {
            const int srcX = std::min(sxs.first + (x - dxs.first), sxs.last - 1);
            if (srcX < src.width() && srcY < src.height())
                dst.setPixel(x, y, src.pixel(srcX, srcY));
        }
    }
}

QRgb logicalPixel(const QImage& img, int x, int y) {
    const qreal r = img.devicePixelRatio();
    return img.pixel(deviceSpan(x, r).first, deviceSpan(y, r).first);
}
