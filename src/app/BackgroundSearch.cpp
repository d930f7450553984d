#include "BackgroundSearch.h"

BackgroundSearch::BackgroundSearch(QObject* parent) : QObject(parent) {}

void BackgroundSearch::start(const Problem& problem) {
    current = problem;
    job.start<Solution>(
        [problem](std::stop_token stop) -> std::optional<Solution> {
            Solution solution = solve(problem, stop);
            if (solution.cancelled)
                return std::nullopt;
            return solution;
        },
        [this, problem](const Solution& solution) { Q_EMIT answered(problem, solution); });
}
