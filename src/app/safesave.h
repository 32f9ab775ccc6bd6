#pragma once

// The one way the program saves a file of its own making.

#include <QByteArray>
#include <QString>

namespace velmora {

// Writes bytes to path, replacing what was there only once all of them are
// on disk: the bytes go to a temporary file beside the target, are flushed
// and checked, and the temporary file then takes the target's name. A failed
// save leaves an existing file as it was and says why in error. A device or
// pipe at path is written in place; the name of a folder is refused. A link
// at path is kept and the file it names is replaced: for files the user
// names or may have linked on purpose (a report, the goals file).
[[nodiscard]] bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

struct ReplaceOutcome
{
    int error = 0;             // errno of the failed step; 0 on success
    bool beforeWriting = true; // the new file could not even be made
    [[nodiscard]] bool ok() const { return error == 0; }
};

// For a file that is the program's own alone (the logon entry): whatever is
// at path, a link or a device included, is replaced by a regular file with
// bytes, all or nothing. The bytes go to a new file in the same folder that
// is flushed and then renamed over path, so a link is replaced itself and
// the file it names is never written. The name of a folder is refused.
[[nodiscard]] ReplaceOutcome replaceFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace velmora
