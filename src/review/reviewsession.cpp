#include "review/reviewsession.h"

#include <cmath>

namespace velmora::review {

QString intervalText(qint64 seconds)
{
    const auto oneDecimal = [](double value) {
        const double rounded = std::round(value * 10.0) / 10.0;
        return QString::number(rounded, 'f', rounded == std::floor(rounded) ? 0 : 1);
    };
    if (const qint64 minutes = (seconds + 30) / 60; minutes < 60)
        return QStringLiteral("%1 min").arg(std::max<qint64>(1, minutes));
    if (const qint64 hours = (seconds + 1800) / 3600; hours < 24)
        return QStringLiteral("%1 h").arg(hours);
    const double days = double(seconds) / 86400.0;
    if (days < 30.0)
        return QStringLiteral("%1 d").arg(std::llround(days));
    if (days < 365.0)
        return oneDecimal(days / 30.0) + QStringLiteral(" mo");
    return oneDecimal(days / 365.0) + QStringLiteral(" y");
}

ReviewSession::ReviewSession(Fsrs fsrs, std::vector<SessionItem> items, DailyLimits limits, DayCount doneToday,
                             const QDateTime &started)
    : fsrs_(std::move(fsrs)), items_(std::move(items)), limits_(limits), done_(doneToday), started_(started),
      lastGraded_(started)
{
    advance(started);
}

const SessionItem *ReviewSession::current() const
{
    return current_ < 0 ? nullptr : &items_[size_t(current_)];
}

std::optional<int> ReviewSession::upcomingCard() const
{
    if (queue_.empty())
        return std::nullopt;
    return items_[size_t(queue_.front())].cardId;
}

void ReviewSession::reveal()
{
    if (current_ >= 0)
        revealed_ = true;
}

QString ReviewSession::intervalLabel(Grade grade, const QDateTime &now) const
{
    if (current_ < 0)
        return {};
    const MemoryState after = fsrs_.next(items_[size_t(current_)].state, now, grade);
    // Whole days are counted between calendar dates, not from this moment.
    if (after.scheduledDays > 0)
        return intervalText(qint64(after.scheduledDays) * 86400);
    return intervalText(now.secsTo(after.due));
}

std::optional<GradeOutcome> ReviewSession::grade(Grade grade, const QDateTime &now)
{
    if (current_ < 0 || !revealed_)
        return std::nullopt;
    SessionItem &item = items_[size_t(current_)];
    undo_.push_back(Taken{current_, item.state, done_, queue_, reviewed_, again_, lastGraded_});
    GradeOutcome outcome{item, grade, fsrs_.next(item.state, now, grade)};
    done_.count(item.state.phase);
    item.state = outcome.after;
    ++reviewed_;
    if (grade == Grade::Again)
        ++again_;
    lastGraded_ = now;
    advance(now);
    return outcome;
}

bool ReviewSession::undo()
{
    if (undo_.empty())
        return false;
    Taken taken = std::move(undo_.back());
    undo_.pop_back();
    items_[size_t(taken.index)].state = taken.before;
    done_ = taken.done;
    queue_ = std::move(taken.queue);
    reviewed_ = taken.reviewed;
    again_ = taken.again;
    lastGraded_ = taken.lastGraded;
    current_ = taken.index;
    revealed_ = false;
    return true;
}

SessionSummary ReviewSession::summary() const
{
    return SessionSummary{reviewed_, again_, started_.secsTo(lastGraded_)};
}

void ReviewSession::advance(const QDateTime &now)
{
    revealed_ = false;
    if (queue_.empty()) {
        std::vector<MemoryState> states;
        states.reserve(items_.size());
        for (const SessionItem &item : items_)
            states.push_back(item.state);
        for (const int index : dueFacets(states, now, limits_, done_))
            queue_.push_back(index);
        if (queue_.empty()) {
            const QDateTime step = nextStepDue(states, now, now.addSecs(kLearnAheadSeconds + 1));
            for (int i = 0; step.isValid() && i < int(items_.size()); ++i) {
                const Phase phase = items_[size_t(i)].state.phase;
                if ((phase == Phase::Learning || phase == Phase::Relearning) && items_[size_t(i)].state.due == step) {
                    queue_.push_back(i);
                    break;
                }
            }
        }
    }
    if (queue_.empty()) {
        current_ = -1;
        return;
    }
    current_ = queue_.front();
    queue_.pop_front();
}

} // namespace velmora::review
