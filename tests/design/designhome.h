#pragma once

// A program folder with one deck for the card editor and the picture loader.

#include "../decks/deckhome.h"

#include "design/frmdeckdesign.h"

namespace velmora::test {

[[nodiscard]] inline bool makeDesignDeck(const QString &dbName, const QList<SampleCard> &cards)
{
    if (!dbwriter::createDeckDatabase(paths::deckDatabase(dbName)))
        return false;
    Deck deck;
    return deck.open(paths::deckDatabase(dbName), Access::ReadWrite) &&
           deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), false}) &&
           deck.saveHeader({QStringLiteral("Design"), int(cards.size()), {}, {}, QStringLiteral("Create")}) &&
           addCards(deck, cards) && addCatalogRow(QStringLiteral("Design"), dbName);
}

struct StoredCard
{
    Card card;
    QStringList slotTexts;
    bool hasPicture = false;
};

[[nodiscard]] inline StoredCard storedCard(const QString &dbName, int id)
{
    Deck deck;
    StoredCard stored;
    if (!deck.open(paths::deckDatabase(dbName)))
        return stored;
    for (const Card &card : deck.cards().value_or(QVector<Card>())) {
        if (card.id == id)
            stored.card = card;
    }
    stored.slotTexts = deck.keywords(id).value_or(QStringList());
    stored.hasPicture = !deck.picture(id).isEmpty();
    return stored;
}

} // namespace velmora::test
