#pragma once

class QCoreApplication;

namespace velmora {

// Makes Enter (and the keypad's Enter) press the focused push or tool button
// in every window of the program, as Space does. Keys sent to anything else,
// a multi-line text box among them, are left alone.
void installEnterActivatesButtons(QCoreApplication &app);

} // namespace velmora
