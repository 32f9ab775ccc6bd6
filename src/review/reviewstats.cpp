#include "review/reviewstats.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace velmora::review {

QVector<int> dueForecast(const QVector<FacetDue> &states, const QDateTime &now, const LearningDays &learning, int days)
{
    QVector<int> perDay(std::max(0, days), 0);
    if (perDay.isEmpty())
        return perDay;
    // The starts that end each day, found once: converting each due time to
    // local time would cost a time zone lookup per facet.
    const qint64 today = learning.dayOf(now);
    QVector<qint64> dayEnds;
    dayEnds.reserve(days);
    for (int day = 1; day <= days; ++day)
        dayEnds.append(learning.startOf(today + day).toMSecsSinceEpoch());
    for (const FacetDue &state : states) {
        if (state.phase == Phase::New)
            continue;
        const auto end = std::upper_bound(dayEnds.cbegin(), dayEnds.cend(), state.dueMs);
        if (end != dayEnds.cend())
            ++perDay[int(end - dayEnds.cbegin())];
    }
    return perDay;
}

FacetCounts countFacets(const QVector<FacetDue> &states, const QVector<int> &deckCardIds)
{
    const QSet<int> cards(deckCardIds.cbegin(), deckCardIds.cend());
    FacetCounts counts;
    int stated = 0;
    for (const FacetDue &state : states) {
        if (state.phase == Phase::Learning || state.phase == Phase::Relearning)
            ++counts.learning;
        else if (state.phase == Phase::Review)
            ++counts.review;
        if (state.phase != Phase::New && cards.contains(state.cardId))
            ++stated;
    }
    counts.fresh = std::max(0, 3 * int(cards.size()) - stated);
    return counts;
}

QString retentionText(const Retention &retention)
{
    if (retention.reviews <= 0)
        return QCoreApplication::translate("velmora::progress::FrmProgress", "no due card reviewed");
    const qint64 percent = qint64(std::clamp(retention.recalled, 0, retention.reviews)) * 100 / retention.reviews;
    return retention.reviews == 1
               ? QCoreApplication::translate("velmora::progress::FrmProgress", "%1% of 1 review").arg(percent)
               : QCoreApplication::translate("velmora::progress::FrmProgress", "%1% of %2 reviews")
                     .arg(percent)
                     .arg(retention.reviews);
}

} // namespace velmora::review
