#include "review/fsrs.h"

#include <algorithm>
#include <cmath>

namespace velmora::review {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500.0;
constexpr int kMinutesPerDay = 1440;

// Intermediate values are kept to 8 decimals, as the published reference keeps
// them: a stability on the edge of half a day then rounds to the same interval.
double round8(double value)
{
    return std::floor(value * 1e8 + 0.5) / 1e8;
}

// Halves round up, also for the step minutes.
int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

int gradeValue(Grade grade)
{
    return int(grade);
}

} // namespace

qint64 LearningDays::dayOf(const QDateTime &at) const
{
    // By the wall clock rather than by hours since midnight: on the day of a
    // clock change the day still starts at its hour.
    const QDateTime local = at.toTimeZone(zone);
    const qint64 date = local.date().toJulianDay();
    return local.time().hour() < startHour ? date - 1 : date;
}

QDateTime LearningDays::startOf(qint64 day) const
{
    const QDate date = QDate::fromJulianDay(day);
    const int hour = std::clamp(startHour, 0, 23);
    const QDateTime start(date, QTime(hour, 0), zone);
    if (start.isValid())
        return start.toUTC();
    // The hour is skipped by a clock change. Such a time is not valid, and
    // its conversion lands an hour after the gap; the day starts where the
    // clocks go on instead, found in quarter hours (gaps end on one).
    QDateTime probe = date.startOfDay(zone).toUTC();
    for (int quarter = 0; quarter < 4 * 26; ++quarter, probe = probe.addSecs(15 * 60)) {
        const QDateTime local = probe.toTimeZone(zone);
        if (local.date() > date || (local.date() == date && local.time().hour() >= hour))
            return probe;
    }
    return probe;
}

int LearningDays::between(const QDateTime &from, const QDateTime &to) const
{
    return int(dayOf(to) - dayOf(from));
}

Fsrs::Fsrs(FsrsSettings settings) : settings_(std::move(settings))
{
    const auto &w = settings_.weights;
    decay_ = -w[20];
    factor_ = round8(std::exp(1.0 / decay_ * std::log(0.9)) - 1.0);
    const double retention = std::clamp(settings_.desiredRetention, 0.01, 0.999);
    intervalModifier_ = round8((std::pow(retention, 1.0 / decay_) - 1.0) / factor_);
}

int Fsrs::elapsedDays(const QDateTime &from, const QDateTime &to) const
{
    return settings_.days.between(from, to);
}

double Fsrs::retrievability(double elapsedDays, double stability) const
{
    return round8(std::pow(1.0 + factor_ * elapsedDays / stability, decay_));
}

double Fsrs::retrievability(const MemoryState &state, const QDateTime &now) const
{
    if (state.phase == Phase::New || state.stability <= 0.0)
        return 0.0;
    return retrievability(std::max(0, elapsedDays(state.lastReview, now)), state.stability);
}

int Fsrs::intervalDays(double stability) const
{
    return std::min(std::max(1, roundHalfUp(stability * intervalModifier_)), settings_.maximumIntervalDays);
}

double Fsrs::initialDifficulty(Grade grade) const
{
    const auto &w = settings_.weights;
    return round8(w[4] - std::exp((gradeValue(grade) - 1) * w[5]) + 1.0);
}

double Fsrs::nextDifficulty(double difficulty, Grade grade) const
{
    const auto &w = settings_.weights;
    const double delta = -w[6] * (gradeValue(grade) - 3);
    // Linear damping: the step shrinks as the difficulty nears its ceiling.
    const double moved = difficulty + round8(delta * (10.0 - difficulty) / 9.0);
    // Mean reversion towards the difficulty of a first Easy.
    const double reverted = round8(w[7] * initialDifficulty(Grade::Easy) + (1.0 - w[7]) * moved);
    return std::clamp(reverted, 1.0, 10.0);
}

double Fsrs::recallStability(double d, double s, double r, Grade grade) const
{
    const auto &w = settings_.weights;
    const double hardPenalty = grade == Grade::Hard ? w[15] : 1.0;
    const double easyBonus = grade == Grade::Easy ? w[16] : 1.0;
    const double growth = std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) * (std::exp((1.0 - r) * w[10]) - 1.0) *
                          hardPenalty * easyBonus;
    return round8(std::clamp(s * (1.0 + growth), kMinStability, kMaxStability));
}

double Fsrs::forgetStability(double d, double s, double r) const
{
    const auto &w = settings_.weights;
    const double after = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) * std::exp((1.0 - r) * w[14]);
    return round8(std::clamp(after, kMinStability, kMaxStability));
}

double Fsrs::shortTermStability(double s, Grade grade) const
{
    const auto &w = settings_.weights;
    const double increase = std::pow(s, -w[19]) * std::exp(w[17] * (gradeValue(grade) - 3 + w[18]));
    // A same-day success never lowers stability.
    const double masked = grade >= Grade::Hard ? std::max(increase, 1.0) : increase;
    return round8(std::clamp(s * masked, kMinStability, kMaxStability));
}

Fsrs::StabilityDifficulty Fsrs::nextMemory(const MemoryState &state, int elapsed, Grade grade, double recall) const
{
    const auto &w = settings_.weights;
    const double d = state.difficulty;
    const double s = state.stability;
    if (d == 0.0 && s == 0.0)
        return {std::max(w[gradeValue(grade) - 1], 0.1), std::clamp(initialDifficulty(grade), 1.0, 10.0)};
    double stability = 0.0;
    if (elapsed == 0) {
        stability = shortTermStability(s, grade);
    } else if (grade == Grade::Again) {
        // A lapse never leaves the memory stronger than a same-day Again would.
        const double ceiling = s / std::exp(w[17] * w[18]);
        stability = std::min(std::max(round8(ceiling), kMinStability), forgetStability(d, s, recall));
    } else {
        stability = recallStability(d, s, recall, grade);
    }
    return {stability, nextDifficulty(d, grade)};
}

void Fsrs::applySteps(MemoryState &next, const MemoryState &before, const QDateTime &now, Grade grade,
                      Phase stepPhase) const
{
    const bool relearning = before.phase == Phase::Relearning || before.phase == Phase::Review;
    const std::vector<int> &steps = relearning ? settings_.relearningMinutes : settings_.learningMinutes;
    const int count = int(steps.size());
    const int current = std::max(0, before.step);

    // Minutes to the next step and the step reached; zero minutes graduates.
    int minutes = 0;
    int reached = 0;
    if (count > 0 && current < count) {
        if (before.phase == Phase::Review) {
            if (grade == Grade::Again)
                minutes = steps[size_t(current)];
        } else if (grade == Grade::Again) {
            minutes = steps[0];
        } else if (grade == Grade::Hard) {
            minutes = count == 1 ? roundHalfUp(steps[0] * 1.5) : roundHalfUp((steps[0] + steps[1]) / 2.0);
            reached = current;
        } else if (grade == Grade::Good && current + 1 < count && steps[size_t(current) + 1] > 0) {
            minutes = steps[size_t(current) + 1];
            reached = current + 1;
        }
    }
    minutes = std::max(0, minutes);

    if (minutes > 0 && minutes < kMinutesPerDay) {
        next.phase = stepPhase;
        next.step = reached;
        next.scheduledDays = 0;
        next.due = now.addSecs(qint64(minutes) * 60);
        return;
    }
    next.phase = Phase::Review;
    if (minutes >= kMinutesPerDay) {
        next.step = reached;
        next.scheduledDays = minutes / kMinutesPerDay;
        next.due = dueDay(now, next.scheduledDays);
    } else {
        next.step = 0;
        next.scheduledDays = intervalDays(next.stability);
        next.due = dueDay(now, next.scheduledDays);
    }
}

QDateTime Fsrs::dueDay(const QDateTime &now, int days) const
{
    // A facet is due for its whole learning day, from the day's start: one
    // graded at 09:10 is asked at a session at 08:00 of its due day, also
    // after a clock change.
    const LearningDays &learning = settings_.days;
    return learning.startOf(learning.dayOf(now) + days);
}

std::optional<MemoryState> Fsrs::next(const MemoryState &state, const QDateTime &at, Grade grade) const
{
    // States hold UTC times, as the history reads them back: a local time
    // costs a time-zone lookup at every comparison of the due list.
    const QDateTime now = at.toUTC();
    const bool seen = state.phase != Phase::New && state.lastReview.isValid();
    if (!at.isValid() || (seen && now < state.lastReview))
        return std::nullopt;
    const int elapsed = seen ? std::max(0, elapsedDays(state.lastReview, now)) : 0;
    const double recall = state.stability > 0.0 ? retrievability(elapsed, state.stability) : 0.0;

    const auto withMemory = [&](Grade g) {
        MemoryState next = state;
        const StabilityDifficulty memory = nextMemory(state, elapsed, g, recall);
        next.stability = memory.stability;
        next.difficulty = memory.difficulty;
        next.lastReview = now;
        next.reps = state.reps + 1;
        return next;
    };

    MemoryState next = withMemory(grade);
    switch (state.phase) {
    case Phase::New:
        applySteps(next, state, now, grade, Phase::Learning);
        break;
    case Phase::Learning:
    case Phase::Relearning:
        applySteps(next, state, now, grade, state.phase);
        break;
    case Phase::Review: {
        if (grade == Grade::Again) {
            applySteps(next, state, now, grade, Phase::Relearning);
            ++next.lapses;
            break;
        }
        // The intervals of Hard, Good and Easy stay in that order, a day apart.
        int hard = intervalDays(withMemory(Grade::Hard).stability);
        int good = intervalDays(withMemory(Grade::Good).stability);
        hard = std::min(hard, good);
        good = std::max(good, hard + 1);
        const int easy = std::max(intervalDays(withMemory(Grade::Easy).stability), good + 1);
        next.phase = Phase::Review;
        next.step = 0;
        next.scheduledDays = grade == Grade::Hard ? hard : grade == Grade::Good ? good : easy;
        next.due = dueDay(now, next.scheduledDays);
        break;
    }
    }
    if (!std::isfinite(next.stability) || !std::isfinite(next.difficulty))
        return std::nullopt;
    return next;
}

} // namespace velmora::review
