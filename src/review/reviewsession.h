#pragma once

// One sitting of spaced review: which facet is asked, whether its answer is
// showing, the grades given and how to take the latest back. Widget-free; the
// caller passes the time and stores what grade() hands back.

#include "review/duelist.h"
#include "review/fsrs.h"

#include <QDateTime>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace velmora::review {

struct SessionItem
{
    int cardId = 0;
    Facet facet = Facet::Keywords;
    MemoryState state;
};

struct GradeOutcome
{
    SessionItem item; // the facet as it was before the grade
    Grade grade = Grade::Good;
    MemoryState after;
};

struct SessionSummary
{
    int reviewed = 0;
    int again = 0;
    qint64 seconds = 0; // from the start to the latest grade
};

// A step of minutes due this soon is asked at once when nothing else is
// left, rather than ending the session a few minutes before it.
inline constexpr int kLearnAheadSeconds = 20 * 60;

// How long an interval is, as a grade button shows it: "1 min", "5 h",
// "3 d", "2 mo", "1.5 y".
[[nodiscard]] QString intervalText(qint64 seconds);

class ReviewSession
{
public:
    // items: every facet the session may ask, new ones in the order to learn them.
    // holdSiblings: once a facet of a card is graded, the card's other facets
    // wait for the next learning day (its steps of minutes go on), since one
    // facet's answer gives away much of another's.
    ReviewSession(Fsrs fsrs, std::vector<SessionItem> items, DailyLimits limits, DayCount doneToday,
                  const QDateTime &started, bool holdSiblings = true);

    // The facet asked, or nothing once the session is over.
    [[nodiscard]] const SessionItem *current() const;
    // The card of the facet that follows the one asked, if any is queued.
    [[nodiscard]] std::optional<int> upcomingCard() const;
    [[nodiscard]] bool revealed() const { return revealed_; }
    [[nodiscard]] bool finished() const { return current_ < 0; }
    void reveal();

    // The time until the facet would be asked again after this grade.
    [[nodiscard]] QString intervalLabel(Grade grade, const QDateTime &now) const;
    // Only with the answer showing and not before the facet's last review
    // (see refusesAt); what to store, then the next facet is asked.
    [[nodiscard]] std::optional<GradeOutcome> grade(Grade grade, const QDateTime &now);
    // Whether a grade now would be earlier than the asked facet's last review.
    [[nodiscard]] bool refusesAt(const QDateTime &now) const;
    [[nodiscard]] bool canUndo() const { return !undo_.empty(); }
    // Asks the latest graded facet again, with its earlier state and counts.
    bool undo();

    [[nodiscard]] SessionSummary summary() const;
    [[nodiscard]] const DayCount &doneToday() const { return done_; }

private:
    struct Taken
    {
        int index;
        MemoryState before;
        DayCount done;
        std::deque<int> queue;
        int reviewed;
        int again;
        QDateTime lastGraded;
        std::vector<int> gradedCards;
    };
    [[nodiscard]] bool held(int index) const;
    void advance(const QDateTime &now);

    Fsrs fsrs_;
    std::vector<SessionItem> items_;
    DailyLimits limits_;
    DayCount done_;
    QDateTime started_;
    QDateTime lastGraded_;
    std::deque<int> queue_;
    std::vector<Taken> undo_;
    bool holdSiblings_ = true;
    std::vector<int> gradedCards_; // cards with a facet graded in this session
    int current_ = -1;
    bool revealed_ = false;
    int reviewed_ = 0;
    int again_ = 0;
};

} // namespace velmora::review
