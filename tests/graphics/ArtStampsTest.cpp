// Stamping a shape from a sprite must give the same pixels as filling it in
// place, wherever it lands between device pixels and however it is turned.
#include "ArtStamps.h"
#include "LogicalPixels.h"
#include "SuitArt.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

TEST(ArtStamps, StampedShapesMatchShapesFilledInPlace) {
    // Centre, height, and whether the painter is turned round the card's centre.
    const std::tuple<QPointF, qreal, bool> placements[] = {
        {{21.5, 18}, 13, false},   {{49.5, 18}, 13, false}, // same sprite twice
        {{35.3, 40.7}, 13, false},                          // odd sub-pixel offset
        {{21.5, 18}, 13, true},                             // turned round
        {{7, 19}, 7.5, false},                              // another size
    };
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        ArtStamps stamps;
        QImage stamped = makePicture(71, 96, ratio), filled = makePicture(71, 96, ratio);
        for (QImage* img : {&stamped, &filled}) {
            img->fill(Qt::white);
            QPainter p(img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(suitInk(4));
            for (const auto& [centre, height, turned] : placements) {
                p.setTransform(turned ? QTransform(-1, 0, 0, -1, 71, 96) : QTransform());
                const QTransform t(height, 0, 0, height, centre.x(), centre.y());
                if (img == &stamped) {
                    stamps.fill(p, suitShape(4), t, suitInk(4));
                } else {
                    p.setTransform(t, true);
                    p.drawPath(suitShape(4));
                }
            }
        }
        // Rounding in premultiplied blending differs by a few levels; a sprite
        // off by even a fraction of a pixel differs by far more at the edges.
        int worst = 0;
        for (int y = 0; y < stamped.height(); ++y)
            for (int x = 0; x < stamped.width(); ++x)
                worst = std::max(worst,
                                 std::abs(qGray(stamped.pixel(x, y)) - qGray(filled.pixel(x, y))));
        EXPECT_LE(worst, 6) << "at " << ratio << "x";
        EXPECT_EQ(stamps.spriteCount(), 4) << "the repeated pip reuses its sprite";
    }
}
