// Undo and redo: each move of the running game is kept as the state on its
// other side and the points it made.
#include "Game.h"

bool Game::historyKept() const {
    return undoAllowed && s.clock.scoreMode != smCasino;
}

void Game::forgetHistory() {
    history.clear();
    undone.clear();
}

void Game::setUndoAllowed(bool on) {
    undoAllowed = on;
    if (!on)
        forgetHistory();
}

bool Game::canUndo() const {
    return historyKept() && s.gameRunning && !s.paused && !history.empty();
}

bool Game::canRedo() const {
    return historyKept() && s.gameRunning && !s.paused && !undone.empty();
}

void Game::undo() {
    if (!canUndo())
        return;
    Move move = std::move(history.back());
    history.pop_back();
    const int cost = s.clock.scoreMode == smStandard ? kUndoCost : 0;
    undone.push_back({s, move.gained});
    returnTo(move.state, -move.gained - cost);
    keepFocus();
}

void Game::redo() {
    if (!canRedo())
        return;
    Move move = std::move(undone.back());
    undone.pop_back();
    history.push_back({s, move.gained});
    returnTo(move.state, move.gained);
    keepFocus();
}

void Game::returnTo(const GameState& target, int points) {
    const GameState now = s;
    s = target;
    // What the move did not make goes on as it is now: the clock, the
    // game's own bookkeeping, the test flag and the options.
    s.clock = now.clock;
    s.clock.score = now.clock.score + points;
    s.panels[0] = now.panels[0];
    s.timerOn = now.timerOn;
    s.moved = now.moved;
    s.moves = now.moves;
    s.alwaysThirteen = now.alwaysThirteen;
    s.menu.N131Checked = now.menu.N131Checked;
    s.saveScore = now.saveScore;
    s.showDialog = now.showDialog;
    s.newCards = now.newCards;
    s.handCursor = now.handCursor;
    s.language = now.language;
    s.focusShown = now.focusShown;
    // A move made by a click that ended a pause was kept with the table
    // hidden; it comes back shown, as the click left it.
    if (s.paused)
        nopause();
    if (s.deck != now.deck)
        changeBack(now.deck);
    showscore();
}
