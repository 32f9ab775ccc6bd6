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
        // percent: what "You should have achieved" says, if anything is said.
        const auto row = [&](const char *tag, QDate start, QDate end, QDate today, bool enabled, const char *percent,
                             const char *remaining) {
            QTest::addRow("%s", tag) << start << end << today << enabled
                                     << (percent ? expected.arg(QLatin1String(percent)) : QString())
                                     << QString::fromLatin1(remaining);
        };
        row("a third through March", march1, QDate(2009, 3, 31), QDate(2009, 3, 11), true, "33.33", "20");
        row("one day of eight", march1, QDate(2009, 3, 9), QDate(2009, 3, 2), true, "12.5", "7");
        row("one day of a year", march1, QDate(2010, 3, 1), QDate(2009, 3, 2), true, "0.27", "364");
        row("first day", march1, QDate(2009, 3, 9), march1, true, "0", "8");
        row("ending date passed", march1, QDate(2009, 3, 8), QDate(2009, 3, 11), true, "142.86", "-3");
        row("whole percentage above 1000 has no group separator", march1, QDate(2009, 3, 2), QDate(2009, 4, 10), true,
            "4000", "-39");
        row("across a leap day", QDate(2008, 2, 28), QDate(2008, 3, 1), QDate(2008, 2, 29), true, "50", "1");
        row("percentage disabled: no days remaining", march1, QDate(2009, 3, 31), QDate(2009, 3, 11), false, "33.33",
            "");
        row("same dates: nothing", march1, march1, march1, true, nullptr, "");
        row("ending before starting: nothing", march1, QDate(2009, 2, 1), QDate(2009, 3, 5), true, nullptr, "");
        QTest::addRow("starting tomorrow")
            << QDate(2009, 3, 12) << QDate(2009, 3, 31) << QDate(2009, 3, 11) << true
            << QStringLiteral("Your goal starting date has been set for the future") << QString();
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
