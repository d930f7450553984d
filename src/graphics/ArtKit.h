#pragma once

#include "ArtStamps.h"

#include <QImage>

#include <array>
#include <memory>

class QSvgRenderer;

// What the painters share while the store is built at one device pixel
// ratio: the SVG art, parsed once; the sprite stamps for recurring shapes; and
// the blank card every face and back starts from.
class ArtKit {
public:
    explicit ArtKit(qreal devicePixelRatio);
    ~ArtKit();
    ArtKit(const ArtKit&) = delete;
    ArtKit& operator=(const ArtKit&) = delete;

    qreal ratio() const { return devicePixelRatio; }

    // Upper half of a court figure, face 11 Jack, 12 Queen, 13 King.
    QSvgRenderer& court(int suit, int face) const;
    QSvgRenderer& aceOfSpades() const;
    // The picture of back n, or nullptr for the woven patterns drawn in code.
    QSvgRenderer* backMotif(int n) const;

    ArtStamps& stamps() const { return stampCache; }

    // A white card with its outline on the table green, ready to paint on.
    QImage blankCard() const { return blank; }

private:
    qreal devicePixelRatio;
    std::array<std::unique_ptr<QSvgRenderer>, 12> courts;
    std::array<std::unique_ptr<QSvgRenderer>, 12> backs;
    std::unique_ptr<QSvgRenderer> ace;
    mutable ArtStamps stampCache;
    QImage blank;
};
