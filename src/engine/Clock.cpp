// The status-bar texts, the game clock, pause and the score reset.
#include "Game.h"

void Game::showscore() {
    if (s.clock.scoreMode == smNone)
        return;
    sc.panels[2] = s.clock.scoreText();
}

void Game::showtime() {
    if (s.clock.scoreMode != smStandard)
        sc.panels[0] = s.clock.timeText();
}

void Game::TimerGameTimer() {
    if (s.clock.scoreMode == smStandard)
        return;
    const bool charged = s.clock.tick();
    showtime();
    if (charged)
        showscore();
}

namespace {

bool hiddenByPause(int place) {
    return place == plWaste || place == plCovered || place == plOpen || place == plWasteBelow;
}

} // namespace

void Game::gamepause() {
    if (s.paused) {
        nopause();
        return;
    }
    setTimer(false);
    s.paused = true;
    for (int n = 1; n <= kCardCount; ++n)
        if (hiddenByPause(s.cards[n].place))
            s.cards[n].faceUp = false;
    loadalldeck();
    ugol28();
    repaintFanCorners();
    sc.panels[0] = ScoreClock::pauseText();
}

void Game::nopause() {
    setTimer(true);
    s.paused = false;
    if (s.clock.scoreMode == smStandard)
        sc.panels[0].clear();
    else
        showtime();
    for (int n = 1; n <= kCardCount; ++n)
        if (hiddenByPause(s.cards[n].place))
            s.cards[n].faceUp = true;
    loadallimage();
    ugol28();
    repaintFanCorners();
}

void Game::menunilscoreClick() {
    if (s.showDialog && !host.ask(Question::ResetScore))
        return;
    s.clock.score = 0;
    s.clock.gameSeconds = 0;
    gambol(false); // the new deal asks nothing
    newgame();
}
