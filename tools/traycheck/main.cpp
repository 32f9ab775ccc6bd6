// A stand-in main window for scripts/tray-check: the settings frame of
// resident mode on a plain window, opened the way the main window opens.
//
//   velmora-traycheck --tick      chooses "Run at start-up", ticks "Start at
//                                 system tray" and ends
//   velmora-traycheck [/STARTUP]  opens; prints "velmora-traycheck: in tray",
//                                 "minimised" or "shown", and "restored" when
//                                 the window comes back from the tray
//
// Settings and the logon entry follow XDG_CONFIG_HOME.

#include "unattendedprompter.h"

#include "app/appicon.h"
#include "app/prompter.h"
#include "app/services.h"
#include "resident/residentcontroller.h"
#include "resident/systemtrayframe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include <cstdio>

using namespace velmora;

namespace {

void say(const char *what)
{
    std::printf("velmora-traycheck: %s\n", what);
    std::fflush(stdout);
}

// Reports each time the window is shown after it went to the tray.
class ShowWatcher : public QObject
{
public:
    using QObject::QObject;
    bool away = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (away && event->type() == QEvent::Show) {
            away = false;
            say("restored");
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(appIcon());

    UnattendedPrompter prompter;
    SystemClock clock;
    StdRandomSource random;
    SettingsStore settings;
    Services services{prompter, clock, random, settings};

    QMainWindow window;
    window.setWindowTitle(QString::fromLatin1(kWindowCaption));
    window.setWindowIcon(appIcon());
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    auto *frame = new SystemTrayFrame(central);
    layout->addWidget(frame);
    layout->addStretch(1);
    window.setCentralWidget(central);
    window.resize(420, 300);

    ResidentController controller(services, &window, frame);
    QObject::connect(&controller, &ResidentController::exitRequested, &window, &QWidget::close);
    QObject::connect(&controller, &ResidentController::exitRequested, &app, &QApplication::quit);
    controller.restoreStartupOptions();

    if (QApplication::arguments().contains(QStringLiteral("--tick"))) {
        frame->findChild<QAbstractButton *>(QStringLiteral("optRun"))->click();
        QAbstractButton *box = frame->findChild<QAbstractButton *>(QStringLiteral("chkSysTray"));
        if (!box->isChecked())
            box->click();
        settings.sync();
        say("ticked");
        return 0;
    }

    ShowWatcher watcher;
    window.installEventFilter(&watcher);
    if (controller.goToTrayIfStartedAtLogon()) {
        watcher.away = true;
        say(QSystemTrayIcon::isSystemTrayAvailable() ? "in tray" : "minimised");
    } else {
        window.show();
        say("shown");
    }
    return QApplication::exec();
}
