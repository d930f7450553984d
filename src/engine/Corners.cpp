#include "Corners.h"

#include "LogicalPixels.h"

#include "Card.h"

void paintCorners(QImage& card, int place) {
    paintCardCorner(card, CardCorner::BottomRight, kTableColour);
    paintCardCorner(card, CardCorner::BottomLeft, kTableColour);
    if (place == plStock || place == plWaste || place == plDiscarded) {
        paintCardCorner(card, CardCorner::TopLeft, kTableColour);
        paintCardCorner(card, CardCorner::TopRight, kTableColour);
    }
}

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

void copyFanCorners(QImage& card, const QImage& beneath) {
    copyLogicalPixel(card, 0, 0, beneath, 15, 0);
    copyLogicalPixel(card, 1, 0, beneath, 16, 0);
    copyLogicalPixel(card, 0, 1, beneath, 15, 1);
    copyLogicalPixel(card, 0, 94, beneath, 15, 94);
    copyLogicalPixel(card, 1, 95, beneath, 16, 95);
    copyLogicalPixel(card, 0, 95, beneath, 15, 95);
}
