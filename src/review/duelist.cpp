#include "review/duelist.h"

#include <algorithm>

namespace velmora::review {

namespace {

bool inSteps(const MemoryState &state)
{
    return state.phase == Phase::Learning || state.phase == Phase::Relearning;
}

qint64 dayEndMs(const QDateTime &now, const LearningDays &days)
{
    return days.startOf(days.dayOf(now) + 1).toMSecsSinceEpoch();
}

} // namespace

bool isDue(const MemoryState &state, const QDateTime &now, const LearningDays &days)
{
    if (state.phase == Phase::New)
        return false;
    const qint64 dueMs = state.due.toMSecsSinceEpoch();
    return inSteps(state) ? dueMs <= now.toMSecsSinceEpoch() : dueMs < dayEndMs(now, days);
}

std::vector<int> dueFacets(const std::vector<MemoryState> &states, const QDateTime &now, const DailyLimits &limits,
                           const DayCount &doneToday, const LearningDays &days)
{
    // Compared as milliseconds: a QDateTime comparison converts time zones on
    // every call, and this runs over every facet of a deck.
    const qint64 nowMs = now.toMSecsSinceEpoch();
    // States written before days were learning days fall due at the moment
    // of their grade; they too are due for the whole of that day.
    const qint64 endMs = dayEndMs(now, days);
    std::vector<std::pair<qint64, int>> steps;
    std::vector<std::pair<qint64, int>> reviews;
    std::vector<int> fresh;
    const int freshRoom = std::max(0, limits.newFacets - doneToday.newFacets);
    for (int i = 0; i < int(states.size()); ++i) {
        const MemoryState &state = states[size_t(i)];
        if (state.phase == Phase::New) {
            if (int(fresh.size()) < freshRoom)
                fresh.push_back(i);
            continue;
        }
        const qint64 dueMs = state.due.toMSecsSinceEpoch();
        const bool stepping = inSteps(state);
        if (dueMs > (stepping ? nowMs : endMs - 1))
            continue;
        (stepping ? steps : reviews).emplace_back(dueMs, i);
    }
    if (int(reviews.size()) > limits.backlog)
        fresh.clear();
    const auto byDue = [](const auto &a, const auto &b) { return a < b; };
    std::sort(steps.begin(), steps.end(), byDue);
    const size_t reviewRoom = size_t(std::max(0, limits.reviews - doneToday.reviews));
    if (reviews.size() > reviewRoom) {
        std::partial_sort(reviews.begin(), reviews.begin() + std::ptrdiff_t(reviewRoom), reviews.end(), byDue);
        reviews.resize(reviewRoom);
    } else {
        std::sort(reviews.begin(), reviews.end(), byDue);
    }

    std::vector<int> order;
    order.reserve(steps.size() + reviews.size() + fresh.size());
    for (const auto &[due, index] : steps)
        order.push_back(index);
    for (const auto &[due, index] : reviews)
        order.push_back(index);
    order.insert(order.end(), fresh.begin(), fresh.end());
    return order;
}

QDateTime nextStepDue(const std::vector<MemoryState> &states, const QDateTime &now, const QDateTime &until)
{
    QDateTime next;
    for (const MemoryState &state : states) {
        if (inSteps(state) && state.due > now && state.due < until && (!next.isValid() || state.due < next))
            next = state.due;
    }
    return next;
}

} // namespace velmora::review
