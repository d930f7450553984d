// A click on a card: selection, pairs adding up to 13, Kings, uncovering.
#include "Game.h"

#include "Formbank.h"

void Game::cardClick(int tag) {
    // Only the 52 card pictures and the discard place (-1) send clicks.
    if (!s.gameRunning || (tag != -1 && (tag < 1 || tag > kCardCount)))
        return;
    if (s.forwardedClick)
        s.forwardedClick = false; // the table click already chose the stock's top card
    else
        s.clickedCard = tag;
    if (s.clickedCard == -1)
        return;
    if (s.paused)
        nopause();
    if (s.selectionActive && s.clickedCard == s.selectedCard) {
        cancelhod();
        return;
    }
    const Card& card = s.cards[s.clickedCard];
    // Cards lying under the top of the stock or of the waste cannot be hit on
    // the table; a click that names one anyway is ignored.
    if ((card.place == plStock && s.clickedCard != s.stock[s.stockCount]) ||
        (card.place == plWaste && s.clickedCard != openWasteCard()))
        return;
    switch (card.place) {
    case plWasteBelow:
        return;
    case plStock:
        if (s.drawThree == 0) {
            pos0to1();
        } else {
            postanowka3();
        }
        break;
    case plWaste:
    case plOpen:
        if (card.rank == kKingRank) {
            // A King goes alone, whatever was selected before.
            s.selectedCard = std::uint8_t(s.clickedCard);
            bito();
            return;
        }
        if (!s.selectionActive) {
            s.selectedCard = std::uint8_t(s.clickedCard);
            showframe(s.clickedCard);
            s.selectionActive = true;
        } else {
            checksum();
        }
        break;
    default: // covered or discarded: nothing to take
        break;
    }
    updateStockMarker();
}

bool Game::canTake(int card) const {
    if (!s.gameRunning || card < 1 || card > kCardCount)
        return false;
    const int place = s.cards[card].place;
    return place == plOpen || (place == plWaste && card == openWasteCard());
}

bool Game::dropOnto(int card, int target) {
    if (!canTake(card))
        return false;
    if (s.cards[card].rank == kKingRank) {
        cardClick(card);
        return true;
    }
    if (target == card || !canTake(target) ||
        !(s.alwaysThirteen || pairValue(card) + pairValue(target) == 13))
        return false;
    // The dragged card is the pair's first pick, whatever was picked before.
    if (!(s.selectionActive && s.selectedCard == card)) {
        if (s.paused)
            nopause();
        s.selectedCard = std::uint8_t(card);
        showframe(card);
        s.selectionActive = true;
    }
    cardClick(target);
    return true;
}

void Game::checksum() {
    if (s.alwaysThirteen || pairValue(s.selectedCard) + pairValue(s.clickedCard) == 13)
        bito();
    else
        nobito();
}

void Game::nobito() {
    s.selectionActive = true;
    s.selectedCard = std::uint8_t(s.clickedCard);
    showframe(s.clickedCard);
}

void Game::cancelhod() {
    s.selectedCard = 0;
    showframe(0);
    s.selectionActive = false;
}

void Game::bito() {
    const int first = s.selectedCard;
    const int second = s.clickedCard;
    markMoved();
    for (int card : {first, second}) {
        if (s.cards[card].place == plWaste) {
            val3minus(card);
            removeFromWaste(card);
        }
        if (first == second) // a lone King leaves the waste once
            break;
    }
    s.cards[first].place = plDiscarded;
    ugol(first, plDiscarded);

    s.cards[second].place = plDiscarded;
    ugol(second, plDiscarded);
    s.raiseOrder.raise(second);

    showframe(0);
    checkpos3();
    s.selectionActive = false;
    s.clock.score += 13;
    showscore();
    // The apex opens only when the other 27 pyramid cards are gone.
    if (first == kApex || second == kApex)
        winner();
}

void Game::checkpos3() {
    // A removal can only uncover cards of the row above, so one pass suffices.
    int n = 1;
    for (int r = 1; r < kPyramidRows; ++r)
        for (int k = 1; k <= r; ++k, ++n) {
            if (s.cards[n].place != plCovered)
                continue;
            if (s.cards[n + r].place == plDiscarded && s.cards[n + r + 1].place == plDiscarded) {
                s.cards[n].place = plOpen;
                ugol(n, plOpen);
            }
        }
}

void Game::showframe(int card) {
    if (card == 0) {
        s.framed = kNoFrame;
        return;
    }
    frameAt(card);
}

void Game::frameAt(int item) {
    s.framed = item;
    s.raiseOrder.raise(kFrameItem);
}

void Game::hintframe(int card) {
    const bool partner = card != 0 && s.selectionActive && s.selectedCard != card &&
                         pairValue(s.selectedCard) + pairValue(card) == 13;
    if (!partner)
        cancelhod();
    frameAt(card != 0 ? card : kFrameOnStockPlace);
}

void Game::updateStockMarker() {
    if (s.stockCount != 0)
        return;
    s.stockPlace = casinoPassesUsedUp() ? StockPlaceShows::Cross : StockPlaceShows::Ring;
}

void Game::N131Click() {
    s.menu.N131Checked = !s.menu.N131Checked;
    s.alwaysThirteen = s.menu.N131Checked;
}
