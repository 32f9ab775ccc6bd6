#pragma once

// The interface language: the program's own translation and Qt's, chosen
// from the settings or the desktop's language, installed before the first
// window is made.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace velmora {

class SettingsStore;

// The settings key of the interface language: "System" (or nothing) follows
// the desktop; otherwise a language code such as "de".
QString languageSettingKey();
QString systemLanguageSetting();

// The language the settings ask for: the desktop's for "System", an empty
// value or a value that names no language.
[[nodiscard]] QLocale interfaceLocale(const QString &setting, const QLocale &system);

// Where the translations are looked for: beside the executable (the build),
// then in the installed data.
[[nodiscard]] QStringList translationFolders();

// The language codes a translation of the program exists for in folders,
// sorted, English (the source) not among them.
[[nodiscard]] QStringList translatedLanguages(const QStringList &folders);

// The language's own name for itself, capitalised ("Deutsch").
[[nodiscard]] QString languageName(const QString &code);

// Installs the program's translation for locale and, when there is one, Qt's
// own (its buttons and file dialogs), and makes locale the default for dates
// and numbers shown. With no translation for the language nothing is
// installed and the interface stays English. Returns whether the program's
// translation was installed. Installing again replaces what an earlier call
// installed.
bool installTranslations(const QLocale &locale, const QStringList &folders);

// The run's language: the settings' choice, else the desktop's.
bool installInterfaceLanguage(const SettingsStore &settings);

} // namespace velmora
