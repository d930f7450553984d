#include "Corners.h"

#include "LogicalPixels.h"

#include "Card.h"

#include <algorithm>

namespace {

// One logical pixel of a corner copied from (sx, sy) of another picture. The
// sources lie inside that picture, where no corner ever repaints it.
struct LogicalCopy {
    int dx, dy, sx, sy;
};
constexpr LogicalCopy kFromAboveRight[] = {{70, 0, 32, 40}, {69, 0, 31, 40}, {70, 1, 32, 41}};
constexpr LogicalCopy kFromAboveLeft[] = {{0, 0, 39, 40}, {1, 0, 40, 40}, {0, 1, 39, 41}};
constexpr LogicalCopy kFanTop[] = {{0, 0, 15, 0}, {1, 0, 16, 0}, {0, 1, 15, 1}};
constexpr LogicalCopy kFanBottom[] = {{0, 94, 15, 94}, {1, 95, 16, 95}, {0, 95, 15, 95}};

// Card art is RGB32; reading its rows directly spares a format switch per pixel.
QRgb rgbAt(const QImage& img, int x, int y) {
    if (img.format() == QImage::Format_RGB32)
        return 0xff000000u | reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
    return img.pixel(x, y);
}

// Calls put(x, y, rgb) for every device pixel the corners set on `card`: a
// logical pixel is the block deviceSpan gives, a copied one reads the same
// block of the source. Stops when put returns false.
template <typename Put>
void forEachCornerPixel(const TBankForm& bank, const CardCorners& corners, const QImage& card,
                        Put&& put) {
    const qreal r = card.devicePixelRatio();
    const auto copy = [&](const LogicalCopy(&pixels)[3], const QImage& src) {
        const qreal sr = src.devicePixelRatio();
        for (const LogicalCopy& p : pixels) {
            const DeviceSpan dxs = deviceSpan(p.dx, r), dys = deviceSpan(p.dy, r);
            const DeviceSpan sxs = deviceSpan(p.sx, sr), sys = deviceSpan(p.sy, sr);
            for (int y = dys.first; y < std::min(dys.last, card.height()); ++y) {
                const int srcY = std::min(sys.first + (y - dys.first), sys.last - 1);
                for (int x = dxs.first; x < std::min(dxs.last, card.width()); ++x) {
                    const int srcX = std::min(sxs.first + (x - dxs.first), sxs.last - 1);
                    if (srcX < src.width() && srcY < src.height())
                        if (!put(x, y, rgbAt(src, srcX, srcY)))
                            return false;
                }
            }
        }
        return true;
    };
    const auto table = [&](int corner) {
        const bool right = corner == kTopRight || corner == kBottomRight;
        const bool bottom = corner == kBottomLeft || corner == kBottomRight;
        const int x = right ? 70 : 0, y = bottom ? 95 : 0;
        const QPoint pixels[] = {{x, y}, {right ? x - 1 : x + 1, y}, {x, bottom ? y - 1 : y + 1}};
        const QRgb rgb = kTableColour.rgb();
        for (QPoint p : pixels) {
            const DeviceSpan xs = deviceSpan(p.x(), r), ys = deviceSpan(p.y(), r);
            for (int dy = ys.first; dy < std::min(ys.last, card.height()); ++dy)
                for (int dx = xs.first; dx < std::min(xs.last, card.width()); ++dx)
                    if (!put(dx, dy, rgb))
                        return false;
        }
        return true;
    };
    for (int i = 0; i < 4; ++i) {
        const CornerSource& c = corners[size_t(i)];
        bool more = true;
        switch (c.look) {
        case CornerLook::Own:
            break;
        case CornerLook::Table:
            more = table(i);
            break;
        case CornerLook::AboveRight:
            more = copy(kFromAboveRight, artPicture(bank, c.art));
            break;
        case CornerLook::AboveLeft:
            more = copy(kFromAboveLeft, artPicture(bank, c.art));
            break;
        case CornerLook::Beneath:
            more = copy(i == kTopLeft ? kFanTop : kFanBottom, artPicture(bank, c.art));
            break;
        }
        if (!more)
            return;
    }
}

} // namespace

const QImage& artPicture(const TBankForm& bank, int art) {
    if (art >= kBackArt)
        return bank.back(art - kBackArt);
    return bank.imageOfMD((art - 1) / 13 + 1, art % 13 + 1);
}

bool cornersDiffer(const TBankForm& bank, const CardCorners& corners, const QImage& picture) {
    bool differ = false;
    forEachCornerPixel(bank, corners, picture, [&](int x, int y, QRgb rgb) {
        differ = rgbAt(picture, x, y) != rgb;
        return !differ;
    });
    return differ;
}

void paintCorners(const TBankForm& bank, const CardCorners& corners, QImage& picture) {
    if (picture.format() != QImage::Format_RGB32) {
        forEachCornerPixel(bank, corners, picture, [&](int x, int y, QRgb rgb) {
            picture.setPixel(x, y, rgb);
            return true;
        });
        return;
    }
    uchar* const bits = picture.bits(); // detaches once, not at every pixel
    const qsizetype stride = picture.bytesPerLine();
    forEachCornerPixel(bank, corners, picture, [&](int x, int y, QRgb rgb) {
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = rgb;
        return true;
    });
}

void cornersOnTable(CardCorners& corners, int place) {
    corners[kBottomLeft] = {CornerLook::Table, 0};
    corners[kBottomRight] = {CornerLook::Table, 0};
    if (place == plStock || place == plWaste || place == plDiscarded) {
        corners[kTopLeft] = {CornerLook::Table, 0};
        corners[kTopRight] = {CornerLook::Table, 0};
    }
}
