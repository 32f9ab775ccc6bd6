#pragma once

#include "store/backgroundjob.h"

namespace velmora {

// The desktop's font configuration, read on a worker while the application
// connects to the display. fontconfig parses its configuration files the
// first time any text is measured: a quarter of the processor time up to the
// start screen's first paint, and nothing the program does before it builds
// its first window measures text. Made at the top of main(), before the
// QApplication.
class FontConfigAhead
{
public:
    FontConfigAhead();

    // Before the first text is measured: fontconfig lets two threads that
    // find it unread each parse it whole, and keeps one.
    void wait();

private:
    BackgroundJob<bool> job_;
};

} // namespace velmora
