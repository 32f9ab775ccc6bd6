#include "learn/deckchecks.h"

#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace velmora {

QStringList catalogDeckNames(QString *error)
{
    Catalog catalog;
    std::optional<QVector<CatalogEntry>> decks;
    if (catalog.open())
        decks = catalog.decks();
    if (!decks) {
        if (error)
            *error = catalog.errorText();
        return {};
    }
    QStringList names;
    for (const CatalogEntry &entry : *decks)
        names.append(entry.deckName);
    return names;
}

QString dbNameAtPosition(int position, const QString &deckName)
{
    Catalog catalog;
    if (position < 0 || !catalog.open())
        return {};
    const auto decks = catalog.decks();
    if (!decks || position >= decks->size() || decks->at(position).deckName != deckName)
        return {};
    return decks->at(position).dbName;
}

QString dbNameOfDeck(const QString &deckName)
{
    Catalog catalog;
    if (!catalog.open())
        return {};
    const auto decks = catalog.decks();
    for (const CatalogEntry &entry : decks.value_or(QVector<CatalogEntry>())) {
        if (entry.deckName == deckName)
            return entry.dbName;
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
    Deck deck;
    return deck.open(deckPath) ? deck.hasMissingKeyword() : std::nullopt;
}

std::optional<bool> hasEmptyKeywordField(const QString &deckPath)
{
    Deck deck;
    return deck.open(deckPath) ? deck.hasEmptyKeywordField() : std::nullopt;
}

QString designingIncompleteMessage(const QString &deckName)
{
    return QCoreApplication::translate("DeckChecks", "Tarot Learning Deck '%1's designing is incomplete\r"
                                                     "You cannot take test using this deck, until it is fully "
                                                     "completed.")
        .arg(deckName);
}

QString notAvailableMessage(const QString &deckName)
{
    return QCoreApplication::translate("DeckChecks", "Tarot Learning Deck '%1' is not available\r"
                                                     "Please select another Tarot Learning Deck")
        .arg(deckName);
}

QString unusableDeckMessage(const QString &deckName, const QString &reason)
{
    return QCoreApplication::translate("DeckChecks", "Tarot Learning Deck '%1' cannot be used\r%2"
                                                     "\rPlease select another Tarot Learning Deck")
        .arg(deckName, reason);
}

QString unreadableCatalogMessage(const QString &reason)
{
    return QCoreApplication::translate("DeckChecks", "The list of Tarot Learning Decks cannot be read\r%1").arg(reason);
}

QString incompleteMessage(const QString &deckName, PracticeWording wording)
{
    if (wording == PracticeWording::Memorize)
        return QCoreApplication::translate("DeckChecks", "Tarot Learning Deck '%1' is incomplete\r"
                                                         "Please go to the Deck Design Section\rAnd complete it first")
            .arg(deckName);
    return QCoreApplication::translate("DeckChecks", "Tutor '%1' is incomplete\r"
                                                     "Please go to the Deck Design Section\rAnd complte it first")
        .arg(deckName);
}

QString noGroupMessage()
{
    return QCoreApplication::translate("DeckChecks", "Select at least one option.");
}

QString noDeckChosenMessage()
{
    return QCoreApplication::translate("DeckChecks", "Please select a Tarot Learning Deck\r"
                                                     "Choose one under \"Select Tarot Tutor\" on the Settings tab.");
}

} // namespace velmora
