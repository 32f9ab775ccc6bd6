#include "progress/progressrules.h"

#include <QRegularExpression>
#include <QtTest>

using namespace velmora::progress;

class TstProgressRules : public QObject
{
    Q_OBJECT

private slots:
    void missAndPercent_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("miss");
        QTest::addColumn<int>("percent");
        QTest::newRow("description right") << 1 << 1 << false << 100;
        QTest::newRow("description wrong") << 0 << 1 << true << 0;
        QTest::newRow("keywords all right") << 7 << 7 << false << 100;
        QTest::newRow("keywords one short") << 2 << 3 << true << 67;
        QTest::newRow("score above maximum") << 5 << 3 << false << 100;
        QTest::newRow("negative score") << -2 << 3 << true << 0;
        QTest::newRow("no maximum") << 0 << 0 << false << 0;
    }
    void missAndPercent()
    {
        QFETCH(int, score);
        QFETCH(int, maximum);
        QFETCH(bool, miss);
        QCOMPARE(isMiss(score, maximum), miss);
        QFETCH(int, percent);
        QCOMPARE(scorePercent(score, maximum), percent);
    }

    void periodStart_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("start");
        const QDateTime evening(QDate(2026, 12, 6), QTime(23, 59));
        QTest::newRow("7 days: today and six before")
            << int(Period::Last7Days) << evening << QDateTime(QDate(2026, 11, 30), QTime(0, 0));
        QTest::newRow("30 days across a month") << int(Period::Last30Days) << QDateTime(QDate(2026, 3, 1), QTime(0, 0))
                                                << QDateTime(QDate(2026, 1, 31), QTime(0, 0));
        QTest::newRow("all") << int(Period::All) << evening << QDateTime();
    }
    void periodStart()
    {
        QFETCH(int, period);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, start);
        QCOMPARE(velmora::progress::periodStart(Period(period), now), start);
    }

    void rankMissedCards_data()
    {
        // Each tally written "name[/R] missed/asked", /R for reversed; ranked by name[/R].
        QTest::addColumn<QStringList>("tallies");
        QTest::addColumn<QStringList>("ranked");
        QTest::newRow("rate first, never missed left out")
            << QStringList{"A 1/4", "B 3/4", "C 0/9", "D 1/1"} << QStringList{"D", "B", "A"};
        QTest::newRow("equal rate: more misses first") << QStringList{"A 1/2", "B 4/8"} << QStringList{"B", "A"};
        QTest::newRow("then name, then upright before reversed")
            << QStringList{"B/R 1/2", "B 1/2", "A/R 1/2"} << QStringList{"A/R", "B", "B/R"};
        QTest::newRow("damaged counts neither crash nor lead")
            << QStringList{"A 5/0", "B 9/3", "C 1/2"} << QStringList{"B", "C"};
    }
    void rankMissedCards()
    {
        QFETCH(QStringList, tallies);
        QFETCH(QStringList, ranked);
        QVector<CardTally> input;
        for (const QString &text : tallies) {
            const QStringList parts = text.split(QRegularExpression(QStringLiteral("[ /]")));
            const bool reversed = parts.size() == 4;
            input.append(
                CardTally{{}, {}, 0, parts[0], reversed, parts.last().toInt(), parts[reversed ? 2 : 1].toInt()});
        }
        QStringList got;
        for (const CardTally &tally : velmora::progress::rankMissedCards(input))
            got.append(tally.cardName + (tally.reversed ? QStringLiteral("/R") : QString()));
        QCOMPARE(got, ranked);
    }

    // Labels never repeat, and the ticks sit on local midnights across a
    // clock change; the axis reaches from the first tick to the last.
    void timeScale_data()
    {
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QStringList>("labels");
        const auto at = [](int month, int day, int hour) { return QDateTime(QDate(2026, month, day), QTime(hour, 0)); };
        QTest::newRow("one test: hours, the date where a day begins")
            << at(12, 5, 22) << at(12, 6, 22)
            << QStringList{"5 Dec 18:00", "6 Dec 00:00", "06:00", "12:00", "18:00", "7 Dec 00:00"};
        QTest::newRow("three days: once per day")
            << at(12, 6, 9) << at(12, 8, 18) << QStringList{"6 Dec", "7 Dec", "8 Dec", "9 Dec"};
        QTest::newRow("across the clock change")
            << at(10, 24, 9) << at(10, 26, 18) << QStringList{"24 Oct", "25 Oct", "26 Oct", "27 Oct"};
        QTest::newRow("two years by months")
            << QDateTime(QDate(2025, 1, 10), QTime(8, 0)) << at(11, 20, 8)
            << QStringList{"Jan 2025", "May 2025", "Sep 2025", "Jan 2026", "May 2026", "Sep 2026", "Jan 2027"};
    }
    void timeScale()
    {
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        const TimeScale scale = velmora::progress::timeScale(first.toMSecsSinceEpoch(), last.toMSecsSinceEpoch(), 7);
        QStringList labels;
        for (const TimeTick &tick : scale.ticks)
            labels.append(tick.label);
        QTEST(labels, "labels");
        QVERIFY(scale.firstMs <= first.toMSecsSinceEpoch() && scale.lastMs >= last.toMSecsSinceEpoch());
        QCOMPARE(scale.firstMs, scale.ticks.front().ms);
        QCOMPARE(scale.lastMs, scale.ticks.back().ms);
    }

    void csvLine_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringList{"The Star", "1", ""} << "The Star,1,";
        QTest::newRow("comma and quote") << QStringList{"Two, of \"Cups\""} << "\"Two, of \"\"Cups\"\"\"";
        QTest::newRow("line break") << QStringList{"a\r\nb"} << "\"a\r\nb\"";
        QTest::newRow("formula made text")
            << QStringList{"=HYPERLINK(1)", "+1+1", "@x", "-cmd"} << "'=HYPERLINK(1),'+1+1,'@x,'-cmd";
        QTest::newRow("negative number stays") << QStringList{"-3"} << "-3";
    }
    void csvLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(velmora::progress::csvLine(fields), line);
    }
};

int main(int argc, char *argv[])
{
    // A zone with a clock change, whatever the machine's.
    qputenv("TZ", "Europe/Berlin");
    QCoreApplication app(argc, argv);
    TstProgressRules test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_progressrules.moc"
