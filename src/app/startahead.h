#pragma once

#include "store/workerthread.h"

#include <future>

namespace velmora {

// What the start screen's first paint needs that a worker can make ready
// beside the screen thread while the application connects to the display
// and the start screen is built. Made at the top of main(), before the
// QApplication.
//
// fontconfig parses its configuration files the first time any text is
// measured: a quarter of the processor time up to the start screen's first
// paint, and nothing before the start screen measures text. It is parsed on
// a thread of its own at idle priority: the application's construction waits
// on the display server most of the time, yet a parse beside it at normal
// priority made it 2-3 ms slower. Qt then lists
// the fonts and the fallbacks of the application's font into its font
// database, which serves every thread. Qt's image reader loads every
// image-format plugin the first time it reads an image by its contents, to
// ask each whether it reads it; the style's frame of a group box on the
// start screen is the first image read.
class StartAhead
{
public:
    StartAhead();

    // Qt's font database and plugins need the application.
    void applicationMade();
    // Before the first text is measured: fontconfig lets two threads that
    // find it unread each parse it whole, and keeps one. What Qt's font
    // database is still doing then, the screen thread waits for in Qt.
    void fontsNeeded();
    // Before the QApplication goes, whose font database the worker fills.
    // Joins the idle reader too, which cannot be stopped mid-parse: on a
    // machine busy enough to starve it, a run that ends within a second or
    // two of its start (a second start handing over) waits that long for it
    // after its windows are gone.
    void finish();

private:
    // Waits a little for the idle reader; on a machine busy enough to keep
    // it from running, the calling thread parses the configuration itself.
    void fontConfigNeeded();

    std::promise<void> fontConfigRead_;
    std::shared_future<void> fontConfig_ = fontConfigRead_.get_future().share();
    // Last, so that they are joined before what they use goes.
    WorkerThread fontConfigReader_{QStringLiteral("FontConfig")};
    WorkerThread worker_{QStringLiteral("StartAhead")};
};

} // namespace velmora
