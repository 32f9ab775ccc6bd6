#include "app/startahead.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>

#include <fontconfig/fontconfig.h>

namespace velmora {

StartAhead::StartAhead()
{
    worker_.post([this] {
        // A failed read is fontconfig's to report again, when Qt asks for it.
        (void)FcInit();
        fontConfigRead_.set_value();
    });
}

void StartAhead::applicationMade()
{
    worker_.post([] {
        (void)QFontDatabase::families();
        // Measuring in the application's font has its fallback families
        // looked up; the font engine made here is this thread's own.
        (void)QFontMetrics(QGuiApplication::font()).height();
        // Qt hands each plugin it loads to the screen thread.
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        (void)QImageReader::imageFormat(&nothing);
    });
    worker_.close();
}

void StartAhead::fontsNeeded()
{
    fontConfig_.wait();
}

void StartAhead::finish()
{
    worker_.finish();
}

} // namespace velmora
