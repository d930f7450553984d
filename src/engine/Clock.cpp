// The status-bar texts, the game clock, pause and the score reset.
#include "Game.h"

#include "Texts.h"

void Game::showscore() {
    if (s.clock.scoreMode == smNone)
        return;
    s.panels[2] = s.clock.scoreText();
}

void Game::showtime() {
    if (s.clock.scoreMode != smStandard)
        s.panels[0] = s.clock.timeText(s.language);
}

void Game::showDealNumber() {
    if (s.cardsCreated)
        s.panels[1] = langtext(s.language, 250).arg(s.dealNumber);
}

void Game::setLanguage(int language) {
    s.language = language;
    if (!s.panels[1].isEmpty())
        showDealNumber();
}

void Game::TimerGameTimer() {
    // A tick can still be on its way when the clock stops (a won game, a
    // pause); it belongs to no game.
    if (!s.timerOn || s.clock.scoreMode == smStandard)
        return;
    const bool charged = s.clock.tick();
    showtime();
    if (charged)
        showscore();
}

namespace {

// Pause hides every card of the pyramid and the waste; the stock is face
// down already and the discard pile keeps its faces.
void turnPlayableCards(GameState& s, bool faceUp) {
    for (int n = 1; n <= kCardCount; ++n) {
        const int place = s.cards[n].place;
        if (place == plWaste || place == plCovered || place == plOpen || place == plWasteBelow)
            s.cards[n].faceUp = faceUp;
    }
}

} // namespace

void Game::gamepause() {
    if (s.paused) {
        nopause();
        return;
    }
    setTimer(false);
    s.paused = true;
    turnPlayableCards(s, false);
    loadalldeck();
    ugol28();
    repaintFanCorners();
    s.panels[0] = ScoreClock::pauseText(s.language);
}

void Game::nopause() {
    setTimer(true);
    s.paused = false;
    if (s.clock.scoreMode == smStandard)
        s.panels[0].clear();
    else
        showtime();
    turnPlayableCards(s, true);
    loadallimage();
    ugol28();
    repaintFanCorners();
}

void Game::menunilscoreClick() {
    if (s.showDialog && !host.ask(Question::ResetScore))
        return;
    countEnd(false);
    s.clock.score = 0;
    s.clock.gameSeconds = 0;
    gambol(false); // the new deal asks nothing
    newgame();
}
