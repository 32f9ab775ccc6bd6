#include "app/services.h"

#include "store/workerthread.h"

#include <QCoreApplication>
#include <QEvent>
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

// QSettings writes its changes from the event loop of its thread (an
// UpdateRequest it posts itself). Taken away, the changes wait in memory
// until a write on the worker, which QSettings shares with every object on
// the same file in the process.
class SettingsStore::LoopWriteFilter : public QObject
{
public:
    explicit LoopWriteFilter(SettingsStore &store) : store_(store) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return QObject::eventFilter(watched, event);
        store_.writeAside();
        return true;
    }

private:
    SettingsStore &store_;
};

SettingsStore::SettingsStore(const QString &filePath)
    : path_(filePath), settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)),
      loopWriteFilter_(std::make_unique<LoopWriteFilter>(*this)),
      writer_(std::make_unique<WorkerThread>(QStringLiteral("SettingsWriter")))
{
    settings_->installEventFilter(loopWriteFilter_.get());
}

SettingsStore::~SettingsStore()
{
    writer_->finish();
    settings_->removeEventFilter(loopWriteFilter_.get());
    settings_->sync();
}

void SettingsStore::writeAside()
{
    // One write waiting is enough: it takes every change made before it starts.
    if (writeQueued_.exchange(true))
        return;
    writer_->post([this, path = path_] {
        writeQueued_ = false;
        QSettings(path, QSettings::IniFormat).sync();
    });
}

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
    // QSettings asks for its write only at the first change after one.
    writeAside();
}
void SettingsStore::remove(const QString &key)
{
    settings_->remove(kSection + key);
    writeAside();
}
bool SettingsStore::contains(const QString &key) const
{
    return settings_->contains(kSection + key);
}
void SettingsStore::sync()
{
    (void)writer_->waitIdle();
    settings_->sync();
}

} // namespace velmora
