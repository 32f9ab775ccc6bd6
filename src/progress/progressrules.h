#pragma once

// What the learner's history is read for: which answers count as misses, the
// periods and series the progress window offers, how missed cards are ranked
// and how a history row is written to a CSV file. No widgets here.

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace velmora::progress {

// Kept apart from the test run's own type so that the history stays readable
// whatever the test run's enumeration becomes; the numbers are stored.
enum class TestKind { Description = 0, Keywords = 1 };

// "Description test" / "Keyword test"; an unknown stored number reads as the latter.
[[nodiscard]] QString testKindName(TestKind kind);
[[nodiscard]] TestKind testKindFromNumber(int number);
// "Beginner", "Intermediate", "Advanced" for the stored 0, 1, 2; another
// number, from a damaged row, as it is.
[[nodiscard]] QString levelName(int level);

// A question is missed unless it earned its full score: a keyword question
// with one of three keywords wrong has still not been learned.
[[nodiscard]] bool isMiss(int score, int maximum);

// Percent of the maximum, rounded; 0 for a maximum of 0 or less. The score
// is taken within 0..maximum so that a damaged row cannot leave the chart.
[[nodiscard]] int scorePercent(int score, int maximum);

enum class Period { Last7Days = 0, Last30Days = 1, All = 2 };
inline constexpr int kPeriodCount = 3;

[[nodiscard]] QString periodName(Period period);
// The earliest moment the period takes: midnight, days - 1 days before now's
// date, so that "last 7 days" is today and the six days before it. Invalid
// for All.
[[nodiscard]] QDateTime periodStart(Period period, const QDateTime &now);

// Bounds of "over the last N tests".
inline constexpr int kDefaultRecentTests = 20;
inline constexpr int kMaxRecentTests = 1000;
[[nodiscard]] int boundedRecentTests(int wanted);

// How often one card, in one orientation, was asked and missed.
struct CardTally
{
    QString deckFile;
    QString deckName;
    int cardId = 0;
    QString cardName;
    bool reversed = false;
    int asked = 0;
    int missed = 0;
};

// Misses per question asked, 0..1; 0 when never asked.
[[nodiscard]] double missRate(int missed, int asked);
// "67 %"
[[nodiscard]] QString missRateText(int missed, int asked);

// Cards never missed are left out. The rest, most missed first: higher miss
// rate, then more misses, then name, deck and upright before reversed, so
// that the order is the same at every opening.
[[nodiscard]] QVector<CardTally> rankMissedCards(QVector<CardTally> tallies);

// The series of the chart: one per deck and test type.
[[nodiscard]] QString seriesName(const QString &deckName, TestKind kind);
// A series of more points than the chart can show apart is drawn as the
// means of runs of consecutive points, at most maxPoints of them; first and
// last moments stay within the original range.
[[nodiscard]] QList<QPointF> thinnedSeries(const QList<QPointF> &points, int maxPoints);

// The time axis of the chart: ticks at whole hours, days or months of local
// time, as few kinds as keep at most maxTicks of them, each label told apart
// from its neighbours. Under two days the ticks are hours ("hh:mm", the date
// added where a day begins), else midnights ("d MMM") or first days of a
// month ("MMM yyyy"); the axis is widened to the ticks around it.
struct TimeTick
{
    qint64 ms = 0;
    QString label;
};
struct TimeScale
{
    qint64 firstMs = 0;
    qint64 lastMs = 0;
    QVector<TimeTick> ticks;
};
[[nodiscard]] TimeScale timeScale(qint64 firstMs, qint64 lastMs, int maxTicks);

// One CSV line (no line break) in the common quoting: fields with a comma,
// quote or line break are quoted, quotes doubled. Text that a spreadsheet
// would run as a formula (starting with = + - @ or a tab) gets a leading
// apostrophe; card and deck names come from shared deck files.
[[nodiscard]] QString csvLine(const QStringList &fields);
[[nodiscard]] QStringList csvHeader();

} // namespace velmora::progress
