#pragma once

// Finding a deck's file through the catalog and the checks that refuse a deck
// that is missing or not fully designed.

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

enum class PracticeWording { Memorize, Test };

// The deckname of every catalog row, in row order; empty, with the reason in
// error, when the catalog cannot be read.
[[nodiscard]] QStringList catalogDeckNames(QString *error = nullptr);

// The dbName of the catalog row at the 0-based position, provided its deckname
// equals the given name; empty otherwise.
[[nodiscard]] QString dbNameAtPosition(int position, const QString &deckName);
// The dbName of the first catalog row with that deckname; empty when none.
[[nodiscard]] QString dbNameOfDeck(const QString &deckName);

// The path of an existing deck file for a catalog dbName. A dbName that is
// empty or reaches outside the deck folder names no deck, so the deck folder
// itself, or anything beside it, is never taken for a deck database.
[[nodiscard]] std::optional<QString> existingDeckFile(const QString &dbName);

// Whether some keyword row holds a keyword that is Null or empty: the check
// made when a deck is picked. Nothing when the deck cannot be read or is
// refused, as a deck with a card without its seven keyword slots is.
[[nodiscard]] std::optional<bool> hasMissingKeyword(const QString &deckPath);
// Whether some keyword row holds empty text in keyword, cardname, id or cardid
// (Null does not count): the check before a practice. Nothing when the deck
// cannot be read or is refused.
[[nodiscard]] std::optional<bool> hasEmptyKeywordField(const QString &deckPath);

[[nodiscard]] QString designingIncompleteMessage(const QString &deckName);
// A deck file that is not there.
[[nodiscard]] QString notAvailableMessage(const QString &deckName);
// A deck file that is there but damaged, no deck, or refused as unsafe.
[[nodiscard]] QString unusableDeckMessage(const QString &deckName, const QString &reason);
[[nodiscard]] QString unreadableCatalogMessage(const QString &reason);
[[nodiscard]] QString incompleteMessage(const QString &deckName, PracticeWording wording);
[[nodiscard]] QString noGroupMessage();
// No entry of the deck list chosen: rather than a deck with an empty name
// "not available", where to choose one.
[[nodiscard]] QString noDeckChosenMessage();

} // namespace velmora
