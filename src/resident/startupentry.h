#pragma once

// The logon entry: an XDG autostart entry that starts the program with the
// switch "/STARTUP" when the user logs on. Widget-free.

#include <QString>

class QWidget;

namespace velmora {

class Prompter;

inline constexpr char kStartupSwitch[] = "/STARTUP";

// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when the variable is
// unset, empty or not an absolute path.
[[nodiscard]] QString autostartFolder();
// <autostart folder>/<exeName>.desktop
[[nodiscard]] QString startupEntryPath(const QString &exeName);

// One argument quoted for an Exec key: in double quotes, with '"', '`', '$'
// and '\' escaped by a backslash, then written as a desktop-entry string
// (a backslash doubled again) with '%' doubled.
[[nodiscard]] QString quotedExecArgument(const QString &argument);

// The whole entry: a desktop entry of type Application whose Exec is the
// quoted <programFolder>/<exeName> followed by " /STARTUP".
[[nodiscard]] QByteArray startupEntryText(const QString &exeName, const QString &programFolder);

// True when the entry file exists and is not marked Hidden=true. Any failure
// to read it reads as absent; nothing is ever shown.
[[nodiscard]] bool StartupEntryExists(const QString &exeName);

// With run, writes the entry atomically (replacing any older one, and a
// link in its place itself rather than the file it names); without,
// removes it, silently when it is absent or cannot be removed. A failure to
// create the folder or open the file says "Error <errno> opening key", a
// failed write "Error <errno> setting key", each followed by CR LF and the
// system's text for the error, in an OK box without icon under the
// application title; nothing is written then.
void SetStartupEntry(Prompter &prompter, const QString &exeName, const QString &programFolder, bool run,
                     QWidget *parent = nullptr);

} // namespace velmora
