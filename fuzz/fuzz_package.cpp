// A flashcard package offered for import, the input being the whole .apkg:
// the zip's checks, the collection's, the notes, and the cards made of them
// with their pictures, as far as an import goes before it writes a deck.

#include "flashcards/flashcardexchange.h"
#include "fuzzsupport.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/offered.apkg");
    if (!fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    flashcards::PackageReader reader;
    if (!reader.open(path, fuzz::scratchFolder()))
        return 0;
    const flashcards::PackageChoice choice = flashcards::guessChoice(reader);
    const flashcards::BuiltCards built = flashcards::buildCards(reader, choice);
    if (built.cards.size() > flashcards::kMaxCards || built.cards.size() != built.keywordSlots.size())
        __builtin_trap();
    for (const Card &card : built.cards)
        if (card.name.isEmpty() || card.group < 0 || card.group > 4)
            __builtin_trap(); // a card the deck could not hold
    return 0;
}
