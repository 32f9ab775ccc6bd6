// Work shared between threads: every index done once, the results in index
// order whichever thread made them, each thread working with what it made
// itself, and a thread that cannot work leaving its share to the others.

#include "store/backgroundjob.h"

#include <QDeadlineTimer>
#include <QSet>
#include <QtTest>

#include <atomic>
#include <mutex>

using namespace velmora;

namespace {

struct Made
{
    int index = -1;
    int thread = -1;           // the thread number whose worker did it
    QThread *ranOn = nullptr;  // the thread it ran on
    QThread *madeOn = nullptr; // the thread its worker was made on
};

} // namespace

class TestInParallel : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestInParallel)
#include "tst_inparallel.moc"
