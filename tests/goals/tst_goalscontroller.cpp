#include "filebytes.h"
#include "servicesrig.h"
#include "testhome.h"
#include "windowprobe.h"

#include "app/services.h"
#include "goals/datepicker.h"
#include "goals/goalscontroller.h"
#include "goals/goalspage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QtTest>

using namespace velmora;
using namespace velmora::goals;
using namespace velmora::test;

namespace {

QString line(const QString &name, const QString &start, const QString &end, bool achieved, int percentage,
             const QString &description = QStringLiteral("d"))
{
    return QStringLiteral("\"%1\",#%2#,#%3#,\"%4\",%5,%6\r\n")
        .arg(name, start, end, description, achieved ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"))
        .arg(percentage);
}

// A program folder, the services and a goals page as the main window holds it.
struct Fixture : ServicesRig
{
    explicit Fixture(const QByteArray &goalsFile = {}, bool withFile = true)
    {
        clock.set(QDateTime(QDate(2009, 3, 11), QTime(9, 0)));
        if (withFile && !writeFile(home.filePath(QStringLiteral("goals.txt")), goalsFile))
            qFatal("the goals file was not written");
    }

    void open()
    {
        controller = std::make_unique<GoalsController>(services, &window);
        controller->load();
    }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return test::control<T>(&window, name);
    }

    QString text(const QString &label) const { return control<QLabel>(label)->text(); }
    QTreeView *list() const { return control<QTreeView>(QStringLiteral("ListView1")); }
    int rows() const { return list()->model()->rowCount(); }
    QModelIndex row(int row) const { return list()->model()->index(row, 0); }
    QStringList names() const
    {
        QStringList shown;
        for (int i = 0; i < rows(); ++i)
            shown << row(i).data().toString();
        return shown;
    }

    void tick(int i) const { list()->model()->setData(row(i), Qt::Checked, Qt::CheckStateRole); }
    void click(const QString &button) const { control<QPushButton>(button)->click(); }
    QByteArray fileBytes(const QString &name = QStringLiteral("goals.txt")) const
    {
        return test::fileBytes(home.filePath(name));
    }

    TestHome home;
    QWidget window;
    std::unique_ptr<GoalsController> controller;
};

const QString kMarch1 = QStringLiteral("2009-03-01");
const QString kMarch31 = QStringLiteral("2009-03-31");

} // namespace

class TstGoalsController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void onlyAchievedGoal_showsInTheAchievedViewUnderItsTableKey()
    {
        Fixture f((line(QStringLiteral("Current"), kMarch1, kMarch31, false, 1) +
                   line(QStringLiteral("Done A"), kMarch1, kMarch31, true, 2) +
                   line(QStringLiteral("Current 2"), kMarch1, kMarch31, false, 3) +
                   line(QStringLiteral("Done B"), kMarch1, kMarch31, true, 4))
                      .toUtf8());
        f.open();
        QCOMPARE(f.names(), QStringList({QStringLiteral("Current"), QStringLiteral("Current 2")}));
        QCOMPARE(f.controller->page()->entryKey(1), QStringLiteral("_2"));

        f.click(QStringLiteral("optGoals1"));
        QCOMPARE(f.names(), QStringList({QStringLiteral("Done A"), QStringLiteral("Done B")}));
        QCOMPARE(f.controller->page()->entryKey(0), QStringLiteral("_1"));
        QCOMPARE(f.controller->page()->entryKey(1), QStringLiteral("_3"));
        QCOMPARE(f.controller->page()->entryIndexText(1), QStringLiteral("3"));
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtGoalName"))->text(), QStringLiteral("Done A"));
        QCOMPARE(f.controller->page()->visibleViewButton(), 0);
    }

    void shownGoal_givesDaysAndTheTimerMessage()
    {
        Fixture f((line(QStringLiteral("Tomorrow"), QStringLiteral("2009-03-12"), kMarch31, false, 0) +
                   line(QStringLiteral("March"), kMarch1, kMarch31, false, 20))
                      .toUtf8());
        f.open();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(f.text(QStringLiteral("lblInfo")),
                 QStringLiteral("Your goal starting date has been set for the future"));
        QCOMPARE(f.text(QStringLiteral("lblDaysRemaining")), QString());

        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, f.list()->visualRect(f.row(1)).center());
        QCOMPARE(f.text(QStringLiteral("lblDayCount")), QStringLiteral("30"));
        QCOMPARE(f.text(QStringLiteral("lblDaysRemaining")), QStringLiteral("20"));
        QCOMPARE(f.text(QStringLiteral("lblInfo")),
                 QStringLiteral("You should have achieved 33.33%. You have actually achieved 20%"));
    }

    void newGoal_savedWithPercentageZero_isFoundAfterRestart()
    {
        Fixture f({}, false);
        f.open();
        QLabel *saysNew = f.control<QLabel>(QStringLiteral("lblNewGoal"));
        QVERIFY(saysNew->isHidden());
        f.click(QStringLiteral("cmdNewGoal"));
        QVERIFY(f.controller->newGoalMode() && !saysNew->isHidden());
        QCOMPARE(f.control<DatePicker>(QStringLiteral("mydtpStartingDate"))->value(), QDate(2009, 3, 11));
        QCOMPARE(f.control<DatePicker>(QStringLiteral("mydtpEndingDate"))->value(), QDate(2009, 3, 18));
        QCOMPARE(f.text(QStringLiteral("lblDayCount")), QStringLiteral("7"));
        QCOMPARE(f.window.focusWidget(), f.control(QStringLiteral("txtGoalName")));

        QTest::keyClicks(f.control(QStringLiteral("txtGoalName")), QStringLiteral("Swords, all fourteen"));
        f.control<QPlainTextEdit>(QStringLiteral("txtGoalDesc"))->setPlainText(QStringLiteral("line 1,\nline 2"));
        f.control<QComboBox>(QStringLiteral("Combo3"))->setCurrentIndex(50);
        f.click(QStringLiteral("cmdSaveGoals"));
        QVERIFY(!f.controller->newGoalMode() && saysNew->isHidden());
        QCOMPARE(f.fileBytes(), QByteArray("\"Swords, all fourteen\",#2009-03-11#,#2009-03-18#,\"line 1,\nline 2\","
                                           "#FALSE#,0\r\n"));

        Fixture again({}, false);
        QFile::copy(f.home.filePath(QStringLiteral("goals.txt")), again.home.filePath(QStringLiteral("goals.txt")));
        again.open();
        QCOMPARE(again.names(), QStringList{QStringLiteral("Swords, all fourteen")});
        QCOMPARE(again.control<QPlainTextEdit>(QStringLiteral("txtGoalDesc"))->toPlainText(),
                 QStringLiteral("line 1,\nline 2"));
        QVERIFY(again.control(QStringLiteral("cmdSaveGoals"))->isEnabled());
    }

    // Without a goals file the list opens empty, its fields off, and says nothing.
    void noGoalsFile_opensEmpty_saveChecksTheDatesBeforeTheName()
    {
        Fixture f({}, false);
        f.open();
        QCOMPARE(f.rows(), 0);
        for (const char *name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
            QVERIFY2(!f.control(QString::fromLatin1(name))->isEnabled(), name);
        QCOMPARE(f.control<QStackedWidget>(QStringLiteral("optGoalsStack"))->currentWidget()->objectName(),
                 QStringLiteral("optGoals1"));
        QVERIFY(f.prompter.records().isEmpty());

        f.click(QStringLiteral("cmdNewGoal"));
        f.control<DatePicker>(QStringLiteral("mydtpEndingDate"))->setValue(QDate(2009, 3, 11));
        f.click(QStringLiteral("cmdSaveGoals"));
        f.control<DatePicker>(QStringLiteral("mydtpEndingDate"))->setValue(QDate(2009, 3, 12));
        f.click(QStringLiteral("cmdSaveGoals"));
        QCOMPARE(f.prompter.messageTexts(),
                 QStringList({QStringLiteral("Starting date can't be same or later than ending "
                                             "date."),
                              QStringLiteral("Goal name can't be blank.")}));
        QCOMPARE(f.prompter.messages().constFirst().icon, PromptIcon::Critical);
        QVERIFY(!QFileInfo::exists(f.home.filePath(QStringLiteral("goals.txt"))));
    }

    void update_overwritesTheSelectedGoal()
    {
        Fixture f((line(QStringLiteral("A"), kMarch1, kMarch31, false, 5) +
                   line(QStringLiteral("B"), kMarch1, kMarch31, false, 6))
                      .toUtf8());
        f.open();
        f.controller->page()->selectEntry(1);
        f.controller->page()->showDetails(QStringLiteral("B2"), QStringLiteral("new"), QDate(2009, 3, 2),
                                          QDate(2009, 3, 30), 70);
        f.click(QStringLiteral("cmdSaveGoals"));
        QCOMPARE(QString::fromUtf8(f.fileBytes()),
                 line(QStringLiteral("A"), kMarch1, kMarch31, false, 5) +
                     line(QStringLiteral("B2"), QStringLiteral("2009-03-02"), QStringLiteral("2009-03-30"), false, 70,
                          QStringLiteral("new")));
    }

    void tickedGoals_deletedOrMarkedAchieved_leaveFileAndList()
    {
        const auto goal = [](const char *name, bool achieved) {
            return line(QLatin1String(name), kMarch1, kMarch31, achieved, 0);
        };
        Fixture f(
            (goal("A", false) + goal("B", true) + goal("C", false) + goal("D", false) + goal("E", false)).toUtf8());
        f.open();
        f.tick(0);
        f.tick(2);
        f.click(QStringLiteral("cmdDeleteGoals"));
        QCOMPARE(f.names(), (QStringList{QStringLiteral("C"), QStringLiteral("E")}));
        QCOMPARE(QString::fromUtf8(f.fileBytes()), goal("B", true) + goal("C", false) + goal("E", false));

        f.tick(1);
        f.click(QStringLiteral("cmdMarkAchived"));
        QCOMPARE(f.names(), QStringList{QStringLiteral("C")});
        QCOMPARE(QString::fromUtf8(f.fileBytes()), goal("B", true) + goal("C", false) + goal("E", true));

        f.tick(0);
        f.click(QStringLiteral("cmdDeleteGoals"));
        QCOMPARE(f.rows(), 0);
        for (const char *name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
            QVERIFY2(!f.control(QString::fromLatin1(name))->isEnabled(), name);
        QCOMPARE(f.text(QStringLiteral("lblInfo")), QString());
    }

    void corruptGoalsFile_keepsGoalsReadBeforeTheFault_andTheOriginalText_data()
    {
        QTest::addColumn<QString>("rest"); // after a first good line
        QTest::addColumn<QString>("said");
        QTest::addRow("fault on line 2") << QStringLiteral("\"Lost?\",#2009-13-01#,oops\r\n") +
                                                line(QStringLiteral("After"), kMarch1, kMarch31, false, 0)
                                         << QStringLiteral("line 2");
        QTest::addRow("more than is read") << line(QStringLiteral("Long"), kMarch1, kMarch31, false, 0,
                                                   QString(int(kMaxGoalsFileBytes), QLatin1Char('x')))
                                           << QStringLiteral("left unread");
    }

    void corruptGoalsFile_keepsGoalsReadBeforeTheFault_andTheOriginalText()
    {
        QFETCH(QString, rest);
        QFETCH(QString, said);
        const QByteArray original = (line(QStringLiteral("Kept"), kMarch1, kMarch31, false, 0) + rest).toUtf8();
        Fixture f(original);
        // A copy kept from an earlier fault stays, and the message names the new one.
        QVERIFY(writeFile(f.home.filePath(QStringLiteral("goals.txt.bak")), "earlier"));
        f.open();
        QCOMPARE(f.names(), QStringList{QStringLiteral("Kept")});
        QCOMPARE(f.prompter.messages().size(), 1);
        QVERIFY(f.prompter.messageTexts().constFirst().contains(said));
        QVERIFY(f.prompter.messageTexts().constFirst().contains(QStringLiteral("\"goals.txt.bak2\"")));
        QVERIFY(!QFileInfo::exists(f.home.filePath(QStringLiteral("goals.txt.bak2"))));

        f.tick(0);
        f.click(QStringLiteral("cmdMarkAchived"));
        f.click(QStringLiteral("cmdMarkAchived"));
        QCOMPARE(f.fileBytes(QStringLiteral("goals.txt.bak2")), original);
        QCOMPARE(f.fileBytes(QStringLiteral("goals.txt.bak")), QByteArray("earlier"));
        QVERIFY(!QFileInfo::exists(f.home.filePath(QStringLiteral("goals.txt.bak3"))));
        QCOMPARE(f.prompter.messages().size(), 1);
    }

    void failedSave_isTold_andGoalsOnScreenStay()
    {
        Fixture f({}, false);
        QVERIFY(QDir(f.home.path()).mkdir(QStringLiteral("goals.txt")));
        f.open();
        f.click(QStringLiteral("cmdNewGoal"));
        f.control<QLineEdit>(QStringLiteral("txtGoalName"))->setText(QStringLiteral("Unsaved"));
        f.click(QStringLiteral("cmdSaveGoals"));
        QCOMPARE(f.prompter.messages().size(), 1);
        QCOMPARE(f.prompter.messages().constFirst().icon, PromptIcon::Critical);
        QVERIFY(f.prompter.messageTexts().constFirst().startsWith(QStringLiteral("Your goals could not be saved")));
        QCOMPARE(f.names(), QStringList{QStringLiteral("Unsaved")});
    }

    void keyboard_ticksEntries()
    {
        Fixture f((line(QStringLiteral("A"), kMarch1, kMarch31, false, 0) +
                   line(QStringLiteral("B"), kMarch1, kMarch31, false, 0))
                      .toUtf8());
        f.open();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.list()->setFocus();
        QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtGoalName"))->text(), QStringLiteral("B"));
        QTest::keyClick(f.list(), Qt::Key_Space);
        QCOMPARE(f.controller->page()->tickedRows(), QList<int>{1});
    }
};

QTEST_MAIN(TstGoalsController)
#include "tst_goalscontroller.moc"
