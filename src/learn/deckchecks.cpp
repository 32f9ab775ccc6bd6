#include "learn/deckchecks.h"

#include "store/database.h"
#include "store/paths.h"

#include <QFileInfo>

#include <algorithm>

namespace velmora {

namespace {

const QString kStoreDecksSql = QStringLiteral("Select * from tblStoreDeck");
const QString kKeywordsSql = QStringLiteral("Select * from tblKeywords");

bool isEmptyText(const QVariant &value)
{
    return value.isValid() && value.toString().isEmpty();
}

// Whether any keyword slot of the deck matches; nothing when the deck cannot
// be read.
template <typename Predicate>
std::optional<bool> anyKeywordSlot(const QString &deckPath, Predicate matches)
{
    Database deck;
    ResultSet keywords;
    if (!OpenDatabase(deck, deckPath) || !OpenResultSet(keywords, deck, kKeywordsSql))
        return std::nullopt;
    for (keywords.moveFirst(); !keywords.isEof(); keywords.moveNext()) {
        if (matches(keywords))
            return true;
    }
    return false;
}

} // namespace

QStringList catalogDeckNames()
{
    QStringList names;
    Database catalog;
    ResultSet decks;
    if (!OpenDatabase(catalog, paths::catalogDatabase()) || !OpenResultSet(decks, catalog, kStoreDecksSql))
        return names;
    for (decks.moveFirst(); !decks.isEof(); decks.moveNext())
        names.append(decks.field(QStringLiteral("deckname")).toString());
    return names;
}

QString dbNameAtPosition(int position, const QString &deckName)
{
    Database catalog;
    ResultSet decks;
    if (position < 0 || !OpenDatabase(catalog, paths::catalogDatabase()) ||
        !OpenResultSet(decks, catalog, kStoreDecksSql))
        return {};
    int row = 0;
    for (decks.moveFirst(); !decks.isEof(); decks.moveNext(), ++row) {
        if (row == position && decks.field(QStringLiteral("deckname")).toString() == deckName)
            return decks.field(QStringLiteral("dbName")).toString();
    }
    return {};
}

QString dbNameOfDeck(const QString &deckName)
{
    Database catalog;
    ResultSet decks;
    if (!OpenDatabase(catalog, paths::catalogDatabase()) || !OpenResultSet(decks, catalog, kStoreDecksSql))
        return {};
    for (decks.moveFirst(); !decks.isEof(); decks.moveNext()) {
        if (decks.field(QStringLiteral("deckname")).toString() == deckName)
            return decks.field(QStringLiteral("dbName")).toString();
    }
    return {};
}

std::optional<QString> existingDeckFile(const QString &dbName)
{
    if (dbName.isEmpty() || dbName.contains(QLatin1Char('/')) || dbName.contains(QLatin1Char('\\')) ||
        dbName == QLatin1String(".") || dbName == QLatin1String(".."))
        return std::nullopt;
    const QString path = paths::deckDatabase(dbName);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::optional<bool> hasMissingKeyword(const QString &deckPath)
{
    return anyKeywordSlot(deckPath, [](const ResultSet &slot) {
        const QVariant keyword = slot.field(QStringLiteral("keyword"));
        return !keyword.isValid() || keyword.toString().isEmpty();
    });
}

std::optional<bool> hasEmptyKeywordField(const QString &deckPath)
{
    static const QStringList fields{QStringLiteral("keyword"), QStringLiteral("cardname"), QStringLiteral("id"),
                                    QStringLiteral("cardid")};
    return anyKeywordSlot(deckPath, [](const ResultSet &slot) {
        return std::any_of(fields.cbegin(), fields.cend(),
                           [&slot](const QString &name) { return isEmptyText(slot.field(name)); });
    });
}

QString designingIncompleteMessage(const QString &deckName)
{
    return QStringLiteral("Tarot Learning Deck '") + deckName + QStringLiteral("'s designing is incomplete\r") +
           QStringLiteral("You cannot take test using this deck, until it is fully completed.");
}

QString notAvailableMessage(const QString &deckName)
{
    return QStringLiteral("Tarot Learning Deck '") + deckName + QStringLiteral("' is not available\r") +
           QStringLiteral("Please select another Tarot Learning Deck");
}

QString incompleteMessage(const QString &deckName, PracticeWording wording)
{
    if (wording == PracticeWording::Memorize)
        return QStringLiteral("Tarot Learning Deck '") + deckName + QStringLiteral("' is incomplete\r") +
               QStringLiteral("Please go to the Deck Design Section\rAnd complete it first");
    return QStringLiteral("Tutor '") + deckName + QStringLiteral("' is incomplete\r") +
           QStringLiteral("Please go to the Deck Design Section\rAnd complte it first");
}

QString noGroupMessage()
{
    return QStringLiteral("Select at least one option.");
}

} // namespace velmora
