// Which faces and backs the cards show, and what their corners show.
#include "Game.h"

#include "Corners.h"
#include "Formbank.h"

#include <algorithm>

void Game::ownCorners(int card) {
    s.corners[card] = {};
}

void Game::loaddeckimage(int n) {
    s.deck = n;
}

void Game::loadalldeck() {
    for (int n = 1; n <= kCardCount; ++n)
        if (!s.cards[n].faceUp)
            ownCorners(n);
}

void Game::loadfrontimage(int card) {
    if (s.cards[card].faceUp)
        ownCorners(card);
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
    cornersOnTable(s.corners[card], place);
}

void Game::ugol28() {
    for (int r = 2; r <= kPyramidRows; ++r) {
        const int first = r * (r - 1) / 2 + 1;
        for (int k = 1; k <= r - 1; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded)
                s.corners[n][kTopRight] = {CornerLook::AboveRight, shownArt(s, n - r + 1)};
        }
        for (int k = 2; k <= r; ++k) {
            const int n = first + k - 1;
            if (s.cards[n].place != plDiscarded)
                s.corners[n][kTopLeft] = {CornerLook::AboveLeft, shownArt(s, n - r)};
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
    const CornerSource source{CornerLook::Beneath, shownArt(s, beneath)};
    s.corners[card][kTopLeft] = source;
    s.corners[card][kBottomLeft] = source;
}
