#pragma once

// What a memorize or test practice works on: the open deck, the card set the
// chosen groups select, and where the memorize tab stands in it.

#include "store/deck.h"

#include <QVector>

namespace velmora {

struct Practice
{
    Deck deck;
    QString deckName;    // as the deck list named it when the practice began
    QVector<int> groups; // card groups of the card set, rising
    QVector<Card> cards;
    int position = 0;     // the memorize counter, 1-based while a card is shown
    int memorizeRow = -1; // the card shown on the memorize tab; none outside 0..size-1
};

} // namespace velmora
