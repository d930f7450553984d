#pragma once

#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <stop_token>

struct Solution {
    bool winnable = false;
    bool cancelled = false; // the answer is unknown: stopped, or past the node limit
    Line line;              // a winning line from the position, when winnable
    std::uint64_t nodes = 0;
    double seconds = 0;
    std::size_t memoryBytes = 0; // the largest the table of lost positions grew
};

// Decides whether the position can still be won and, if so, finds a line of
// clicks that wins it. The search is exact: it gives up a position only when
// no sequence of clicks on the cards and the stock place clears the pyramid.
// It stops early, cancelled, once `stop` is requested or, with a limit, once
// it has visited about `nodeLimit` positions.
Solution solve(const Problem& problem, std::stop_token stop = {}, std::uint64_t nodeLimit = 0);
