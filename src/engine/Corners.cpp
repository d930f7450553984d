#include "Corners.h"

#include "LogicalPixels.h"

#include "Card.h"

namespace {

// Where each copied corner reads from: the inside of the neighbour's picture,
// which no corner ever repaints.
void copyTopRightCorner(QImage& card, const QImage& aboveRight) {
    copyLogicalPixel(card, 70, 0, aboveRight, 32, 40);
    copyLogicalPixel(card, 69, 0, aboveRight, 31, 40);
    copyLogicalPixel(card, 70, 1, aboveRight, 32, 41);
}

void copyTopLeftCorner(QImage& card, const QImage& aboveLeft) {
    copyLogicalPixel(card, 0, 0, aboveLeft, 39, 40);
    copyLogicalPixel(card, 1, 0, aboveLeft, 40, 40);
    copyLogicalPixel(card, 0, 1, aboveLeft, 39, 41);
}

void copyFanTopCorner(QImage& card, const QImage& beneath) {
    copyLogicalPixel(card, 0, 0, beneath, 15, 0);
    copyLogicalPixel(card, 1, 0, beneath, 16, 0);
    copyLogicalPixel(card, 0, 1, beneath, 15, 1);
}

void copyFanBottomCorner(QImage& card, const QImage& beneath) {
    copyLogicalPixel(card, 0, 94, beneath, 15, 94);
    copyLogicalPixel(card, 1, 95, beneath, 16, 95);
    copyLogicalPixel(card, 0, 95, beneath, 15, 95);
}

} // namespace

const QImage& artPicture(const TBankForm& bank, int art) {
    if (art >= kBackArt)
        return bank.back(art - kBackArt);
    return bank.imageOfMD((art - 1) / 13 + 1, art % 13 + 1);
}

QImage cornerPainted(const TBankForm& bank, int art, const CardCorners& corners) {
    QImage card = artPicture(bank, art);
    constexpr CardCorner kCorner[] = {CardCorner::TopLeft, CardCorner::TopRight,
                                      CardCorner::BottomLeft, CardCorner::BottomRight};
    for (int i = 0; i < 4; ++i) {
        const CornerSource& c = corners[size_t(i)];
        switch (c.look) {
        case CornerLook::Own:
            break;
        case CornerLook::Table:
            paintCardCorner(card, kCorner[i], kTableColour);
            break;
        case CornerLook::AboveRight:
            copyTopRightCorner(card, artPicture(bank, c.art));
            break;
        case CornerLook::AboveLeft:
            copyTopLeftCorner(card, artPicture(bank, c.art));
            break;
        case CornerLook::Beneath:
            if (i == kTopLeft)
                copyFanTopCorner(card, artPicture(bank, c.art));
            else
                copyFanBottomCorner(card, artPicture(bank, c.art));
            break;
        }
    }
    return card;
}

void cornersOnTable(CardCorners& corners, int place) {
    corners[kBottomLeft] = {CornerLook::Table, 0};
    corners[kBottomRight] = {CornerLook::Table, 0};
    if (place == plStock || place == plWaste || place == plDiscarded) {
        corners[kTopLeft] = {CornerLook::Table, 0};
        corners[kTopRight] = {CornerLook::Table, 0};
    }
}
