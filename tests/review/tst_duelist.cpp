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
            facet = fsrs.next(facet, now, grade);
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

QTEST_GUILESS_MAIN(TstDueList)
#include "tst_duelist.moc"
