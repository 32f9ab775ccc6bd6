#include "readings/patterns.h"

#include <QTest>

using namespace velmora::readings;

namespace {

const QDate kToday(2026, 12, 7);

} // namespace

class TstPatterns : public QObject
{
    Q_OBJECT

private slots:
    void streak_countsDaysInARowUpToTodayOrYesterday_data()
    {
        QTest::addColumn<QList<int>>("daysAgo");
        QTest::addColumn<int>("streak");
        QTest::newRow("none") << QList<int>{} << 0;
        QTest::newRow("today only") << QList<int>{0} << 1;
        QTest::newRow("not yet today") << QList<int>{1, 2, 3} << 3;
        QTest::newRow("gap breaks it") << QList<int>{0, 1, 3, 4} << 2;
        QTest::newRow("two days ago is over") << QList<int>{2, 3} << 0;
        QTest::newRow("ten days") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 10;
    }
    void streak_countsDaysInARowUpToTodayOrYesterday()
    {
        QFETCH(QList<int>, daysAgo);
        QFETCH(int, streak);
        QSet<QDate> days;
        for (int ago : daysAgo)
            days.insert(kToday.addDays(-ago));
        QCOMPARE(currentStreak(days, kToday), streak);
    }

    void patterns_countCardAndOrientationWithinThePeriod_byPosition()
    {
        const QVector<DrawnCard> drawn{
            {kToday, Spread::ThreeCards, 0, QStringLiteral("Tower"), true},
            {kToday, Spread::ThreeCards, 1, QStringLiteral("Sun"), false},
            {kToday.addDays(-3), Spread::ThreeCards, 2, QStringLiteral("Tower"), true},
            {kToday.addDays(-4), Spread::OneCard, 0, QStringLiteral("Tower"), true},
            {kToday.addDays(-4), Spread::FiveCards, 4, QStringLiteral("Tower"), false},
            {kToday.addDays(-5), Spread::ThreeCards, 0, QStringLiteral("Tower"), true},
            {kToday.addDays(-40), Spread::ThreeCards, 0, QStringLiteral("Sun"), false},
        };
        QStringList lines;
        for (const CardPattern &pattern : cardPatterns(drawn, kToday.addDays(-29)))
            lines.append(patternText(pattern));
        QCOMPARE(lines, (QStringList{QStringLiteral("Tower (reversed): 4 times (Past 2, Future 1, Card 1)"),
                                     QStringLiteral("Sun (upright): once (Present 1)"),
                                     QStringLiteral("Tower (upright): once (Outcome 1)")}));
        QCOMPARE(cardPatterns(drawn, kToday.addDays(-364)).value(1).count, 2);
        QVERIFY(cardPatterns(drawn, kToday.addDays(1)).isEmpty());
    }
};

QTEST_MAIN(TstPatterns)
#include "tst_patterns.moc"
