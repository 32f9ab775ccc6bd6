#pragma once

#include <functional>

class QWidget;

namespace velmora {

class FrmBegin;
class Prompter;
struct Services;

// What a run of the program is given from above the shell.
struct StartUp
{
    // Every message box of the run.
    Prompter &prompter;
    // Gives the start screen the windows its buttons open.
    std::function<void(FrmBegin &begin, Services &services)> offerWindows;
    // Called once the start screen is shown; the product has nothing here.
    std::function<void(FrmBegin &begin, Services &services)> startScreenShown;
    // Called after a second start was answered, with the window brought to
    // the front (null when none was).
    std::function<void(QWidget *raised)> secondStartAnswered;
    // Called before the run first measures text (see StartAhead).
    std::function<void()> fontsNeeded;
};

// The whole run of the program in the QApplication the caller made: the
// one-instance check, the update reminder and the start screen, then the
// window system's event loop. The main window reads "/STARTUP" itself. A
// second start hands its arguments to the running copy and ends without a
// word once that copy took them: the window brought to the front is the
// answer, and a message box on top of it would only have to be closed. Only
// when the running copy cannot be reached is "Application is already
// running" shown.
int runVelmora(const StartUp &startUp);

// Start-up marks, on the "velmora.startup" logging category (off unless
// asked for): milliseconds since main() began, so the time before main (the
// dynamic loader) is what an outside clock measures beyond the last mark.
// main() starts the clock before it makes the QApplication.
void startStartupClock();
void markStartup(const char *what);

} // namespace velmora
