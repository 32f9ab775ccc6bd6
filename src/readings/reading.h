#pragma once

// Practice readings: the spreads, the draw, a reading as the journal keeps
// it, the journal's Markdown and the card of the day. No window here.

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora {

class RandomSource;

namespace readings {

// The number is the count of cards and is what the journal stores.
enum class Spread { OneCard = 1, ThreeCards = 3, FiveCards = 5 };

[[nodiscard]] std::optional<Spread> spreadFromNumber(int number);
[[nodiscard]] QString spreadName(Spread spread);
// The positions in the order the cards are laid.
[[nodiscard]] QStringList spreadPositions(Spread spread);

// A card as it was drawn: its texts are copied so the reading outlives the deck.
struct ReadingCard
{
    int cardId = 0;
    QString name;
    bool reversed = false;
    QString keywords; // the filled slots, separated by ", "
    QString meaning;  // for its orientation
};

struct Reading
{
    qint64 id = 0; // 0 until the journal holds it
    QDateTime made;
    QString deckFile;
    QString deckName;
    Spread spread = Spread::ThreeCards;
    QString question;
    QString interpretation;
    QVector<ReadingCard> cards; // one per position, in position order
};

// What the learner writes is kept to this many characters.
inline constexpr int kMaxQuestion = 1000;
inline constexpr int kMaxInterpretation = 20000;

struct Draw
{
    int index = 0; // into the pool
    bool reversed = false;
};

// `count` different cards of a pool of `poolSize`, each reversed on a coin
// of `random` only when reversals are allowed. Fewer when the pool is smaller.
[[nodiscard]] QVector<Draw> drawSpread(int poolSize, int count, bool reversedAllowed, RandomSource &random);

// Whether a search text finds the reading: each of its words in the
// question or the interpretation, regardless of case.
[[nodiscard]] bool readingMatches(const Reading &reading, const QString &search);
// The same test in two halves, for a list searched at every keystroke: the
// reading's text folded once, the search's words folded once per search.
[[nodiscard]] QString searchableText(const Reading &reading);
[[nodiscard]] QStringList searchWords(const QString &search);
[[nodiscard]] bool searchableMatches(const QString &searchable, const QStringList &words);

// "Monday, 7 December 2026 09:30: Three cards, Rider deck"
[[nodiscard]] QString readingTitle(const Reading &reading);
// One section per reading; the learner's text escaped so it reads as typed.
[[nodiscard]] QString journalMarkdown(const QVector<Reading> &readings);

// The card of the day as the settings keep it: drawn once a day and kept.
struct DayCard
{
    QDate day;
    QString deckFile;
    int cardId = 0;
    bool reversed = false;
};

inline constexpr char kDayCardKey[] = "CardOfTheDay";
inline constexpr char kDayCardOffKey[] = "CardOfTheDayOff";

[[nodiscard]] QString dayCardText(const DayCard &card);
// Nothing for a value the program did not write.
[[nodiscard]] std::optional<DayCard> dayCardFromText(const QString &text);
// The first few keywords of a keyword list, for a one-line message.
[[nodiscard]] QString firstKeywords(const QString &keywords, int count = 3);

} // namespace readings
} // namespace velmora
