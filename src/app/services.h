#pragma once

// The seams every window is given: prompts, time, chance and settings.

#include <QDateTime>
#include <QString>

#include <atomic>
#include <memory>
#include <random>

class QSettings;

namespace velmora {

class Prompter;
class WorkerThread;

class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDateTime now() const = 0;
    [[nodiscard]] QDate today() const { return now().date(); }
};

class SystemClock : public Clock
{
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Uniform numbers in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 value) = 0;
    [[nodiscard]] virtual double next() = 0;
    // A draw in 0..n-1: the whole part of next() times n.
    [[nodiscard]] int draw(int n) { return n <= 0 ? 0 : std::min(n - 1, int(next() * n)); }
};

class StdRandomSource : public RandomSource
{
public:
    void seed(quint64 value) override { engine_.seed(value); }
    [[nodiscard]] double next() override { return std::generate_canonical<double, 53>(engine_); }

private:
    std::mt19937_64 engine_{5489U};
};

// Per-user text values under the application name, section "Settings".
// Changes reach the file on a worker of the store's own: writing the file
// waits for the disk, which a window closing (its place is kept) should not.
class SettingsStore
{
public:
    // The settings file of the running program: <config folder>/<app name>.conf.
    SettingsStore();
    // A settings file of the caller's choice (tests).
    explicit SettingsStore(const QString &filePath);
    // Writes what is not yet in the file.
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    [[nodiscard]] QString value(const QString &key, const QString &defaultValue = QString()) const;
    void setValue(const QString &key, const QString &value);
    void remove(const QString &key);
    [[nodiscard]] bool contains(const QString &key) const;
    // Writes every change to the file now, on the caller's thread.
    void sync();

private:
    class LoopWriteFilter;
    void writeAside();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<LoopWriteFilter> loopWriteFilter_;
    std::atomic<bool> writeQueued_{false};
    std::unique_ptr<WorkerThread> writer_; // last, so that it is joined before what it uses goes
};

// The executable's file name without its extension.
QString applicationName();

struct Services
{
    Prompter &prompter;
    Clock &clock;
    RandomSource &random;
    SettingsStore &settings;
};

} // namespace velmora
