#pragma once

namespace velmora {

// The whole run of the program: the one-instance check, the update reminder
// and the start screen, then the window system's event loop.
//
// Besides "/STARTUP" (read by the main window) the program understands these
// switches, for scripts and timing:
//   --unattended       prompts go to standard error and get the cautious
//                      answer instead of a window (see UnattendedPrompter)
//   --show NAME        once the start screen is up, open the named screen
//                      ("begin", "begin-tooltip", "about", and the main
//                      window's "main", "test-description", "test-keywords",
//                      "results", see learn/showcase.h); prints
//                      "velmora: shown NAME" on standard output when it has
//                      been painted
//   --quit-when-shown  end the program as soon as that line is printed
int runVelmora(int argc, char *argv[]);

} // namespace velmora
