#include "app/services.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora {

namespace {
const QString kSection = QStringLiteral("Settings/");
}

QString applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("velmora") : name;
}

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                    applicationName() + QStringLiteral(".conf"))
{}

SettingsStore::SettingsStore(const QString &filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString &key, const QString &defaultValue) const
{
    const QVariant stored = settings_->value(kSection + key);
    if (!stored.isValid())
        return defaultValue;
    // An unquoted value with commas comes back from the file as a list.
    if (stored.metaType().id() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

void SettingsStore::setValue(const QString &key, const QString &value)
{
    settings_->setValue(kSection + key, value);
}
void SettingsStore::remove(const QString &key)
{
    settings_->remove(kSection + key);
}
bool SettingsStore::contains(const QString &key) const
{
    return settings_->contains(kSection + key);
}
void SettingsStore::sync()
{
    settings_->sync();
}

} // namespace velmora
