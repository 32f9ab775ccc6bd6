#pragma once

// One job on a worker of its own, for work whose result the screen thread
// takes later. The owner holds the job: destroying it joins the thread.
// The result crosses over under a std::mutex rather than through Qt's
// futures, whose locks ThreadSanitizer cannot see in an uninstrumented Qt.

#include "store/workerthread.h"

#include <QMetaObject>
#include <QObject>
#include <QVector>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

template <typename T>
class BackgroundJob
{
public:
    explicit BackgroundJob(std::function<T()> job) { start(std::move(job)); }
    // `done` runs on the thread of `context` once the job is done, unless the
    // context is gone by then.
    BackgroundJob(std::function<T()> job, QObject *context, std::function<void()> done)
    {
        QObject::connect(worker_.thread(), &QThread::finished, context, done, Qt::QueuedConnection);
        start(std::move(job));
        if (worker_.ranOnPoster())
            QMetaObject::invokeMethod(context, std::move(done), Qt::QueuedConnection);
    }
    ~BackgroundJob()
    {
        worker_.finish();
        const std::lock_guard lock(mutex_);
        result_.reset();
    }
    BackgroundJob(const BackgroundJob &) = delete;
    BackgroundJob &operator=(const BackgroundJob &) = delete;

    // True once the job is done, waiting until `deadline` at most.
    [[nodiscard]] bool wait(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever))
    {
        return worker_.waitIdle(deadline);
    }
    // Waits for the job and hands its result over, once.
    [[nodiscard]] T take()
    {
        worker_.finish();
        const std::lock_guard lock(mutex_);
        return std::exchange(result_, std::nullopt).value_or(T{});
    }

private:
    void start(std::function<T()> job)
    {
        worker_.post([this, job = std::move(job)] {
            T result = job();
            const std::lock_guard lock(mutex_);
            result_ = std::move(result);
        });
        worker_.close();
    }

    std::mutex mutex_;
    std::optional<T> result_;
    WorkerThread worker_{QStringLiteral("BackgroundJob")}; // last, so that it is joined before what it writes goes
};

// Runs `work(i)` for every i in [0, count) on this thread and on jobs beside
// it, `threads` in all (0: one a processor, up to four), each taking the
// next index as it comes free; the results in index order, whichever thread made each, so
// they are the same however the work was shared. `makeWorker(thread)` runs
// once on each thread (0 is this one) and gives its `work`, so that each
// thread opens what it reads itself; a worker without a target (an empty
// std::function) leaves its share to the others, except on thread 0, which
// must have one. `finished(n)` runs on this thread, with the number of
// indices done by then, after each index this thread does.
template <typename T, typename MakeWorker>
[[nodiscard]] QVector<T> inParallel(int count, MakeWorker makeWorker, const std::function<void(int)> &finished = {},
                                    int threads = 0)
{
    using Work = std::function<T(int)>;
    using Done = QVector<std::pair<int, T>>;
    QVector<T> results(std::max(count, 0));
    if (count <= 0)
        return results;
    threads = std::min(threads > 0 ? threads : std::clamp(QThread::idealThreadCount(), 1, 4), count);
    std::atomic<int> next{0};
    std::atomic<int> doneCount{0};
    std::vector<std::unique_ptr<BackgroundJob<Done>>> beside;
    for (int thread = 1; thread < threads; ++thread) {
        beside.push_back(std::make_unique<BackgroundJob<Done>>([&makeWorker, &next, &doneCount, count, thread] {
            Done done;
            const Work work = makeWorker(thread);
            if (!work)
                return done;
            for (int i = next++; i < count; i = next++) {
                done.append({i, work(i)});
                ++doneCount;
            }
            return done;
        }));
    }
    {
        const Work work = makeWorker(0);
        for (int i = next++; i < count; i = next++) {
            results[i] = work(i);
            const int n = ++doneCount;
            if (finished)
                finished(n);
        }
    }
    for (const auto &job : beside)
        for (auto &[index, result] : job->take())
            results[index] = std::move(result);
    return results;
}

} // namespace velmora
