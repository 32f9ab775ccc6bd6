#include "resident/residentrules.h"

#include <QtTest>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::WindowPlacement)

class TestResidentRules : public QObject
{
    Q_OBJECT

private slots:
    void runAtSysTray_onlyExactTrueCounts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("set");
        QTest::addRow("True") << QStringLiteral("True") << true;
        QTest::addRow("true") << QStringLiteral("true") << false;
        QTest::addRow("TRUE") << QStringLiteral("TRUE") << false;
        QTest::addRow("blank around") << QStringLiteral(" True") << false;
        QTest::addRow("False") << QStringLiteral("False") << false;
        QTest::addRow("absent") << QString() << false;
        QTest::addRow("1") << QStringLiteral("1") << false;
    }
    void runAtSysTray_onlyExactTrueCounts()
    {
        QFETCH(QString, stored);
        QFETCH(bool, set);
        QCOMPARE(runAtSysTraySet(stored), set);
    }

    void startupSwitch_exactAnywhere_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("atLogon");
        QTest::addRow("none") << QStringList{} << false;
        QTest::addRow("alone") << QStringList{"/STARTUP"} << true;
        QTest::addRow("lower case") << QStringList{"/startup"} << false;
        QTest::addRow("mixed case") << QStringList{"/Startup"} << false;
        QTest::addRow("after others") << QStringList{"--x", "/STARTUP"} << true;
        QTest::addRow("inside a word") << QStringList{"a/STARTUPb"} << true;
        QTest::addRow("without slash") << QStringList{"STARTUP"} << false;
        QTest::addRow("dash form") << QStringList{"--startup"} << false;
        QTest::addRow("split over two") << QStringList{"/START", "UP"} << false;
    }
    void startupSwitch_exactAnywhere()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, atLogon);
        QCOMPARE(startedAtLogon(arguments), atLogon);
    }

    void opening_data()
    {
        QTest::addColumn<bool>("entryExists");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("boxEnabled");
        QTest::addColumn<bool>("boxTicked");
        QTest::addColumn<WindowPlacement>("placement");

        // stored: nullptr for absent; switch: the one argument, if any.
        const auto row = [](const char *tag, bool entry, const char *stored, const char *sw, bool tray, bool run,
                            bool enabled, bool ticked, WindowPlacement placement) {
            QTest::addRow("%s", tag) << entry << (stored ? QString::fromLatin1(stored) : QString())
                                     << (sw ? QStringList{QString::fromLatin1(sw)} : QStringList()) << tray << run
                                     << enabled << ticked << placement;
        };
        const auto shown = WindowPlacement::Shown;
        row("no entry, nothing stored", false, nullptr, nullptr, true, false, false, false, shown);
        row("no entry, True stored, at logon", false, "True", "/STARTUP", true, false, false, false, shown);
        row("entry, absent setting", true, nullptr, "/STARTUP", true, true, true, false, shown);
        row("entry, False", true, "False", "/STARTUP", true, true, true, false, shown);
        row("entry, true lower case", true, "true", "/STARTUP", true, true, true, false, shown);
        row("entry, True, not at logon", true, "True", nullptr, true, true, true, true, shown);
        row("entry, True, lower-case switch", true, "True", "/startup", true, true, true, true, shown);
        row("entry, True, at logon", true, "True", "/STARTUP", true, true, true, true, WindowPlacement::InTray);
        row("entry, True, at logon, no tray", true, "True", "/STARTUP", false, true, true, true,
            WindowPlacement::Minimised);
    }
    void opening()
    {
        QFETCH(bool, entryExists);
        QFETCH(QString, stored);
        QFETCH(QStringList, arguments);
        QFETCH(bool, trayAvailable);
        QFETCH(bool, run);
        QFETCH(bool, boxEnabled);
        QFETCH(bool, boxTicked);
        QFETCH(WindowPlacement, placement);

        const ResidentOpening opening = residentOpening(entryExists, stored, arguments, trayAvailable);
        QCOMPARE(opening.runAtStartup, run);
        QCOMPARE(opening.rewriteEntry, entryExists);
        QCOMPARE(opening.trayBoxEnabled, boxEnabled);
        QCOMPARE(opening.trayBoxTicked, boxTicked);
        QCOMPARE(opening.placement, placement);
    }
};

QTEST_GUILESS_MAIN(TestResidentRules)
#include "tst_residentrules.moc"
