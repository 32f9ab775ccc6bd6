#pragma once

// A deck to a flashcard package and a package to a new deck: the rules
// between the store and the package format, without any window.

#include "flashcards/cardmapping.h"
#include "flashcards/package.h"

#include "decks/deckexchange.h"
#include "store/deck.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace velmora::flashcards {

// Names are cut to this many characters; longer ones are no card names.
inline constexpr int kMaxCardName = 200;
// A deck holds at most this many cards, as the deck manager makes them.
inline constexpr int kMaxCards = 78;

// The deck's cards as notes carry them: keywords in slot order without the
// empty ones, BMP pictures as compact JPEG files. Empty with `error` set when
// the deck cannot be read.
[[nodiscard]] QVector<ExportCard> exportCards(Deck &deck, QString &error, const PackageProgress &progress = {});

// The package's file name for a deck: its name, without what a file name
// cannot hold.
[[nodiscard]] QString packageFileName(const QString &deckName);

// The deck file `deckFileName` of the deck folder as a package in
// `destinationFolder`, named after the deck; the exported path in the outcome.
// With `withReviewState` each facet's review state goes along, so that the
// learner goes on where they stopped.
[[nodiscard]] ExchangeOutcome exportPackage(const QString &deckFileName, const QString &destinationFolder, qint64 nowMs,
                                            const PackageProgress &progress = {}, bool withReviewState = false);
// Any deck file into the package at `target`.
[[nodiscard]] QString exportPackageFile(const QString &deckPath, const QString &target, qint64 nowMs,
                                        const PackageProgress &progress = {}, bool withReviewState = false);

struct PackageChoice
{
    qint64 noteType = 0;
    FieldMapping mapping;
    QString deckName;
};

// The note type most notes have, and the mapping guessed for it.
[[nodiscard]] PackageChoice guessChoice(const PackageReader &reader);

struct BuiltCards
{
    QVector<Card> cards;
    QVector<QStringList> keywordSlots;
    QVector<QByteArray> pictures;
    QStringList report; // what was skipped or changed, one line each
};

// The bytes of a picture file a field names; empty when there is none.
using PictureFiles = std::function<QByteArray(const QString &fileName)>;

// The notes of the chosen type as cards, in note order, up to kMaxCards.
// `progress` hears of the pictures decoded, on the calling thread.
[[nodiscard]] BuiltCards buildCards(const QVector<PackageNote> &notes, const PackageChoice &choice,
                                    const PictureFiles &pictures, qint64 notesNotRead = 0,
                                    const PackageProgress &progress = {});
[[nodiscard]] BuiltCards buildCards(PackageReader &reader, const PackageChoice &choice,
                                    const PackageProgress &progress = {});

// A new deck from the chosen notes, imported like any deck file made
// elsewhere: checked, then a catalog row and a new file in the deck folder.
// On a refusal nothing of it is left. The outcome's text lists what was skipped.
[[nodiscard]] ExchangeOutcome importPackage(PackageReader &reader, const PackageChoice &choice,
                                            const ExchangeProgress &progress = {});

// Makes the cards of an import, telling how far it is.
using CardBuilder = std::function<BuiltCards(const PackageProgress &progress)>;

// The cards `build` makes as a new deck, through the import of a deck file
// made elsewhere, reporting progress as it makes the cards and writes the
// deck. `what` names the source in the
// refusal of nothing to import.
[[nodiscard]] ExchangeOutcome importCards(const CardBuilder &build, const QString &deckName, const QString &what,
                                          const ExchangeProgress &progress = {});

// CSV, as spreadsheets write it (UTF-8, RFC 4180, a header row): one card a
// row with the columns Name, Group, Keywords, Upright, Reversed, Picture;
// the pictures are files in a folder beside it, named in the Picture column.
// The CSV is named after the deck; the folder after the CSV.
[[nodiscard]] ExchangeOutcome exportCsv(const QString &deckFileName, const QString &destinationFolder);
// A CSV with its picture files as a new deck, as a package is imported: the
// columns found by their names in the header.
[[nodiscard]] ExchangeOutcome importCsv(const QString &path, const ExchangeProgress &progress = {});

} // namespace velmora::flashcards
