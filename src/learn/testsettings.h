#pragma once

// The test options as kept in the settings store between runs.

#include "learn/cardselection.h"
#include "learn/testrun.h"

#include <QString>

#include <array>

namespace velmora {

class SettingsStore;

inline constexpr int kTestTypeCount = 2;
inline constexpr int kDifficultyCount = 3;

struct TestSettings
{
    bool major = true;
    bool minor = true;
    std::array<bool, kSuitCount> suits{true, true, true, true};
    TestType testType = TestType::Keywords;
    int difficulty = 0;
};

// Keys of the "Settings" section, in the order they are written.
namespace settingskeys {
inline constexpr char kMajorArcana[] = "MajorArcana";
inline constexpr char kMinorArcana[] = "MinorArcana";
inline constexpr std::array<const char *, kSuitCount> kSuits{"Cups", "Wands", "Pentacles", "Swords"};
inline constexpr char kTestType[] = "TestType";
inline constexpr char kDifficulty[] = "Difficulty";
inline constexpr char kRunAtSysTray[] = "RunAtSysTray";
} // namespace settingskeys

// Absent keys, and stored values that are not a whole number in the range of
// their control, give the defaults of TestSettings.
[[nodiscard]] TestSettings readTestSettings(const SettingsStore &store);

// Writes every key, "RunAtSysTray" last as "True" or "False", and flushes.
void writeTestSettings(SettingsStore &store, const TestSettings &settings, bool runAtSysTray);

} // namespace velmora
