#pragma once

// What the progress window tells of spaced review: when facets fall due, how
// many are new, in steps or in review, and how often a due facet was still
// recalled. Widget-free.

#include "review/fsrs.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace velmora::review {

// The part of a stored state these figures need.
struct FacetDue
{
    int cardId = 0;
    Phase phase = Phase::Learning;
    qint64 dueMs = 0; // since the epoch
};

inline constexpr int kForecastDays = 30;

// Facets falling due on each learning day from now's on, `days` of them; the
// first day also holds everything overdue. Days are the scheduler's, from the
// start hour of one local day to that of the next, so a day that gains or
// loses an hour to daylight saving keeps its own facets and a facet counts on
// the day its session asks it.
[[nodiscard]] QVector<int> dueForecast(const QVector<FacetDue> &states, const QDateTime &now,
                                       const LearningDays &learning, int days = kForecastDays);

struct FacetCounts
{
    int fresh = 0;    // facets of the deck's cards without a state
    int learning = 0; // learning or relearning
    int review = 0;
};

// Each card has three facets; a state of a card the deck no longer holds
// takes no new facet away.
[[nodiscard]] FacetCounts countFacets(const QVector<FacetDue> &states, const QVector<int> &deckCardIds);

// Reviews of facets that were due (in review before the grade), and how many
// of them were not graded Again.
struct Retention
{
    int reviews = 0;
    int recalled = 0;
};

// "91% of 212 reviews", or "no due card reviewed"; rounded down, so that a
// single lapse never shows as 100%.
[[nodiscard]] QString retentionText(const Retention &retention);

} // namespace velmora::review
