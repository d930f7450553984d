#include "FaceArt.h"

#include "ArtKit.h"
#include "CardArt.h"
#include "SuitArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <array>
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

// Pip positions as on a printed deck: three columns, rows as fractions of the
// height between the top and bottom pip rows.
struct Pip {
    char column; // 'L', 'C', 'R'
    qreal row;   // 0 top .. 1 bottom
};

const std::vector<Pip>& pipLayout(int face) {
    static const std::array<std::vector<Pip>, 9> layouts = {{
        {{'C', 0}, {'C', 1}},
        {{'C', 0}, {'C', 0.5}, {'C', 1}},
        {{'L', 0}, {'R', 0}, {'L', 1}, {'R', 1}},
        {{'L', 0}, {'R', 0}, {'C', 0.5}, {'L', 1}, {'R', 1}},
        {{'L', 0}, {'R', 0}, {'L', 0.5}, {'R', 0.5}, {'L', 1}, {'R', 1}},
        {{'L', 0}, {'R', 0}, {'C', 0.25}, {'L', 0.5}, {'R', 0.5}, {'L', 1}, {'R', 1}},
        {{'L', 0}, {'R', 0}, {'C', 0.25}, {'L', 0.5}, {'R', 0.5}, {'C', 0.75}, {'L', 1}, {'R', 1}},
        {{'L', 0},
         {'R', 0},
         {'L', 1 / 3.0},
         {'R', 1 / 3.0},
         {'C', 0.5},
         {'L', 2 / 3.0},
         {'R', 2 / 3.0},
         {'L', 1},
         {'R', 1}},
        {{'L', 0},
         {'R', 0},
         {'C', 1 / 6.0},
         {'L', 1 / 3.0},
         {'R', 1 / 3.0},
         {'L', 2 / 3.0},
         {'R', 2 / 3.0},
         {'C', 5 / 6.0},
         {'L', 1},
         {'R', 1}},
    }};
    return layouts[size_t(face - 2)];
}

void paintPips(QPainter& p, ArtStamps& stamps, int suit, int face) {
    // Rows 60 apart put every pip of every layout on a whole pixel row, so the
    // same few pip sprites serve the whole deck.
    constexpr qreal top = 18, bottom = 78, left = 21.5, right = 49.5;
    constexpr qreal pipHeight = 13.0;
    for (const Pip& pip : pipLayout(face)) {
        const qreal x = pip.column == 'L' ? left : pip.column == 'R' ? right : kCardCentre.x();
        const qreal y = top + pip.row * (bottom - top);
        paintSuit(p, stamps, suit, QPointF(x, y), pipHeight, pip.row > 0.5);
    }
}

void paintAce(QPainter& p, const ArtKit& art, int suit) {
    if (suit == 4) {
        // The ace of spades carries the deck's decoration.
        art.aceOfSpades().render(&p, QRectF(9.5, 12, 52, 72));
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
