#include "BackgroundSearch.h"

BackgroundSearch::BackgroundSearch(QObject* parent) : QObject(parent) {
    qRegisterMetaType<Problem>();
    qRegisterMetaType<Solution>();
    connect(this, &BackgroundSearch::solved, this, &BackgroundSearch::finish, Qt::QueuedConnection);
}

BackgroundSearch::~BackgroundSearch() {
    cancel();
}

void BackgroundSearch::start(const Problem& problem) {
    cancel();
    current = problem;
    busy = true;
    const quint64 search = ++started;
    worker = std::jthread([this, search, problem](std::stop_token stop) {
        const Solution solution = solve(problem, stop);
        if (!solution.cancelled)
            Q_EMIT solved(search, problem, solution);
    });
}

void BackgroundSearch::cancel() {
    busy = false;
    ++started; // an answer already on its way is dropped
    if (worker.joinable()) {
        worker.request_stop();
        worker.join();
    }
}

void BackgroundSearch::finish(quint64 search, const Problem& problem, const Solution& solution) {
    if (search != started || !busy)
        return;
    busy = false;
    Q_EMIT answered(problem, solution);
}
