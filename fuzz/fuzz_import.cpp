// A deck file offered for import, whose database image is the input
// (unencrypted, as this build reads every deck): the whole check an import runs on its copy before anything of it
// reaches the deck folder or the catalog.

#include "fuzzsupport.h"

#include "decks/deckexchange.h"
#include "store/dbfile.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/Shared.vdk");
    if (!fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const exchange::ImportCheck checked = exchange::checkImportable(path);
    if (!checked.refusal && checked.deckName.trimmed().isEmpty())
        __builtin_trap(); // a deck without a name would be listed as a blank entry
    // Each input frees what it took, or libFuzzer suspects a leak in every
    // run and checks for one at length.
    store::closeIdleConnections();
    return 0;
}
