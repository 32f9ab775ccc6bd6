#pragma once

// The one way work leaves the screen thread: a thread of its own that runs
// the tasks posted to it one after another, in the order posted, owned by
// whoever posts them. Long-lived workers (the card writer, the picture
// warmer) post a task per piece of work; a one-off job (BackgroundJob) posts
// one and closes. The queue crosses threads under a std::mutex, whose order
// ThreadSanitizer sees, unlike Qt's own locks in an uninstrumented Qt.
//
// When the system refuses a thread, the tasks run on the posting thread, in
// post(): slower, but nothing is lost or left waiting for a thread that never
// comes.

#include <QDeadlineTimer>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace velmora {

class WorkerThread
{
public:
    // `stackSize` 0 takes the system's; the thread starts with the first task.
    explicit WorkerThread(const QString &name, uint stackSize = 0);
    // Runs what is still waiting, then joins.
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Ignored once the worker is closed or stopped. A task may post to the
    // worker that runs it.
    void post(std::function<void()> task);
    // Takes no more tasks: the thread ends after the last one waiting, and
    // thread()'s finished() follows.
    void close();
    // Drops what has not started, waits for the task running and joins.
    void stop();
    // Runs what is waiting, then joins.
    void finish();

    // True once every task posted so far has run, waiting until `deadline` at most.
    [[nodiscard]] bool waitIdle(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // True once the thread has ended (or never started), waiting until `deadline` at most.
    [[nodiscard]] bool wait(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));
    // True when the system refused the thread and the tasks ran in post().
    [[nodiscard]] bool ranOnPoster() const { return ranOnPoster_; }
    // For connecting to its finished() signal.
    [[nodiscard]] QThread *thread() { return &thread_; }

private:
    class Runner : public QThread
    {
    public:
        explicit Runner(WorkerThread &owner) : owner_(owner) {}

    protected:
        void run() override { owner_.runTasks(); }

    private:
        WorkerThread &owner_;
    };

    void runTasks();
    [[nodiscard]] bool startThread();
    void joined();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    bool running_ = false; // a task is running on the thread
    bool closed_ = false;
    bool started_ = false;
    bool ranOnPoster_ = false;
    Runner thread_; // last, so that it is joined before what it uses goes
};

} // namespace velmora
