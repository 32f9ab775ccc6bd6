// A deck (or catalog) file whose decrypted database image is the input: the
// harness keys it as the program's own files are keyed, then opens it the
// way the program opens a deck it did not make, and reads everything in it.

#include "fuzzsupport.h"

#include "learn/deckchecks.h"
#include "store/catalog.h"
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
    const QString folder = fuzz::scratchFolder();
    const QString plain = folder + QStringLiteral("/plain.db");
    const QString keyed = folder + QStringLiteral("/Deck1.vdk");
    const QByteArray image(reinterpret_cast<const char *>(data), qsizetype(size));
    // Bytes that are no database at all still reach the opener, as they would
    // from a damaged file.
    if (!fuzz::keyPlainImage(image, plain, keyed))
        (void)fuzz::writeBytes(keyed, image);
    readDeck(keyed);
    readCatalog(keyed);
    return 0;
}
