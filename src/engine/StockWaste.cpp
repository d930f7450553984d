// The stock, the waste and its three-card fan, the redeal and its cost.
#include "Game.h"

#include "Formbank.h"

#include <algorithm>

int Game::openWasteCard() const {
    for (int i = s.wasteCount; i >= 1; --i)
        if (s.waste[i] != 0)
            return s.waste[i];
    return 0;
}

bool Game::casinoPassesUsedUp() const {
    return s.clock.scoreMode == smCasino && (s.drawThree == 0 || s.casinoPass >= 3);
}

void Game::endSelection() {
    showframe(0);
    s.selectionActive = false;
}

void Game::pos0to1() {
    const int c = s.clickedCard;
    markMoved();
    s.cards[c].place = plWaste;
    ugol(c, plWaste);
    s.cards[c].faceUp = true;
    loadfrontimage(c);
    s.raiseOrder.raise(c);
    endSelection();
    s.wasteFanned = false;
    ++s.wasteCount;
    --s.stockCount;
    s.waste[s.wasteCount] = std::uint8_t(c);
    menuperet(true);
}

void Game::postanowka3() {
    // Collapse what is left of the previous fan onto the first waste position.
    if (s.fanCount >= 1) {
        for (int i = std::max(1, s.wasteCount - s.lastFanCount + 1); i <= s.wasteCount; ++i) {
            const int c = s.waste[i];
            if (c == 0)
                continue;
            s.cards[c].place = plWaste;
            ugol(c, plWaste);
        }
    }
    const int n = std::min<int>(s.stockCount, 3);
    if (n > 0)
        markMoved();
    s.fanCount = 0;
    for (int j = 0; j < n; ++j) {
        const int c = s.stock[s.stockCount];
        s.cards[c].place = plWasteBelow;
        ugol(c, plWaste);
        s.cards[c].faceUp = true;
        loadfrontimage(c);
        s.raiseOrder.raise(c);
        ugol3(c, j + 1);
        ++s.wasteCount;
        s.waste[s.wasteCount] = std::uint8_t(c);
        --s.stockCount;
        menuperet(true);
        ++s.fanCount;
    }
    s.lastFanCount = s.fanCount;
    s.wasteFanned = true;
    if (n > 0) {
        const int top = s.waste[s.wasteCount];
        s.cards[top].place = plWaste;
    }
    endSelection();
    menuperet(true);
}

void Game::val3minus(int /*card*/) {
    if (s.drawThree == 0 || s.fanCount == 0)
        return; // one-card waste, or a collapsed card under the fan
    --s.fanCount;
    if (s.wasteCount == 0 || s.fanCount == 0)
        return;
    const int beneath = s.waste[s.wasteCount - (s.lastFanCount - s.fanCount)];
    s.cards[beneath].place = plWaste;
}

void Game::removeFromWaste(int card) {
    for (int i = 1; i <= s.wasteCount; ++i)
        if (s.waste[i] == card)
            s.waste[i] = 0;
}

void Game::peretasowka() {
    if (casinoPassesUsedUp()) {
        newkazinogame();
        return;
    }
    markMoved();
    s.stockPlace = StockPlaceShows::Back;
    if (s.clock.scoreMode == smCasino)
        ++s.casinoPass;
    endSelection();
    // Returned in reverse, so the next pass turns them in the same order again.
    for (int i = s.wasteCount; i >= 1; --i) {
        const int c = s.waste[i];
        if (c == 0)
            continue;
        s.raiseOrder.raise(c);
        s.cards[c].place = plStock;
        ugol(c, plStock);
        s.cards[c].faceUp = false;
        s.stock[++s.stockCount] = std::uint8_t(c);
        s.clock.score -= s.redealPenalty.wholePart();
        if (s.drawThree)
            s.redealPenalty.addSixth();
        else
            s.redealPenalty.addHalf();
    }
    loadalldeck();
    s.wasteCount = 0;
    s.wasteFanned = false;
    showscore();
    menuperet(false);
}

void Game::newkazinogame() {
    if (s.showDialog && !host.ask(Question::CasinoNewDeal))
        return;
    s.gameRunning = false; // so the new deal asks nothing more
    newgame();
}

void Game::mnback(bool enabled) {
    s.menu.menurozdEnabled = enabled;
    s.menu.popmenurozdEnabled = enabled;
}

void Game::menuperet(bool turned) {
    if (!turned) {
        if (s.menu.menurozdEnabled) {
            mnback(false);
            if (s.clock.scoreMode == smCasino)
                s.menu.peretminusVisible = false;
        }
        return;
    }
    if (casinoPassesUsedUp()) {
        mnback(false);
        return;
    }
    if (!s.menu.menurozdEnabled) {
        mnback(true);
        // The separator goes with the command it stands over.
        s.menu.peretminusVisible = true;
    }
}

void Game::stockPlaceClick() {
    if (s.wasteCount > 0)
        peretasowka();
    else
        newgame();
}

void Game::tableClick() {
    if (!s.newCards)
        return;
    if (!s.gameRunning)
        newgame();
    if (!s.gameRunning)
        return;
    if (s.stockCount > 0) {
        s.clickedCard = s.stock[s.stockCount];
        s.forwardedClick = true;
        cardClick(-1);
    } else if (s.wasteCount > 0) {
        peretasowka();
    }
}
