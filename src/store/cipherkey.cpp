#include "store/cipherkey.h"

#include <QHash>
#include <QMutex>

#include <atomic>
#include <openssl/evp.h>

namespace velmora::store {

namespace {

constexpr char kPassword[] = "Q8Lmt5vNxe2rrH6p73";
// The cipher settings of the files every installation reads (SQLCipher 3's,
// which "PRAGMA cipher_compatibility = 3" keeps on SQLCipher 4): the page key
// is PBKDF2-HMAC-SHA1 of the password over the file's 16-byte salt.
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
constexpr int kKdfIterations = 64000;
// A salt is a file; no session opens more than a few hundred.
constexpr qsizetype kKeptKeys = 1024;

// The derivation is deliberately slow and the same for every opening of a
// file, so each salt's key is worked out once per run. The password is the
// program's own, so keeping what it derives to in memory gives nothing away.
class DerivedKeys
{
public:
    QByteArray key(const QByteArray &salt)
    {
        {
            const QMutexLocker lock(&mutex_);
            if (const auto found = keys_.constFind(salt); found != keys_.cend())
                return *found;
        }
        QByteArray key(kKeyBytes, Qt::Uninitialized);
        if (PKCS5_PBKDF2_HMAC_SHA1(kPassword, int(sizeof(kPassword) - 1),
                                   reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()),
                                   kKdfIterations, kKeyBytes, reinterpret_cast<unsigned char *>(key.data())) != 1)
            return {};
        ++derived_;
        const QMutexLocker lock(&mutex_);
        if (keys_.size() < kKeptKeys)
            keys_.insert(salt, key);
        return key;
    }

    int derived() const { return derived_; }

private:
    std::atomic<int> derived_{0};
    QMutex mutex_;
    QHash<QByteArray, QByteArray> keys_;
};

DerivedKeys &derivedKeys()
{
    static DerivedKeys keys;
    return keys;
}

} // namespace

bool keyConnection(sqlite3 *handle, const QByteArray &head)
{
    if (head.size() >= kSaltBytes) {
        const QByteArray key = derivedKeys().key(head.left(kSaltBytes));
        if (!key.isEmpty()) {
            // The cipher's raw key form; the salt comes from the file's first page.
            const QByteArray raw = "x'" + key.toHex() + "'";
            return sqlite3_key(handle, raw.constData(), int(raw.size())) == SQLITE_OK;
        }
    }
    return sqlite3_key(handle, kPassword, int(sizeof(kPassword) - 1)) == SQLITE_OK;
}

int keysDerived()
{
    return derivedKeys().derived();
}

bool isUnencrypted(const QByteArray &head)
{
    return head.startsWith(QByteArrayLiteral("SQLite format 3"));
}

} // namespace velmora::store
