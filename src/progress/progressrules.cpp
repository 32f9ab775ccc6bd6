#include "progress/progressrules.h"

#include <algorithm>
#include <cmath>

namespace velmora::progress {

QString testKindName(TestKind kind)
{
    return kind == TestKind::Description ? QStringLiteral("Description test") : QStringLiteral("Keyword test");
}

TestKind testKindFromNumber(int number)
{
    return number == int(TestKind::Description) ? TestKind::Description : TestKind::Keywords;
}

bool isMiss(int score, int maximum)
{
    return score < maximum;
}

int scorePercent(int score, int maximum)
{
    if (maximum <= 0)
        return 0;
    const int bounded = std::clamp(score, 0, maximum);
    return int(std::lround(100.0 * bounded / maximum));
}

QString periodName(Period period)
{
    switch (period) {
    case Period::Last7Days:
        return QStringLiteral("Last 7 days");
    case Period::Last30Days:
        return QStringLiteral("Last 30 days");
    case Period::All:
        break;
    }
    return QStringLiteral("All tests");
}

QDateTime periodStart(Period period, const QDateTime &now)
{
    int days = 0;
    switch (period) {
    case Period::Last7Days:
        days = 7;
        break;
    case Period::Last30Days:
        days = 30;
        break;
    case Period::All:
        return {};
    }
    return QDateTime(now.date().addDays(1 - days), QTime(0, 0), now.timeSpec());
}

int boundedRecentTests(int wanted)
{
    return std::clamp(wanted, 1, kMaxRecentTests);
}

double missRate(int missed, int asked)
{
    return asked <= 0 ? 0.0 : double(std::clamp(missed, 0, asked)) / asked;
}

QString missRateText(int missed, int asked)
{
    return QString::number(std::lround(100.0 * missRate(missed, asked))) + QStringLiteral(" %");
}

QVector<CardTally> rankMissedCards(QVector<CardTally> tallies)
{
    tallies.erase(std::remove_if(tallies.begin(), tallies.end(),
                                 [](const CardTally &tally) { return tally.missed <= 0 || tally.asked <= 0; }),
                  tallies.end());
    std::stable_sort(tallies.begin(), tallies.end(), [](const CardTally &a, const CardTally &b) {
        // Cross-multiplied so that equal rates compare equal.
        const qint64 left = qint64(std::min(a.missed, a.asked)) * b.asked;
        const qint64 right = qint64(std::min(b.missed, b.asked)) * a.asked;
        if (left != right)
            return left > right;
        if (a.missed != b.missed)
            return a.missed > b.missed;
        if (const int byName = a.cardName.localeAwareCompare(b.cardName); byName != 0)
            return byName < 0;
        if (a.deckName != b.deckName)
            return a.deckName < b.deckName;
        return !a.reversed && b.reversed;
    });
    return tallies;
}

QString seriesName(const QString &deckName, TestKind kind)
{
    return deckName + QStringLiteral(" \u2013 ") + testKindName(kind).toLower();
}

QList<QPointF> thinnedSeries(const QList<QPointF> &points, int maxPoints)
{
    if (maxPoints <= 0 || points.size() <= maxPoints)
        return points;
    const qsizetype run = (points.size() + maxPoints - 1) / maxPoints;
    QList<QPointF> thinned;
    thinned.reserve(maxPoints);
    for (qsizetype start = 0; start < points.size(); start += run) {
        const qsizetype end = std::min(points.size(), start + run);
        QPointF sum;
        for (qsizetype i = start; i < end; ++i)
            sum += points[i];
        thinned.append(sum / double(end - start));
    }
    return thinned;
}

QString csvLine(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (QString field : fields) {
        if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front())) {
            // A plain negative number is a number, not a formula.
            bool isNumber = false;
            (void)field.toDouble(&isNumber);
            if (!isNumber)
                field.prepend(QLatin1Char('\''));
        }
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n')) ||
            field.contains(QLatin1Char('\r'))) {
            field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        written.append(field);
    }
    return written.join(QLatin1Char(','));
}

QStringList csvHeader()
{
    return {QStringLiteral("Date"),        QStringLiteral("Deck"),    QStringLiteral("Deck file"),
            QStringLiteral("Test"),        QStringLiteral("Level"),   QStringLiteral("Groups"),
            QStringLiteral("Question"),    QStringLiteral("Card ID"), QStringLiteral("Card"),
            QStringLiteral("Orientation"), QStringLiteral("Score"),   QStringLiteral("Maximum")};
}

} // namespace velmora::progress
