#pragma once

#include "Problem.h"

// A problem played click by click the way the table takes clicks: a card
// click selects a card, a second click on a partner removes the pair, a King
// goes at once; the stock place turns cards or redeals.
struct ClickedTable {
    Problem problem;
    int selected = 0; // card number of the selected card, 0 while none is
};

// Applies one click (a card number 1..52 or kStockPlace). False when the
// table ignores it: a covered, gone or buried card, or the stock place with
// the stock empty and no redeal left (the game would offer a new deal).
bool click(ClickedTable& table, int place);

// The talon index of the open waste card, or -1 while the waste shows none.
int openWasteOf(const Position& s);
