#pragma once

#include "OffThread.h"
#include "Search.h"

// The exact search, run off the window thread so the window never waits for
// it. One search at a time: starting another or cancelling stops the one
// running, whose answer then never comes.
class BackgroundSearch : public QObject {
    Q_OBJECT
public:
    explicit BackgroundSearch(QObject* parent = nullptr);

    void start(const Problem& problem);
    // Stops a running search (within a thousand positions, well under a millisecond).
    void cancel() { job.cancel(); }
    // The problem of the running search, if one runs.
    const Problem* running() const { return job.running() ? &current : nullptr; }

Q_SIGNALS:
    // The answer of the search started last.
    void answered(const Problem& problem, const Solution& solution);

private:
    OffThread job;
    Problem current;
};
