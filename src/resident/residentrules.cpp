#include "residentrules.h"

#include "resident/startupentry.h"

namespace velmora {

bool runAtSysTraySet(const QString &storedText)
{
    return storedText == QLatin1String("True");
}

QString runAtSysTrayText(bool ticked)
{
    return ticked ? QStringLiteral("True") : QStringLiteral("False");
}

bool startedAtLogon(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' ')).contains(QLatin1String(kStartupSwitch), Qt::CaseSensitive);
}

ResidentOpening residentOpening(bool entryExists, const QString &storedSetting, const QStringList &arguments,
                                bool trayAvailable)
{
    ResidentOpening opening;
    if (entryExists) {
        opening.runAtStartup = true;
        opening.rewriteEntry = true;
        opening.trayBoxEnabled = true;
        opening.trayBoxTicked = runAtSysTraySet(storedSetting);
    }
    opening.placement = openingPlacement(opening.trayBoxTicked, arguments, trayAvailable);
    return opening;
}

WindowPlacement openingPlacement(bool trayBoxTicked, const QStringList &arguments, bool trayAvailable)
{
    if (!trayBoxTicked || !startedAtLogon(arguments))
        return WindowPlacement::Shown;
    return trayAvailable ? WindowPlacement::InTray : WindowPlacement::Minimised;
}

} // namespace velmora
