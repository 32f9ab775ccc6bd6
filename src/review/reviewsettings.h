#pragma once

// The daily caps and the desired retention of spaced review, as kept in the
// settings store between runs.

#include "review/duelist.h"
#include "review/fsrs.h"

namespace velmora {

class SettingsStore;

namespace review {

inline constexpr int kMaxNewFacetsPerDay = 9999;
inline constexpr int kMaxReviewsPerDay = 9999;
// Below this, most of what is learnt is forgotten between reviews; above it,
// reviews come so often that the load explodes for little gain.
inline constexpr int kMinRetentionPercent = 70;
inline constexpr int kMaxRetentionPercent = 99;

struct ReviewSettings
{
    DailyLimits limits;
    int retentionPercent = 90;

    [[nodiscard]] FsrsSettings fsrs() const
    {
        FsrsSettings settings;
        settings.desiredRetention = retentionPercent / 100.0;
        return settings;
    }
    bool operator==(const ReviewSettings &) const = default;
};

namespace settingskeys {
inline constexpr char kNewFacetsPerDay[] = "ReviewNewPerDay";
inline constexpr char kReviewsPerDay[] = "ReviewMaxPerDay";
inline constexpr char kRetention[] = "ReviewRetention";
} // namespace settingskeys

// Absent keys, and stored values that are not a whole number in the range of
// their control, give the defaults.
[[nodiscard]] ReviewSettings readReviewSettings(const SettingsStore &store);
// Writes every key and flushes.
void writeReviewSettings(SettingsStore &store, const ReviewSettings &settings);

} // namespace review
} // namespace velmora
