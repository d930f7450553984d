#pragma once

#include "Problem.h"

#include <QtGlobal>

struct GameState;

// The stock's rules under a score mode and cards mode: Casino allows one pass
// with one card per turn and three with three cards; the other modes as many
// as the player likes.
Rules rulesOf(int scoreMode, int drawThree);

// The fresh deal the game deals at this UTC millisecond of the day.
Problem dealtAt(quint32 msOfDay, const Rules& rules);

// Where a running game stands, under its own score and cards mode.
Problem problemOf(const GameState& state);

// The click a hint points at on a winning line from the game's position: the
// line's first click or, when the player has already selected one card of
// the line's first pair, the other card of that pair.
int hintedClick(const GameState& state, const Line& line);
