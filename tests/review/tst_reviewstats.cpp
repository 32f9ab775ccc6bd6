#include "review/reviewstats.h"

#include <QTest>

#include <ctime>

using namespace velmora::review;

class TstReviewStats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A zone with daylight saving, whatever the machine's.
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void dueForecast_countsPerLocalDay_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QStringList>("dues"); // local times
        QTest::addColumn<QString>("perDay");   // "day:count" of the days with any
        const QDateTime morning(QDate(2026, 12, 7), QTime(10, 0));
        QTest::addRow("overdue and tonight are today; midnight is tomorrow")
            << morning << QStringList{"2026-11-02T08:00", "2026-12-07T23:59:59", "2026-12-08T00:00"} << "0:2 1:1";
        QTest::addRow("the 30th day is the last")
            << morning << QStringList{"2027-01-05T23:00", "2027-01-06T00:00"} << "29:1";
        QTest::addRow("23-hour day") << QDateTime(QDate(2026, 3, 28), QTime(12, 0))
                                     << QStringList{"2026-03-29T23:30", "2026-03-30T00:30"} << "1:1 2:1";
        QTest::addRow("25-hour day") << QDateTime(QDate(2026, 10, 24), QTime(12, 0))
                                     << QStringList{"2026-10-25T23:30", "2026-10-26T00:30"} << "1:1 2:1";
    }
    void dueForecast_countsPerLocalDay()
    {
        QFETCH(QDateTime, now);
        QFETCH(QStringList, dues);
        QVector<FacetDue> states;
        for (const QString &due : dues)
            states.append({1, Phase::Review, QDateTime::fromString(due, Qt::ISODate).toMSecsSinceEpoch()});
        const QVector<int> forecast = dueForecast(states, now);
        QCOMPARE(forecast.size(), kForecastDays);
        QStringList perDay;
        for (int day = 0; day < forecast.size(); ++day) {
            if (forecast[day] > 0)
                perDay.append(QStringLiteral("%1:%2").arg(day).arg(forecast[day]));
        }
        QTEST(perDay.join(QLatin1Char(' ')), "perDay");
    }

    void countsAndRetention_data()
    {
        QTest::addColumn<QVector<int>>("cards");
        QTest::addColumn<QVector<int>>("phases"); // one state each of cards 1, 2...
        QTest::addColumn<QString>("counts");      // new/learning/review
        QTest::addColumn<int>("reviews");
        QTest::addColumn<int>("recalled");
        QTest::addColumn<QString>("retention");
        QTest::addRow("no state, no review")
            << QVector<int>{1, 2} << QVector<int>{} << "6/0/0" << 0 << 0 << "no due card reviewed";
        QTest::addRow("relearning is learning; a card gone takes no new facet")
            << QVector<int>{1, 2} << QVector<int>{1, 3, 2} << "4/2/1" << 212 << 193 << "91% of 212 reviews";
        QTest::addRow("one lapse never rounds up to all")
            << QVector<int>{} << QVector<int>{2} << "0/0/1" << 200 << 199 << "99% of 200 reviews";
    }
    void countsAndRetention()
    {
        QFETCH(QVector<int>, cards);
        QFETCH(QVector<int>, phases);
        QVector<FacetDue> states;
        for (int i = 0; i < phases.size(); ++i)
            states.append({i + 1, Phase(phases[i]), 0});
        const FacetCounts counts = countFacets(states, cards);
        QTEST(QStringLiteral("%1/%2/%3").arg(counts.fresh).arg(counts.learning).arg(counts.review), "counts");
        QFETCH(int, reviews);
        QFETCH(int, recalled);
        QTEST(retentionText({reviews, recalled}), "retention");
    }
};

QTEST_GUILESS_MAIN(TstReviewStats)
#include "tst_reviewstats.moc"
