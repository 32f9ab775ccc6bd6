#include "store/workerthread.h"

#include <utility>

namespace velmora {

WorkerThread::WorkerThread(const QString &name, uint stackSize) : thread_(*this)
{
    thread_.setObjectName(name);
    if (stackSize > 0)
        thread_.setStackSize(stackSize);
}

WorkerThread::~WorkerThread()
{
    finish();
    const std::lock_guard lock(mutex_);
    tasks_.clear();
}

void WorkerThread::post(std::function<void()> task)
{
    bool start = false;
    bool drain = false;
    {
        const std::lock_guard lock(mutex_);
        if (closed_ || !task)
            return;
        tasks_.push_back(std::move(task));
        if (!started_) {
            started_ = true;
            start = true;
        } else {
            // A task running here posts again: the loop below takes it.
            drain = ranOnPoster_ && !running_;
        }
    }
    changed_.notify_all();
    if (start && !startThread()) {
        const std::lock_guard lock(mutex_);
        ranOnPoster_ = true;
        drain = true;
    }
    if (!drain)
        return;
    for (;;) {
        std::function<void()> next;
        {
            const std::lock_guard lock(mutex_);
            if (tasks_.empty()) {
                running_ = false;
                break;
            }
            next = std::move(tasks_.front());
            tasks_.pop_front();
            running_ = true;
        }
        next();
    }
    changed_.notify_all();
}

bool WorkerThread::startThread()
{
    thread_.start();
    // A refused start leaves the thread neither running nor finished.
    return thread_.isRunning() || thread_.isFinished();
}

void WorkerThread::runTasks()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !tasks_.empty() || closed_; });
            if (tasks_.empty())
                return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
            running_ = true;
        }
        task();
        // What the task holds goes here, on this thread, before it counts as done.
        task = nullptr;
        {
            const std::lock_guard lock(mutex_);
            running_ = false;
        }
        changed_.notify_all();
    }
}

void WorkerThread::close()
{
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

void WorkerThread::stop()
{
    std::deque<std::function<void()>> dropped;
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        dropped.swap(tasks_);
    }
    changed_.notify_all();
    joined();
    // `dropped` goes after the join: what its tasks hold may be what the
    // running one used.
}

void WorkerThread::finish()
{
    close();
    joined();
}

void WorkerThread::joined()
{
    thread_.wait();
    // The thread's last step is under this lock: taking it orders what
    // follows after it as ThreadSanitizer sees too, which Qt's wait does not.
    const std::lock_guard lock(mutex_);
}

bool WorkerThread::waitIdle(QDeadlineTimer deadline)
{
    std::unique_lock lock(mutex_);
    const auto idle = [this] { return tasks_.empty() && !running_; };
    if (deadline.isForever()) {
        changed_.wait(lock, idle);
        return true;
    }
    return changed_.wait_until(lock, deadline.deadline<std::chrono::steady_clock>(), idle);
}

bool WorkerThread::wait(QDeadlineTimer deadline)
{
    if (!thread_.wait(deadline))
        return false;
    const std::lock_guard lock(mutex_);
    return true;
}

} // namespace velmora
