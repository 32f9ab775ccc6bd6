#include "app/application.h"

#include "app/appicon.h"
#include "app/enterkey.h"
#include "app/frmbegin.h"
#include "app/orderlyending.h"
#include "app/programfolder.h"
#include "app/prompter.h"
#include "app/secondstart.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/translations.h"
#include "app/updatereminder.h"
#include "app/windowkeys.h"
#include "store/backgroundjob.h"
#include "store/paths.h"
#include "store/workfolders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>

namespace velmora {

namespace {
// Off unless asked for, e.g. QT_LOGGING_RULES="velmora.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "velmora.startup", QtWarningMsg)

QElapsedTimer &startupClock()
{
    static QElapsedTimer clock;
    return clock;
}

// Marks the first paint of the start screen, then lets go of it.
class FirstPaintMark : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint event is handled, so the mark holds the paint.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    markStartup("start screen painted");
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

void startStartupClock()
{
    startupClock().start();
}

void markStartup(const char *what)
{
    if (!lcStartup().isInfoEnabled())
        return;
    const double ms = startupClock().isValid() ? double(startupClock().nsecsElapsed()) / 1e6 : -1.0;
    qCInfo(lcStartup, "%.2f ms %s", ms, what);
}

int runVelmora(const StartUp &startUp)
{
    markStartup("application made");
    // Before anything is shown, the refusal of a second copy included.
    SettingsStore settings;
    installInterfaceLanguage(settings);
    markStartup("interface language");
    QApplication::setWindowIcon(appIcon());
    installEnterActivatesButtons(*qApp);
    installQuitKey(*qApp);
    markStartup("icon and Enter key");

    SingleInstanceLock lock;
    const QString socketPath = secondStartSocketPath(lock.lockFilePath());
    if (!lock.tryAcquire()) {
        if (!handToRunningCopy(socketPath, QCoreApplication::arguments()))
            startUp.prompter.tell(QCoreApplication::translate("Application", "Application is already running"));
        EndProgram();
        return 0;
    }
    SecondStartListener secondStarts(socketPath);
    QObject::connect(&secondStarts, &SecondStartListener::secondStarted, [&startUp](const QStringList &arguments) {
        QWidget *raised = answerSecondStart(arguments);
        if (startUp.secondStartAnswered)
            startUp.secondStartAnswered(raised);
    });
    if (!secondStarts.listen())
        qCInfo(lcStartup) << "no socket for a second start at" << socketPath;
    markStartup("one-instance lock");

    SystemClock clock;
    StdRandomSource random;
    Services services{startUp.prompter, clock, random, settings};

    // Every window has finished its work by the time the ender runs: the
    // event loop ends, and what the windows leave behind goes with them.
    setProcessEnder([] { QCoreApplication::quit(); });
    setQuitWhenNoWindowLeft(true);
    OrderlyEnding ending;

    const QString folder = paths::programFolder();
    qCInfo(lcStartup).noquote() << "program folder" << folder;
    if (folder == paths::userDataFolder()) {
        QString error;
        if (!fillProgramFolder(paths::installedDataFolder(), folder, &error))
            startUp.prompter.tell(QCoreApplication::translate(
                                      "Application", "The folder for your decks and goals could not be set up.\n%1")
                                      .arg(error),
                                  PromptIcon::Critical);
    }

    markStartup("program folder");
    UpdateReminder(services);
    markStartup("update reminder");

    QPointer<FrmBegin> begin = new FrmBegin(services);
    markStartup("start screen built");
    if (startUp.offerWindows)
        startUp.offerWindows(*begin, services);
    if (!begin->Form_Load())
        return 0;
    markStartup("required files checked");
    if (lcStartup().isInfoEnabled())
        begin->installEventFilter(new FirstPaintMark(begin));
    begin->show();
    markStartup("start screen shown");
    // Working folders a crash or a kill left behind, looked for once the
    // start screen is built, not while it is. The lock keeps every other copy
    // of the program out, and the command line's export is done in seconds:
    // a folder untouched for minutes is nobody's.
    const BackgroundJob<int> sweep(
        [exchange = paths::exchangeFolder(), before = clock.now().addSecs(-store::kLeftoverWorkFolderSecs)] {
            return store::sweepPackageWorkFolders(exchange, before);
        });
    if (startUp.startScreenShown)
        startUp.startScreenShown(*begin, services);

    const int code = QApplication::exec();
    setProcessEnder({});
    settings.sync();
    return code;
}

} // namespace velmora
