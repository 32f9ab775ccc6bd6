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
#include "store/openahead.h"
#include "store/paths.h"
#include "store/workfolders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace velmora {

namespace {
// Off unless asked for, e.g. QT_LOGGING_RULES="velmora.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "velmora.startup", QtWarningMsg)

QElapsedTimer &startupClock()
{
    static QElapsedTimer clock;
    return clock;
}

// Runs a piece of work once, after the first paint of the watched widget (or
// when run() is called first); then lets go of it.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *watched, std::function<void()> work) : QObject(watched), work_(std::move(work))
    {
        watched->installEventFilter(this);
    }
    void run()
    {
        if (const std::function<void()> work = std::exchange(work_, {}))
            work();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint event is handled, so the work waits for the paint.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    run();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> work_;
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
    if (startUp.fontsNeeded)
        startUp.fontsNeeded();
    markStartup("font configuration");

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
    // A first start has nothing to ask; its date waits for the start screen
    // to be painted, since the settings file is flushed to disk.
    std::function<void()> noteReminderDate = startUpdateReminder(services);
    markStartup("update reminder");

    QPointer<FrmBegin> begin = new FrmBegin(services);
    markStartup("start screen built");
    if (startUp.offerWindows)
        startUp.offerWindows(*begin, services);
    if (!begin->Form_Load())
        return 0;
    markStartup("required files checked");
    // The decks opened once ahead, so that the first look at each is quick;
    // after the paint, so that the start screen has the processor first.
    store::OpenAhead openAhead;
    new AfterFirstPaint(begin, [&openAhead] { openAhead.catalogAndDecks(); });
    QPointer<AfterFirstPaint> reminderDate =
        noteReminderDate ? new AfterFirstPaint(begin, std::move(noteReminderDate)) : nullptr;
    // Installed last, so it sees the paint first and marks it before the date is written.
    if (lcStartup().isInfoEnabled())
        new AfterFirstPaint(begin, [] { markStartup("start screen painted"); });
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
    // A start screen never painted (the session ended first) notes the date now.
    if (reminderDate)
        reminderDate->run();
    settings.sync();
    return code;
}

} // namespace velmora
