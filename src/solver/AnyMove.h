#pragma once

#include "Problem.h"

// A move for a position with no winning line left, so that a hint still has
// something to point at: of the plays on the table the one that clears the
// most pyramid cards, among those the one that frees the most cards beneath
// it, then the lowest card number; with no play at all, a click on the stock
// place while it turns a card or redeals. Empty when nothing can be played.
Line anyMove(const Problem& problem);
