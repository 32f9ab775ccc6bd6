#include "readings/reading.h"

#include "app/services.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace velmora::readings {

std::optional<Spread> spreadFromNumber(int number)
{
    switch (number) {
    case int(Spread::OneCard):
    case int(Spread::ThreeCards):
    case int(Spread::FiveCards):
        return Spread(number);
    default:
        return std::nullopt;
    }
}

QString spreadName(Spread spread)
{
    switch (spread) {
    case Spread::OneCard:
        return QCoreApplication::translate("Reading", "One card");
    case Spread::ThreeCards:
        return QCoreApplication::translate("Reading", "Three cards");
    case Spread::FiveCards:
        break;
    }
    return QCoreApplication::translate("Reading", "Five cards");
}

QStringList spreadPositions(Spread spread)
{
    switch (spread) {
    case Spread::OneCard:
        return {QCoreApplication::translate("Reading", "Card")};
    case Spread::ThreeCards:
        return {QCoreApplication::translate("Reading", "Past"), QCoreApplication::translate("Reading", "Present"),
                QCoreApplication::translate("Reading", "Future")};
    case Spread::FiveCards:
        break;
    }
    return {QCoreApplication::translate("Reading", "Situation"), QCoreApplication::translate("Reading", "Challenge"),
            QCoreApplication::translate("Reading", "Past"), QCoreApplication::translate("Reading", "Future"),
            QCoreApplication::translate("Reading", "Outcome")};
}

QVector<Draw> drawSpread(int poolSize, int count, bool reversedAllowed, RandomSource &random)
{
    // A partial shuffle: each draw takes one of the cards not yet taken.
    QVector<int> left(std::max(poolSize, 0));
    std::iota(left.begin(), left.end(), 0);
    QVector<Draw> drawn;
    for (int i = 0; i < count && i < left.size(); ++i) {
        const int pick = i + random.draw(int(left.size()) - i);
        std::swap(left[i], left[pick]);
        drawn.append(Draw{left[i], reversedAllowed && random.draw(2) == 1});
    }
    return drawn;
}

bool readingMatches(const Reading &reading, const QString &search)
{
    return searchableMatches(searchableText(reading), searchWords(search));
}

namespace {

// Folding looks every character up in the Unicode tables, which over a
// journal of thousands of readings is felt at every keystroke's first
// search. Of ASCII it changes only A to Z, and it folds each character by
// itself, so the part before the first other character is folded here.
// Qt turns a lone surrogate after the first change into a replacement
// character: a text with surrogates goes to Qt whole, to fold as it does.
QString foldedCase(QString text)
{
    const qsizetype size = text.size();
    qsizetype ascii = 0;
    while (ascii < size && text.at(ascii).unicode() < 0x80)
        ++ascii;
    if (std::any_of(text.cbegin() + ascii, text.cend(), [](QChar c) { return c.isSurrogate(); }))
        return std::move(text).toCaseFolded();
    QChar *chars = text.data();
    for (qsizetype i = 0; i < ascii; ++i) {
        if (chars[i] >= u'A' && chars[i] <= u'Z')
            chars[i] = QChar(char16_t(chars[i].unicode() + (u'a' - u'A')));
    }
    if (ascii == size)
        return text;
    QString rest = text.mid(ascii).toCaseFolded();
    text.truncate(ascii);
    return text + rest;
}

} // namespace

QString searchableText(const Reading &reading)
{
    // The line break keeps a word from being found across the two texts.
    return foldedCase(reading.question + QLatin1Char('\n') + reading.interpretation);
}

QStringList searchWords(const QString &search)
{
    return search.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool searchableMatches(const QString &searchable, const QStringList &words)
{
    for (const QString &word : words) {
        if (!searchable.contains(word))
            return false;
    }
    return true;
}

QString readingTitle(const Reading &reading)
{
    return QCoreApplication::translate("Reading", "%1: %2, %3")
        .arg(QLocale().toString(reading.made, QCoreApplication::translate("Reading", "dddd, d MMMM yyyy HH:mm",
                                                                          "the date format of a reading's title")),
             spreadName(reading.spread), reading.deckName);
}

namespace {

// Markdown would read the learner's stars, brackets and hashes as markup;
// each such character is escaped, and each line ends in a hard break.
QString escapedMarkdown(const QString &text)
{
    static const QString everywhere = QStringLiteral("\\`*_[]<>#|~!&");
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QString out;
        for (const QChar c : line.trimmed()) {
            if (everywhere.contains(c) || (out.isEmpty() && QStringLiteral("-+=").contains(c)))
                out += QLatin1Char('\\');
            out += c;
        }
        // "1. " at the start of a line would begin a list.
        int digits = 0;
        while (digits < out.size() && out[digits].isDigit())
            ++digits;
        if (digits > 0 && digits < out.size() && (out[digits] == QLatin1Char('.') || out[digits] == QLatin1Char(')')))
            out.insert(digits, QLatin1Char('\\'));
        lines.append(out);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QStringLiteral("\\\n"));
}

} // namespace

QString journalMarkdown(const QVector<Reading> &readings)
{
    QString text =
        QStringLiteral("# ") + QCoreApplication::translate("Reading", "Readings journal") + QLatin1Char('\n');
    for (const Reading &reading : readings) {
        text += QStringLiteral("\n## ") + escapedMarkdown(readingTitle(reading)) + QStringLiteral("\n\n");
        text += QStringLiteral("**") + QCoreApplication::translate("Reading", "Question:") + QStringLiteral("** ") +
                escapedMarkdown(reading.question) + QStringLiteral("\n\n");
        const QStringList positions = spreadPositions(reading.spread);
        for (int i = 0; i < reading.cards.size(); ++i) {
            const ReadingCard &card = reading.cards[i];
            const QString line =
                card.reversed
                    ? QCoreApplication::translate("Reading", "%1 (reversed). Picture: %2 of %3. Keywords: %4.")
                    : QCoreApplication::translate("Reading", "%1 (upright). Picture: %2 of %3. Keywords: %4.");
            text += QStringLiteral("- **") + escapedMarkdown(positions.value(i)) + QStringLiteral(":** ") +
                    line.arg(escapedMarkdown(card.name), escapedMarkdown(card.name), escapedMarkdown(reading.deckName),
                             escapedMarkdown(card.keywords)) +
                    QLatin1Char('\n');
        }
        text += QStringLiteral("\n**") + QCoreApplication::translate("Reading", "Interpretation:") +
                QStringLiteral("**\n\n") + escapedMarkdown(reading.interpretation) + QStringLiteral("\n");
    }
    return text;
}

QString dayCardText(const DayCard &card)
{
    return card.day.toString(Qt::ISODate) + QLatin1Char('|') + QString::number(card.cardId) + QLatin1Char('|') +
           (card.reversed ? QLatin1Char('R') : QLatin1Char('U')) + QLatin1Char('|') + card.deckFile;
}

std::optional<DayCard> dayCardFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 4)
        return std::nullopt;
    DayCard card;
    bool number = false;
    card.day = QDate::fromString(parts[0], Qt::ISODate);
    card.cardId = parts[1].toInt(&number);
    card.reversed = parts[2] == QLatin1String("R");
    card.deckFile = parts[3];
    if (!card.day.isValid() || !number || (!card.reversed && parts[2] != QLatin1String("U")) || card.deckFile.isEmpty())
        return std::nullopt;
    return card;
}

QString firstKeywords(const QString &keywords, int count)
{
    return keywords.split(QStringLiteral(", "), Qt::SkipEmptyParts).mid(0, count).join(QStringLiteral(", "));
}

} // namespace velmora::readings
