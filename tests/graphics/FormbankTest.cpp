// The image store: names and mapping, what the faces show, the rounded table
// corners at every screen scale, the backs, the hand cursor and the icon.
#include "Formbank.h"
#include "LogicalPixels.h"

#include <QSet>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace {

// Building a store is the slow part; each ratio is built once for all tests.
const TBankForm& store(qreal ratio) {
    static const TBankForm normal(1.0), wide(1.5), sharp(2.0);
    return ratio == 1.0 ? normal : ratio == 1.5 ? wide : sharp;
}

using InkTest = std::function<bool(QRgb)>;
bool isTableGreen(QRgb c) {
    return c == qRgb(0, 128, 0);
}
bool isRedInk(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isBlackInk(QRgb c) {
    return qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool isWhite(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

// Counts separate 8-connected blobs of ink inside a logical rectangle.
int countBlobs(const QImage& img, const QRect& logical, const InkTest& ink) {
    const qreal r = img.devicePixelRatio();
    const QRect area(deviceSpan(logical.left(), r).first, deviceSpan(logical.top(), r).first,
                     deviceSpan(logical.right(), r).last - deviceSpan(logical.left(), r).first,
                     deviceSpan(logical.bottom(), r).last - deviceSpan(logical.top(), r).first);
    std::vector<bool> seen(size_t(img.width() * img.height()));
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[size_t(y * img.width() + x)] || !ink(img.pixel(x, y)))
                continue;
            ++blobs;
            std::vector<QPoint> todo{{x, y}};
            seen[size_t(y * img.width() + x)] = true;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!area.contains(q) || seen[size_t(q.y() * img.width() + q.x())] ||
                            !ink(img.pixel(q)))
                            continue;
                        seen[size_t(q.y() * img.width() + q.x())] = true;
                        todo.push_back(q);
                    }
            }
        }
    return blobs;
}

int countPixels(const QImage& img, const QRect& logical, const InkTest& test) {
    int n = 0;
    for (int y = logical.top(); y <= logical.bottom(); ++y)
        for (int x = logical.left(); x <= logical.right(); ++x)
            n += test(logicalPixel(img, x, y)) ? 1 : 0;
    return n;
}

// Every device pixel of logical pixel (x, y) has colour c.
bool wholeLogicalPixelIs(const QImage& img, int x, int y, QRgb c) {
    const qreal r = img.devicePixelRatio();
    const DeviceSpan xs = deviceSpan(x, r), ys = deviceSpan(y, r);
    for (int dy = ys.first; dy < ys.last; ++dy)
        for (int dx = xs.first; dx < xs.last; ++dx)
            if (img.pixel(dx, dy) != c)
                return false;
    return true;
}

QByteArray bytesOf(const QImage& img) {
    return QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
}

const QRect kPipField(13, 3, 46, 90);     // between the two index columns
const QRect kTopIndex(1, 2, 12, 24);      // rank and suit, top left
const QRect kBottomIndex(58, 70, 12, 24); // the same, turned, bottom right

// Each corner pixel and the directions to its two neighbours in the triangle.
constexpr std::array<std::array<int, 4>, 4> kCorners = {
    {{0, 0, 1, 1}, {70, 0, -1, 1}, {0, 95, 1, -1}, {70, 95, -1, -1}}};

class FormbankAtRatio : public testing::TestWithParam<qreal> {};

} // namespace

TEST(FormbankNames, FaceNamesFollowSuitAndFaceNumber) {
    const TBankForm& bank = store(1.0);
    EXPECT_EQ(bank.imageOfMD(1, 1).cacheKey(), bank.picture("Imcard12").cacheKey());   // Two ♥
    EXPECT_EQ(bank.imageOfMD(4, 13).cacheKey(), bank.picture("Imcard414").cacheKey()); // Ace ♠
    EXPECT_EQ(bank.imageOfMD(3, 12).cacheKey(), bank.picture("Imcard313").cacheKey()); // King ♣
    QSet<QByteArray> faces;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const QString name = QStringLiteral("Imcard%1%2").arg(suit).arg(rank + 1);
            EXPECT_EQ(bank.imageOfMD(suit, rank).cacheKey(), bank.picture(name).cacheKey())
                << name.toStdString();
            faces.insert(bytesOf(bank.imageOfMD(suit, rank)));
        }
    EXPECT_EQ(faces.size(), 52) << "two faces look the same";
    const QStringList names = TBankForm::pictureNames();
    EXPECT_EQ(names.size(), 67);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 67);
    EXPECT_EQ(bank.picture("ImRub3").cacheKey(), bank.back(3).cacheKey());
    EXPECT_EQ(bank.picture("no such card").cacheKey(), bank.ImJoker().cacheKey());
}

TEST(FormbankFaces, PipCardsShowAsManySeparatePipsAsTheirRank) {
    for (qreal ratio : {1.0, 2.0})
        for (int suit = 1; suit <= 4; ++suit) {
            const InkTest ink = suit <= 2 ? InkTest(isRedInk) : InkTest(isBlackInk);
            for (int rank = 1; rank <= 9; ++rank) // Two .. Ten
                EXPECT_EQ(countBlobs(store(ratio).imageOfMD(suit, rank), kPipField, ink), rank + 1)
                    << "suit " << suit << " rank " << rank << " at " << ratio << "x";
            if (suit != 4) {
                EXPECT_EQ(countBlobs(store(ratio).imageOfMD(suit, 13), kPipField, ink), 1)
                    << "the plain aces have one big pip";
            }
        }
}

TEST(FormbankFaces, IndicesInTwoCornersInTheSuitsInk) {
    const TBankForm& bank = store(1.0);
    for (int suit = 1; suit <= 4; ++suit) {
        const bool red = suit <= 2;
        for (int rank = 1; rank <= 13; ++rank) {
            const QImage& face = bank.imageOfMD(suit, rank);
            for (const QRect& index : {kTopIndex, kBottomIndex}) {
                const int redInk = countPixels(face, index, isRedInk);
                const int blackInk = countPixels(face, index, isBlackInk);
                EXPECT_GT(red ? redInk : blackInk, 25) << suit << "/" << rank;
                EXPECT_EQ(red ? blackInk : redInk, 0) << suit << "/" << rank;
            }
        }
    }
}

TEST(FormbankFaces, CourtsAndTheAceOfSpadesArePaintedInColour) {
    // Pip cards hold only ink and its blends with white; a court figure or the
    // decorated ace brings many more colours (skin, gold, robes).
    const TBankForm& bank = store(1.0);
    auto colours = [](const QImage& img) {
        QSet<int> seen;
        for (int y = 10; y < 86; ++y)
            for (int x = 14; x < 57; ++x) {
                const QRgb c = logicalPixel(img, x, y);
                seen.insert((qRed(c) >> 6) << 4 | (qGreen(c) >> 6) << 2 | qBlue(c) >> 6);
            }
        return seen.size();
    };
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 10; rank <= 12; ++rank)
            EXPECT_GE(colours(bank.imageOfMD(suit, rank)), 16) << suit << "/" << rank;
        for (int rank = 1; rank <= 9; ++rank)
            EXPECT_LE(colours(bank.imageOfMD(suit, rank)), 8) << suit << "/" << rank;
        EXPECT_EQ(colours(bank.imageOfMD(suit, 13)) >= 16, suit == 4) << "ace " << suit;
    }
}

TEST(FormbankBacks, TwelveDifferentDesignsInsideAWhiteBorder) {
    const TBankForm& bank = store(1.0);
    QSet<QByteArray> designs;
    for (int n = 1; n <= TBankForm::kBackCount; ++n) {
        const QImage& back = bank.back(n);
        designs.insert(bytesOf(back));
        for (const QPoint& border : {QPoint(2, 48), QPoint(68, 48), QPoint(35, 2), QPoint(35, 93)})
            EXPECT_TRUE(isWhite(logicalPixel(back, border.x(), border.y())))
                << "ImRub" << n << " at " << border.x() << "," << border.y();
        EXPECT_LT(countPixels(back, QRect(6, 6, 59, 84), isWhite), 59 * 84 / 4)
            << "ImRub" << n << " is mostly blank";
    }
    EXPECT_EQ(designs.size(), TBankForm::kBackCount);
    EXPECT_FALSE(designs.contains(bytesOf(bank.imageOfMD(1, 1))));
}

TEST(FormbankMarkers, MarkersOnTheTable) {
    const TBankForm& bank = store(1.0);
    auto isBrightGreen = [](QRgb c) { return qGreen(c) > 220 && qRed(c) < 60 && qBlue(c) < 60; };
    EXPECT_GT(countPixels(bank.impusto(), QRect(0, 0, 71, 96), isBrightGreen), 300);
    EXPECT_GT(countPixels(bank.Imkrest(), QRect(0, 0, 71, 96), isRedInk), 300);
    EXPECT_TRUE(isTableGreen(logicalPixel(bank.impusto(), 35, 48))) << "the ring is hollow";
    QSet<QRgb> greys;
    for (int x = 20; x < 30; ++x)
        greys.insert(logicalPixel(bank.ImJoker(), x, 40));
    EXPECT_EQ(greys.size(), 2) << "ImJoker is a two-colour dot pattern";
}

TEST_P(FormbankAtRatio, EveryPictureIsAnOpaqueCardWithTableGreenCorners) {
    const qreal ratio = GetParam();
    const TBankForm& bank = store(ratio);
    const QStringList names = TBankForm::pictureNames();
    for (const QString& name : names) {
        const QImage& img = bank.picture(name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(img.devicePixelRatio(), ratio);
        EXPECT_EQ(img.size(), makePicture(71, 96, ratio).size());
        if (ratio == 1.0 || ratio == 2.0) {
            EXPECT_EQ(img.deviceIndependentSize(), QSizeF(71, 96));
        }
        EXPECT_FALSE(img.hasAlphaChannel());
        for (const auto& [x, y, dx, dy] : kCorners) {
            EXPECT_TRUE(wholeLogicalPixelIs(img, x, y, qRgb(0, 128, 0))) << x << "," << y;
            EXPECT_TRUE(wholeLogicalPixelIs(img, x + dx, y, qRgb(0, 128, 0))) << x << "," << y;
            EXPECT_TRUE(wholeLogicalPixelIs(img, x, y + dy, qRgb(0, 128, 0))) << x << "," << y;
            if (name != "impusto" && name != "Imkrest") { // cards: only the corner is table
                EXPECT_FALSE(isTableGreen(logicalPixel(img, x + 2 * dx, y + 2 * dy)));
            }
        }
    }
}

TEST_P(FormbankAtRatio, HandCursorPointsWithItsFingerTipAtTheHotSpot) {
    const qreal ratio = GetParam();
    const QImage hand = store(ratio).rukaImage();
    const QPoint hot = TBankForm::rukaHotSpot();
    EXPECT_EQ(hand.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_TRUE(hand.hasAlphaChannel());
    EXPECT_EQ(qAlpha(logicalPixel(hand, hot.x(), hot.y())), 255) << "hot spot on the hand";
    for (int y = 0; y < hot.y() - 1; ++y) // nothing above the finger tip but air
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(qAlpha(logicalPixel(hand, x, y)), 0) << x << "," << y;
    // A black outline round a white hand, counted in device pixels.
    int black = 0, white = 0;
    for (int y = 0; y < hand.height(); ++y)
        for (int x = 0; x < hand.width(); ++x) {
            const QRgb c = hand.pixel(x, y);
            black += qAlpha(c) == 255 && isBlackInk(c);
            white += qAlpha(c) == 255 && isWhite(c);
        }
    const int area = hand.width() * hand.height();
    EXPECT_GT(black, area / 30) << "outline";
    EXPECT_GT(white, area / 6) << "fill";
}

INSTANTIATE_TEST_SUITE_P(Ratios, FormbankAtRatio, testing::Values(1.0, 1.5, 2.0));

TEST(FormbankRatio, DoubleRatioIsDrawnSharpNotEnlarged) {
    // At 2x each logical pixel holds four device pixels; art drawn at the full
    // resolution varies inside many of them, an enlarged 1x picture in none.
    const QImage& king = store(2.0).imageOfMD(4, 12);
    EXPECT_EQ(king.size(), QSize(142, 192));
    int detailed = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            const QRgb c = king.pixel(2 * x, 2 * y);
            detailed += king.pixel(2 * x + 1, 2 * y) != c || king.pixel(2 * x, 2 * y + 1) != c ||
                        king.pixel(2 * x + 1, 2 * y + 1) != c;
        }
    EXPECT_GT(detailed, 400);
}

TEST(FormbankIcon, GoldenPyramidWithACardOnATransparentGround) {
    const QImage icon = TBankForm::programIconImage(64);
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(icon.pixel(1, 1)), 0);
    auto isGold = [](QRgb c) {
        return qAlpha(c) == 255 && qRed(c) > 180 && qGreen(c) > 110 && qRed(c) - qBlue(c) > 90;
    };
    int gold = 0, white = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            gold += isGold(icon.pixel(x, y));
            white += qAlpha(icon.pixel(x, y)) == 255 && isWhite(icon.pixel(x, y));
        }
    EXPECT_GT(gold, 250);
    EXPECT_GT(white, 150);
    EXPECT_FALSE(TBankForm::programIcon().availableSizes().isEmpty());
}
