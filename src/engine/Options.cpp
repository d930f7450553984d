// Options taken over from the options dialog while the program runs.
#include "Game.h"

void Game::applyCursorOption(int handCursor) {
    s.handCursor = handCursor;
}

bool Game::changeRules(int scoreMode, int drawThree, bool saveScore) {
    if (s.gameRunning && s.showDialog && !host.ask(Question::NewGame))
        return false;
    countEnd(false); // under the rules it was played by
    s.clock.scoreMode = scoreMode;
    s.drawThree = drawThree ? 1 : 0;
    s.saveScore = saveScore;
    // A score or a time earned under other rules means nothing under these.
    s.clock.score = 0;
    s.clock.gameSeconds = 0;
    s.panels[2].clear();
    s.panels[1].clear();
    s.panels[0].clear();
    if (s.gameRunning) {
        gambol(false); // the new deal asks nothing
        newgame();
    }
    return true;
}
