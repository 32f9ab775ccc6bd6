#include "readings/patterns.h"

#include <QHash>

#include <algorithm>

namespace velmora::readings {

QVector<CardPattern> cardPatterns(const QVector<DrawnCard> &drawn, const QDate &since)
{
    QVector<CardPattern> patterns;
    QHash<QString, int> indexOf; // name + orientation
    const QStringList positionNames[] = {spreadPositions(Spread::OneCard), spreadPositions(Spread::ThreeCards),
                                         spreadPositions(Spread::FiveCards)};
    for (const DrawnCard &card : drawn) {
        if (card.day < since)
            continue;
        const QString key = card.name + (card.reversed ? QStringLiteral("\x01r") : QStringLiteral("\x01u"));
        auto found = indexOf.find(key);
        if (found == indexOf.end()) {
            found = indexOf.insert(key, int(patterns.size()));
            patterns.append(CardPattern{card.name, card.reversed, 0, {}});
        }
        CardPattern &pattern = patterns[*found];
        ++pattern.count;
        const QStringList &spreadNames = positionNames[card.spread == Spread::OneCard      ? 0
                                                       : card.spread == Spread::ThreeCards ? 1
                                                                                           : 2];
        const QString where =
            spreadNames.value(card.position, QCoreApplication::translate("Patterns", "Card %1").arg(card.position + 1));
        const auto at = std::find_if(pattern.byPosition.begin(), pattern.byPosition.end(),
                                     [&where](const QPair<QString, int> &counted) { return counted.first == where; });
        if (at == pattern.byPosition.end())
            pattern.byPosition.append({where, 1});
        else
            ++at->second;
    }
    std::sort(patterns.begin(), patterns.end(), [](const CardPattern &a, const CardPattern &b) {
        if (a.count != b.count)
            return a.count > b.count;
        if (a.name != b.name)
            return a.name < b.name;
        return !a.reversed && b.reversed;
    });
    return patterns;
}

QString patternText(const CardPattern &pattern)
{
    QStringList places;
    for (const auto &[where, count] : pattern.byPosition)
        places.append(where + QLatin1Char(' ') + QString::number(count));
    const QString often = pattern.count == 1 ? QCoreApplication::translate("Patterns", "once")
                                             : QCoreApplication::translate("Patterns", "%1 times").arg(pattern.count);
    return (pattern.reversed ? QCoreApplication::translate("Patterns", "%1 (reversed): %2 (%3)")
                             : QCoreApplication::translate("Patterns", "%1 (upright): %2 (%3)"))
        .arg(pattern.name, often, places.join(QStringLiteral(", ")));
}

int currentStreak(const QSet<QDate> &activeDays, const QDate &today)
{
    QDate day = activeDays.contains(today) ? today : today.addDays(-1);
    int streak = 0;
    while (activeDays.contains(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

} // namespace velmora::readings
