#include "goals/goaltimer.h"

#include <QtTest>

using namespace velmora::goals;

class TstGoalTimer : public QObject
{
    Q_OBJECT

private slots:
    void timer_comparesElapsedTimeWithTheAchievedPercentage_data()
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
        QTest::addRow("one day of a year") << march1 << QDate(2010, 3, 1) << QDate(2009, 3, 2) << true
                                           << expected.arg(QStringLiteral("0.27")) << QStringLiteral("364");
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
        QTest::addRow("starting tomorrow")
            << QDate(2009, 3, 12) << QDate(2009, 3, 31) << QDate(2009, 3, 11) << true
            << QStringLiteral("Your goal starting date has been set for the future") << QString();
        QTest::addRow("same dates: nothing") << march1 << march1 << march1 << true << QString() << QString();
        QTest::addRow("ending before starting: nothing")
            << march1 << QDate(2009, 2, 1) << QDate(2009, 3, 5) << true << QString() << QString();
    }
    void timer_comparesElapsedTimeWithTheAchievedPercentage()
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
        // The user's decimal separator, and still no group separator.
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(goalTimer(start, end, today, 20, percentageEnabled, german).info,
                 QString(info).replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")), QStringLiteral("\\1,\\2")));
    }

    void daysInMonth_followsTheGregorianLeapYearRule()
    {
        const QList<std::array<int, 3>> months = {{2009, 4, 30}, {2009, 2, 28}, {2008, 2, 29},
                                                  {2000, 2, 29}, {2100, 2, 28}, {2099, 12, 31}};
        for (const auto &[year, month, days] : months)
            QCOMPARE(daysInMonth(year, month), days);
    }
};

QTEST_GUILESS_MAIN(TstGoalTimer)
#include "tst_goaltimer.moc"
