// When a game runs, how it is won, and the Test menu's shortcuts to the end.
#include "Game.h"

void Game::gambol(bool on) {
    s.gameRunning = on;
    s.menu.menupauseEnabled = on;
    s.menu.menupscoreVisible = on;
    s.menu.menunilscoreVisible = on;
}

void Game::winner() {
    gambol(false);
    gamevictory();
}

void Game::gamevictory() {
    setTimer(false);
    s.gameRunning = false;
    host.readscore();
}
