#include "FaceArt.h"

#include "ArtKit.h"
#include "CardArt.h"
#include "SuitArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <vector>

namespace {

constexpr QPointF kCardCentre(35.5, 48);

// Corner index: the rank sits in a column left of the pips, its suit below it.
constexpr qreal kIndexX = 7.0;        // centre of the index column
constexpr qreal kIndexTop = 3.5;      // top of the rank glyphs
constexpr qreal kIndexHeight = 9.0;   // cap height of the rank
constexpr qreal kIndexMaxWidth = 9.5; // "10" is squeezed to fit the column
constexpr qreal kIndexSuitY = 19.0;
constexpr qreal kIndexSuitHeight = 7.5;

QString rankText(int face) {
    switch (face) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    case 14:
        return QStringLiteral("A");
    default:
        return QString::number(face);
    }
}

// The rank as an outline one unit of cap height tall, top centre at the origin.
// Outlines rather than text keep the index identical at every ratio.
QPainterPath makeRankGlyph(int face) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    if (face == 10)
        font.setStretch(QFont::Condensed);
    QPainterPath path;
    path.addText(0, 0, font, rankText(face));
    const qreal cap = QFontMetricsF(font).capHeight();
    const QRectF box = path.boundingRect();
    QTransform t;
    t.scale(1 / cap, 1 / cap);
    t.translate(-box.center().x(), cap);
    return t.map(path);
}

const QPainterPath& rankGlyph(int face) {
    static const std::vector<QPainterPath> glyphs = [] {
        std::vector<QPainterPath> v;
        for (int f = 2; f <= 14; ++f)
            v.push_back(makeRankGlyph(f));
        return v;
    }();
    return glyphs[size_t(face - 2)];
}

void paintIndex(QPainter& p, ArtStamps& stamps, int suit, int face) {
    const QPainterPath& glyph = rankGlyph(face);
    const qreal width = glyph.boundingRect().width() * kIndexHeight;
    const qreal squeeze = width > kIndexMaxWidth ? kIndexMaxWidth / width : 1.0;
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(71, 96);
            p.rotate(180);
        }
        stamps.fill(p, glyph,
                    QTransform(kIndexHeight * squeeze, 0, 0, kIndexHeight, kIndexX, kIndexTop),
                    suitInk(suit));
        paintSuit(p, stamps, suit, QPointF(kIndexX, kIndexSuitY), kIndexSuitHeight);
        p.restore();
    }
}

// Pip places as on a printed deck, one row per face number 2..10: column L, C
// or R, then the row in twelfths of the way from the top pip row to the
// bottom one. Pips below the middle are turned upside down.
const char* const kPipLayouts[] = {
    "C0 C12",                           // 2
    "C0 C6 C12",                        // 3
    "L0 R0 L12 R12",                    // 4
    "L0 R0 C6 L12 R12",                 // 5
    "L0 R0 L6 R6 L12 R12",              // 6
    "L0 R0 C3 L6 R6 L12 R12",           // 7
    "L0 R0 C3 L6 R6 C9 L12 R12",        // 8
    "L0 R0 L4 R4 C6 L8 R8 L12 R12",     // 9
    "L0 R0 C2 L4 R4 L8 R8 C10 L12 R12", // 10
};

void paintPips(QPainter& p, ArtStamps& stamps, int suit, int face) {
    // Rows 60 apart put every twelfth on a whole pixel row, so the same few
    // pip sprites serve the whole deck.
    constexpr qreal top = 18, twelfth = 5, pipHeight = 13;
    constexpr qreal left = 21.5, right = 49.5;
    for (const char* c = kPipLayouts[face - 2]; *c;) {
        const char column = *c++;
        int row = 0;
        while (*c >= '0' && *c <= '9')
            row = row * 10 + (*c++ - '0');
        while (*c == ' ')
            ++c;
        const qreal x = column == 'L' ? left : column == 'R' ? right : kCardCentre.x();
        paintSuit(p, stamps, suit, QPointF(x, top + row * twelfth), pipHeight, row > 6);
    }
}

void paintAce(QPainter& p, const ArtKit& art, int suit) {
    if (suit == 4) {
        // The ace of spades carries the deck's decoration.
        art.aceOfSpades()->render(&p, QRectF(9.5, 12, 52, 72));
        return;
    }
    paintSuit(p, art.stamps(), suit, kCardCentre, 30);
}

} // namespace

QImage paintFacePicture(const ArtKit& art, int suit, int face) {
    QImage img = art.blankCard();
    {
        QPainter p(&img);
        prepareArtPainter(p);
        if (face == 14)
            paintAce(p, art, suit);
        else if (face >= 11)
            paintCourtFigure(p, art, suit, face);
        else
            paintPips(p, art.stamps(), suit, face);
        paintIndex(p, art.stamps(), suit, face);
    }
    paintTableCorners(img);
    return img;
}
