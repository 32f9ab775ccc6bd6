#include "review/reviewstats.h"

#include <QTest>

using namespace velmora::review;

class TstReviewStats : public QObject
{
    Q_OBJECT

private slots:
    void dueForecast_countsPerLearningDay_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("startHour");
        QTest::addColumn<QString>("now");      // local time
        QTest::addColumn<QStringList>("dues"); // local times
        QTest::addColumn<QString>("perDay");   // "day:count" of the days with any
        const QString morning = QStringLiteral("2026-12-07T10:00");
        QTest::addRow("midnight days: overdue and tonight are today; midnight is tomorrow")
            << "Europe/Berlin" << 0 << morning
            << QStringList{"2026-11-02T08:00", "2026-12-07T23:59:59", "2026-12-08T00:00"} << "0:2 1:1";
        QTest::addRow("the 30th day is the last")
            << "Europe/Berlin" << 0 << morning << QStringList{"2027-01-05T23:00", "2027-01-06T00:00"} << "29:1";
        QTest::addRow("after midnight belongs to the evening before")
            << "Europe/Berlin" << 4 << morning
            << QStringList{"2026-12-08T03:59", "2026-12-08T04:00", "2026-12-09T02:00"} << "0:1 1:2";
        QTest::addRow("before the start hour, now is yesterday's day")
            << "Europe/Berlin" << 4 << "2026-12-08T02:00" << QStringList{"2026-12-07T05:00", "2026-12-08T04:00"}
            << "0:1 1:1";
        QTest::addRow("spring change in Berlin: 23 hours")
            << "Europe/Berlin" << 4 << "2026-03-28T12:00"
            << QStringList{"2026-03-29T04:00", "2026-03-30T03:30", "2026-03-30T04:00"} << "1:2 2:1";
        QTest::addRow("autumn change in Berlin: 25 hours")
            << "Europe/Berlin" << 4 << "2026-10-24T12:00"
            << QStringList{"2026-10-25T04:00", "2026-10-26T03:59", "2026-10-26T04:00"} << "1:2 2:1";
        QTest::addRow("spring change in New York")
            << "America/New_York" << 4 << "2026-03-07T12:00"
            << QStringList{"2026-03-08T04:00", "2026-03-09T03:00", "2026-03-09T04:00"} << "1:2 2:1";
        QTest::addRow("autumn change in New York")
            << "America/New_York" << 4 << "2026-10-31T12:00"
            << QStringList{"2026-11-01T04:00", "2026-11-02T03:59", "2026-11-02T04:00"} << "1:2 2:1";
        QTest::addRow("a start hour inside the skipped hour")
            << "Europe/Berlin" << 2 << "2026-03-28T12:00"
            << QStringList{"2026-03-29T01:59", "2026-03-29T03:00", "2026-03-30T02:00"} << "0:1 1:1 2:1";
    }
    void dueForecast_countsPerLearningDay()
    {
        QFETCH(QString, zone);
        QFETCH(int, startHour);
        QFETCH(QString, now);
        QFETCH(QStringList, dues);
        const LearningDays days{QTimeZone(zone.toLatin1()), startHour};
        const auto local = [&](const QString &text) {
            const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
            return QDateTime(parsed.date(), parsed.time(), days.zone);
        };
        QVector<FacetDue> states;
        for (const QString &due : dues)
            states.append({1, Phase::Review, local(due).toMSecsSinceEpoch()});
        states.append({2, Phase::New, local(dues.first()).toMSecsSinceEpoch()});
        const QVector<int> forecast = dueForecast(states, local(now), days);
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
