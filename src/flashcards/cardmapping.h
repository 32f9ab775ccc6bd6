#pragma once

// How the fields of a flashcard package's notes become a tarot card and back:
// which field is which, markup to plain text, keywords, the picture's file
// name and the group. Widget-free.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora::flashcards {

// The fields an exported note has, in this order.
inline const QStringList kExportFields{QStringLiteral("Name"),    QStringLiteral("Group"),
                                       QStringLiteral("Picture"), QStringLiteral("Keywords"),
                                       QStringLiteral("Upright"), QStringLiteral("Reversed")};

// For each card field, the note field it is taken from; -1 for none.
struct FieldMapping
{
    int name = -1;
    int group = -1;
    int keywords = -1;
    int upright = -1;
    int reversed = -1;
    int picture = -1;
    friend bool operator==(const FieldMapping &, const FieldMapping &) = default;
};

// Guessed from the field names; the picture, failing a name, from the first
// field that holds an image in `samples` (some notes' fields).
[[nodiscard]] FieldMapping guessMapping(const QStringList &fieldNames, const QVector<QStringList> &samples = {});

// Markup as the text a reader sees: tags gone, breaks and blocks as line
// breaks, entities decoded, blanks run together.
[[nodiscard]] QString htmlToPlainText(const QString &html);
// Text as markup for a field.
[[nodiscard]] QString plainTextToHtml(const QString &text);

struct SplitKeywords
{
    QStringList keywords;
    int dropped = 0; // beyond the seven a card has room for
};
[[nodiscard]] SplitKeywords splitKeywords(const QString &text);

// The file name of the first image in the markup; empty for none.
[[nodiscard]] QString firstImageSource(const QString &html);

// "Major Arcana", "Cups", "Wands", "Pentacles", "Swords".
[[nodiscard]] QString groupName(int group);
// The group as a tag: no blanks, which tags cannot hold.
[[nodiscard]] QString groupTag(int group);
// A group named in a field or a tag ("Cups", "major_arcana", "Coins"...).
[[nodiscard]] std::optional<int> groupFromText(const QString &text);

} // namespace velmora::flashcards
