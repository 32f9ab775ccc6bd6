// A deck (or catalog) file whose database image is the input (unencrypted,
// as this build reads every deck): opened the way the program opens a deck
// it did not make, and everything in it read.

#include "fuzzsupport.h"

#include "learn/deckchecks.h"
#include "store/catalog.h"
#include "store/dbfile.h"
#include "store/deck.h"

#include <QFile>

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

namespace {

void readDeck(const QString &path)
{
    Deck deck;
    if (!deck.open(path, Access::ReadOnly)) {
        (void)deck.errorText().size();
        return;
    }
    (void)deck.header();
    (void)deck.typeStamp();
    (void)deck.keywordSlots();
    (void)deck.hasMissingKeyword();
    (void)deck.hasEmptyKeywordField();
    (void)deck.cardsInGroups({0, 1, 2, 3, 4});
    const auto cards = deck.cards();
    if (!cards)
        return;
    for (const Card &card : *cards) {
        (void)deck.keywords(card.id);
        (void)deck.picture(card.id);
    }
    deck.close();
    (void)hasMissingKeyword(path);
    (void)hasEmptyKeywordField(path);
}

void readCatalog(const QString &path)
{
    Catalog catalog;
    if (!catalog.open(Access::ReadOnly, path))
        return;
    if (const auto decks = catalog.decks())
        (void)NextDeckFileName(*decks);
    (void)catalog.pick();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/Deck1.vdk");
    if (!fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    readDeck(path);
    readCatalog(path);
    // Each input frees what it took, or libFuzzer suspects a leak in every
    // run and checks for one at length.
    store::closeIdleConnections();
    return 0;
}
