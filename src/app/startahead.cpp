#include "app/startahead.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QThread>

#include <chrono>
#include <fontconfig/fontconfig.h>

namespace velmora {

namespace {
// Longer than the reader needs of a processor nobody else wants once the
// application is made: on a quiet machine it has finished by then.
constexpr std::chrono::milliseconds kFontConfigPatience{3};
} // namespace

StartAhead::StartAhead()
{
    fontConfigReader_.post([this] {
        // Not the posting thread, should the system have refused a thread.
        if (QThread::currentThread() == fontConfigReader_.thread())
            fontConfigReader_.thread()->setPriority(QThread::IdlePriority);
        // A failed read is fontconfig's to report again, when Qt asks for it.
        (void)FcInit();
        fontConfigRead_.set_value();
    });
    fontConfigReader_.close();
}

void StartAhead::fontConfigNeeded()
{
    if (fontConfig_.wait_for(kFontConfigPatience) != std::future_status::ready)
        (void)FcInit();
}

void StartAhead::applicationMade()
{
    worker_.post([this] {
        fontConfigNeeded();
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
    fontConfigNeeded();
}

void StartAhead::finish()
{
    worker_.finish();
    fontConfigReader_.finish();
}

} // namespace velmora
