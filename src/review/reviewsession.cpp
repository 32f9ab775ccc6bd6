#include "review/reviewsession.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace velmora::review {

QString intervalText(qint64 seconds)
{
    const auto oneDecimal = [](double value) {
        const double rounded = std::round(value * 10.0) / 10.0;
        return QString::number(rounded, 'f', rounded == std::floor(rounded) ? 0 : 1);
    };
    if (const qint64 minutes = (seconds + 30) / 60; minutes < 60)
        return QCoreApplication::translate("ReviewSession", "%1 min").arg(std::max<qint64>(1, minutes));
    if (const qint64 hours = (seconds + 1800) / 3600; hours < 24)
        return QCoreApplication::translate("ReviewSession", "%1 h").arg(hours);
    const double days = double(seconds) / 86400.0;
    if (days < 30.0)
        return QCoreApplication::translate("ReviewSession", "%1 d").arg(std::llround(days));
    if (days < 365.0)
        return QCoreApplication::translate("ReviewSession", "%1 mo").arg(oneDecimal(days / 30.0));
    return QCoreApplication::translate("ReviewSession", "%1 y").arg(oneDecimal(days / 365.0));
}

ReviewSession::ReviewSession(Fsrs fsrs, std::vector<SessionItem> items, DailyLimits limits, DayCount doneToday,
                             const QDateTime &started, bool holdSiblings)
    : fsrs_(std::move(fsrs)), items_(std::move(items)), limits_(limits), done_(doneToday), started_(started),
      lastGraded_(started), holdSiblings_(holdSiblings)
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
    const std::optional<MemoryState> next = fsrs_.next(items_[size_t(current_)].state, now, grade);
    if (!next)
        return {};
    const MemoryState &after = *next;
    // Whole days are counted between calendar dates, not from this moment.
    if (after.scheduledDays > 0)
        return intervalText(qint64(after.scheduledDays) * 86400);
    return intervalText(now.secsTo(after.due));
}

bool ReviewSession::refusesAt(const QDateTime &now) const
{
    return current_ >= 0 && !fsrs_.next(items_[size_t(current_)].state, now, Grade::Good);
}

std::optional<GradeOutcome> ReviewSession::grade(Grade grade, const QDateTime &now)
{
    if (current_ < 0 || !revealed_)
        return std::nullopt;
    SessionItem &item = items_[size_t(current_)];
    const std::optional<MemoryState> after = fsrs_.next(item.state, now, grade);
    if (!after)
        return std::nullopt;
    undo_.push_back(Taken{current_, item.state, done_, queue_, reviewed_, again_, lastGraded_, gradedCards_});
    GradeOutcome outcome{item, grade, *after};
    if (std::find(gradedCards_.begin(), gradedCards_.end(), item.cardId) == gradedCards_.end())
        gradedCards_.push_back(item.cardId);
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
    gradedCards_ = std::move(taken.gradedCards);
    current_ = taken.index;
    revealed_ = false;
    return true;
}

SessionSummary ReviewSession::summary() const
{
    return SessionSummary{reviewed_, again_, started_.secsTo(lastGraded_)};
}

bool ReviewSession::held(int index) const
{
    const SessionItem &item = items_[size_t(index)];
    if (!holdSiblings_ || item.state.phase == Phase::Learning || item.state.phase == Phase::Relearning)
        return false;
    return std::find(gradedCards_.begin(), gradedCards_.end(), item.cardId) != gradedCards_.end();
}

void ReviewSession::advance(const QDateTime &now)
{
    revealed_ = false;
    // A queued sibling of a card graded since it was queued waits too.
    while (!queue_.empty() && held(queue_.front()))
        queue_.pop_front();
    if (queue_.empty()) {
        std::vector<MemoryState> states;
        states.reserve(items_.size());
        for (const SessionItem &item : items_)
            states.push_back(item.state);
        for (const int index : dueFacets(states, now, limits_, done_, fsrs_.settings().days)) {
            if (!held(index))
                queue_.push_back(index);
        }
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
