// The stall watchdog: gaps found from probe timings and put down to what was
// sampled most, and a real screen thread kept busy found and named.

#include "stallwatch.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace velmora::stalls;

namespace {

constexpr qint64 kMs = 1'000'000;

Activity activity(const char *receiver, int type, const char *place = "road")
{
    return {QString::fromLatin1(receiver), type, QString::fromLatin1(place), QString()};
}

// Busy for a while inside one event, as a slow handler is.
class Busy : public QObject
{
public:
    qint64 busyMs = 0;
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        QElapsedTimer spent;
        spent.start();
        while (spent.elapsed() < busyMs) {
        }
        return true;
    }
};

} // namespace

class TestStallWatch : public QObject
{
    Q_OBJECT

private slots:
    void detector_data()
    {
        QTest::addColumn<qint64>("waitedNs");
        QTest::addColumn<int>("gaps");
        QTest::newRow("well under the threshold") << 3 * kMs << 0;
        QTest::newRow("at the threshold") << 16 * kMs << 0;
        QTest::newRow("just over it") << 16 * kMs + 1 << 1;
        QTest::newRow("long") << 400 * kMs << 1;
    }
    void detector()
    {
        QFETCH(qint64, waitedNs);
        QFETCH(int, gaps);
        GapDetector detector(16 * kMs);
        detector.posted(1000 * kMs);
        detector.answered(1000 * kMs + waitedNs);
        QCOMPARE(detector.gaps().size(), gaps);
        if (gaps) {
            QCOMPARE(detector.gaps().first().startNs, 1000 * kMs);
            QCOMPARE(detector.gaps().first().lengthNs, waitedNs);
        }
        // An answer without a probe out is no gap.
        detector.answered(5000 * kMs);
        QCOMPARE(detector.gaps().size(), gaps);
    }

    void detector_putsTheGapDownToWhatWasSampledMost()
    {
        GapDetector detector(16 * kMs);
        // A probe answered quickly leaves its samples behind.
        detector.posted(0);
        detector.sample(activity("QTimer", QEvent::Timer), false);
        detector.answered(2 * kMs);
        detector.posted(10 * kMs);
        detector.sample(activity("QWidgetWindow", QEvent::Expose, "progress / opening"), true);
        detector.sample(activity("QListView", QEvent::KeyPress, "progress / list"), false);
        detector.sample(activity("QListView", QEvent::KeyPress, "progress / list"), false);
        detector.sample(activity("QWidgetWindow", QEvent::Expose, "progress / opening"), true);
        detector.sample(activity("QListView", QEvent::KeyPress, "progress / list"), false);
        detector.answered(40 * kMs);
        QCOMPARE(detector.gaps().size(), 1);
        const Gap gap = detector.gaps().first();
        QCOMPARE(gap.activity.receiverClass, QStringLiteral("QListView"));
        QCOMPARE(gap.activity.eventType, int(QEvent::KeyPress));
        QCOMPARE(gap.activity.place, QStringLiteral("progress / list"));
        QVERIFY(!gap.opening);
        QCOMPARE(gap.lengthNs, 30 * kMs);
        // Of equal counts, the first seen.
        detector.posted(100 * kMs);
        detector.sample(activity("A", QEvent::Paint), false);
        detector.sample(activity("B", QEvent::Paint), true);
        detector.answered(200 * kMs);
        QCOMPARE(detector.gaps().last().activity.receiverClass, QStringLiteral("A"));
    }

    void board_reportsTheInnermostEventAndComesBackOut()
    {
        ActivityBoard board;
        QVERIFY(board.now().receiverClass.isEmpty());
        board.setPlace(QStringLiteral("journal / search"), false);
        board.enter("QWidgetWindow", QEvent::KeyPress);
        board.enter("QLineEdit", QEvent::KeyPress);
        board.enter("QTimer", QEvent::Timer);
        QCOMPARE(board.now().receiverClass, QStringLiteral("QTimer"));
        board.leave();
        QCOMPARE(board.now().receiverClass, QStringLiteral("QLineEdit"));
        QCOMPARE(board.now().place, QStringLiteral("journal / search"));
        board.leave();
        board.leave();
        board.leave(); // one too many does not go below the bottom
        QVERIFY(board.now().receiverClass.isEmpty());
        board.enter("QLabel", QEvent::Paint);
        QCOMPARE(board.now().receiverClass, QStringLiteral("QLabel"));
        // Deeper than the stack: the deepest kept frame stands for the rest,
        // and leaving them all comes back to the frames below.
        for (int i = 0; i < 100; ++i)
            board.enter("Deep", QEvent::Timer);
        QCOMPARE(board.now().receiverClass, QStringLiteral("Deep"));
        for (int i = 0; i < 100; ++i)
            board.leave();
        QCOMPARE(board.now().receiverClass, QStringLiteral("QLabel"));
    }

    void summary_countsPerPlace()
    {
        const auto gap = [](const char *place, qint64 ms, bool opening) {
            return Gap{0, ms * kMs, activity("X", QEvent::Paint, place), opening};
        };
        const QVector<PlaceSummary> places = summarize({gap("progress", 20, true), gap("journal", 51, false),
                                                        gap("progress", 449, false), gap("progress", 50, false)});
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[0].place, QStringLiteral("progress"));
        QCOMPARE(places[0].over16, 3);
        QCOMPARE(places[0].over50, 1);
        QCOMPARE(places[0].over16Opening, 1);
        QCOMPARE(places[0].longestNs, 449 * kMs);
        QCOMPARE(places[1].over50, 1);
        // The report's table groups the steps of a window.
        const QString text = report({gap("progress / tab 1", 20, false), gap("progress / list", 60, false)});
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\nprogress +2 +1 +0 +60.0\n"))), qPrintable(text));
    }

    // A real watch over this thread: a handler busy for 120 ms is found as
    // one gap of at least that long, put down to its receiver and event.
    void watch_findsABusyHandler()
    {
        StallWatch watch;
        Busy busy;
        busy.busyMs = 120;
        watch.board().setPlace(QStringLiteral("busy place"), false);
        watch.start();
        QEventLoop loop;
        QTimer::singleShot(50, &busy, [&] {
            watch.board().enter("Busy", QEvent::User);
            QEvent event(QEvent::User);
            busy.event(&event);
            watch.board().leave();
        });
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        watch.stop();
        const QVector<Gap> gaps = watch.gaps();
        const auto found = std::find_if(gaps.begin(), gaps.end(), [](const Gap &g) { return g.lengthNs >= 100 * kMs; });
        QVERIFY2(found != gaps.end(), qPrintable(report(gaps)));
        QCOMPARE(found->activity.receiverClass, QStringLiteral("Busy"));
        QCOMPARE(found->activity.eventType, int(QEvent::User));
        QCOMPARE(found->activity.place, QStringLiteral("busy place"));
    }

    // Start-up marks logged on their category land on the board; other
    // messages are left to the handler before.
    void marks_areCaptured()
    {
        StallWatch watch;
        watch.captureMarks();
        watch.start();
        const QLoggingCategory startup("velmora.startup");
        qCInfo(startup, "12.50 ms start screen shown");
        QCOMPARE(watch.board().now().mark, QStringLiteral("12.50 ms start screen shown"));
        watch.stop();
    }
};

QTEST_MAIN(TestStallWatch)
#include "tst_stallwatch.moc"
