// zarvek-solve: the exact search from the command line.
//
//   zarvek-solve --ms N --draw 1|3 --passes 1|3|inf
//       solves the deal the game deals at UTC millisecond of the day N and
//       prints {"winnable": ..., "line": [...], "nodes": n, "seconds": s};
//       the line is what to click from the fresh deal: card numbers, and
//       "stock" for the stock place.
//   zarvek-solve --study K --seed S --draw 1|3 --passes 1|3|inf [--csv FILE] [--greedy]
//       solves K deals drawn from the game's own shuffle and reports the
//       winnable share and the time and memory the search took. --csv writes
//       one line per deal: number,verdict,nodes,ms (the deal's number, i.e.
//       its millisecond of the day; winnable or lost; the positions the
//       search visited; its time). --greedy also plays every deal with the
//       hint's fallback move alone and reports the share that wins, with a
//       column greedy (won or lost) in the CSV.
#include "Command.h"

#include <iostream>

int main(int argc, char** argv) {
    return runSolve(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
