#pragma once

// What every fuzz target shares: a Qt application object, a scratch folder
// that lives as long as the process, and the keying of a plain database image.

#include <QByteArray>
#include <QString>

namespace velmora::fuzz {

// Creates the application object (offscreen) once; safe to call again.
void startQt();
// A folder of this process's own, removed at exit.
[[nodiscard]] QString scratchFolder();
// Writes bytes to path, replacing it.
bool writeBytes(const QString &path, const QByteArray &bytes);
// Copies a plain SQLite database image into a new file at keyedPath, keyed
// as the program keys its databases. False when the image is not a database
// SQLite can export; keyedPath is then absent.
[[nodiscard]] bool keyPlainImage(const QByteArray &image, const QString &plainPath, const QString &keyedPath);

} // namespace velmora::fuzz
