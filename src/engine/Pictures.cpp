// Putting faces and backs on the table's card pictures, and their corners.
#include "Game.h"

#include "Corners.h"
#include "Formbank.h"

#include "LogicalPixels.h"

#include <algorithm>

namespace {

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

} // namespace

void Game::setPicture(int card, const QImage& picture) {
    sc.cards[card].image = picture;
    s.corners[card] = {};
}

void Game::loaddeckimage(int n) {
    s.deck = n;
}

const QImage& Game::backPicture() const {
    return bank.back(s.deck);
}

void Game::loadalldeck() {
    for (int n = 1; n <= kCardCount; ++n)
        if (!s.cards[n].faceUp)
            setPicture(n, backPicture());
}

void Game::loadfrontimage(int card) {
    Card& c = s.cards[card];
    c.face = &bank.imageOfMD(c.suit, c.rank);
    if (c.faceUp)
        setPicture(card, *c.face);
    ugol(card, plStock);
}

void Game::loadallimage() {
    for (int n = 1; n <= kCardCount; ++n)
        loadfrontimage(n);
}

void Game::changeBack(int n) {
    loaddeckimage(n);
    loadalldeck();
}

void Game::ugol(int card, int place) {
    paintCorners(sc.cards[card].image, place);
    cornersOnTable(s.corners[card], place);
}

void Game::ugol28() {
    for (int r = 2; r <= kPyramidRows; ++r) {
        const int first = r * (r - 1) / 2 + 1;
        for (int k = 1; k <= r - 1; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded) {
                copyTopRightCorner(sc.cards[n].image, sc.cards[n - r + 1].image);
                s.corners[n][kTopRight] = {CornerLook::AboveRight, shownArt(n - r + 1)};
            }
        }
        for (int k = 2; k <= r; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded) {
                copyTopLeftCorner(sc.cards[n].image, sc.cards[n - r].image);
                s.corners[n][kTopLeft] = {CornerLook::AboveLeft, shownArt(n - r)};
            }
        }
    }
}

void Game::ugol3(int card, int position) {
    if (position < 2 || s.wasteCount == 0)
        return;
    const int beneath = s.waste[s.wasteCount];
    if (beneath != 0)
        fanCorners(card, beneath);
}

void Game::repaintFanCorners() {
    if (s.drawThree == 0 || s.fanCount == 0)
        return;
    const int firstOfFan = s.wasteCount - s.lastFanCount + 1;
    for (int i = std::max(firstOfFan + 1, 2); i <= s.wasteCount; ++i)
        if (s.waste[i] != 0 && s.waste[i - 1] != 0)
            fanCorners(s.waste[i], s.waste[i - 1]);
}

void Game::fanCorners(int card, int beneath) {
    copyFanCorners(sc.cards[card].image, sc.cards[beneath].image);
    const CornerSource source{CornerLook::Beneath, shownArt(beneath)};
    s.corners[card][kTopLeft] = source;
    s.corners[card][kBottomLeft] = source;
}

std::uint8_t Game::shownArt(int card) const {
    const Card& c = s.cards[card];
    return std::uint8_t(c.faceUp ? c.code : kBackArt + s.deck);
}

void Game::raise(int item) {
    const auto it = std::find(sc.stacking.begin(), sc.stacking.end(), item);
    if (it != sc.stacking.end())
        sc.stacking.erase(it);
    sc.stacking.push_back(item);
    s.raiseOrder.raise(item);
}
