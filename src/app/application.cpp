#include "app/application.h"

#include "app/appicon.h"
#include "app/enterkey.h"
#include "app/frmbegin.h"
#include "app/orderlyending.h"
#include "app/programfolder.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/updatereminder.h"
#include "store/paths.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPointer>

namespace velmora {

namespace {
// Off unless asked for, e.g. QT_LOGGING_RULES="velmora.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "velmora.startup", QtWarningMsg)
} // namespace

int runVelmora(const StartUp &startUp)
{
    QApplication::setWindowIcon(appIcon());
    installEnterActivatesButtons(*qApp);

    SingleInstanceLock lock;
    if (!lock.tryAcquire()) {
        startUp.prompter.tell(QStringLiteral("Application is already running"));
        EndProgram();
        return 0;
    }

    SettingsStore settings;
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
            startUp.prompter.tell(QStringLiteral("The folder for your decks and goals could not be set up.\n") + error,
                                  PromptIcon::Critical);
    }

    UpdateReminder(services);

    QPointer<FrmBegin> begin = new FrmBegin(services);
    if (startUp.offerWindows)
        startUp.offerWindows(*begin, services);
    if (!begin->Form_Load())
        return 0;
    begin->show();
    qCInfo(lcStartup) << "start screen shown";
    if (startUp.startScreenShown)
        startUp.startScreenShown(*begin, services);

    const int code = QApplication::exec();
    setProcessEnder({});
    settings.sync();
    return code;
}

} // namespace velmora
