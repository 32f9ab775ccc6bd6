#include "progress/progressrules.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>

namespace velmora::progress {

// Written to the CSV export, so never translated.
QString testKindName(TestKind kind)
{
    return kind == TestKind::Description ? QStringLiteral("Description test") : QStringLiteral("Keyword test");
}

TestKind testKindFromNumber(int number)
{
    return number == int(TestKind::Description) ? TestKind::Description : TestKind::Keywords;
}

// Written to the CSV export, so never translated.
QString levelName(int level)
{
    switch (level) {
    case 0:
        return QStringLiteral("Beginner");
    case 1:
        return QStringLiteral("Intermediate");
    case 2:
        return QStringLiteral("Advanced");
    default:
        return QString::number(level);
    }
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
        return QCoreApplication::translate("velmora::progress::FrmProgress", "Last 7 days");
    case Period::Last30Days:
        return QCoreApplication::translate("velmora::progress::FrmProgress", "Last 30 days");
    case Period::All:
        break;
    }
    return QCoreApplication::translate("velmora::progress::FrmProgress", "All tests");
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
    // The kind is a shown name here, unlike in the CSV.
    const QString shownKind = kind == TestKind::Description
                                  ? QCoreApplication::translate("velmora::progress::FrmProgress", "description test")
                                  : QCoreApplication::translate("velmora::progress::FrmProgress", "keyword test");
    return QStringLiteral("%1 \u2013 %2").arg(deckName, shownKind);
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

namespace {

constexpr qint64 kHourMs = 3600 * 1000;

// Ticks from `start` on, `step` apart by `advance`, until one reaches `last`.
template <typename Advance>
QVector<QDateTime> ticksFrom(const QDateTime &start, qint64 lastMs, int step, Advance advance)
{
    QVector<QDateTime> ticks{start};
    while (ticks.back().toMSecsSinceEpoch() < lastMs)
        ticks.append(advance(ticks.back(), step));
    return ticks;
}

TimeScale scaleOf(const QVector<QDateTime> &moments, const std::function<QString(int)> &label)
{
    TimeScale scale{moments.front().toMSecsSinceEpoch(), moments.back().toMSecsSinceEpoch(), {}};
    for (int i = 0; i < moments.size(); ++i)
        scale.ticks.append(TimeTick{moments[i].toMSecsSinceEpoch(), label(i)});
    return scale;
}

} // namespace

TimeScale timeScale(qint64 firstMs, qint64 lastMs, int maxTicks)
{
    maxTicks = std::max(maxTicks, 3);
    lastMs = std::max(lastMs, firstMs + 1);
    const QDateTime first = QDateTime::fromMSecsSinceEpoch(firstMs);
    const QDateTime last = QDateTime::fromMSecsSinceEpoch(lastMs);
    if (lastMs - firstMs < 48 * kHourMs) {
        for (int hours : {1, 2, 3, 4, 6, 12, 24}) {
            // Steps of local clock hours counted from midnight, so that 2-hour
            // ticks read 08:00, 10:00 rather than 09:00, 11:00 on one day.
            const QTime hour(first.time().hour() / hours * hours, 0);
            const QVector<QDateTime> moments =
                ticksFrom(QDateTime(first.date(), hour), lastMs, hours,
                          [](const QDateTime &at, int step) { return at.addSecs(qint64(step) * 3600); });
            if (moments.size() <= maxTicks || hours == 24) {
                return scaleOf(moments, [&moments](int i) {
                    const bool newDay = i == 0 || moments[i].date() != moments[i - 1].date();
                    return QLocale().toString(moments[i],
                                              newDay ? QStringLiteral("d MMM hh:mm") : QStringLiteral("hh:mm"));
                });
            }
        }
    }
    const qint64 days = first.date().daysTo(last.date()) + (last.time() == QTime(0, 0) ? 0 : 1);
    if (days <= qint64(maxTicks - 1) * 31) {
        const int step = int((days + maxTicks - 2) / (maxTicks - 1));
        const QVector<QDateTime> moments =
            ticksFrom(QDateTime(first.date(), QTime(0, 0)), lastMs, step,
                      [](const QDateTime &at, int count) { return QDateTime(at.date().addDays(count), QTime(0, 0)); });
        const bool years = moments.front().date().year() != moments.back().date().year() && days > 62;
        return scaleOf(moments, [&moments, years](int i) {
            return QLocale().toString(moments[i], years ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"));
        });
    }
    const int months = (last.date().year() - first.date().year()) * 12 + last.date().month() - first.date().month() + 1;
    const int step = (months + maxTicks - 2) / (maxTicks - 1);
    const QVector<QDateTime> moments =
        ticksFrom(QDateTime(QDate(first.date().year(), first.date().month(), 1), QTime(0, 0)), lastMs, step,
                  [](const QDateTime &at, int count) { return QDateTime(at.date().addMonths(count), QTime(0, 0)); });
    return scaleOf(moments, [&moments](int i) { return QLocale().toString(moments[i], QStringLiteral("MMM yyyy")); });
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
