#include "Study.h"

#include "GamePosition.h"
#include "Greedy.h"
#include "Random.h"
#include "Search.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

struct Interval {
    double low;
    double high;
};

// The Wilson score interval at 95 %: unlike the normal approximation it stays
// inside [0, 1] and is sound for shares near either end.
Interval wilson(int hits, int n) {
    const double z = 1.959963984540054;
    const double p = double(hits) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n));
    return {centre - half, centre + half};
}

template <typename T> T quantile(std::vector<T> values, double q) {
    std::sort(values.begin(), values.end());
    const auto i = std::size_t(std::ceil(q * double(values.size()))) - 1;
    return values[std::min(i, values.size() - 1)];
}

std::string passesText(int passes) {
    return passes == 0 ? "inf" : std::to_string(passes);
}

void printShare(std::ostream& out, const char* what, int hits, int deals) {
    const Interval ci = wilson(hits, deals);
    out << std::setprecision(2) << what << ": " << hits << " (" << 100.0 * hits / deals
        << " %), 95 % Wilson interval " << 100 * ci.low << " .. " << 100 * ci.high << " %\n";
}

// A full disk shows only when the buffer goes out, so a study of hours fails
// at the row that could not be written rather than after its summary.
void checkCsv(const std::ostream& csv) {
    if (!csv)
        throw std::runtime_error("the CSV file could not be written");
}

} // namespace

int study(const StudyOptions& options, std::ostream& out) {
    const int deals = options.deals;
    RandomGenerator random(options.seed);
    std::set<quint32> seen;
    std::vector<double> seconds;
    std::vector<double> megabytes;
    std::vector<std::uint64_t> nodes;
    int winnable = 0;
    int greedyWon = 0;
    int greedyBeyondSearch = 0;
    double greedySeconds = 0;
    quint32 slowest = 0;
    double slowestSeconds = -1;
    if (options.csv) {
        *options.csv << "number,verdict,nodes,ms" << (options.greedy ? ",greedy" : "") << "\n";
        checkCsv(*options.csv);
    }
    const auto start = std::chrono::steady_clock::now();
    while (int(seconds.size()) < deals) {
        const auto ms = quint32(random.next() * kDealNumbers);
        if (!seen.insert(ms).second)
            continue; // the same deal once only
        const Problem problem = dealtAt(ms, options.rules);
        const Solution s = solve(problem);
        winnable += s.winnable ? 1 : 0;
        if (s.seconds > slowestSeconds) {
            slowest = ms;
            slowestSeconds = s.seconds;
        }
        seconds.push_back(s.seconds);
        megabytes.push_back(double(s.memoryBytes) / (1024.0 * 1024.0));
        nodes.push_back(s.nodes);
        bool greedyWin = false;
        if (options.greedy) {
            const auto greedyStart = std::chrono::steady_clock::now();
            greedyWin = greedyWins(problem);
            greedySeconds +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - greedyStart)
                    .count();
            greedyWon += greedyWin ? 1 : 0;
            greedyBeyondSearch += greedyWin && !s.winnable ? 1 : 0;
        }
        if (options.csv) {
            std::ostream& csv = *options.csv;
            csv << ms << ',' << (s.winnable ? "winnable" : "lost") << ',' << s.nodes << ','
                << std::fixed << std::setprecision(3) << 1000 * s.seconds;
            if (options.greedy)
                csv << ',' << (greedyWin ? "won" : "lost");
            csv << '\n';
            checkCsv(csv);
        }
    }
    if (options.csv) {
        options.csv->flush();
        checkCsv(*options.csv);
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    out << std::fixed;
    out << "draw " << options.rules.draw << ", passes " << passesText(options.rules.passes) << ", "
        << deals << " deals, seed " << options.seed << "\n";
    printShare(out, "winnable", winnable, deals);
    if (options.greedy) {
        printShare(out, "won by the fallback move alone", greedyWon, deals);
        out << "fallback wins the search calls lost: " << greedyBeyondSearch << "; played in "
            << std::setprecision(3) << greedySeconds << " s in all\n";
    }
    out << std::setprecision(3) << "search ms: median " << 1000 * quantile(seconds, 0.5)
        << ", 95th " << 1000 * quantile(seconds, 0.95) << ", 99th "
        << 1000 * quantile(seconds, 0.99) << ", worst " << 1000 * quantile(seconds, 1)
        << " (deal --ms " << slowest << ")\n";
    const auto over = [&](double limit) {
        return std::count_if(seconds.begin(), seconds.end(), [&](double x) { return x > limit; });
    };
    out << "deals searched over 10 ms: " << over(0.01) << ", over 100 ms: " << over(0.1)
        << ", over 1 s: " << over(1.0) << "\n";
    out << "nodes: median " << quantile(nodes, 0.5) << ", 95th " << quantile(nodes, 0.95)
        << ", worst " << quantile(nodes, 1) << "\n";
    out << "table MiB: median " << quantile(megabytes, 0.5) << ", 95th "
        << quantile(megabytes, 0.95) << ", worst " << quantile(megabytes, 1) << "\n";
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    out << std::setprecision(1) << "process: " << wall << " s in all (CPU " << cpu
        << " s), peak resident " << double(usage.ru_maxrss) / 1024.0 << " MiB\n";
    return greedyBeyondSearch;
}
