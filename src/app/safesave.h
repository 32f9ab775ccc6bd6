#pragma once

// The one way the program saves a file of its own making.

#include <QByteArray>
#include <QString>

namespace velmora {

// Writes bytes to path, replacing what was there only once all of them are
// on disk: the bytes go to a temporary file beside the target, are flushed
// and checked, and the temporary file then takes the target's name. A failed
// save leaves an existing file as it was and says why in error. A device or
// pipe at path is written in place; the name of a folder is refused.
[[nodiscard]] bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace velmora
