#include "dbwriter.h"

#include "store/schema.h"

#include <QFile>

#include <sqlite3.h>

namespace velmora::dbwriter {

namespace {

constexpr char kPassword[] = "Q8Lmt5vNxe2rrH6p73";

template <typename Tables>
QStringList statementsOf(const Tables &tables)
{
    QStringList list;
    for (const auto &sql : tables)
        list.append(QString::fromLatin1(sql.data(), qsizetype(sql.size())));
    return list;
}

} // namespace

bool createDatabase(const QString &path, const QStringList &statements, QString *error)
{
    if (QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("File exists already: ") + path;
        return false;
    }
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK &&
              sqlite3_key(db, kPassword, int(sizeof(kPassword) - 1)) == SQLITE_OK &&
              sqlite3_exec(db, "PRAGMA cipher_compatibility = 3", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const QString &statement : statements) {
        if (ok)
            ok = sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    if (!ok && error)
        *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("cannot open ") + path;
    sqlite3_close_v2(db);
    if (!ok)
        QFile::remove(path);
    return ok;
}

bool createCatalogDatabase(const QString &path, QString *error)
{
    return createDatabase(path, statementsOf(schema::kCatalogTables), error);
}

bool createDeckDatabase(const QString &path, QString *error)
{
    return createDatabase(path, statementsOf(schema::kDeckTables), error);
}

} // namespace velmora::dbwriter
