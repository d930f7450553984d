// When a game runs, how it is won, and the Test menu's shortcuts to the end.
#include "Game.h"

void Game::gambol(bool on) {
    if (!on)
        forgetHistory(); // a finished game, won or not, is not played back
    s.gameRunning = on;
    s.menu.menupauseEnabled = on;
    s.menu.menupscoreVisible = on;
    s.menu.menunilscoreVisible = on;
}

void Game::countEnd(bool won) {
    // A game counts once, and only once it has had a move.
    if (!s.moved)
        return;
    s.moved = false;
    GameResult result;
    result.scoreMode = s.clock.scoreMode;
    result.drawThree = s.drawThree;
    result.won = won;
    result.chosenDeal = s.dealChosen;
    result.dealNumber = s.dealNumber;
    result.score = s.clock.score;
    result.points = s.clock.score - s.scoreBeforeDeal;
    result.seconds = s.clock.gameSeconds;
    host.gameEnded(result);
}

void Game::winner() {
    gambol(false);
    gamevictory();
}

void Game::gamevictory() {
    countEnd(true);
    forgetHistory();
    setTimer(false);
    s.gameRunning = false;
    host.readscore();
}
