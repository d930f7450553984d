// Stamping a shape from a sprite must give the same pixels as filling it in
// place, wherever it lands between device pixels and however it is turned.
#include "ArtStamps.h"
#include "LogicalPixels.h"
#include "SuitArt.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Placement {
    QPointF centre;
    qreal height;
    bool turned; // painter rotated 180 degrees about the card centre
};

QImage paintSpades(qreal ratio, const std::vector<Placement>& placements, ArtStamps* stamps) {
    QImage img = makePicture(71, 96, ratio);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Placement& at : placements) {
        p.save();
        if (at.turned) {
            p.translate(71, 96);
            p.rotate(180);
        }
        const QTransform t(at.height, 0, 0, at.height, at.centre.x(), at.centre.y());
        if (stamps) {
            stamps->fill(p, suitShape(4), t, suitInk(4));
        } else {
            p.setTransform(t, true);
            p.setPen(Qt::NoPen);
            p.setBrush(suitInk(4));
            p.drawPath(suitShape(4));
        }
        p.restore();
    }
    return img;
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb u = a.pixel(x, y), v = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(u) - qRed(v)), std::abs(qGreen(u) - qGreen(v)),
                              std::abs(qBlue(u) - qBlue(v))});
        }
    return worst;
}

} // namespace

TEST(ArtStamps, StampedShapesMatchShapesFilledInPlace) {
    const std::vector<Placement> placements = {
        {{21.5, 18}, 13, false},   {{49.5, 18}, 13, false}, // same sprite twice
        {{35.3, 40.7}, 13, false},                          // odd sub-pixel offset
        {{21.5, 18}, 13, true},                             // turned round
        {{7, 19}, 7.5, false},                              // another size
    };
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        ArtStamps stamps;
        const QImage stamped = paintSpades(ratio, placements, &stamps);
        const QImage filled = paintSpades(ratio, placements, nullptr);
        // Rounding in premultiplied blending differs by a few levels; a sprite
        // off by even a fraction of a pixel differs by far more at the edges.
        EXPECT_LE(largestChannelDifference(stamped, filled), 6) << "at " << ratio << "x";
        EXPECT_EQ(stamps.spriteCount(), 4) << "the repeated pip reuses its sprite";
    }
}
