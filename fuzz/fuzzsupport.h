#pragma once

// What every fuzz target shares: a Qt application object and a scratch
// folder that lives as long as the process.

#include <QByteArray>
#include <QString>

namespace velmora::fuzz {

// Creates the application object (offscreen) once; safe to call again.
void startQt();
// A folder of this process's own, removed at exit.
[[nodiscard]] QString scratchFolder();
// Writes bytes to path, replacing it.
bool writeBytes(const QString &path, const QByteArray &bytes);

} // namespace velmora::fuzz
