#pragma once

#include <QByteArray>

#include <sqlite3.h>

namespace velmora::store {

// Keys a freshly opened connection to a deck or catalog file with the
// program's fixed password, in the cipher settings every installation reads.
[[nodiscard]] bool keyConnection(sqlite3 *handle);

// Whether a file's first bytes show an unencrypted SQLite file, which the
// program never writes: such a file would open without the key.
[[nodiscard]] bool isUnencrypted(const QByteArray &head);

} // namespace velmora::store
