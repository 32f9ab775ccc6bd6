#pragma once

// The memory model behind spaced review: FSRS-6 (the Free Spaced Repetition
// Scheduler, version 6) with its published default weights. Widget-free; the
// caller passes the time, and intervals are not fuzzed, so a state follows from
// its grades and times alone.

#include <QDateTime>
#include <QString>

#include <array>
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
};

class Fsrs
{
public:
    explicit Fsrs(FsrsSettings settings = {});

    [[nodiscard]] const FsrsSettings &settings() const { return settings_; }

    // The state after answering with grade at the time given (not before the
    // last review); its times are in UTC.
    [[nodiscard]] MemoryState next(const MemoryState &state, const QDateTime &at, Grade grade) const;

    // The probability of recall after elapsedDays at this stability.
    [[nodiscard]] double retrievability(double elapsedDays, double stability) const;
    [[nodiscard]] double retrievability(const MemoryState &state, const QDateTime &now) const;
    // Whole days for recall to fall to the desired retention, at least one.
    [[nodiscard]] int intervalDays(double stability) const;

    // Days are counted between UTC calendar dates: a review just before and one
    // just after midnight UTC are a day apart.
    [[nodiscard]] static int elapsedDays(const QDateTime &from, const QDateTime &to);

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
    void applySteps(MemoryState &next, const MemoryState &before, const QDateTime &now, Grade grade,
                    Phase stepPhase) const;

    FsrsSettings settings_;
    double decay_ = 0.0;
    double factor_ = 0.0;
    double intervalModifier_ = 0.0;
};

} // namespace velmora::review
