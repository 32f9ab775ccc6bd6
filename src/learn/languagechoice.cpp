#include "learn/languagechoice.h"

#include "app/services.h"
#include "app/translations.h"
#include "learn/settingspage.h"

namespace velmora {

void offerInterfaceLanguages(SettingsPage &page, SettingsStore &settings, const QStringList &folders)
{
    QList<QPair<QString, QString>> languages{{QStringLiteral("en"), languageName(QStringLiteral("en"))}};
    for (const QString &code : translatedLanguages(folders))
        languages.append({code, languageName(code)});
    page.setLanguages(languages, settings.value(languageSettingKey()));
    QObject::connect(&page, &SettingsPage::languageChosen, &page, [&settings](const QString &code) {
        settings.setValue(languageSettingKey(), code.isEmpty() ? systemLanguageSetting() : code);
    });
}

} // namespace velmora
