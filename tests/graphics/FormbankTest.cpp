#include "Formbank.h"
#include "LogicalPixels.h"

#include <QIcon>
#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// Building a store is the slow part; each ratio is built once for all tests.
const TBankForm& store(qreal ratio) {
    static const TBankForm normal(1.0), wide(1.5), sharp(2.0);
    return ratio == 1.0 ? normal : ratio == 1.5 ? wide : sharp;
}

using Ink = std::function<bool(QRgb)>;
const auto isRed = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80; };
const auto isBlack = [](QRgb c) { return qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70; };
const auto isWhite = [](QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; };
const auto isGreen = [](QRgb c) { return qGreen(c) > 220 && qRed(c) < 60 && qBlue(c) < 60; };
const auto notTable = [](QRgb c) { return c != qRgb(0, 128, 0); };
const auto opaque = [](Ink ink) { return [ink](QRgb c) { return qAlpha(c) == 255 && ink(c); }; };

// Sums `ink` over the device pixels of a logical rectangle: a count for a
// yes-or-no test, more for a measure.
int countPixels(const QImage& img, const QRect& area, const std::function<int(QRgb)>& ink) {
    const qreal r = img.devicePixelRatio();
    int n = 0;
    for (int y = deviceSpan(area.top(), r).first; y < deviceSpan(area.bottom(), r).last; ++y)
        for (int x = deviceSpan(area.left(), r).first; x < deviceSpan(area.right(), r).last; ++x)
            n += ink(img.pixel(x, y));
    return n;
}

class FormbankAtRatio : public testing::TestWithParam<qreal> {};

} // namespace

TEST(Formbank, NamesFollowSuitAndFaceNumberAndEveryCardLooksDifferent) {
    const TBankForm& bank = store(1.0);
    const auto is = [&](const QImage& img, const char* name) {
        return img.cacheKey() == bank.picture(name).cacheKey();
    };
    EXPECT_TRUE(is(bank.imageOfMD(1, 1), "Imcard12"));   // Two of hearts
    EXPECT_TRUE(is(bank.imageOfMD(4, 13), "Imcard414")); // Ace of spades
    EXPECT_TRUE(is(bank.imageOfMD(3, 12), "Imcard313")); // King of clubs
    EXPECT_TRUE(is(bank.back(3), "ImRub3"));
    EXPECT_TRUE(is(bank.ImJoker(), "no such card"));
    const QStringList names = TBankForm::pictureNames(); // faces, backs, markers
    for (qsizetype i = 0; i < names.size(); ++i)
        for (qsizetype j = 0; j < i; ++j)
            EXPECT_FALSE(bank.picture(names[i]) == bank.picture(names[j]))
                << names[i].toStdString() << " looks like " << names[j].toStdString();
}

TEST(Formbank, FacesShowTheirSuitsInkTheirPipsAndTheirFigures) {
    for (qreal ratio : {1.0, 2.0})
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank) {
                SCOPED_TRACE(testing::Message() << suit << "/" << rank << " at " << ratio << "x");
                const QImage& face = store(ratio).imageOfMD(suit, rank);
                const Ink ink = suit <= 2 ? Ink(isRed) : Ink(isBlack);
                const Ink wrongInk = suit <= 2 ? Ink(isBlack) : Ink(isRed);
                for (const QRect& index : {QRect(1, 2, 12, 24), QRect(58, 70, 12, 24)}) {
                    EXPECT_GT(countPixels(face, index, ink), 25);
                    EXPECT_EQ(countPixels(face, index, wrongInk), 0);
                }
                // Pips are all one size, so a Two .. Ten holds half a Two's ink per pip.
                const QRect pipField(13, 3, 46, 90); // between the index columns
                const auto darkness = [&](const QImage& img) {
                    return countPixels(img, pipField, [](QRgb c) { return 255 - qGray(c); });
                };
                if (rank <= 9) {
                    const int two = darkness(store(ratio).imageOfMD(suit, 1));
                    EXPECT_EQ(std::lround(2.0 * darkness(face) / two), rank + 1);
                }
                // A court figure or the decorated ace brings many colours
                // (skin, gold, robes); a pip card only ink blended with white.
                QSet<int> colours;
                countPixels(face, pipField, [&](QRgb c) {
                    colours.insert((qRed(c) >> 6) << 4 | (qGreen(c) >> 6) << 2 | qBlue(c) >> 6);
                    return false;
                });
                const bool figure = (rank >= 10 && rank <= 12) || (rank == 13 && suit == 4);
                EXPECT_EQ(colours.size() >= 16, figure) << colours.size() << " colours";
            }
}

TEST(Formbank, MarkersAreAHollowGreenRingAndARedCross) {
    const TBankForm& bank = store(1.0);
    EXPECT_GT(countPixels(bank.impusto(), {0, 0, 71, 96}, isGreen), 300);
    EXPECT_EQ(logicalPixel(bank.impusto(), 35, 48), qRgb(0, 128, 0)) << "the ring is hollow";
    EXPECT_GT(countPixels(bank.Imkrest(), {0, 0, 71, 96}, isRed), 300);
}

TEST_P(FormbankAtRatio, EveryPictureIsAnOpaqueCardWithTableGreenCorners) {
    const qreal ratio = GetParam();
    for (const QString& name : TBankForm::pictureNames()) {
        SCOPED_TRACE(name.toStdString());
        const QImage& img = store(ratio).picture(name);
        EXPECT_EQ(img.devicePixelRatio(), ratio);
        EXPECT_EQ(img.size(), QSize(int(71 * ratio), int(96 * ratio))); // 142 x 192 at 2x
        EXPECT_FALSE(img.hasAlphaChannel());
        const int corners[][4] = {{0, 0, 1, 1}, {70, 0, -1, 1}, {0, 95, 1, -1}, {70, 95, -1, -1}};
        for (const auto& [x, y, dx, dy] : corners) {
            // The corner pixel and its two neighbours are table; markers are table throughout.
            for (const QPoint& p : {QPoint(x, y), QPoint(x + dx, y), QPoint(x, y + dy)})
                EXPECT_EQ(countPixels(img, QRect(p, p), notTable), 0) << p.x() << "," << p.y();
            const bool marker = name == "impusto" || name == "Imkrest";
            EXPECT_TRUE(marker || notTable(logicalPixel(img, x + 2 * dx, y + 2 * dy)))
                << x << "," << y;
        }
    }
}

TEST_P(FormbankAtRatio, HandCursorIsOutlinedAndHasItsFingerTipOnTheHotSpot) {
    const QImage hand = store(GetParam()).rukaImage();
    const QPoint hot = TBankForm::rukaHotSpot();
    EXPECT_EQ(hand.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(qAlpha(logicalPixel(hand, hot.x(), hot.y())), 255);
    const auto alpha = [](QRgb c) { return qAlpha(c); };
    EXPECT_EQ(countPixels(hand, QRect(0, 0, 32, hot.y() - 1), alpha), 0) << "above the finger tip";
    const int area = hand.width() * hand.height();
    EXPECT_GT(countPixels(hand, QRect(0, 0, 32, 32), opaque(isBlack)), area / 30) << "outline";
    EXPECT_GT(countPixels(hand, QRect(0, 0, 32, 32), opaque(isWhite)), area / 6) << "fill";
}

INSTANTIATE_TEST_SUITE_P(Ratios, FormbankAtRatio, testing::Values(1.0, 1.5, 2.0));

TEST(Formbank, DoubleRatioIsDrawnSharpNotEnlarged) {
    // Art drawn at 2x varies inside many 2 x 2 blocks, an enlarged 1x picture in none.
    const QImage& king = store(2.0).imageOfMD(4, 12);
    int detailed = 0;
    for (int y = 0; y < 192; y += 2)
        for (int x = 0; x < 142; x += 2) {
            const QRgb c = king.pixel(x, y);
            detailed += king.pixel(x + 1, y) != c || king.pixel(x, y + 1) != c ||
                        king.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(detailed, 400);
}

TEST(Formbank, ProgramIconOffersTheUsualSizesEachPaintedAtItsOwnSize) {
    // The window system copies every size the icon offers; a size offered but
    // blank or scaled from another would only show in a task switcher.
    const QIcon icon = TBankForm::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width());
        const QImage shown =
            icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, TBankForm::programIconImage(size.width()));
    }
}
