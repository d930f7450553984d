#pragma once

#include "Problem.h"

#include <QtGlobal>

#include <ostream>

struct StudyOptions {
    int deals = 0;
    quint32 seed = 0;
    Rules rules;
    bool greedy = false;         // also play each deal with the hint's fallback move alone
    std::ostream* csv = nullptr; // one line per deal when set
};

// Solves `deals` fresh deals whose times of day come from the game's own
// generator seeded with `seed`, and reports the winnable share with its 95 %
// Wilson interval and the distribution of search time and memory; with
// `greedy`, the share the fallback move wins too. Throws std::runtime_error
// once the CSV can no longer be written. Returns the number of deals the
// fallback move won although the search called them lost: anything but 0 is
// a fault in one of the two.
int study(const StudyOptions& options, std::ostream& out);
