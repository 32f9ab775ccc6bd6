// A deck file offered for import, whose decrypted database image is the
// input: the whole check an import runs on its copy before anything of it
// reaches the deck folder or the catalog.

#include "fuzzsupport.h"

#include "exchange/deckexchange.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = fuzz::scratchFolder();
    const QString keyed = folder + QStringLiteral("/Shared.vdk");
    const QByteArray image(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!fuzz::keyPlainImage(image, folder + QStringLiteral("/plain.db"), keyed))
        (void)fuzz::writeBytes(keyed, image);
    const exchange::ImportCheck checked = exchange::checkImportable(keyed);
    if (!checked.refusal && checked.deckName.trimmed().isEmpty())
        __builtin_trap(); // a deck without a name would be listed as a blank entry
    return 0;
}
