#pragma once

// The keys every window answers the same way.

class QCoreApplication;
class QWidget;

namespace velmora {

// Ctrl+Q ends the program from any window, a modal one, a message box or a
// file dialog included, unless the window gives the key a use of its own.
void installQuitKey(QCoreApplication &app);

// Esc closes the window, as a dialog's Esc does (for windows that are not
// dialogs but stand beside the one the user came from).
void closeOnEscape(QWidget &window);

} // namespace velmora
