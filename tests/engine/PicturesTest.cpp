#include "TableFixture.h"

#include "Corners.h"
#include "LogicalPixels.h"

#include <QRegularExpression>

TEST_F(TableTest, ANewBackReachesFaceDownCardsOnlyAndSparesTheEmptyStockMarker) {
    game->setScoreMode(smStandard);
    deal();
    play("t t"); // two cards face up on the waste
    game->changeBack(7);
    expectSoundTable("a new back"); // face-down cards show it, the others their faces
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().back(7).cacheKey()); // a full stock

    play("t*22");
    ASSERT_EQ(scene().imagenew.cacheKey(), testBank().impusto().cacheKey());
    game->changeBack(3);
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().impusto().cacheKey());
    play("F4"); // and the next redeal shows the new back
    EXPECT_EQ(scene().imagenew.cacheKey(), testBank().back(3).cacheKey());
}

namespace {

// What corner `xy` (TL, TR, BL or BR) of card n shows wrongly, or an empty
// string. Its three logical pixels, as whole device-pixel blocks, show the
// table (beneath == 0) or card n + beneath: the card above it in the
// pyramid, or the card beneath it in a fan, 15 columns on.
std::string cornerFault(const Scene& sc, int n, const QString& xy, int beneath) {
    const bool right = xy[1] == u'R', bottom = xy[0] == u'B';
    const QPoint shift = beneath > 0 ? QPoint(15, 0) : right ? QPoint(-38, 40) : QPoint(39, 40);
    const QPoint at(right ? 70 : 0, bottom ? 95 : 0), in(right ? -1 : 1, bottom ? -1 : 1);
    const QImage& card = sc.cards[n].image;
    const int r = int(card.devicePixelRatio()); // whole ratios only: a block is r x r
    const auto block = [r](const QImage& img, QPoint p) {
        return img.copy(QRect(p * r, QSize(r, r)));
    };
    for (QPoint p : {at, at + QPoint(in.x(), 0), at + QPoint(0, in.y())}) {
        QImage want = block(beneath ? sc.cards[n + beneath].image : card, p + shift);
        if (!beneath)
            want.fill(kTableColour);
        if (block(card, p) != want)
            return "card " + std::to_string(n) + " at logical (" + std::to_string(p.x()) + ", " +
                   std::to_string(p.y()) + ")";
    }
    return {};
}

} // namespace

TEST_F(TableTest, CornersRoundAgainstTheTableOrTheCardBeneathAtEveryRatio) {
    static const TBankForm sharp(2.0);
    struct Row {
        const TBankForm& store;
        int drawThree;
        std::map<int, const char*> named;
        const char* script;
        const char* corners; // "first[-last] XY[beneath]", as cornerFault() reads them
    } rows[] = {
        // The deal: outer corners of each row against the table, inner ones
        // from the cards above; bottoms and the stock's tops against the table.
        {testBank(),
         0,
         {},
         "",
         "1-2 TL, 1 TR, 3 TR, 22 TL, 28 TR, 3 TL-2, 2 TR-1, 12-15 TL-5, 11-14 TR-4, "
         "23-28 TL-7, 22-27 TR-6, 1-52 BL, 1-52 BR, 29-52 TL, 29-52 TR"},
        // At 200 % every logical pixel is a block; a three-card fan shows the
        // card beneath in its left corners.
        {sharp, 1, {}, "t", "1 TL, 2 TR-1, 50-51 TL+1, 50-51 BL+1, 50 TR, 50 BR"},
        // Paired and lone cards on the discard pile are round on every side;
        // a card they uncover rounds its bottom, its top stays as dealt.
        {testBank(),
         0,
         {{22, "5h"}, {23, "8c"}, {24, "Kd"}, {16, "2s"}},
         "24 22 23",
         "22-24 TL, 22-24 TR, 22-28 BL, 22-28 BR, 16 BL, 16 BR, 16 TL, 16 TR-5"},
    };
    const QRegularExpression item(R"((\d+)(?:-(\d+))? ([TB][LR])([+-]\d+)?)");
    for (const Row& row : rows) {
        restart(row.store);
        game->setDrawThree(row.drawThree);
        deal(row.named);
        play(row.script);
        SCOPED_TRACE(std::string("after \"") + row.script + "\"\n" + dump().toStdString());
        const qreal ratio = row.store.devicePixelRatio();
        EXPECT_EQ(scene().cards[1].image.size(), QSize(71, 96) * ratio);
        EXPECT_EQ(scene().cards[1].image.devicePixelRatio(), ratio);
        for (auto it = item.globalMatch(QString::fromLatin1(row.corners)); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const int first = m.captured(1).toInt();
            const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
            for (int n = first; n <= last; ++n)
                EXPECT_EQ(cornerFault(scene(), n, m.captured(3), m.captured(4).toInt()), "");
        }
    }
}

// A deal paints no picture it can share, a picture the window still shows is
// never painted over, and once warm a card paints into the buffer it showed
// the time before instead of asking for a new one.
TEST_F(TableTest, PicturesAreSharedOrReusedButNeverPaintedWhileHeldElsewhere) {
    game->setScoreMode(smStandard);
    deal();
    for (int n = 29; n <= 52; ++n) // the back's art is already round on the table
        EXPECT_EQ(scene().cards[n].image.constBits(), testBank().back(2).constBits()) << n;

    const QImage held = scene().cards[16].image; // as the window holds it
    const QImage heldPixels = held.copy();
    play("F5 F5 F5 F5");
    EXPECT_EQ(held, heldPixels);

    std::map<int, const uchar*> buffers;
    for (int n = 2; n <= 28; ++n)
        buffers[n] = scene().cards[n].image.constBits();
    play("F5 F5");
    for (int n = 2; n <= 28; ++n)
        EXPECT_EQ(scene().cards[n].image.constBits(), buffers[n]) << "card " << n;
}
