#include "learn/tabavailability.h"

#include <QtTest>

using namespace velmora;

// Each step is one call the window makes: "open", "select N", "memorize",
// "test", "question", "complete". The expected text lists tabs 2, 3 and 4 as
// 1 (available) or 0.
class TstTabAvailability : public QObject
{
    Q_OBJECT

private slots:
    void availabilityAfterEvents_data();
    void availabilityAfterEvents();
    void goalsAndSettingsNeverClose();
};

namespace {
bool run(TabAvailability &tabs, const QString &step)
{
    if (step == QLatin1String("open"))
        tabs.windowOpened();
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
    for (int tab = TabMemorize; tab < TabCount; ++tab)
        text += tabs.isAvailable(tab) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}
} // namespace

void TstTabAvailability::availabilityAfterEvents_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QStringList opened{QStringLiteral("open"), QStringLiteral("select 1")};
    const QStringList memorizing = opened + QStringList{QStringLiteral("select 2"), QStringLiteral("memorize")};
    const QStringList testing = opened + QStringList{QStringLiteral("test"), QStringLiteral("select 3")};
    const QStringList completed =
        testing + QStringList{QStringLiteral("question"), QStringLiteral("select 4"), QStringLiteral("complete")};

    QTest::addRow("window opened") << opened << "000";
    QTest::addRow("memorize opened") << memorizing << "100";
    QTest::addRow("test started from the settings") << testing << "110";
    QTest::addRow("question shown") << testing + QStringList{QStringLiteral("question")} << "110";
    QTest::addRow("test complete") << completed << "101";
    QTest::addRow("results left for the memorize tab") << completed + QStringList{QStringLiteral("select 2")} << "100";
    QTest::addRow("settings chosen during a test") << testing + QStringList{QStringLiteral("select 1")} << "000";
    QTest::addRow("goals chosen during a test") << testing + QStringList{QStringLiteral("select 0")} << "110";
    QTest::addRow("memorize chosen during a test") << testing + QStringList{QStringLiteral("select 2")} << "100";
    QTest::addRow("test started from the memorize tab")
        << memorizing + QStringList{QStringLiteral("question"), QStringLiteral("select 3")} << "110";
    QTest::addRow("a new test after the results")
        << completed + QStringList{QStringLiteral("select 1"), QStringLiteral("test"), QStringLiteral("select 3")}
        << "110";
}

void TstTabAvailability::availabilityAfterEvents()
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
}

void TstTabAvailability::goalsAndSettingsNeverClose()
{
    TabAvailability tabs;
    tabs.setAvailable(TabGoals, false);
    tabs.setAvailable(TabSettings, false);
    tabs.windowOpened();
    for (int tab = 0; tab < TabCount; ++tab)
        tabs.tabSelected(tab);
    QVERIFY(tabs.isAvailable(TabGoals));
    QVERIFY(tabs.isAvailable(TabSettings));
    QVERIFY(!tabs.isAvailable(-1));
    QVERIFY(!tabs.isAvailable(TabCount));
}

QTEST_APPLESS_MAIN(TstTabAvailability)
#include "tst_tabavailability.moc"
