#pragma once

#include "Problem.h"

#include <QtGlobal>

#include <ostream>

// Solves `deals` fresh deals whose times of day come from the game's own
// generator seeded with `seed`, and reports the winnable share with its 95 %
// Wilson interval and the distribution of search time and memory.
void study(int deals, quint32 seed, const Rules& rules, std::ostream& out);
