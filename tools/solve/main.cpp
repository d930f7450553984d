// zarvek-solve: the exact search from the command line.
//
//   zarvek-solve --ms N --draw 1|3 --passes 1|3|inf
//       solves the deal the game deals at UTC millisecond of the day N and
//       prints {"winnable": ..., "line": [...], "nodes": n, "seconds": s};
//       the line is what to click from the fresh deal: card numbers, and
//       "stock" for the stock place.
//   zarvek-solve --study K --seed S --draw 1|3 --passes 1|3|inf
//       solves K deals drawn from the game's own shuffle and reports the
//       winnable share and the time and memory the search took.
#include "GamePosition.h"
#include "Search.h"
#include "Study.h"

#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <string>

namespace {

int usage(const char* why) {
    std::cerr << "zarvek-solve: " << why << "\n"
              << "usage: zarvek-solve --ms N --draw 1|3 --passes 1|3|inf\n"
              << "       zarvek-solve --study K --seed S --draw 1|3 --passes 1|3|inf\n";
    return 2;
}

std::optional<long long> number(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void printJson(const Solution& s) {
    std::cout << "{\"winnable\": " << (s.winnable ? "true" : "false") << ", \"line\": [";
    for (std::size_t i = 0; i < s.line.size(); ++i) {
        if (i > 0)
            std::cout << ", ";
        if (s.line[i] == kStockPlace)
            std::cout << "\"stock\"";
        else
            std::cout << s.line[i];
    }
    std::cout << "], \"nodes\": " << s.nodes << ", \"seconds\": " << s.seconds << "}\n";
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> args;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0 || i + 1 >= argc)
            return usage(("expected an option and its value at " + name).c_str());
        args[name.substr(2)] = argv[i + 1];
    }
    for (const auto& [name, value] : args)
        if (name != "ms" && name != "draw" && name != "passes" && name != "study" && name != "seed")
            return usage(("unknown option --" + name).c_str());

    Rules rules;
    const auto draw = number(args.count("draw") ? args["draw"] : "1");
    if (!draw || (*draw != 1 && *draw != 3))
        return usage("--draw takes 1 or 3");
    rules.draw = int(*draw);
    const std::string passes = args.count("passes") ? args["passes"] : "inf";
    if (passes == "inf")
        rules.passes = 0;
    else if (passes == std::to_string(rules.draw))
        rules.passes = rules.draw; // Casino: one pass of single cards, three of three
    else
        return usage("the game limits passes only in Casino: --passes 1 with --draw 1, "
                     "--passes 3 with --draw 3, otherwise inf");

    if (args.count("study")) {
        const auto deals = number(args["study"]);
        const auto seed = number(args.count("seed") ? args["seed"] : "1");
        if (!deals || *deals < 1 || !seed || *seed < 0 || *seed > 0xffffffffLL)
            return usage("--study takes a positive count, --seed a number 0..4294967295");
        study(int(*deals), quint32(*seed), rules, std::cout);
        return 0;
    }
    const auto ms = args.count("ms") ? number(args["ms"]) : std::nullopt;
    if (!ms || *ms < 0 || *ms >= 86'400'000)
        return usage("--ms takes a millisecond of the day, 0..86399999");
    printJson(solve(dealtAt(quint32(*ms), rules)));
    return 0;
}
