#pragma once

// One job on a thread of its own, for work whose result the screen thread
// takes later. The owner holds the job: destroying it joins the thread.
// The result crosses over under a std::mutex rather than through Qt's
// futures, whose locks ThreadSanitizer cannot see in an uninstrumented Qt.

#include <QDeadlineTimer>
#include <QThread>

#include <functional>
#include <mutex>
#include <optional>
#include <utility>

namespace velmora {

template <typename T>
class BackgroundJob
{
public:
    explicit BackgroundJob(std::function<T()> job) : thread_(*this, std::move(job)) { thread_.start(); }
    // `done` runs on the thread of `context` once the job is done, unless the
    // context is gone by then.
    BackgroundJob(std::function<T()> job, QObject *context, std::function<void()> done) : thread_(*this, std::move(job))
    {
        QObject::connect(&thread_, &QThread::finished, context, std::move(done), Qt::QueuedConnection);
        thread_.start();
    }
    ~BackgroundJob()
    {
        thread_.wait();
        const std::lock_guard lock(mutex_);
        result_.reset();
    }
    BackgroundJob(const BackgroundJob &) = delete;
    BackgroundJob &operator=(const BackgroundJob &) = delete;

    // True once the job is done, waiting until `deadline` at most.
    [[nodiscard]] bool wait(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever))
    {
        return thread_.wait(deadline);
    }
    // Waits for the job and hands its result over, once.
    [[nodiscard]] T take()
    {
        thread_.wait();
        const std::lock_guard lock(mutex_);
        return std::exchange(result_, std::nullopt).value_or(T{});
    }

private:
    class Thread : public QThread
    {
    public:
        Thread(BackgroundJob &owner, std::function<T()> job) : owner_(owner), job_(std::move(job)) {}

    protected:
        void run() override
        {
            T result = job_();
            const std::lock_guard lock(owner_.mutex_);
            owner_.result_ = std::move(result);
        }

    private:
        BackgroundJob &owner_;
        std::function<T()> job_;
    };

    std::mutex mutex_;
    std::optional<T> result_;
    Thread thread_; // last, so that it is joined before what it writes goes
};

} // namespace velmora
