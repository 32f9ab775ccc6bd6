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
// paint, and nothing before the start screen measures text. Qt then lists
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
    void finish();

private:
    std::promise<void> fontConfigRead_;
    std::shared_future<void> fontConfig_ = fontConfigRead_.get_future().share();
    WorkerThread worker_{QStringLiteral("StartAhead")}; // last, so that it is joined before what it uses goes
};

} // namespace velmora
