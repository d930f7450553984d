// Starting a game: the question, the shuffle, the deal and the stake.
#include "Game.h"

#include "Formbank.h"

Game::Game(const TBankForm& bank, GameHost& host, TimeOfDaySource timeOfDay)
    : bank(bank), host(host), timeOfDay(std::move(timeOfDay)) {}

void Game::newgame() {
    // Ask before anything changes, so No leaves the running game untouched.
    if (s.gameRunning && s.showDialog && !host.ask(Question::NewGame))
        return;
    if (host.postponeDeal())
        return;
    deal(timeOfDay(), false);
}

void Game::selectDeal(quint32 number) {
    if (s.gameRunning && s.showDialog && !host.ask(Question::NewGame))
        return;
    deal(number % kDealNumbers, true);
}

void Game::restartDeal() {
    if (s.cardsCreated)
        selectDeal(s.dealNumber);
}

void Game::deal(quint32 number, bool chosen) {
    countEnd(false); // a game dealt over is lost
    forgetHistory();
    ++s.deals;
    s.dealNumber = number;
    s.dealChosen = chosen;
    if (s.clock.scoreMode == smCasino) {
        s.casinoPass = 1;
        mnback(s.drawThree != 0);
    }
    razmetka(s.slots);
    createcard();
    randomsort();
    razdacha();
    ugol28();
    menuperet(false);
    s.stockPlace = StockPlaceShows::Back;
    if (s.clock.scoreMode == smStandard)
        s.panels[0].clear();
    setTimer(true);
    s.paused = false;
    if (!s.saveScore) {
        s.clock.score = 0;
        s.clock.gameSeconds = 0;
    }
    // Shown after the reset, so a new game never shows the previous game's time.
    showtime();
    s.scoreBeforeDeal = s.clock.score;
    s.clock.score -= ScoreClock::stake(s.drawThree != 0);
    s.redealPenalty = RedealPenalty::fromInteger(s.drawThree ? 4 : 12);
    showscore();
    showDealNumber();
    s.framed = kNoFrame;
    s.raiseOrder.raise(kFrameItem);
    s.wasteCount = 0;
    gambol(true);
}

void Game::createcard() {
    if (s.cardsCreated)
        return;
    for (int n = 1; n <= kCardCount; ++n)
        s.raiseOrder.raise(n);
    s.cardsCreated = true;
}

void Game::randomsort() {
    applyCodes(shuffledCodes(s.dealNumber));
}

void Game::applyCodes(const std::array<int, kCardCount + 1>& codes) {
    for (int i = 1; i <= kCardCount; ++i) {
        Card& card = s.cards[i];
        card.code = codes[i];
        card.suit = std::uint8_t((card.code - 1) / 13 + 1);
        card.rank = std::uint8_t(card.code % 13 + 1);
    }
}

void Game::presetCodes(const std::array<int, kCardCount + 1>& codes) {
    applyCodes(codes);
    loadallimage();
    ugol28();
}

void Game::razdacha() {
    for (int n = 1; n <= kPyramidCount; ++n) {
        s.cards[n].faceUp = true;
        s.cards[n].place = plCovered;
    }
    for (int n = 22; n <= kPyramidCount; ++n) {
        s.cards[n].place = plOpen;
    }
    s.stockCount = 0;
    for (int n = kPyramidCount + 1; n <= kCardCount; ++n) {
        s.stock[++s.stockCount] = std::uint8_t(n);
        s.cards[n].faceUp = false;
        s.cards[n].place = plStock;
    }
    // Later card numbers lie over earlier ones: each pyramid row over the row
    // above, card 52 on top of the stock.
    for (int n = 1; n <= kCardCount; ++n)
        s.raiseOrder.raise(n);
    loadalldeck();
    loadallimage();
    s.selectionActive = false;
}
