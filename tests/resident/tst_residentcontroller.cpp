#include "filebytes.h"
#include "servicesrig.h"
#include "windowprobe.h"

#include "app/prompter.h"
#include "app/services.h"
#include "resident/residentcontroller.h"
#include "resident/startupentry.h"
#include "resident/systemtrayframe.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QtTest>

using namespace velmora;
using test::clickBox;
using test::control;

namespace {

const QString kExe = QStringLiteral("velmora");

} // namespace

// One main window with its frame and controller, as the main window makes them.
struct Window
{
    explicit Window(Services &services, const QString &folder = QStringLiteral("/opt/velmora"))
        : frame(new SystemTrayFrame(&widget)), controller(services, &widget, frame)
    {
        widget.setWindowIcon(QIcon(QPixmap(16, 16)));
        controller.setProgram(kExe, folder);
    }
    QWidget widget;
    SystemTrayFrame *frame;
    ResidentController controller;
    QRadioButton *optRun() const { return control<QRadioButton>(frame, QStringLiteral("optRun")); }
    QRadioButton *optDontRun() const { return control<QRadioButton>(frame, QStringLiteral("optDontRun")); }
    QCheckBox *chkSysTray() const { return control<QCheckBox>(frame, QStringLiteral("chkSysTray")); }
};

class TestResidentController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        rig_ = std::make_unique<test::ServicesRig>();
        QVERIFY(rig_->folder.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(rig_->folder.path()));
        ResidentController::setTrayAvailable(std::nullopt);
    }

    // The captions are fixed; the opening state is what can go wrong.
    void frame_startsOff()
    {
        Window window(rig_->services);
        QVERIFY(window.optDontRun()->isChecked());
        QVERIFY(!window.chkSysTray()->isEnabled());
        QVERIFY(!window.chkSysTray()->isChecked());
    }

    // The long label wraps inside a narrow window and shows whole.
    void label14_wrapsWithoutWideningTheWindow()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *frame = new SystemTrayFrame(&window);
        layout->addWidget(frame);
        layout->addStretch(1);
        window.resize(260, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.width(), 260);
        QVERIFY(window.minimumSizeHint().width() <= 260);
        auto *label = control<QLabel>(frame, QStringLiteral("Label14"));
        QVERIFY(label->wordWrap());
        QVERIFY(label->width() < 260);
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }

    // The spellings of the setting are the rule test's; here the frame shows them and changes nothing.
    void opening_setsTheFrameFromEntryAndSetting_data()
    {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<QString>("stored"); // null: absent
        QTest::addColumn<bool>("ticked");
        QTest::addRow("no entry, True kept as it is") << false << QStringLiteral("True") << false;
        QTest::addRow("no entry, absent stays absent") << false << QString() << false;
        QTest::addRow("entry, True") << true << QStringLiteral("True") << true;
        QTest::addRow("entry, absent") << true << QString() << false;
    }
    void opening_setsTheFrameFromEntryAndSetting()
    {
        QFETCH(bool, entry);
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        if (entry) // made before the program folder moved to /opt/velmora
            SetStartupEntry(rig_->prompter, kExe, QStringLiteral("/old/place"), true);
        if (!stored.isNull())
            rig_->settings.setValue(QStringLiteral("RunAtSysTray"), stored);

        Window window(rig_->services);
        window.controller.restoreStartupOptions();
        QCOMPARE(window.optRun()->isChecked(), entry);
        QCOMPARE(window.optDontRun()->isChecked(), !entry);
        QCOMPARE(window.chkSysTray()->isEnabled(), entry);
        QCOMPARE(window.chkSysTray()->isChecked(), ticked);
        QCOMPARE(window.controller.runAtSysTrayTicked(), ticked);
        QCOMPARE(StartupEntryExists(kExe), entry);
        if (entry) // rewritten for the folder the program is in now
            QVERIFY(test::fileBytes(startupEntryPath(kExe)).contains("Exec=\"/opt/velmora/velmora\" /STARTUP\n"));
        QCOMPARE(rig_->settings.contains(QStringLiteral("RunAtSysTray")), !stored.isNull());
        if (!stored.isNull())
            QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), stored);
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    void mouse_runTicksUnticksAndDontRun()
    {
        Window window(rig_->services);
        window.widget.show();
        clickBox(window.optRun());
        QVERIFY(window.optRun()->isChecked());
        QVERIFY(StartupEntryExists(kExe));
        QVERIFY(window.chkSysTray()->isEnabled());
        QVERIFY(!window.chkSysTray()->isChecked());
        QVERIFY(!rig_->settings.contains(QStringLiteral("RunAtSysTray")));

        clickBox(window.chkSysTray());
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));
        QVERIFY(window.controller.runAtSysTrayTicked());
        clickBox(window.chkSysTray());
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
        QVERIFY(!window.controller.runAtSysTrayTicked());

        // "Don't run" while ticked removes the entry, unticks, disables and stores False.
        clickBox(window.chkSysTray());
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));
        clickBox(window.optDontRun());
        QVERIFY(!QFile::exists(startupEntryPath(kExe)));
        QVERIFY(!window.chkSysTray()->isChecked());
        QVERIFY(!window.chkSysTray()->isEnabled());
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    void keyboard_choosesAndTicks()
    {
        Window window(rig_->services);
        window.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
        window.widget.activateWindow();
        window.optDontRun()->setFocus();
        QTest::keyClick(window.optDontRun(), Qt::Key_Up);
        QVERIFY(window.optRun()->isChecked());
        QVERIFY(StartupEntryExists(kExe));
        window.chkSysTray()->setFocus();
        QTest::keyClick(window.chkSysTray(), Qt::Key_Space);
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));
        window.optRun()->setFocus();
        QTest::keyClick(window.optRun(), Qt::Key_Down);
        QVERIFY(window.optDontRun()->isChecked());
        QVERIFY(!StartupEntryExists(kExe));
        QCOMPARE(rig_->settings.value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
    }

    void optRun_failingEntry_tellsAndStillEnablesTheBox()
    {
        QVERIFY(test::writeFile(rig_->folder.filePath(QStringLiteral("autostart")), {}));
        Window window(rig_->services);
        window.widget.show();
        clickBox(window.optRun());
        QCOMPARE(rig_->prompter.messages().size(), 1);
        QVERIFY(rig_->prompter.messageTexts()[0].contains(QStringLiteral(" opening key\r\n")));
        QVERIFY(window.chkSysTray()->isEnabled());
    }

    void tray_iconTipMenuAndMouse()
    {
        Window window(rig_->services);
        ResidentController::setTrayAvailable(true);
        window.widget.show();
        window.controller.goToTray();
        QVERIFY(!window.widget.isVisible());
        QVERIFY(window.widget.windowState() & Qt::WindowMinimized);
        QSystemTrayIcon *icon = window.controller.trayIcon();
        QVERIFY(icon && icon->isVisible());
        QCOMPARE(icon->toolTip(), QStringLiteral("Recent"));
        QCOMPARE(icon->icon().cacheKey(), window.widget.windowIcon().cacheKey());

        QMenu *menu = window.controller.trayMenu();
        QCOMPARE(icon->contextMenu(), menu);
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->defaultAction(), menu->actions()[0]);
        QVERIFY(menu->actions()[0]->font().bold());
        QVERIFY(!menu->actions()[1]->font().bold());
        QSignalSpy exits(&window.controller, &ResidentController::exitRequested);
        window.controller.exitAction()->trigger();
        QCOMPARE(exits.size(), 1);
        QVERIFY(icon->isVisible());

        emit icon->activated(QSystemTrayIcon::Trigger);
        emit icon->activated(QSystemTrayIcon::MiddleClick);
        QVERIFY(!window.widget.isVisible());
        QVERIFY(icon->isVisible());

        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window.widget.isVisible() && !(window.widget.windowState() & Qt::WindowMinimized));
        QVERIFY(!icon->isVisible());

        window.controller.goToTray();
        window.controller.showAction()->trigger();
        QVERIFY(window.widget.isVisible() && !window.widget.isMinimized() && !icon->isVisible());
        QCOMPARE(exits.size(), 1);
    }

private:
    std::unique_ptr<test::ServicesRig> rig_;
};

QTEST_MAIN(TestResidentController)
#include "tst_residentcontroller.moc"
