#include "review/fsrs.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace velmora::review;

// Replays the histories written by tools/fsrs-fixture from the reference
// scheduler and compares every state after every review.
class TstScheduler : public QObject
{
    Q_OBJECT

private slots:
    void referenceHistories_sameStatesAndIntervals();
};

void TstScheduler::referenceHistories_sameStatesAndIntervals()
{
    QFile file(qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tests/review/data/fsrs-histories.csv"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QDateTime base(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const Fsrs fsrs;
    const auto near = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1e-4 * std::abs(expected);
    };

    int histories = 0;
    int reviews = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        ++histories;
        MemoryState state;
        for (const QByteArray &review : line.split(';')) {
            const QList<QByteArray> f = review.split(',');
            QCOMPARE(f.size(), 7);
            const QDateTime at = base.addSecs(f[0].toLongLong() * 60);
            const MemoryState before = state;
            state = fsrs.next(state, at, Grade(f[1].toInt())).value();
            ++reviews;
            const QString where = QStringLiteral("history %1, review at minute %2, grade %3, from stability %4")
                                      .arg(histories)
                                      .arg(QString::fromLatin1(f[0]), QString::fromLatin1(f[1]))
                                      .arg(before.stability, 0, 'g', 12);
            QVERIFY2(near(state.stability, f[2].toDouble()),
                     qPrintable(where + QStringLiteral(": stability %1").arg(state.stability, 0, 'g', 12)));
            QVERIFY2(near(state.difficulty, f[3].toDouble()),
                     qPrintable(where + QStringLiteral(": difficulty %1").arg(state.difficulty, 0, 'g', 12)));
            QVERIFY2(state.scheduledDays == f[4].toInt(),
                     qPrintable(where + QStringLiteral(": interval %1 days").arg(state.scheduledDays)));
            QVERIFY2(int(state.phase) == f[5].toInt(), qPrintable(where + QStringLiteral(": phase")));
            // A step falls due at its moment, an interval of days on its day (the
            // reference's days are UTC dates).
            const QDateTime due = base.addSecs(f[6].toLongLong() * 60);
            QVERIFY2(state.scheduledDays > 0 ? state.due == LearningDays().startOfDayOf(due) : state.due == due,
                     qPrintable(where + QStringLiteral(": due")));
        }
    }
    QCOMPARE(histories, 1000);
    QVERIFY(reviews > 5000);
}

QTEST_GUILESS_MAIN(TstScheduler)
#include "tst_scheduler.moc"
