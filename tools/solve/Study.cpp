#include "Study.h"

#include "GamePosition.h"
#include "Random.h"
#include "Search.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <set>
#include <vector>

namespace {

constexpr quint32 kMsPerDay = 86'400'000;

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

} // namespace

void study(int deals, quint32 seed, const Rules& rules, std::ostream& out) {
    RandomGenerator random(seed);
    std::set<quint32> seen;
    std::vector<double> seconds;
    std::vector<double> megabytes;
    std::vector<std::uint64_t> nodes;
    int winnable = 0;
    quint32 slowest = 0;
    double slowestSeconds = -1;
    const auto start = std::chrono::steady_clock::now();
    while (int(seconds.size()) < deals) {
        const auto ms = quint32(random.next() * kMsPerDay);
        if (!seen.insert(ms).second)
            continue; // the same deal once only
        const Solution s = solve(dealtAt(ms, rules));
        winnable += s.winnable ? 1 : 0;
        if (s.seconds > slowestSeconds) {
            slowest = ms;
            slowestSeconds = s.seconds;
        }
        seconds.push_back(s.seconds);
        megabytes.push_back(double(s.memoryBytes) / (1024.0 * 1024.0));
        nodes.push_back(s.nodes);
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    const Interval ci = wilson(winnable, deals);
    out << std::fixed;
    out << "draw " << rules.draw << ", passes " << passesText(rules.passes) << ", " << deals
        << " deals, seed " << seed << "\n";
    out << std::setprecision(2) << "winnable: " << winnable << " (" << 100.0 * winnable / deals
        << " %), 95 % Wilson interval " << 100 * ci.low << " .. " << 100 * ci.high << " %\n";
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
    out << std::setprecision(1) << "process: " << wall << " s in all, peak resident "
        << double(usage.ru_maxrss) / 1024.0 << " MiB\n";
}
