#include "app/startahead.h"

#include <QBuffer>
#include <QImageReader>

#include <fontconfig/fontconfig.h>

namespace velmora {

StartAhead::StartAhead() : fonts_([] { return FcInit() == FcTrue; }) {}

void StartAhead::applicationMade()
{
    if (imageReaders_)
        return;
    // Qt hands each plugin it loads to the screen thread.
    imageReaders_.emplace([] {
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        return !QImageReader::imageFormat(&nothing).isEmpty();
    });
}

void StartAhead::fontsNeeded()
{
    // A failed read is fontconfig's to report again, when Qt asks for it.
    (void)fonts_.wait();
}

} // namespace velmora
