#pragma once

// The daily caps, the desired retention, the learning day and how tests and
// sessions feed spaced review, as kept in the settings store between runs.

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
inline constexpr int kMaxBacklog = 99999;

// Which facets a finished test grades (see progress::answerGrade for how).
enum class TestFeed {
    Never = 0,
    NotDue = 1, // new facets and those not yet due: a due one is left for its session
    Always = 2
};

struct ReviewSettings
{
    DailyLimits limits;
    int retentionPercent = 90;
    // The hour of local time a learning day starts at: reviews done after
    // midnight but before it count for the evening before.
    int dayStartHour = 4;
    TestFeed testFeed = TestFeed::NotDue;
    bool holdSiblings = true;
    // The learner's own, once fitted to their grades and found to predict
    // them better; else the published defaults.
    std::array<double, 21> weights = FsrsSettings::kDefaultWeights;

    [[nodiscard]] bool ownWeights() const { return weights != FsrsSettings::kDefaultWeights; }
    [[nodiscard]] FsrsSettings fsrs(const QTimeZone &zone = QTimeZone::systemTimeZone()) const
    {
        FsrsSettings settings;
        settings.weights = weights;
        settings.desiredRetention = retentionPercent / 100.0;
        settings.days = LearningDays{zone, dayStartHour};
        return settings;
    }
    bool operator==(const ReviewSettings &) const = default;
};

namespace settingskeys {
inline constexpr char kNewFacetsPerDay[] = "ReviewNewPerDay";
inline constexpr char kReviewsPerDay[] = "ReviewMaxPerDay";
inline constexpr char kRetention[] = "ReviewRetention";
inline constexpr char kBacklog[] = "ReviewBacklog";
inline constexpr char kDayStartHour[] = "ReviewDayStart";
inline constexpr char kTestFeed[] = "ReviewFromTests";
inline constexpr char kHoldSiblings[] = "ReviewHoldSiblings";
inline constexpr char kWeights[] = "ReviewWeights"; // empty: the defaults
} // namespace settingskeys

// Absent keys, and stored values that are not a whole number in the range of
// their control, give the defaults; so do weights that are not all 21 within
// their bounds.
[[nodiscard]] ReviewSettings readReviewSettings(const SettingsStore &store);
// Writes every key and flushes.
void writeReviewSettings(SettingsStore &store, const ReviewSettings &settings);
// Writes the weights alone and flushes: they are kept as soon as fitted or
// reset, while the other settings wait for the learner to save them.
void writeReviewWeights(SettingsStore &store, const std::array<double, 21> &weights);

} // namespace review
} // namespace velmora
