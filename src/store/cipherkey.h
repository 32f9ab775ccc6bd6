#pragma once

#include <QByteArray>

#include <sqlite3.h>

namespace velmora::store {

// Keys a freshly opened connection to a deck or catalog file with the
// program's fixed password, in the cipher settings every installation reads.
// `head` is the file's first bytes, which hold its salt; with them the page
// key is the one derived for that salt before, if any, so only the first
// opening of a file pays for the derivation (tens of milliseconds). Without
// them (a file not yet written) the cipher derives the key itself.
[[nodiscard]] bool keyConnection(sqlite3 *handle, const QByteArray &head = {});

// How many page keys keyConnection() has derived so far in this run.
[[nodiscard]] int keysDerived();

// Whether a file's first bytes show an unencrypted SQLite file, which the
// program never writes: such a file would open without the key.
[[nodiscard]] bool isUnencrypted(const QByteArray &head);

} // namespace velmora::store
