#pragma once

// The card groups a practice takes, from the group boxes of the settings tab.

#include <QVector>

#include <array>

namespace velmora {

inline constexpr int kSuitCount = 4;

// The state of the group check boxes on the settings tab. A suit counts only
// while its box is both checked and available (it is unavailable while
// "Minor Arcana" is unchecked).
struct GroupChoice
{
    bool major = false;
    std::array<bool, kSuitCount> suitChecked{};
    std::array<bool, kSuitCount> suitAvailable{};
};

// The groups that count, rising: 0 Major Arcana, 1 to 4 the suits. Callers
// refuse an empty choice first.
[[nodiscard]] QVector<int> selectedGroups(const GroupChoice &choice);

} // namespace velmora
