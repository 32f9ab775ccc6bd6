#pragma once

// The rules of resident mode without any window: the "RunAtSysTray" setting,
// the "/STARTUP" switch and what the main window's opening does with them.

#include <QString>
#include <QStringList>

namespace velmora {

inline constexpr char kRunAtSysTrayKey[] = "RunAtSysTray";

// Only the exact text "True" counts; an absent key reads as "False".
[[nodiscard]] bool runAtSysTraySet(const QString &storedText);
[[nodiscard]] QString runAtSysTrayText(bool ticked);

// True when "/STARTUP" (exact case) appears anywhere in the arguments after
// the program name, joined by blanks as on a command line.
[[nodiscard]] bool startedAtLogon(const QStringList &arguments);

enum class WindowPlacement {
    Shown,     // the window opens as usual
    InTray,    // hidden, with the tray icon as the way back
    Minimised, // no tray on this desktop: minimised instead of hidden
};

struct ResidentOpening
{
    bool runAtStartup = false; // optRun chosen, else optDontRun
    bool rewriteEntry = false; // the entry is written again with the current folder
    bool trayBoxEnabled = false;
    bool trayBoxTicked = false;
    WindowPlacement placement = WindowPlacement::Shown;

    friend bool operator==(const ResidentOpening &, const ResidentOpening &) = default;
};

// The frame's state after the main window's opening and where the window
// goes. The stored setting is looked at only when the entry exists.
[[nodiscard]] ResidentOpening residentOpening(bool entryExists, const QString &storedSetting,
                                              const QStringList &arguments, bool trayAvailable);

// The last step of the opening, given the box as it stands then.
[[nodiscard]] WindowPlacement openingPlacement(bool trayBoxTicked, const QStringList &arguments, bool trayAvailable);

} // namespace velmora
