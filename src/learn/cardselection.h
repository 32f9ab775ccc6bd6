#pragma once

// The SQL that turns the chosen card groups into the card set of a practice.

#include <QString>

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

// "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) ORDER BY ID" and the like.
// Meaningful only when at least one group counts; callers refuse an empty choice first.
[[nodiscard]] QString BuildCardSelectionSql(const GroupChoice &choice);

} // namespace velmora
