#pragma once

// What the command line and the environment settle before the window system
// is reached: QApplication aborts the process when it finds no display, and a
// user asking for --help wants an answer, not a window.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velmora {

struct EarlyExit
{
    int code = 0;
    QString text; // one or more lines, each ended by a line break
    bool toStandardError = false;
};

// Empty when the program is to start. The environment is read through
// `variable` so that any environment can be asked about.
[[nodiscard]] std::optional<EarlyExit> earlyExit(const QStringList &arguments,
                                                 const std::function<QString(const char *)> &variable);

} // namespace velmora
