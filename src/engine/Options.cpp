// Options taken over from the options dialog while the program runs.
#include "Game.h"

void Game::applyCursorOption(int handCursor) {
    s.handCursor = handCursor;
    if (!s.cardsCreated)
        return;
    for (int n = 1; n <= kCardCount; ++n) {
        const int place = s.cards[n].place;
        const bool playable = place == plStock || place == plWaste || place == plOpen;
        sc.cards[n].cursor = handCursor != kDefaultCursor && playable ? handCursor : kDefaultCursor;
    }
}

void Game::changeRules(int scoreMode, int drawThree, bool saveScore) {
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
}
