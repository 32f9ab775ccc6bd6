#include "learn/testsettings.h"

#include "app/services.h"

namespace velmora {

namespace {

// A stored whole number in 0..count-1, or the fallback.
int readIndex(const SettingsStore &store, const char *key, int count, int fallback)
{
    bool ok = false;
    const int value = store.value(QString::fromLatin1(key)).trimmed().toInt(&ok);
    return ok && value >= 0 && value < count ? value : fallback;
}

bool readCheck(const SettingsStore &store, const char *key, bool fallback)
{
    return readIndex(store, key, 2, fallback ? 1 : 0) == 1;
}

void writeNumber(SettingsStore &store, const char *key, int value)
{
    store.setValue(QString::fromLatin1(key), QString::number(value));
}

} // namespace

TestSettings readTestSettings(const SettingsStore &store)
{
    const TestSettings defaults;
    TestSettings settings;
    settings.major = readCheck(store, settingskeys::kMajorArcana, defaults.major);
    settings.minor = readCheck(store, settingskeys::kMinorArcana, defaults.minor);
    for (int i = 0; i < kSuitCount; ++i)
        settings.suits[i] = readCheck(store, settingskeys::kSuits[i], defaults.suits[i]);
    settings.testType = TestType(readIndex(store, settingskeys::kTestType, kTestTypeCount, int(defaults.testType)));
    settings.difficulty = readIndex(store, settingskeys::kDifficulty, kDifficultyCount, defaults.difficulty);
    return settings;
}

void writeTestSettings(SettingsStore &store, const TestSettings &settings, bool runAtSysTray)
{
    writeNumber(store, settingskeys::kMajorArcana, settings.major ? 1 : 0);
    writeNumber(store, settingskeys::kMinorArcana, settings.minor ? 1 : 0);
    for (int i = 0; i < kSuitCount; ++i)
        writeNumber(store, settingskeys::kSuits[i], settings.suits[i] ? 1 : 0);
    writeNumber(store, settingskeys::kTestType, int(settings.testType));
    writeNumber(store, settingskeys::kDifficulty, settings.difficulty);
    store.setValue(QString::fromLatin1(settingskeys::kRunAtSysTray),
                   runAtSysTray ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace velmora
