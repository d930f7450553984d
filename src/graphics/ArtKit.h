#pragma once

#include "ArtStamps.h"

#include <QImage>

#include <memory>

class QSvgRenderer;

// What the painters share while the store is built at one device pixel
// ratio: where the SVG art lies; the sprite stamps for recurring shapes; and
// the blank card every face and back starts from.
class ArtKit {
public:
    explicit ArtKit(qreal devicePixelRatio);
    ~ArtKit();
    ArtKit(const ArtKit&) = delete;
    ArtKit& operator=(const ArtKit&) = delete;

    qreal ratio() const { return devicePixelRatio; }

    // Each SVG picture serves one card, so it is parsed when that card is
    // painted and dropped with it: a parsed document and the outlines its
    // drawing caches outweigh the finished card many times, and holding them
    // all at once would leave the heap that much bigger for the whole run.

    // Upper half of a court figure, face 11 Jack, 12 Queen, 13 King.
    std::unique_ptr<QSvgRenderer> court(int suit, int face) const;
    std::unique_ptr<QSvgRenderer> aceOfSpades() const;
    // The picture of back n, or nullptr for the woven patterns drawn in code.
    std::unique_ptr<QSvgRenderer> backMotif(int n) const;

    ArtStamps& stamps() const { return stampCache; }

    // A white card with its outline on the table green, ready to paint on.
    QImage blankCard() const { return blank; }

private:
    qreal devicePixelRatio;
    mutable ArtStamps stampCache;
    QImage blank;
};
