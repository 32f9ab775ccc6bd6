#pragma once

// The memory model behind spaced review: FSRS-6 (the Free Spaced Repetition
// Scheduler, version 6) with its published default weights. Widget-free; the
// caller passes the time, and intervals are not fuzzed, so a state follows from
// its grades and times alone.

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <array>
#include <optional>
#include <vector>

namespace velmora::review {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// Numbered as stored.
enum class Phase { New = 0, Learning = 1, Review = 2, Relearning = 3 };

// What of a card is recalled; numbered as stored.
enum class Facet { Keywords = 0, Upright = 1, Reversed = 2 };

struct MemoryState
{
    Phase phase = Phase::New;
    double stability = 0.0;  // days until recall falls to 90 %
    double difficulty = 0.0; // 1..10
    int step = 0;            // the learning or relearning step reached
    int scheduledDays = 0;   // 0 while in a step of minutes
    QDateTime lastReview;    // invalid while new
    QDateTime due;           // invalid while new
    int reps = 0;
    int lapses = 0;

    bool operator==(const MemoryState &) const = default;
};

// Days as a learner lives them: a learning day runs from the start hour of
// one local calendar day to that of the next, so a session just after
// midnight still belongs to the evening before. Intervals, due days and the
// daily caps all count these days. The default (UTC, midnight) counts days as
// the published reference scheduler does.
struct LearningDays
{
    QTimeZone zone = QTimeZone::utc();
    int startHour = 0; // 0..23

    // The learning day holding `at`, as a Julian day number of its date.
    [[nodiscard]] qint64 dayOf(const QDateTime &at) const;
    // When that learning day starts, in UTC; on a day whose start hour is
    // skipped by a clock change, the first moment after the gap.
    [[nodiscard]] QDateTime startOf(qint64 day) const;
    [[nodiscard]] QDateTime startOfDayOf(const QDateTime &at) const { return startOf(dayOf(at)); }
    // Learning days between the two moments; negative when `to` is earlier.
    [[nodiscard]] int between(const QDateTime &from, const QDateTime &to) const;

    bool operator==(const LearningDays &) const = default;
};

struct FsrsSettings
{
    static constexpr std::array<double, 21> kDefaultWeights{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                                            0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                                            1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

    std::array<double, 21> weights = kDefaultWeights;
    double desiredRetention = 0.90;
    int maximumIntervalDays = 36500;
    // Same-day steps before a facet's first interval in days, and after a lapse.
    std::vector<int> learningMinutes{1, 10};
    std::vector<int> relearningMinutes{10};
    LearningDays days;
};

class Fsrs
{
public:
    explicit Fsrs(FsrsSettings settings = {});

    [[nodiscard]] const FsrsSettings &settings() const { return settings_; }

    // The state after answering with grade at the time given; its times are
    // in UTC. A grade before the last review (a clock set back) is refused,
    // as the references refuse it: elapsed time never runs backwards, and a
    // negative one would give a stability of nothing or not a number.
    [[nodiscard]] std::optional<MemoryState> next(const MemoryState &state, const QDateTime &at, Grade grade) const;

    // The probability of recall after elapsedDays at this stability.
    [[nodiscard]] double retrievability(double elapsedDays, double stability) const;
    [[nodiscard]] double retrievability(const MemoryState &state, const QDateTime &now) const;
    // Whole days for recall to fall to the desired retention, at least one.
    [[nodiscard]] int intervalDays(double stability) const;

    // Learning days between the two moments (see LearningDays).
    [[nodiscard]] int elapsedDays(const QDateTime &from, const QDateTime &to) const;

private:
    struct StabilityDifficulty
    {
        double stability;
        double difficulty;
    };
    [[nodiscard]] StabilityDifficulty nextMemory(const MemoryState &state, int elapsed, Grade grade,
                                                 double recall) const;
    [[nodiscard]] double initialDifficulty(Grade grade) const;
    [[nodiscard]] double nextDifficulty(double difficulty, Grade grade) const;
    [[nodiscard]] double recallStability(double d, double s, double r, Grade grade) const;
    [[nodiscard]] double forgetStability(double d, double s, double r) const;
    [[nodiscard]] double shortTermStability(double s, Grade grade) const;
    [[nodiscard]] QDateTime dueDay(const QDateTime &now, int days) const;
    void applySteps(MemoryState &next, const MemoryState &before, const QDateTime &now, Grade grade,
                    Phase stepPhase) const;

    FsrsSettings settings_;
    double decay_ = 0.0;
    double factor_ = 0.0;
    double intervalModifier_ = 0.0;
};

} // namespace velmora::review
