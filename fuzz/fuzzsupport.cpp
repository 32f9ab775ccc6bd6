#include "fuzzsupport.h"

#include "store/dbfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageAuthenticationCode>
#include <QTemporaryDir>

#include <memory>
#include <sqlite3.h>

namespace velmora::fuzz {

namespace {

constexpr char kPassword[] = "Q8Lmt5vNxe2rrH6p73";
constexpr int kKdfIterations = 64000; // what SQLCipher 3 derives page keys with

// PBKDF2-HMAC-SHA1 of the password over a salt, 32 bytes.
QByteArray derivedKey(const QByteArray &salt)
{
    QByteArray key;
    for (quint32 block = 1; key.size() < 32; ++block) {
        QByteArray index(4, '\0');
        for (int b = 0; b < 4; ++b)
            index[b] = char(block >> (24 - 8 * b));
        QByteArray u = QMessageAuthenticationCode::hash(salt + index, kPassword, QCryptographicHash::Sha1);
        QByteArray t = u;
        for (int i = 1; i < kKdfIterations; ++i) {
            u = QMessageAuthenticationCode::hash(u, kPassword, QCryptographicHash::Sha1);
            for (int b = 0; b < t.size(); ++b)
                t[b] = char(t[b] ^ u[b]);
        }
        key += t;
    }
    return key.left(32);
}

// The key as a raw key with a fixed salt: the export then skips the slow
// derivation, and the program still opens the file with its password.
// The opener is told the key too, so it does not derive it again for every
// input: the derivation would take most of each run's time.
const QByteArray &rawKey()
{
    static const QByteArray key = []() -> QByteArray {
        const QByteArray salt = QByteArrayLiteral("velmora-fuzzsalt");
        const QByteArray derived = derivedKey(salt);
        store::rememberDerivedKey(salt, derived);
        return "x'" + derived.toHex() + salt.toHex() + "'";
    }();
    return key;
}

} // namespace

void startQt()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // The readers' warnings about bad input would drown libFuzzer's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

QString scratchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool keyPlainImage(const QByteArray &image, const QString &plainPath, const QString &keyedPath)
{
    QFile::remove(keyedPath);
    if (!writeBytes(plainPath, image))
        return false;
    sqlite3 *db = nullptr;
    const QByteArray keyed = QFile::encodeName(keyedPath);
    const QByteArray attach = "ATTACH DATABASE '" + keyed + "' AS keyed KEY \"" + rawKey() + '"';
    bool ok = sqlite3_open_v2(QFile::encodeName(plainPath).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK &&
              sqlite3_exec(db, attach.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    // The scratch file needs no durability: a sync per input would cost more
    // than everything the readers do with it.
    if (ok)
        (void)sqlite3_exec(db, "PRAGMA keyed.synchronous = OFF; PRAGMA keyed.journal_mode = MEMORY", nullptr, nullptr,
                           nullptr);
    ok = ok && sqlite3_exec(db, "SELECT sqlcipher_export('keyed')", nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = sqlite3_exec(db, "DETACH DATABASE keyed", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
    sqlite3_close_v2(db);
    if (!ok)
        QFile::remove(keyedPath);
    return ok;
}

} // namespace velmora::fuzz
