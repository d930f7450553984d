#pragma once

#include "Problem.h"

// Plays the hint's fallback move (anyMove) click after click from the
// problem's position. True when that clears the pyramid; false when nothing
// can be played any more or, with passes unlimited, a whole pass through the
// stock has removed nothing, so every later pass would play the same.
bool greedyWins(const Problem& problem);
