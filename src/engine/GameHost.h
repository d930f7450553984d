#pragma once

#include "GameStatistics.h"

// The questions the rules ask the player. Each is asked only while the option
// "Show messages" is on; No always leaves the game unchanged.
enum class Question {
    NewGame,       // a game is running: really start a new one?
    CasinoNewDeal, // Casino passes used up: deal anew?
    ResetScore,    // reset the score and start a new game?
};

// How a game that had a first move ended: the statistics' own record of it.
using GameResult = FinishedGame;

// What the rules need from the window around them: real message boxes and
// dialogs in the program, scripted answers in tests.
class GameHost {
public:
    virtual ~GameHost() = default;
    // True for Yes.
    virtual bool ask(Question question) = 0;
    // A game has been won (or declared won from the Test menu): hand the score
    // mode, score and time to the winners tables.
    virtual void readscore() = 0;
    // A new deal is due and any question was answered Yes. True keeps the
    // table as it is: the host deals later through Game::dealNumbered (it
    // looks for a winnable deal off the window thread). False deals the
    // clock's deal at once.
    virtual bool postponeDeal() { return false; }
    // A game with at least one move has ended: won, dealt over, stopped or left.
    virtual void gameEnded(const GameResult& /*result*/) {}
};
