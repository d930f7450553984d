#pragma once

#include <QtGlobal>

// The questions the rules ask the player. Each is asked only while the option
// "Show messages" is on; No always leaves the game unchanged.
enum class Question {
    NewGame,       // a game is running: really start a new one?
    CasinoNewDeal, // Casino passes used up: deal anew?
    ResetScore,    // reset the score and start a new game?
};

// How a game that had a first move ended, for the statistics.
struct GameResult {
    int scoreMode = 0;
    int drawThree = 0;
    bool won = false;
    // Dealt again or chosen by number: it counts as played, never in the
    // winners tables nor in a winning streak.
    bool chosenDeal = false;
    quint32 dealNumber = 0;
    int score = 0;   // the status bar's score when it ended
    int points = 0;  // what the game gained or lost, its stake included
    int seconds = 0; // the game clock when it ended
    bool operator==(const GameResult&) const = default;
};

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
