#include "Command.h"

#include "GamePosition.h"
#include "Random.h"
#include "Search.h"
#include "Study.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace {

int usage(std::ostream& err, const std::string& why) {
    err << "zarvek-solve: " << why << "\n"
        << "usage: zarvek-solve --ms N --draw 1|3 --passes 1|3|inf\n"
        << "       zarvek-solve --study K --seed S --draw 1|3 --passes 1|3|inf"
           " [--csv FILE] [--greedy]\n";
    return 2;
}

std::optional<long long> number(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void printJson(std::ostream& out, const Solution& s) {
    out << "{\"winnable\": " << (s.winnable ? "true" : "false") << ", \"line\": [";
    for (std::size_t i = 0; i < s.line.size(); ++i) {
        if (i > 0)
            out << ", ";
        if (s.line[i] == kStockPlace)
            out << "\"stock\"";
        else
            out << s.line[i];
    }
    out << "], \"nodes\": " << s.nodes << ", \"seconds\": " << s.seconds << "}\n";
}

int runStudy(StudyOptions options, const std::map<std::string, std::string>& args,
             std::ostream& out, std::ostream& err) {
    std::ofstream csv;
    if (args.count("csv")) {
        const std::string& path = args.at("csv");
        // Opened before the first deal, so a wrong path fails at once and not
        // after the whole study.
        csv.open(path, std::ios::out | std::ios::trunc);
        if (!csv.is_open()) {
            err << "zarvek-solve: cannot write " << path << ": " << std::strerror(errno) << "\n";
            return 1;
        }
        options.csv = &csv;
    }
    try {
        const int contradictions = study(options, out);
        if (options.csv) {
            csv.close();
            if (csv.fail())
                throw std::runtime_error("the CSV file could not be written");
        }
        if (contradictions > 0) {
            err << "zarvek-solve: the fallback move won " << contradictions
                << " deals the search calls lost\n";
            return 1;
        }
    } catch (const std::runtime_error& e) {
        err << "zarvek-solve: " << args.at("csv") << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int runSolve(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    const std::set<std::string> withValue = {"ms", "draw", "passes", "study", "seed", "csv"};
    std::map<std::string, std::string> args;
    bool greedy = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& option = argv[i];
        const std::string name = option.rfind("--", 0) == 0 ? option.substr(2) : "";
        if (name == "greedy") {
            greedy = true;
        } else if (!withValue.count(name)) {
            return usage(err, "unknown option " + option);
        } else if (i + 1 >= argv.size()) {
            return usage(err, option + " needs a value");
        } else {
            args[name] = argv[++i];
        }
    }

    Rules rules;
    const auto draw = number(args.count("draw") ? args["draw"] : "1");
    if (!draw || (*draw != 1 && *draw != 3))
        return usage(err, "--draw takes 1 or 3");
    rules.draw = int(*draw);
    const std::string passes = args.count("passes") ? args["passes"] : "inf";
    if (passes == "inf")
        rules.passes = 0;
    else if (passes == std::to_string(rules.draw))
        rules.passes = rules.draw; // Casino: one pass of single cards, three of three
    else
        return usage(err, "the game limits passes only in Casino: --passes 1 with --draw 1, "
                          "--passes 3 with --draw 3, otherwise inf");

    if (args.count("study")) {
        const auto deals = number(args["study"]);
        const auto seed = number(args.count("seed") ? args["seed"] : "1");
        if (!deals || *deals < 1 || *deals > kDealNumbers || !seed || *seed < 0 ||
            *seed > 0xffffffffLL)
            return usage(err, "--study takes a count 1..86400000, --seed a number 0..4294967295");
        StudyOptions options;
        options.deals = int(*deals);
        options.seed = quint32(*seed);
        options.rules = rules;
        options.greedy = greedy;
        return runStudy(options, args, out, err);
    }
    if (greedy || args.count("csv") || args.count("seed"))
        return usage(err, "--seed, --csv and --greedy go with --study");
    const auto ms = args.count("ms") ? number(args["ms"]) : std::nullopt;
    if (!ms || *ms < 0 || *ms >= kDealNumbers)
        return usage(err, "--ms takes a millisecond of the day, 0..86399999");
    printJson(out, solve(dealtAt(quint32(*ms), rules)));
    return 0;
}
