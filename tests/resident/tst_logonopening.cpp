#include "compose/startscreen.h"
#include "servicesrig.h"
#include "testhome.h"

#include "app/frmbegin.h"
#include "app/services.h"
#include "app/shell.h"
#include "learn/frmmain.h"
#include "resident/residentcontroller.h"
#include "resident/startupentry.h"

#include <QPushButton>
#include <QSystemTrayIcon>
#include <QtTest>

#include <vector>

using namespace velmora;

// A run started at logon: the start screen opens the main window as the
// product does, with "/STARTUP" on the command line (see main below).
class TestLogonOpening : public QObject
{
    Q_OBJECT

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<FrmMain *>(watched))
            ++mainShows_;
        return false;
    }

private slots:
    void initTestCase()
    {
        setProcessEnder([] {});
        home_.makeFolders();
        QVERIFY(home_.createCatalog() && home_.createDeck(QStringLiteral("tutor.vdk")) &&
                home_.createDeck(QStringLiteral("tutor/Tutor1.vdk")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
        SetStartupEntry(rig_.prompter, applicationName(), QCoreApplication::applicationDirPath(), true);
        QVERIFY(StartupEntryExists(applicationName()));
        rig_.settings.setValue(QStringLiteral("RunAtSysTray"), QStringLiteral("True"));
        qApp->installEventFilter(this);
    }

    // Every opening from the start screen goes to the tray again, the window never on screen
    // in between; with no tray it is minimised instead of being lost.
    void everyOpening_goesToTheTray_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addRow("tray") << true;
        QTest::addRow("no tray") << false;
    }
    void everyOpening_goesToTheTray()
    {
        QFETCH(bool, tray);
        ResidentController::setTrayAvailable(tray);
        FrmBegin begin(rig_.services);
        offerWindowsFromStartScreen(begin, rig_.services);
        QVERIFY(begin.Form_Load());
        for (int opening = 0; opening < 2; ++opening) {
            begin.show();
            mainShows_ = 0;
            QTest::mouseClick(begin.findChild<QPushButton *>(QStringLiteral("cmdTarot")), Qt::LeftButton);
            QVERIFY(!begin.isVisible());
            std::unique_ptr<FrmMain> main;
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<FrmMain *>(widget))
                    main.reset(window);
            }
            QVERIFY(main);
            auto *icon = main->findChild<QSystemTrayIcon *>(QStringLiteral("trayIcon"));
            QCOMPARE(icon && icon->isVisible(), tray);
            QCOMPARE(main->isVisible(), !tray);
            QVERIFY(main->isMinimized());
            QCOMPARE(mainShows_, tray ? 0 : 1);
            QVERIFY(rig_.prompter.records().isEmpty());
        }
    }

private:
    test::TestHome home_;
    test::ServicesRig rig_;
    int mainShows_ = 0;
};

int main(int argc, char *argv[])
{
    // The switch reaches the application's arguments but not the test's.
    std::vector<char *> arguments(argv, argv + argc);
    char startup[] = "/STARTUP";
    arguments.push_back(startup);
    arguments.push_back(nullptr);
    int count = argc + 1;
    QApplication app(count, arguments.data());
    TestLogonOpening test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logonopening.moc"
