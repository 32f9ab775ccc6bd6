#include "compose/startscreen.h"
#include "flashcards/packagecommand.h"

#include "app/application.h"
#include "app/commandline.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/startahead.h"
#include "app/translations.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    velmora::startStartupClock();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Scripts export without a window, and so without a display.
    if (velmora::flashcards::isPackageCommand(arguments)) {
        const QCoreApplication app(argc, argv);
        velmora::installInterfaceLanguage(velmora::SettingsStore());
        return velmora::flashcards::runPackageCommand(arguments);
    }
    if (const auto early = velmora::earlyExit(arguments, [](const char *name) { return qEnvironmentVariable(name); })) {
        std::fputs(early->text.toLocal8Bit().constData(), early->toStandardError ? stderr : stdout);
        return early->code;
    }
    velmora::StartAhead ahead;
    QApplication app(argc, argv);
    ahead.applicationMade();
    velmora::QtPrompter prompter;
    const int code = velmora::runVelmora(
        {prompter, velmora::offerWindowsFromStartScreen, {}, {}, [&ahead] { ahead.fontsNeeded(); }});
    ahead.finish();
    return code;
}
