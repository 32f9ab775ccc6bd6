#pragma once

// The cards that keep coming back in the learner's readings, and the run of
// days on which they practised. No window here.

#include "readings/reading.h"

#include <QSet>

namespace velmora::readings {

// One card of a reading, as the patterns count it.
struct DrawnCard
{
    QDate day;
    Spread spread = Spread::OneCard;
    int position = 0;
    QString name;
    bool reversed = false;
};

struct CardPattern
{
    QString name;
    bool reversed = false;
    int count = 0;
    // Per position name of the spreads it was drawn in, in the order first met.
    QVector<QPair<QString, int>> byPosition;
};

// The periods the journal offers, in days.
inline constexpr int kPatternPeriods[] = {30, 90, 365};

// Card and orientation counts over the cards drawn from `since` on, most
// frequent first, then by name, upright before reversed.
[[nodiscard]] QVector<CardPattern> cardPatterns(const QVector<DrawnCard> &drawn, const QDate &since);
// "The Tower (reversed): 3 times (Past 2, Future 1)"
[[nodiscard]] QString patternText(const CardPattern &pattern);
// Days in a row, ending today, with practice; a day not yet practised today
// leaves yesterday's run standing.
[[nodiscard]] int currentStreak(const QSet<QDate> &activeDays, const QDate &today);

} // namespace velmora::readings
