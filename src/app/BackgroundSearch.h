#pragma once

#include "Search.h"

#include <QObject>

#include <thread>

// The exact search, run off the window thread so the window never waits for
// it. One search at a time: starting another or cancelling stops the one
// running, whose answer then never comes.
class BackgroundSearch : public QObject {
    Q_OBJECT
public:
    explicit BackgroundSearch(QObject* parent = nullptr);
    // Stops a running search and waits for its thread (a stop takes effect
    // within a thousand positions, well under a millisecond).
    ~BackgroundSearch() override;

    void start(const Problem& problem);
    void cancel();
    // The problem of the running search, if one runs.
    const Problem* running() const { return busy ? &current : nullptr; }

Q_SIGNALS:
    // On the window thread: the answer of the search started last.
    void answered(const Problem& problem, const Solution& solution);
    // Emitted from the search's thread, queued back to this object's.
    void solved(quint64 search, const Problem& problem, const Solution& solution);

private Q_SLOTS:
    void finish(quint64 search, const Problem& problem, const Solution& solution);

private:
    std::jthread worker;
    Problem current;
    quint64 started = 0;
    bool busy = false;
};
