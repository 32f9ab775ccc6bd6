#include "store/cipherkey.h"

namespace velmora::store {

namespace {

constexpr char kPassword[] = "Q8Lmt5vNxe2rrH6p73";

} // namespace

bool keyConnection(sqlite3 *handle)
{
    return sqlite3_key(handle, kPassword, int(sizeof(kPassword) - 1)) == SQLITE_OK;
}

bool isUnencrypted(const QByteArray &head)
{
    return head.startsWith(QByteArrayLiteral("SQLite format 3"));
}

} // namespace velmora::store
