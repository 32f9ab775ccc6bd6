#pragma once

// Which facets a review session asks now, within the daily caps. Widget-free.

#include "review/fsrs.h"

#include <QDateTime>

#include <vector>

namespace velmora::review {

struct DailyLimits
{
    int newFacets = 10; // facets graded for the first time
    int reviews = 200;  // grades of facets already in review
    // No new facet is started while more reviews than this are due: new
    // facets add reviews of their own to a pile the learner is not getting
    // through.
    int backlog = 100;

    bool operator==(const DailyLimits &) const = default;
};

// What today's grades have used of the caps. Steps of minutes count against
// neither: they finish what a new facet or a lapse began.
struct DayCount
{
    int newFacets = 0;
    int reviews = 0;

    void count(Phase before)
    {
        if (before == Phase::New)
            ++newFacets;
        else if (before == Phase::Review)
            ++reviews;
    }
};

// Whether the facet is to be asked now: a step of minutes from its due
// moment on, a review for the whole learning day it falls due on (and after).
[[nodiscard]] bool isDue(const MemoryState &state, const QDateTime &now, const LearningDays &days);

// Indexes into states, in asking order: steps of minutes that are due, then
// due reviews (the longest overdue first), then new facets in the order given,
// as many of each as today's caps leave and none while the due reviews exceed
// the backlog.
[[nodiscard]] std::vector<int> dueFacets(const std::vector<MemoryState> &states, const QDateTime &now,
                                         const DailyLimits &limits, const DayCount &doneToday,
                                         const LearningDays &days = {});

// The next time a step of minutes falls due after now and before until, if any.
[[nodiscard]] QDateTime nextStepDue(const std::vector<MemoryState> &states, const QDateTime &now,
                                    const QDateTime &until);

} // namespace velmora::review
