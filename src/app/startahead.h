#pragma once

#include "store/backgroundjob.h"

#include <optional>

namespace velmora {

// What the start screen's first paint waits for and a worker can do beside
// the screen thread, while the application connects to the display. Made at
// the top of main(), before the QApplication.
//
// fontconfig parses its configuration files the first time any text is
// measured, a quarter of the processor time up to the start screen's first
// paint, and nothing the program does before it builds its first window
// measures text. Qt's image reader loads every image-format plugin the first
// time it reads an image by its contents, to ask each whether it reads it;
// the style's frame of a group box on the start screen is the first image
// read.
class StartAhead
{
public:
    StartAhead();

    // Plugins are found through the application's library paths.
    void applicationMade();
    // Before the first text is measured: fontconfig lets two threads that
    // find it unread each parse it whole, and keeps one.
    void fontsNeeded();

private:
    BackgroundJob<bool> fonts_;
    std::optional<BackgroundJob<bool>> imageReaders_;
};

} // namespace velmora
