#include "goals/goaltimer.h"

#include <QtTest>

using namespace velmora::goals;

class TstGoalTimer : public QObject
{
    Q_OBJECT

private slots:
    void timer_comparesElapsedTimeWithTheAchievedPercentage_data();
    void timer_comparesElapsedTimeWithTheAchievedPercentage();
    void percentage_usesTheUsersDecimalSeparatorWithoutTrailingZeros_data();
    void percentage_usesTheUsersDecimalSeparatorWithoutTrailingZeros();
    void daysInMonth_followsTheGregorianLeapYearRule_data();
    void daysInMonth_followsTheGregorianLeapYearRule();
};

void TstGoalTimer::timer_comparesElapsedTimeWithTheAchievedPercentage_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("percentageEnabled");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("remaining");
    const QDate march1(2009, 3, 1);
    const QString expected = QStringLiteral("You should have achieved %1%. You have actually achieved 20%");
    QTest::addRow("a third through March") << march1 << QDate(2009, 3, 31) << QDate(2009, 3, 11) << true
                                           << expected.arg(QStringLiteral("33.33")) << QStringLiteral("20");
    QTest::addRow("one day of eight") << march1 << QDate(2009, 3, 9) << QDate(2009, 3, 2) << true
                                      << expected.arg(QStringLiteral("12.5")) << QStringLiteral("7");
    QTest::addRow("first day") << march1 << QDate(2009, 3, 9) << march1 << true << expected.arg(QStringLiteral("0"))
                               << QStringLiteral("8");
    QTest::addRow("ending date passed") << march1 << QDate(2009, 3, 8) << QDate(2009, 3, 11) << true
                                        << expected.arg(QStringLiteral("142.86")) << QStringLiteral("-3");
    QTest::addRow("whole percentage above 1000 has no group separator")
        << march1 << QDate(2009, 3, 2) << QDate(2009, 4, 10) << true << expected.arg(QStringLiteral("4000"))
        << QStringLiteral("-39");
    QTest::addRow("across a leap day") << QDate(2008, 2, 28) << QDate(2008, 3, 1) << QDate(2008, 2, 29) << true
                                       << expected.arg(QStringLiteral("50")) << QStringLiteral("1");
    QTest::addRow("percentage disabled: no days remaining")
        << march1 << QDate(2009, 3, 31) << QDate(2009, 3, 11) << false << expected.arg(QStringLiteral("33.33"))
        << QString();
    QTest::addRow("starting tomorrow") << QDate(2009, 3, 12) << QDate(2009, 3, 31) << QDate(2009, 3, 11) << true
                                       << QStringLiteral("Your goal starting date has been set for the future")
                                       << QString();
    QTest::addRow("same dates: nothing") << march1 << march1 << march1 << true << QString() << QString();
    QTest::addRow("ending before starting: nothing")
        << march1 << QDate(2009, 2, 1) << QDate(2009, 3, 5) << true << QString() << QString();
}

void TstGoalTimer::timer_comparesElapsedTimeWithTheAchievedPercentage()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QDate, today);
    QFETCH(bool, percentageEnabled);
    QFETCH(QString, info);
    QFETCH(QString, remaining);
    const GoalTimerText timer = goalTimer(start, end, today, 20, percentageEnabled, QLocale::c());
    QCOMPARE(timer.info, info);
    QCOMPARE(timer.daysRemaining, remaining);
}

void TstGoalTimer::percentage_usesTheUsersDecimalSeparatorWithoutTrailingZeros_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("german");
    QTest::addRow("33.33") << qint64(30) << qint64(10) << QStringLiteral("33.33") << QStringLiteral("33,33");
    QTest::addRow("12.5") << qint64(8) << qint64(1) << QStringLiteral("12.5") << QStringLiteral("12,5");
    QTest::addRow("0.27") << qint64(365) << qint64(1) << QStringLiteral("0.27") << QStringLiteral("0,27");
    QTest::addRow("3 of 7 days") << qint64(7) << qint64(3) << QStringLiteral("42.86") << QStringLiteral("42,86");
}

void TstGoalTimer::percentage_usesTheUsersDecimalSeparatorWithoutTrailingZeros()
{
    QFETCH(qint64, total);
    QFETCH(qint64, elapsed);
    QFETCH(QString, c);
    QFETCH(QString, german);
    const float value = expectedPercentage(total, elapsed);
    QCOMPARE(percentageText(value, QLocale::c()), c);
    QCOMPARE(percentageText(value, QLocale(QLocale::German, QLocale::Germany)), german);
}

void TstGoalTimer::daysInMonth_followsTheGregorianLeapYearRule_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::addRow("April") << 2009 << 4 << 30;
    QTest::addRow("February 2009") << 2009 << 2 << 28;
    QTest::addRow("February 2008") << 2008 << 2 << 29;
    QTest::addRow("February 2000") << 2000 << 2 << 29;
    QTest::addRow("February 2100") << 2100 << 2 << 28;
    QTest::addRow("December") << 2099 << 12 << 31;
}

void TstGoalTimer::daysInMonth_followsTheGregorianLeapYearRule()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(daysInMonth(year, month), days);
}

QTEST_GUILESS_MAIN(TstGoalTimer)
#include "tst_goaltimer.moc"
