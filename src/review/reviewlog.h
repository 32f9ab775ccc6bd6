#pragma once

// The review states of the history file and the log of grades that made
// them: each grade keeps the state it replaced, so an undo puts back exactly
// what was there. Works over the history's one connection, which the caller
// opens and keeps.

#include "review/duelist.h"
#include "review/fsrs.h"
#include "review/fsrsoptimizer.h"
#include "review/reviewstats.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>
#include <vector>

namespace velmora::store {
class HistoryDb;
}

namespace velmora::review {

// One grade of spaced review, with the state it replaced.
struct ReviewRecord
{
    QDateTime reviewed;
    QString deckFile;
    int cardId = 0;
    Facet facet = Facet::Keywords;
    Grade grade = Grade::Good;
    MemoryState before; // New: the facet had no state
    MemoryState after;
};

struct FacetState
{
    int cardId = 0;
    Facet facet = Facet::Keywords;
    MemoryState state;
};

// Bound of what one query reads.
inline constexpr int kMaxFacets = 300000;
// Some years of grades of a learner who reviews a great deal.
inline constexpr int kMaxLoggedGrades = 2000000;

class ReviewLog
{
public:
    explicit ReviewLog(store::HistoryDb &history) : history_(history) {}

    // One transaction: the facet's new state and the grade, or nothing.
    [[nodiscard]] bool recordReview(const ReviewRecord &review);
    // Puts back the state the deck's latest grade replaced and forgets the
    // grade, in one transaction. `undone` is the grade, or nothing when the
    // deck had none.
    [[nodiscard]] bool undoLastReview(const QString &deckFile, std::optional<ReviewRecord> &undone);
    // Every facet of the deck with a state, at most kMaxFacets; a facet
    // without one is new. Rows no grade could have written are left out.
    [[nodiscard]] std::optional<QVector<FacetState>> facetStates(const QString &deckFile);
    // What the deck's session grades from `since` on used of the daily caps.
    [[nodiscard]] std::optional<DayCount> reviewsSince(const QString &deckFile, const QDateTime &since);
    // The same facets, only what the progress window counts of them.
    [[nodiscard]] std::optional<QVector<FacetDue>> facetDues(const QString &deckFile);
    // The grades of one deck file (all: empty) from `since` on (all: invalid)
    // of facets that were in review, counted by SQLite: a year of grades is
    // never read row by row.
    [[nodiscard]] std::optional<Retention> retention(const QString &deckFile, const QDateTime &since);

    // Every grade of every deck, at most kMaxLoggedGrades, for fitting the
    // weights; each facet (deck, card and facet) has a number of its own, from 0.
    [[nodiscard]] std::optional<std::vector<LoggedGrade>> loggedGrades();

    // Both within the caller's transaction; a test's grades (byTest) use none
    // of the daily caps.
    [[nodiscard]] bool writeReview(const ReviewRecord &review, bool byTest = false);
    [[nodiscard]] std::optional<MemoryState> storedState(const QString &deckFile, int cardId, Facet facet);

private:
    store::HistoryDb &history_;
};

} // namespace velmora::review
