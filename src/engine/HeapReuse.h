#pragma once

// Every deal and every pause gives each of the 52 cards a fresh picture and
// frees the ones before, about 1.4 MB at 100 %. Left to its defaults, the C
// library hands that memory back to the system at once and faults it in again
// a moment later, which costs more than the deal itself. Called once at start,
// before any card is made, this keeps freed memory up to a few card sets for
// reuse.
void keepFreedMemoryForCards();
