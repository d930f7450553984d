#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <map>
#include <tuple>

class QPainter;

// Fills small shapes that recur on many cards (pips, index letters) by copying
// a pre-rendered sprite instead of filling curves each time. A sprite is made
// for each distinct shape, colour, scale, turn and sub-pixel offset, so a
// stamped shape matches painting it in place; building the store gets several
// times faster because a deck repeats the same few shapes hundreds of times.
class ArtStamps {
public:
    // Fills `shape`, placed by `placement` and then the painter's transform, in
    // `ink`. The shape must outlive the stamps: its address is part of the key.
    void fill(QPainter& p, const QPainterPath& shape, const QTransform& placement,
              const QColor& ink);

    int spriteCount() const { return int(sprites.size()); }

private:
    struct Sprite {
        QImage image;  // device pixels, premultiplied alpha
        QPoint offset; // of the image from the whole pixel under the shape's origin
    };
    using Key = std::tuple<const QPainterPath*, QRgb, qint64, qint64, qint64, qint64, int, int>;

    static Sprite render(const QPainterPath& shape, const QTransform& device, const QColor& ink);

    static Sprite render(const QPainterPath& shape, const QTransform& device, const QColor& ink,
                         qreal ratio);

    std::map<Key, Sprite> sprites;
};
