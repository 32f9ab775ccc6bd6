#pragma once

// The settings tab's interface language, kept in the settings for the next
// start (see app/translations.h).

#include "app/translations.h"

#include <QStringList>

namespace velmora {

class SettingsPage;
class SettingsStore;

// Offers "System", English and every language with a translation in
// folders, shows the one the settings name, and writes the user's choice back
// at once.
void offerInterfaceLanguages(SettingsPage &page, SettingsStore &settings,
                             const QStringList &folders = translationFolders());

} // namespace velmora
