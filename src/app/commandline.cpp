#include "app/commandline.h"

#include "app/prompter.h"

#include <QCoreApplication>

namespace velmora {

namespace {

// The platform names Qt is asked to try, in its order: -platform, then
// QT_QPA_PLATFORM ("xcb;wayland" lists fallbacks), else Qt's own choice.
QStringList requestedPlatforms(const QStringList &arguments, const std::function<QString(const char *)> &variable)
{
    QString wanted;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform"))
            wanted = arguments[i + 1];
    }
    if (wanted.isEmpty())
        wanted = variable("QT_QPA_PLATFORM");
    QStringList names;
    for (const QString &entry : wanted.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names.append(entry.section(QLatin1Char(':'), 0, 0).trimmed());
    return names;
}

bool platformCanStart(const QString &name, const std::function<QString(const char *)> &variable)
{
    if (name.startsWith(QLatin1String("xcb")))
        return !variable("DISPLAY").isEmpty();
    if (name.startsWith(QLatin1String("wayland")))
        return !variable("WAYLAND_DISPLAY").isEmpty();
    // offscreen, minimal, vnc, eglfs and the like need no display server.
    return true;
}

} // namespace

std::optional<EarlyExit> earlyExit(const QStringList &arguments, const std::function<QString(const char *)> &variable)
{
    const QString program = QStringLiteral("velmora");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return EarlyExit{
                0,
                QCoreApplication::translate("CommandLine",
                                            "Usage: %1 [/STARTUP]\n"
                                            "       %1 --export-apkg DECK OUT.apkg\n"
                                            "Learn the meanings of tarot cards: memorize the cards of a deck, take\n"
                                            "keyword or description tests, design and share decks, keep goals.\n"
                                            "\n"
                                            "  /STARTUP    as the logon entry starts it: goes to the system tray if\n"
                                            "              \"Start at system tray\" is ticked\n"
                                            "  --export-apkg DECK OUT.apkg\n"
                                            "              write the deck (a deck file, or a deck's name) as a\n"
                                            "              flashcard package and exit\n"
                                            "  --help      print this help and exit\n"
                                            "  --version   print the version and exit\n")
                    .arg(program),
                false};
        }
        if (argument == QLatin1String("--version"))
            return EarlyExit{0,
                             QString::fromLatin1(kWindowCaption).replace(QLatin1String(" v"), QLatin1String(" ")) +
                                 QLatin1Char('\n'),
                             false};
    }
    QStringList platforms = requestedPlatforms(arguments, variable);
    if (platforms.isEmpty()) {
        // Qt's default on a Linux desktop: Wayland in a Wayland session, else X11.
        platforms = {QStringLiteral("xcb"), QStringLiteral("wayland")};
    }
    for (const QString &name : platforms) {
        if (platformCanStart(name, variable))
            return std::nullopt;
    }
    return EarlyExit{1,
                     QCoreApplication::translate("CommandLine", "%1: no display to open a window on (neither DISPLAY "
                                                                "nor WAYLAND_DISPLAY is set)\n")
                         .arg(program),
                     true};
}

} // namespace velmora
