// SQLCipher, and libcrypto with it, is opened on the first SQLite call rather
// than by the dynamic loader at process start. The two libraries bring about
// 4,700 symbol relocations, all resolved eagerly (they are linked with
// BIND_NOW): some 8 M instructions, a tenth of the start screen's start-up,
// while the start screen never opens a database. Each function below is the
// SQLite function of the same name, handed on to the library once it is open.
//
// Only the functions this program calls are here; a new call fails to link
// until it is added to the list.

#include "store/sqlitelibrary.h"

#include <QtGlobal>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <sqlite3.h>

// The list and the definitions made from it are macros: each function needs
// its own C declaration.
// NOLINTBEGIN(cppcoreguidelines-macro-usage, bugprone-macro-parentheses)

namespace {

// name, return type, parameters, arguments
#define VELMORA_SQLITE_FUNCTIONS(X)                                                                                    \
    X(sqlite3_bind_blob64, int, (sqlite3_stmt * s, int i, const void *v, sqlite3_uint64 n, void (*d)(void *)),         \
      (s, i, v, n, d))                                                                                                 \
    X(sqlite3_bind_double, int, (sqlite3_stmt * s, int i, double v), (s, i, v))                                        \
    X(sqlite3_bind_int, int, (sqlite3_stmt * s, int i, int v), (s, i, v))                                              \
    X(sqlite3_bind_int64, int, (sqlite3_stmt * s, int i, sqlite3_int64 v), (s, i, v))                                  \
    X(sqlite3_bind_null, int, (sqlite3_stmt * s, int i), (s, i))                                                       \
    X(sqlite3_bind_text, int, (sqlite3_stmt * s, int i, const char *v, int n, void (*d)(void *)), (s, i, v, n, d))     \
    X(sqlite3_bind_text64, int,                                                                                        \
      (sqlite3_stmt * s, int i, const char *v, sqlite3_uint64 n, void (*d)(void *), unsigned char e),                  \
      (s, i, v, n, d, e))                                                                                              \
    X(sqlite3_blob_bytes, int, (sqlite3_blob * b), (b))                                                                \
    X(sqlite3_blob_close, int, (sqlite3_blob * b), (b))                                                                \
    X(sqlite3_blob_open, int,                                                                                          \
      (sqlite3 * db, const char *zDb, const char *zTable, const char *zColumn, sqlite3_int64 iRow, int flags,          \
       sqlite3_blob **ppBlob),                                                                                         \
      (db, zDb, zTable, zColumn, iRow, flags, ppBlob))                                                                 \
    X(sqlite3_blob_read, int, (sqlite3_blob * b, void *Z, int N, int iOffset), (b, Z, N, iOffset))                     \
    X(sqlite3_busy_timeout, int, (sqlite3 * db, int ms), (db, ms))                                                     \
    X(sqlite3_changes, int, (sqlite3 * db), (db))                                                                      \
    X(sqlite3_clear_bindings, int, (sqlite3_stmt * s), (s))                                                            \
    X(sqlite3_close, int, (sqlite3 * db), (db))                                                                        \
    X(sqlite3_close_v2, int, (sqlite3 * db), (db))                                                                     \
    X(sqlite3_column_blob, const void *, (sqlite3_stmt * s, int i), (s, i))                                            \
    X(sqlite3_column_bytes, int, (sqlite3_stmt * s, int i), (s, i))                                                    \
    X(sqlite3_column_count, int, (sqlite3_stmt * pStmt), (pStmt))                                                      \
    X(sqlite3_column_double, double, (sqlite3_stmt * s, int i), (s, i))                                                \
    X(sqlite3_column_int, int, (sqlite3_stmt * s, int i), (s, i))                                                      \
    X(sqlite3_column_int64, sqlite3_int64, (sqlite3_stmt * s, int i), (s, i))                                          \
    X(sqlite3_column_text, const unsigned char *, (sqlite3_stmt * s, int i), (s, i))                                   \
    X(sqlite3_column_type, int, (sqlite3_stmt * s, int i), (s, i))                                                     \
    X(sqlite3_db_handle, sqlite3 *, (sqlite3_stmt * s), (s))                                                           \
    X(sqlite3_errcode, int, (sqlite3 * db), (db))                                                                      \
    X(sqlite3_errmsg, const char *, (sqlite3 * db), (db))                                                              \
    X(sqlite3_errstr, const char *, (int rc), (rc))                                                                    \
    X(sqlite3_exec, int,                                                                                               \
      (sqlite3 * db, const char *sql, int (*callback)(void *, int, char **, char **), void *a, char **errmsg),         \
      (db, sql, callback, a, errmsg))                                                                                  \
    X(sqlite3_finalize, int, (sqlite3_stmt * pStmt), (pStmt))                                                          \
    X(sqlite3_free, void, (void *p), (p))                                                                              \
    X(sqlite3_get_autocommit, int, (sqlite3 * db), (db))                                                               \
    X(sqlite3_key, int, (sqlite3 * db, const void *pKey, int nKey), (db, pKey, nKey))                                  \
    X(sqlite3_last_insert_rowid, sqlite3_int64, (sqlite3 * db), (db))                                                  \
    X(sqlite3_limit, int, (sqlite3 * db, int id, int newVal), (db, id, newVal))                                        \
    X(sqlite3_open, int, (const char *f, sqlite3 **db), (f, db))                                                       \
    X(sqlite3_open_v2, int, (const char *f, sqlite3 **db, int flags, const char *vfs), (f, db, flags, vfs))            \
    X(sqlite3_prepare_v2, int,                                                                                         \
      (sqlite3 * db, const char *zSql, int nByte, sqlite3_stmt **ppStmt, const char **pzTail),                         \
      (db, zSql, nByte, ppStmt, pzTail))                                                                               \
    X(sqlite3_progress_handler, void, (sqlite3 * db, int n, int (*cb)(void *), void *a), (db, n, cb, a))               \
    X(sqlite3_reset, int, (sqlite3_stmt * pStmt), (pStmt))                                                             \
    X(sqlite3_step, int, (sqlite3_stmt * s), (s))

struct Library
{
#define VELMORA_SQLITE_POINTER(name, ret, params, args) decltype(&::name) name = nullptr;
    VELMORA_SQLITE_FUNCTIONS(VELMORA_SQLITE_POINTER)
#undef VELMORA_SQLITE_POINTER
    decltype(&::sqlite3_db_config) sqlite3_db_config = nullptr;
};

// Reached only when the start-up check was passed by (a database call off
// the start-up road): no window can be trusted to come up from inside a
// database call, so one line says it and the program ends without a core.
[[noreturn]] void cannotGoOn(const QString &why)
{
    std::fprintf(stderr, "velmora: %s\n", qPrintable(velmora::store::sqlCipherFailureText(why)));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

template <typename Function>
void resolve(void *handle, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function)
        cannotGoOn(QStringLiteral("it lacks %1").arg(QLatin1String(name)));
}

// Opened once, by whichever thread asks first; never closed, as a linked
// library would not be.
const Library &library()
{
    static const Library opened = [] {
        void *handle = dlopen(VELMORA_SQLCIPHER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            cannotGoOn(QString::fromLocal8Bit(dlerror()));
        Library l;
#define VELMORA_SQLITE_RESOLVE(name, ret, params, args) resolve(handle, #name, l.name);
        VELMORA_SQLITE_FUNCTIONS(VELMORA_SQLITE_RESOLVE)
#undef VELMORA_SQLITE_RESOLVE
        resolve(handle, "sqlite3_db_config", l.sqlite3_db_config);
        return l;
    }();
    return opened;
}

} // namespace

namespace velmora::store {

QString sqlCipherLoadFailure(const char *library)
{
    void *handle = dlopen(library ? library : VELMORA_SQLCIPHER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return QString::fromLocal8Bit(dlerror());
    static const char *const names[] = {
#define VELMORA_SQLITE_NAME(name, ret, params, args) #name,
        VELMORA_SQLITE_FUNCTIONS(VELMORA_SQLITE_NAME)
#undef VELMORA_SQLITE_NAME
            "sqlite3_db_config"};
    QString failure;
    for (const char *name : names) {
        if (!dlsym(handle, name)) {
            failure = QStringLiteral("it lacks %1").arg(QLatin1String(name));
            break;
        }
    }
    // The program's own library stays open for the first database call.
    if (library || !failure.isEmpty())
        dlclose(handle);
    return failure;
}

QString sqlCipherFailureText(const QString &why)
{
    const QString library = QString::fromLatin1(VELMORA_SQLCIPHER_LIBRARY);
    QString package = library;
    package.replace(QStringLiteral(".so."), QString()); // the Debian package of libsqlcipher.so.0
    return QStringLiteral("The SQLCipher library %1, which Velmora needs to read its decks, could not be loaded (%2). "
                          "Install the package %3 (apt install %3), then start Velmora again.")
        .arg(library, why, package);
}

} // namespace velmora::store

extern "C" {

#define VELMORA_SQLITE_FORWARD(name, ret, params, args)                                                                \
    ret name params                                                                                                    \
    {                                                                                                                  \
        return library().name args;                                                                                    \
    }
VELMORA_SQLITE_FUNCTIONS(VELMORA_SQLITE_FORWARD)
#undef VELMORA_SQLITE_FORWARD

// The options this program sets all take an int and an int* (on or off, and
// where to report the result), so that is what is handed on.
int sqlite3_db_config(sqlite3 *db, int op, ...)
{
    va_list rest;
    va_start(rest, op);
    const int value = va_arg(rest, int);
    int *result = va_arg(rest, int *);
    va_end(rest);
    return library().sqlite3_db_config(db, op, value, result);
}

} // extern "C"

// NOLINTEND(cppcoreguidelines-macro-usage, bugprone-macro-parentheses)
