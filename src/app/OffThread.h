#pragma once

#include <QObject>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <stop_token>
#include <thread>

// One job at a time on a thread of its own, so the window never waits for
// it. Starting another job or cancelling stops the one running; the answer of
// a stopped job never comes.
class OffThread : public QObject {
public:
    using QObject::QObject;
    // Stops a running job and waits for its thread.
    ~OffThread() override { cancel(); }

    // Runs `work` off the window thread; unless it gives nothing (stopped),
    // `done` gets its result back on this object's thread.
    template <typename Result>
    void start(std::function<std::optional<Result>(std::stop_token)> work,
               std::function<void(const Result&)> done) {
        cancel();
        busy = true;
        const quint64 job = started;
        worker = std::jthread(
            [this, job, work = std::move(work), done = std::move(done)](std::stop_token stop) {
                std::optional<Result> result = work(stop);
                if (!result)
                    return;
                QMetaObject::invokeMethod(
                    this,
                    [this, job, done, result = std::move(*result)] {
                        if (job != started || !busy)
                            return; // cancelled or replaced while on its way
                        busy = false;
                        done(result);
                    },
                    Qt::QueuedConnection);
            });
    }

    void cancel() {
        busy = false;
        ++started;
        if (worker.joinable()) {
            worker.request_stop();
            worker.join();
        }
    }

    bool running() const { return busy; }

private:
    std::jthread worker;
    quint64 started = 0;
    bool busy = false;
};
