#include "app/application.h"

#include "app/appicon.h"
#include "app/enterkey.h"
#include "app/frmbegin.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/updatereminder.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>
#include <cstdlib>

namespace velmora {

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

    setProcessEnder([&settings, &lock] {
        settings.sync();
        lock.release();
        std::fflush(nullptr);
        std::_Exit(0);
    });
    setQuitWhenNoWindowLeft(true);

    UpdateReminder(services);

    QPointer<FrmBegin> begin = new FrmBegin(services);
    if (startUp.offerWindows)
        startUp.offerWindows(*begin, services);
    if (!begin->Form_Load())
        return 0;
    begin->show();
    if (startUp.startScreenShown)
        startUp.startScreenShown(*begin, services);

    const int code = QApplication::exec();
    setProcessEnder({});
    settings.sync();
    return code;
}

} // namespace velmora
