// The study's command line and its CSV: every row must be the deal it names,
// so that anyone can recompute the shares from the file.
#include "Command.h"
#include "GamePosition.h"
#include "Greedy.h"
#include "Random.h"
#include "Search.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runSolve(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        out.push_back(field);
    return out;
}

} // namespace

TEST(SolveCommand, WritesEveryDealAsTheSearchAndTheFallbackMoveFindIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("deals.csv").toStdString();
    const Outcome r = run({"--study", "40", "--seed", "9", "--draw", "3", "--passes", "3",
                           "--greedy", "--csv", path});
    ASSERT_EQ(r.status, 0) << r.err;

    std::ifstream csv(path);
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line, "number,verdict,nodes,ms,greedy");
    std::set<long> numbers;
    int winnable = 0;
    int greedy = 0;
    while (std::getline(csv, line)) {
        const auto f = fields(line);
        ASSERT_EQ(f.size(), 5u) << line;
        const long number = std::stol(f[0]);
        ASSERT_TRUE(number >= 0 && number < long(kDealNumbers)) << line;
        EXPECT_TRUE(numbers.insert(number).second) << "deal twice: " << line;
        const Problem problem = dealtAt(quint32(number), {3, 3});
        const Solution s = solve(problem);
        EXPECT_EQ(f[1], s.winnable ? "winnable" : "lost") << line;
        EXPECT_EQ(f[2], std::to_string(s.nodes)) << line;
        EXPECT_GE(std::stod(f[3]), 0.0) << line;
        EXPECT_EQ(f[4], greedyWins(problem) ? "won" : "lost") << line;
        winnable += s.winnable ? 1 : 0;
        greedy += f[4] == "won" ? 1 : 0;
    }
    EXPECT_EQ(numbers.size(), 40u);
    // The summary counts what the file lists.
    EXPECT_NE(r.out.find("winnable: " + std::to_string(winnable) + " ("), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("fallback move alone: " + std::to_string(greedy) + " ("),
              std::string::npos)
        << r.out;
}

// A study whose file is lost says so and fails, with no summary that looks
// like a finished run; a wrong command line fails before any search.
TEST(SolveCommand, RefusesWhatItCannotDo) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } rows[] = {
        {{"--study", "3", "--csv", "/nonexistent-folder/deals.csv"},
         1,
         "cannot write /nonexistent-folder/deals.csv"},
        {{"--study", "3", "--csv", "/dev/full"}, 1, "could not be written"},
        {{"--study", "3", "--csv"}, 2, "--csv needs a value"},
        {{"--ms", "5", "--greedy"}, 2, "go with --study"},
        {{"--ms", "5", "--csv", "x.csv"}, 2, "go with --study"},
        {{"--study", "0"}, 2, "--study takes"},
        // More deals than there are numbers would never end.
        {{"--study", "86400001"}, 2, "--study takes"},
        {{"--study", "3", "--verbose"}, 2, "unknown option --verbose"},
        {{"--ms", "86400000"}, 2, "--ms takes"},
        {{"--ms", "5", "--draw", "3", "--passes", "1"}, 2, "only in Casino"},
    };
    for (const auto& row : rows) {
        const Outcome r = run(row.args);
        EXPECT_EQ(r.status, row.status) << row.says;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << row.says;
    }
}
