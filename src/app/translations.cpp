#include "translations.h"

#include "app/services.h"
#include "store/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace velmora {

namespace {

const QString kFilePrefix = QStringLiteral("velmora_");

struct Installed
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;

    void remove()
    {
        for (auto *translator : {own.get(), qt.get()}) {
            if (translator)
                QCoreApplication::removeTranslator(translator);
        }
        own.reset();
        qt.reset();
    }
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

bool isSource(const QLocale &locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

QString languageSettingKey()
{
    return QStringLiteral("Language");
}

QString systemLanguageSetting()
{
    return QStringLiteral("System");
}

QLocale interfaceLocale(const QString &setting, const QLocale &system)
{
    const QString code = setting.trimmed();
    if (code.isEmpty() || code.compare(systemLanguageSetting(), Qt::CaseInsensitive) == 0)
        return system;
    const QLocale chosen(code);
    // QLocale takes an unknown name for the C locale.
    if (chosen.language() == QLocale::C && code != QLatin1String("C"))
        return system;
    return chosen;
}

QStringList translationFolders()
{
    const QString executable = QCoreApplication::applicationDirPath();
    return {executable + QStringLiteral("/translations"),
            paths::installedDataFolder() + QStringLiteral("/translations")};
}

QStringList translatedLanguages(const QStringList &folders)
{
    QStringList codes;
    for (const QString &folder : folders) {
        const QStringList files =
            QDir(folder).entryList({kFilePrefix + QStringLiteral("*.qm")}, QDir::Files | QDir::Readable);
        for (const QString &file : files) {
            const QString code = file.mid(kFilePrefix.size()).chopped(3);
            if (!code.isEmpty() && !codes.contains(code))
                codes.append(code);
        }
    }
    codes.sort();
    return codes;
}

QString languageName(const QString &code)
{
    const QLocale locale(code);
    // Qt names English after a country ("American English").
    if (locale.language() == QLocale::English)
        return QLocale::languageToString(QLocale::English);
    QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = name[0].toUpper();
    return name;
}

bool installTranslations(const QLocale &locale, const QStringList &folders)
{
    Installed &current = installed();
    current.remove();
    if (isSource(locale)) {
        QLocale::setDefault(locale);
        return false;
    }
    auto own = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString &folder : folders) {
        if (own->load(locale, QStringLiteral("velmora"), QStringLiteral("_"), folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    QCoreApplication::installTranslator(own.get());
    current.own = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        current.qt = std::move(qt);
    }
    QLocale::setDefault(locale);
    return true;
}

bool installInterfaceLanguage(const SettingsStore &settings)
{
    return installTranslations(interfaceLocale(settings.value(languageSettingKey()), QLocale::system()),
                               translationFolders());
}

} // namespace velmora
