#include "review/duelist.h"

#include "app/services.h"

#include <QTest>

using namespace velmora;
using namespace velmora::review;

class TstDueList : public QObject
{
    Q_OBJECT

private slots:
    void simulatedYear_keepsRetentionWithinDailyCaps_data();
    void simulatedYear_keepsRetentionWithinDailyCaps();
    void learningDays_followTheLocalClockAcrossChanges_data();
    void learningDays_followTheLocalClockAcrossChanges();
    void backlog_holdsNewFacets();
};

void TstDueList::simulatedYear_keepsRetentionWithinDailyCaps_data()
{
    QTest::addColumn<int>("reviewCap");
    QTest::addColumn<double>("lowestRetention");
    QTest::addColumn<double>("highestRetention");
    QTest::addRow("default caps") << 200 << 0.87 << 0.93;
    // A cap that binds: the backlog waits, and no day goes over it.
    QTest::addRow("binding review cap") << 12 << 0.0 << 1.0;
}

// A learner whose recall follows the model takes every due facet of a deck
// of 78 cards each morning for a year; the clock and the chance are injected.
void TstDueList::simulatedYear_keepsRetentionWithinDailyCaps()
{
    QFETCH(int, reviewCap);
    QFETCH(double, lowestRetention);
    QFETCH(double, highestRetention);
    const Fsrs fsrs;
    const DailyLimits limits{10, reviewCap};
    StdRandomSource random;
    random.seed(99);
    std::vector<MemoryState> facets(78 * 3);
    const QDateTime firstMorning(QDate(2026, 1, 5), QTime(8, 0), Qt::UTC);

    int dueReviews = 0;
    int recalled = 0;
    int grades = 0;
    for (int day = 0; day < 365; ++day) {
        QDateTime now = firstMorning.addDays(day);
        const QDateTime evening = now.addSecs(12 * 3600);
        DayCount done;
        while (grades < 200000) {
            const std::vector<int> due = dueFacets(facets, now, limits, done);
            if (due.empty()) {
                now = nextStepDue(facets, now, evening);
                if (!now.isValid())
                    break;
                continue;
            }
            MemoryState &facet = facets[size_t(due.front())];
            Grade grade = Grade::Good;
            if (facet.phase == Phase::New) {
                const double x = random.next();
                grade = x < 0.2 ? Grade::Again : x < 0.3 ? Grade::Hard : x < 0.9 ? Grade::Good : Grade::Easy;
            } else if (random.next() >= fsrs.retrievability(facet, now)) {
                grade = Grade::Again;
            } else {
                const double x = random.next();
                grade = x < 0.15 ? Grade::Hard : x < 0.9 ? Grade::Good : Grade::Easy;
            }
            if (facet.phase == Phase::Review) {
                ++dueReviews;
                recalled += grade != Grade::Again;
            }
            done.count(facet.phase);
            facet = fsrs.next(facet, now, grade).value();
            ++grades;
            now = now.addSecs(20);
        }
        QVERIFY2(
            done.newFacets <= limits.newFacets && done.reviews <= limits.reviews,
            qPrintable(QStringLiteral("day %1: %2 new, %3 reviews").arg(day).arg(done.newFacets).arg(done.reviews)));
    }
    QVERIFY(grades < 200000);
    QVERIFY(std::none_of(facets.begin(), facets.end(), [](const MemoryState &f) { return f.phase == Phase::New; }));
    const double retention = double(recalled) / dueReviews;
    qInfo("%d grades, %d reviews of due facets, retention %.4f", grades, dueReviews, retention);
    QVERIFY2(retention >= lowestRetention && retention <= highestRetention, qPrintable(QString::number(retention)));
}

void TstDueList::learningDays_followTheLocalClockAcrossChanges_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("change");
    QTest::addRow("Berlin, spring") << QByteArray("Europe/Berlin") << QDate(2026, 3, 29);
    QTest::addRow("Berlin, autumn") << QByteArray("Europe/Berlin") << QDate(2026, 10, 25);
    QTest::addRow("New York, spring") << QByteArray("America/New_York") << QDate(2026, 3, 8);
    QTest::addRow("New York, autumn") << QByteArray("America/New_York") << QDate(2026, 11, 1);
}

// Days start at 4:00 local time, for the model's elapsed days, for the caps
// and for when a review falls due, on both sides of a clock change.
void TstDueList::learningDays_followTheLocalClockAcrossChanges()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, change);
    const QTimeZone local(zone);
    QVERIFY2(local.isValid(), zone.constData());
    FsrsSettings settings;
    settings.days = LearningDays{local, 4};
    const Fsrs fsrs(settings);
    const LearningDays &days = fsrs.settings().days;
    const auto at = [&](const QDate &date, int hour, int minute) {
        return QDateTime(date, QTime(hour, minute), local);
    };
    const QDate eve = change.addDays(-1);
    QCOMPARE(fsrs.elapsedDays(at(eve, 19, 30), at(eve, 23, 30)), 0);
    QCOMPARE(fsrs.elapsedDays(at(eve, 19, 30), at(change, 3, 59)), 0);
    QCOMPARE(fsrs.elapsedDays(at(eve, 19, 30), at(change, 4, 0)), 1);
    QCOMPARE(fsrs.elapsedDays(at(change, 23, 0), at(change.addDays(1), 4, 30)), 1);
    QCOMPARE(days.startOfDayOf(at(change, 1, 0)), at(eve, 4, 0).toUTC());
    QCOMPARE(days.startOfDayOf(at(change, 19, 30)), at(change, 4, 0).toUTC());

    // Graded at 09:10 before the change, due after it: due from the start of
    // its day, also as stored before days started at an hour.
    const QDateTime graded = at(change.addDays(-5), 9, 10);
    const MemoryState state = fsrs.next({}, graded, Grade::Easy).value();
    QCOMPARE(state.phase, Phase::Review);
    const QDate dueDate = graded.date().addDays(state.scheduledDays);
    QVERIFY(dueDate > change);
    MemoryState storedAtInstant = state;
    storedAtInstant.due = graded.toUTC().addSecs(qint64(state.scheduledDays) * 86400);
    for (const MemoryState &facet : {state, storedAtInstant}) {
        QVERIFY(!isDue(facet, at(dueDate.addDays(-1), 23, 59), days));
        QVERIFY(!isDue(facet, at(dueDate, 3, 59), days));
        QCOMPARE(dueFacets({facet}, at(dueDate, 4, 0), DailyLimits(), DayCount(), days).size(), size_t(1));
        QCOMPARE(dueFacets({facet}, at(dueDate, 9, 10), DailyLimits(), DayCount(), days).size(), size_t(1));
    }
}

void TstDueList::backlog_holdsNewFacets()
{
    const QDateTime now(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC);
    MemoryState due = Fsrs().next({}, now.addDays(-30), Grade::Easy).value();
    std::vector<MemoryState> facets(5, due);
    facets.resize(8);
    QCOMPARE(dueFacets(facets, now, DailyLimits{10, 200, 4}, DayCount()).size(), size_t(5));
    QCOMPARE(dueFacets(facets, now, DailyLimits{10, 200, 5}, DayCount()).size(), size_t(8));
    // The review cap counts what is asked; the backlog counts what is due.
    QCOMPARE(dueFacets(facets, now, DailyLimits{10, 3, 4}, DayCount()).size(), size_t(3));
}

QTEST_GUILESS_MAIN(TstDueList)
#include "tst_duelist.moc"
