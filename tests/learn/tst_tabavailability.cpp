#include "learn/tabavailability.h"

#include <QtTest>

using namespace velmora;

namespace {
bool run(TabAvailability &tabs, const QString &step)
{
    if (step == QLatin1String("open"))
        tabs.windowOpened();
    else if (step.startsWith(QLatin1String("close ")))
        tabs.setAvailable(step.mid(6).toInt(), false);
    else if (step.startsWith(QLatin1String("select ")))
        tabs.tabSelected(step.mid(7).toInt());
    else if (step == QLatin1String("memorize"))
        tabs.memorizeOpened();
    else if (step == QLatin1String("test"))
        tabs.testStarted();
    else if (step == QLatin1String("question"))
        tabs.questionShown();
    else if (step == QLatin1String("complete"))
        tabs.testCompleted();
    else
        return false;
    return true;
}

QString state(const TabAvailability &tabs)
{
    QString text;
    for (int tab = 0; tab < TabCount; ++tab)
        text += tabs.isAvailable(tab) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}
} // namespace

// Each step is one call the window makes: "open", "close N", "select N",
// "memorize", "test", "question", "complete". The expected text lists every tab
// as 1 (available) or 0.
class TstTabAvailability : public QObject
{
    Q_OBJECT

private slots:
    void availabilityAfterEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");

        const QString opened = QStringLiteral("open,select 1");
        const QString memorizing = opened + QStringLiteral(",select 2,memorize");
        const QString testing = opened + QStringLiteral(",test,select 3");
        const QString completed = testing + QStringLiteral(",question,select 4,complete");
        const auto row = [](const char *name, const QString &steps, const char *expected) {
            QTest::newRow(name) << steps.split(QLatin1Char(',')) << QString::fromLatin1(expected);
        };
        row("window opened", opened, "11000");
        row("memorize opened", memorizing, "11100");
        row("test started from the settings", testing, "11110");
        row("question shown", testing + ",question", "11110");
        row("test complete", completed, "11101");
        row("results left for the memorize tab", completed + ",select 2", "11100");
        row("settings chosen during a test", testing + ",select 1", "11000");
        row("goals chosen during a test", testing + ",select 0", "11110");
        row("memorize chosen during a test", testing + ",select 2", "11100");
        row("test started from the memorize tab", memorizing + ",question,select 3", "11110");
        row("a new test after the results", completed + ",select 1,test,select 3", "11110");
        row("goals and settings never close", "close 0,close 1,open,select 0,select 1,select 2,select 3,select 4",
            "11000");
    }
    void availabilityAfterEvents()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        TabAvailability tabs;
        // Start from everything open so that "open" has to close the tabs itself.
        for (int tab = 0; tab < TabCount; ++tab)
            tabs.setAvailable(tab, true);
        for (const QString &step : steps)
            QVERIFY2(run(tabs, step), qPrintable(step));
        QCOMPARE(state(tabs), expected);
        QVERIFY(!tabs.isAvailable(-1) && !tabs.isAvailable(TabCount));
    }
};

QTEST_APPLESS_MAIN(TstTabAvailability)
#include "tst_tabavailability.moc"
