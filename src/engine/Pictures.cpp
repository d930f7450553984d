// Putting faces and backs on the table's card pictures, and their corners.
#include "Game.h"

#include "Corners.h"
#include "Formbank.h"

#include <algorithm>

void Game::setPicture(int card, const QImage& picture) {
    sc.cards[card].image = picture;
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
    if (s.imagenewShowsBack)
        sc.imagenew = backPicture();
}

void Game::showImagenew(const QImage& picture, bool isBack) {
    sc.imagenew = picture;
    s.imagenewShowsBack = isBack;
}

void Game::ugol(int card, int place) {
    paintCorners(sc.cards[card].image, place);
}

void Game::ugol28() {
    for (int r = 2; r <= kPyramidRows; ++r) {
        const int first = r * (r - 1) / 2 + 1;
        for (int k = 1; k <= r - 1; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded)
                copyTopRightCorner(sc.cards[n].image, sc.cards[n - r + 1].image);
        }
        for (int k = 2; k <= r; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded)
                copyTopLeftCorner(sc.cards[n].image, sc.cards[n - r].image);
        }
    }
}

void Game::ugol3(int card, int position) {
    if (position < 2 || s.wasteCount == 0)
        return;
    const int beneath = s.waste[s.wasteCount];
    if (beneath != 0)
        copyFanCorners(sc.cards[card].image, sc.cards[beneath].image);
}

void Game::repaintFanCorners() {
    if (s.drawThree == 0 || s.fanCount == 0)
        return;
    const int firstOfFan = s.wasteCount - s.lastFanCount + 1;
    for (int i = std::max(firstOfFan + 1, 2); i <= s.wasteCount; ++i)
        if (s.waste[i] != 0 && s.waste[i - 1] != 0)
            copyFanCorners(sc.cards[s.waste[i]].image, sc.cards[s.waste[i - 1]].image);
}
