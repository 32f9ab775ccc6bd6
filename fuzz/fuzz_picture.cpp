// A stored picture's bytes, decoded as the card screens decode them: whole,
// or scaled to a shown size, then turned for the reversed card.

#include "fuzzsupport.h"

#include "store/pictures.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks how the picture is shown.
    const QSize shown = data[0] & 1 ? QSize(120, 200) : QSize();
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QImage image = decodePicture(bytes, shown);
    if (!image.isNull()) {
        const QImage turned = turnedHalf(image);
        if (turned.size() != image.size())
            __builtin_trap();
    }
    return 0;
}
