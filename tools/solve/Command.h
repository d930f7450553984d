#pragma once

#include <ostream>
#include <string>
#include <vector>

// zarvek-solve's whole command line, `args` without the program's name.
// Returns the exit status: 0 done, 1 a file could not be written or the
// fallback move contradicted the search, 2 a wrong command line.
int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
