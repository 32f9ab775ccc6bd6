// Work off the screen thread: a worker runs its tasks in order on one thread
// and its owner can stop it; a one-off job hands its result over and tells
// its context, unless the context is gone; work shared between threads does
// every index once, the results in index order whichever thread made them,
// each thread working with what it made itself, and a thread that cannot work
// leaving its share to the others.

#include "store/backgroundjob.h"
#include "store/leftwork.h"
#include "store/workerthread.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QSet>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

using namespace velmora;

namespace {

struct Made
{
    int index = -1;
    int thread = -1;           // the thread number whose worker did it
    QThread *ranOn = nullptr;  // the thread it ran on
    QThread *madeOn = nullptr; // the thread its worker was made on
};

// Deleted as its thread winds down, after QThread's finished(): holds the
// thread there until let go.
class HeldWindDown : public QObject
{
public:
    explicit HeldWindDown(QSemaphore &letGo) : letGo_(letGo) {}
    ~HeldWindDown() override { letGo_.acquire(); }

private:
    QSemaphore &letGo_;
};

} // namespace

class TestBackgroundWork : public QObject
{
    Q_OBJECT

private slots:
    void worker_runsTasksInOrderOnOneThread_includingThoseATaskPosts()
    {
        std::mutex mutex;
        std::vector<int> order;
        QSet<QThread *> ranOn;
        {
            WorkerThread worker(QStringLiteral("ordered"));
            const auto record = [&](int i) {
                const std::lock_guard lock(mutex);
                order.push_back(i);
                ranOn.insert(QThread::currentThread());
            };
            // The first task waits for all fifty, so that the one posted by
            // the eleventh comes after them however the threads run.
            std::atomic<bool> allPosted{false};
            for (int i = 0; i < 50; ++i) {
                worker.post([&, i] {
                    while (i == 0 && !allPosted.load())
                        QThread::yieldCurrentThread();
                    record(i);
                    if (i == 10)
                        worker.post([&] { record(1000); });
                });
            }
            allPosted = true;
            QVERIFY(worker.waitIdle());
            QVERIFY(!worker.ranOnPoster());
            worker.post([&] { record(50); }); // waiting when the worker goes: still run
        }
        std::vector<int> expected;
        for (int i = 0; i < 51; ++i)
            expected.push_back(i);
        expected.insert(expected.begin() + 50, 1000); // after everything posted before it
        QCOMPARE(order, expected);
        QCOMPARE(ranOn.size(), 1);
        QVERIFY(!ranOn.contains(QThread::currentThread()));
    }

    void worker_stopped_runsNothingMore()
    {
        // A task that asks again after each run, as the picture warmer's
        // does, would keep a worker that only finishes its queue going forever.
        std::atomic<int> runs{0};
        WorkerThread worker(QStringLiteral("again"));
        std::function<void()> again = [&] {
            ++runs;
            worker.post(again);
        };
        worker.post(again);
        QTRY_VERIFY_WITH_TIMEOUT(runs.load() >= 3, 30000);
        worker.stop();
        const int stoppedAt = runs.load();
        worker.post([&] { runs += 1000; });
        QVERIFY(worker.wait(QDeadlineTimer(0)));
        QVERIFY(worker.waitIdle(QDeadlineTimer(0)));
        QCOMPARE(runs.load(), stoppedAt);
    }

    // A worker handed over is not waited for, and the end waits for it. If
    // the hand-over waited, the task would give up waiting for its release
    // and the first check would fail rather than hang.
    void leftWork_isNotWaitedForUntilTheEnd()
    {
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;
        std::atomic<bool> ended{false};
        auto worker = std::make_unique<WorkerThread>(QStringLiteral("left"));
        worker->post([&] {
            std::unique_lock lock(mutex);
            released.wait_for(lock, std::chrono::seconds(20), [&] { return release; });
            ended = true;
        });
        worker->close();
        finishLater(std::move(worker));
        QVERIFY(!ended);
        {
            const std::lock_guard lock(mutex);
            release = true;
        }
        released.notify_all();
        finishLeftWork();
        QVERIFY(ended);
    }

    void worker_refusedThread_runsTasksOnThePosterInOrder()
    {
        // The system refuses a stack this small, as it refuses a thread when
        // there are too many: the work must still be done.
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("stack size")));
        WorkerThread worker(QStringLiteral("refused"), 1);
        std::vector<int> order;
        QSet<QThread *> ranOn;
        worker.post([&] {
            order.push_back(1);
            ranOn.insert(QThread::currentThread());
            worker.post([&] { order.push_back(3); });
            order.push_back(2);
        });
        QVERIFY(worker.ranOnPoster());
        worker.post([&] { order.push_back(4); });
        QCOMPARE(order, (std::vector<int>{1, 2, 3, 4}));
        QCOMPARE(ranOn, QSet<QThread *>{QThread::currentThread()});
        QVERIFY(worker.waitIdle(QDeadlineTimer(0)));
        QVERIFY(worker.wait(QDeadlineTimer(0)));
    }

    void job_tellsItsContextOnItsThread_unlessTheContextIsGone()
    {
        int told = 0;
        QThread *toldOn = nullptr;
        auto context = std::make_unique<QObject>();
        BackgroundJob<int> job([] { return 42; }, context.get(),
                               [&] {
                                   ++told;
                                   toldOn = QThread::currentThread();
                               });
        QTRY_COMPARE_WITH_TIMEOUT(told, 1, 30000);
        QCOMPARE(toldOn, QThread::currentThread());
        QCOMPARE(job.take(), 42);
        QCOMPARE(job.take(), 0); // handed over once

        std::atomic<bool> release{false};
        int toldGone = 0;
        auto gone = std::make_unique<QObject>();
        BackgroundJob<int> late(
            [&release] {
                while (!release.load())
                    QThread::yieldCurrentThread();
                return 7;
            },
            gone.get(), [&toldGone] { ++toldGone; });
        gone.reset();
        release = true;
        QCOMPARE(late.take(), 7);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(toldGone, 0);
    }

    // The job's `done` finds the job done (and its result there) while the
    // thread is still winding down, as it may on a loaded machine.
    void job_isDoneForItsContextBeforeItsThreadHasWoundDown()
    {
        QSemaphore letGo;
        std::optional<bool> doneWhenTold;
        QObject context;
        BackgroundJob<int> job(
            [&letGo] {
                (new HeldWindDown(letGo))->deleteLater();
                return 5;
            },
            &context, [&] { doneWhenTold = job.wait(QDeadlineTimer(0)); });
        QTRY_VERIFY_WITH_TIMEOUT(doneWhenTold.has_value(), 30000);
        letGo.release();
        QVERIFY(*doneWhenTold);
        QCOMPARE(job.take(), 5);
    }

    void results_inIndexOrder_eachThreadWithItsOwnWorker_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("threads");
        QTest::newRow("none") << 0 << 3;
        QTest::newRow("one index, three threads") << 1 << 3;
        QTest::newRow("fewer indices than threads") << 2 << 4;
        QTest::newRow("one thread") << 20 << 1;
        QTest::newRow("three threads") << 200 << 3;
    }
    void results_inIndexOrder_eachThreadWithItsOwnWorker()
    {
        QFETCH(int, count);
        QFETCH(int, threads);
        // This thread waits at its first index until another has done one,
        // so that the others take part however the threads are scheduled.
        std::atomic<int> besideDone{0};
        QVector<int> reported;
        const QVector<Made> made = inParallel<Made>(
            count,
            [&besideDone, threads, count](int thread) -> std::function<Made(int)> {
                QThread *const madeOn = QThread::currentThread();
                return [&besideDone, thread, madeOn, threads, count](int index) {
                    if (thread == 0 && threads > 1 && count > threads) {
                        const QDeadlineTimer patience(30000);
                        while (besideDone.load() == 0 && !patience.hasExpired())
                            QThread::yieldCurrentThread();
                    } else if (thread > 0) {
                        ++besideDone;
                    }
                    return Made{index, thread, QThread::currentThread(), madeOn};
                };
            },
            [&reported](int done) { reported.append(done); }, threads);

        QCOMPARE(made.size(), count);
        QSet<int> threadsSeen;
        for (int i = 0; i < count; ++i) {
            QCOMPARE(made[i].index, i);
            QCOMPARE(made[i].ranOn, made[i].madeOn);
            QCOMPARE(made[i].thread == 0, made[i].ranOn == QThread::currentThread());
            threadsSeen.insert(made[i].thread);
        }
        if (count > threads && threads > 1)
            QVERIFY2(besideDone.load() > 0 && threadsSeen != QSet<int>{0}, "no thread beside this one worked");
        // Told after each index this thread did, counting all done by then.
        for (int i = 1; i < reported.size(); ++i)
            QVERIFY(reported[i] > reported[i - 1]);
        QVERIFY(reported.isEmpty() || reported.last() <= count);
    }

    void threadWithoutWorker_leavesItsShareToTheOthers()
    {
        std::mutex mutex; // std::mutex: ThreadSanitizer sees it
        QSet<int> threadsWorking;
        const QVector<int> squares = inParallel<int>(
            100,
            [&](int thread) -> std::function<int(int)> {
                if (thread == 1)
                    return {};
                return [&, thread](int i) {
                    const std::lock_guard lock(mutex);
                    threadsWorking.insert(thread);
                    return i * i;
                };
            },
            {}, 3);
        QCOMPARE(squares.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(squares[i], i * i);
        QVERIFY(!threadsWorking.contains(1));
    }
};

QTEST_GUILESS_MAIN(TestBackgroundWork)
#include "tst_backgroundwork.moc"
