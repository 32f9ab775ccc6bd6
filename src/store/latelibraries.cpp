#include "store/latelibraries.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <openssl/evp.h>
#include <sqlite3.h>
// zip.h marks its functions visible unless told how to mark them; here they are
// defined, and hidden (below).
#define ZIP_EXTERN
#include <zip.h>

// The build passes the libraries' SONAMEs, the names the loader looks for.
#ifndef VELMORA_SQLCIPHER_SONAME
#error "VELMORA_SQLCIPHER_SONAME is not set"
#endif
#ifndef VELMORA_ZIP_SONAME
#error "VELMORA_ZIP_SONAME is not set"
#endif
#ifndef VELMORA_CRYPTO_SONAME
#error "VELMORA_CRYPTO_SONAME is not set"
#endif

namespace velmora::store {

namespace {

const char *soname(LateLibrary library)
{
    switch (library) {
    case LateLibrary::SqlCipher:
        return VELMORA_SQLCIPHER_SONAME;
    case LateLibrary::Zip:
        return VELMORA_ZIP_SONAME;
    case LateLibrary::Crypto:
        return VELMORA_CRYPTO_SONAME;
    }
    return "";
}

[[noreturn]] void cannotLoad(const char *error)
{
    // What the system's loader says and does when a library is missing; the
    // package depends on these, so only a broken installation gets here.
    std::fprintf(stderr, "velmora: %s\n", error ? error : "a library could not be loaded");
    std::_Exit(127);
}

// A library loaded once, by whichever thread first calls into it, and never
// unloaded, as a linked library is not.
class Library
{
public:
    explicit Library(LateLibrary library) : handle_(dlopen(soname(library), RTLD_NOW | RTLD_LOCAL))
    {
        if (!handle_)
            cannotLoad(dlerror());
    }

    [[nodiscard]] void *function(const char *name) const
    {
        void *const found = dlsym(handle_, name);
        if (!found)
            cannotLoad(dlerror());
        return found;
    }

private:
    void *handle_;
};

const Library &loaded(LateLibrary library)
{
    switch (library) {
    case LateLibrary::SqlCipher: {
        static const Library sqlCipher(library);
        return sqlCipher;
    }
    case LateLibrary::Zip: {
        static const Library zip(library);
        return zip;
    }
    case LateLibrary::Crypto:
        break;
    }
    static const Library crypto(LateLibrary::Crypto);
    return crypto;
}

// A library's function, looked up when first called.
template <typename Function>
class LateFunction
{
public:
    LateFunction(LateLibrary library, const char *name)
        : function_(reinterpret_cast<Function *>(loaded(library).function(name)))
    {}

    template <typename... Arguments>
    decltype(auto) operator()(Arguments... arguments) const
    {
        return function_(arguments...);
    }

private:
    Function *function_;
};

} // namespace

bool lateLibraryLoaded(LateLibrary library)
{
    void *const loaded = dlopen(soname(library), RTLD_NOW | RTLD_NOLOAD);
    if (loaded)
        dlclose(loaded);
    return loaded != nullptr;
}

} // namespace velmora::store

// Each definition finds its library's function on its first call. Hidden, so
// that they never stand in for the libraries' own, which the libraries call
// among themselves: nothing outside the program sees them.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): each definition needs its function's own name and parameters.
#define VELMORA_LATE(library, result, name, parameters, arguments)                                                     \
    extern "C" __attribute__((visibility("hidden"))) result name parameters                                            \
    {                                                                                                                  \
        static const velmora::store::LateFunction<decltype(name)> late(velmora::store::LateLibrary::library, #name);   \
        return late arguments;                                                                                         \
    }

// Parameter and argument lists are spliced in whole; the names are this
// file's own, not the headers'.
// NOLINTBEGIN(bugprone-macro-parentheses,readability-inconsistent-declaration-parameter-name)
VELMORA_LATE(SqlCipher, int, sqlite3_open, (const char *file, sqlite3 **db), (file, db))
VELMORA_LATE(SqlCipher, int, sqlite3_open_v2, (const char *file, sqlite3 **db, int flags, const char *vfs),
             (file, db, flags, vfs))
VELMORA_LATE(SqlCipher, int, sqlite3_close, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, int, sqlite3_close_v2, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, int, sqlite3_key, (sqlite3 * db, const void *key, int bytes), (db, key, bytes))
VELMORA_LATE(SqlCipher, int, sqlite3_exec,
             (sqlite3 * db, const char *sql, int (*callback)(void *, int, char **, char **), void *context,
              char **error),
             (db, sql, callback, context, error))
VELMORA_LATE(SqlCipher, int, sqlite3_prepare_v2,
             (sqlite3 * db, const char *sql, int bytes, sqlite3_stmt **statement, const char **tail),
             (db, sql, bytes, statement, tail))
VELMORA_LATE(SqlCipher, int, sqlite3_step, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, int, sqlite3_reset, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, int, sqlite3_finalize, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, int, sqlite3_clear_bindings, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, sqlite3 *, sqlite3_db_handle, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_int, (sqlite3_stmt * statement, int index, int value),
             (statement, index, value))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_int64, (sqlite3_stmt * statement, int index, sqlite3_int64 value),
             (statement, index, value))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_double, (sqlite3_stmt * statement, int index, double value),
             (statement, index, value))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_null, (sqlite3_stmt * statement, int index), (statement, index))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_text,
             (sqlite3_stmt * statement, int index, const char *text, int bytes, void (*destructor)(void *)),
             (statement, index, text, bytes, destructor))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_text64,
             (sqlite3_stmt * statement, int index, const char *text, sqlite3_uint64 bytes, void (*destructor)(void *),
              unsigned char encoding),
             (statement, index, text, bytes, destructor, encoding))
VELMORA_LATE(SqlCipher, int, sqlite3_bind_blob64,
             (sqlite3_stmt * statement, int index, const void *blob, sqlite3_uint64 bytes, void (*destructor)(void *)),
             (statement, index, blob, bytes, destructor))
VELMORA_LATE(SqlCipher, int, sqlite3_column_count, (sqlite3_stmt * statement), (statement))
VELMORA_LATE(SqlCipher, int, sqlite3_column_type, (sqlite3_stmt * statement, int column), (statement, column))
VELMORA_LATE(SqlCipher, int, sqlite3_column_int, (sqlite3_stmt * statement, int column), (statement, column))
VELMORA_LATE(SqlCipher, sqlite3_int64, sqlite3_column_int64, (sqlite3_stmt * statement, int column),
             (statement, column))
VELMORA_LATE(SqlCipher, double, sqlite3_column_double, (sqlite3_stmt * statement, int column), (statement, column))
VELMORA_LATE(SqlCipher, const unsigned char *, sqlite3_column_text, (sqlite3_stmt * statement, int column),
             (statement, column))
VELMORA_LATE(SqlCipher, const void *, sqlite3_column_blob, (sqlite3_stmt * statement, int column), (statement, column))
VELMORA_LATE(SqlCipher, int, sqlite3_column_bytes, (sqlite3_stmt * statement, int column), (statement, column))
VELMORA_LATE(SqlCipher, int, sqlite3_changes, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, sqlite3_int64, sqlite3_last_insert_rowid, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, int, sqlite3_get_autocommit, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, int, sqlite3_errcode, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, const char *, sqlite3_errmsg, (sqlite3 * db), (db))
VELMORA_LATE(SqlCipher, const char *, sqlite3_errstr, (int code), (code))
VELMORA_LATE(SqlCipher, void, sqlite3_free, (void *memory), (memory))
VELMORA_LATE(SqlCipher, int, sqlite3_limit, (sqlite3 * db, int id, int value), (db, id, value))
VELMORA_LATE(SqlCipher, int, sqlite3_busy_timeout, (sqlite3 * db, int ms), (db, ms))
VELMORA_LATE(SqlCipher, void, sqlite3_progress_handler,
             (sqlite3 * db, int instructions, int (*handler)(void *), void *context),
             (db, instructions, handler, context))
VELMORA_LATE(SqlCipher, int, sqlite3_blob_open,
             (sqlite3 * db, const char *database, const char *table, const char *column, sqlite3_int64 row, int flags,
              sqlite3_blob **blob),
             (db, database, table, column, row, flags, blob))
VELMORA_LATE(SqlCipher, int, sqlite3_blob_bytes, (sqlite3_blob * blob), (blob))
VELMORA_LATE(SqlCipher, int, sqlite3_blob_read, (sqlite3_blob * blob, void *into, int bytes, int offset),
             (blob, into, bytes, offset))
VELMORA_LATE(SqlCipher, int, sqlite3_blob_close, (sqlite3_blob * blob), (blob))

VELMORA_LATE(Zip, zip_t *, zip_open, (const char *path, int flags, int *error), (path, flags, error))
VELMORA_LATE(Zip, zip_t *, zip_fdopen, (int descriptor, int flags, int *error), (descriptor, flags, error))
VELMORA_LATE(Zip, int, zip_close, (zip_t * archive), (archive))
VELMORA_LATE(Zip, void, zip_discard, (zip_t * archive), (archive))
VELMORA_LATE(Zip, const char *, zip_strerror, (zip_t * archive), (archive))
VELMORA_LATE(Zip, void, zip_error_init_with_code, (zip_error_t * error, int code), (error, code))
VELMORA_LATE(Zip, const char *, zip_error_strerror, (zip_error_t * error), (error))
VELMORA_LATE(Zip, void, zip_error_fini, (zip_error_t * error), (error))
VELMORA_LATE(Zip, zip_int64_t, zip_get_num_entries, (zip_t * archive, zip_flags_t flags), (archive, flags))
VELMORA_LATE(Zip, zip_int64_t, zip_name_locate, (zip_t * archive, const char *name, zip_flags_t flags),
             (archive, name, flags))
VELMORA_LATE(Zip, void, zip_stat_init, (zip_stat_t * stat), (stat))
VELMORA_LATE(Zip, int, zip_stat_index, (zip_t * archive, zip_uint64_t index, zip_flags_t flags, zip_stat_t *stat),
             (archive, index, flags, stat))
VELMORA_LATE(Zip, int, zip_file_get_external_attributes,
             (zip_t * archive, zip_uint64_t index, zip_flags_t flags, zip_uint8_t *system, zip_uint32_t *attributes),
             (archive, index, flags, system, attributes))
VELMORA_LATE(Zip, zip_file_t *, zip_fopen_index, (zip_t * archive, zip_uint64_t index, zip_flags_t flags),
             (archive, index, flags))
VELMORA_LATE(Zip, zip_int64_t, zip_fread, (zip_file_t * file, void *into, zip_uint64_t bytes), (file, into, bytes))
VELMORA_LATE(Zip, int, zip_fclose, (zip_file_t * file), (file))
VELMORA_LATE(Zip, const char *, zip_file_strerror, (zip_file_t * file), (file))
VELMORA_LATE(Zip, zip_source_t *, zip_source_buffer, (zip_t * archive, const void *data, zip_uint64_t bytes, int free),
             (archive, data, bytes, free))
VELMORA_LATE(Zip, void, zip_source_free, (zip_source_t * source), (source))
VELMORA_LATE(Zip, zip_int64_t, zip_file_add,
             (zip_t * archive, const char *name, zip_source_t *source, zip_flags_t flags),
             (archive, name, source, flags))
VELMORA_LATE(Zip, int, zip_set_file_compression,
             (zip_t * archive, zip_uint64_t index, zip_int32_t method, zip_uint32_t level),
             (archive, index, method, level))

VELMORA_LATE(Crypto, int, PKCS5_PBKDF2_HMAC_SHA1,
             (const char *password, int passwordBytes, const unsigned char *salt, int saltBytes, int iterations,
              int keyBytes, unsigned char *key),
             (password, passwordBytes, salt, saltBytes, iterations, keyBytes, key))
// NOLINTEND(bugprone-macro-parentheses,readability-inconsistent-declaration-parameter-name)

// The one function of a variable argument list the program calls. Every option
// from SQLITE_DBCONFIG_ENABLE_FKEY on takes an int and an int*, which is all
// that is passed on; the two before it take other arguments and are refused.
extern "C" __attribute__((visibility("hidden"))) int sqlite3_db_config(sqlite3 *db, int option, ...)
{
    static const velmora::store::LateFunction<decltype(sqlite3_db_config)> late(velmora::store::LateLibrary::SqlCipher,
                                                                                "sqlite3_db_config");
    if (option < SQLITE_DBCONFIG_ENABLE_FKEY)
        return SQLITE_MISUSE;
    va_list arguments;
    va_start(arguments, option);
    const int value = va_arg(arguments, int);
    int *const setting = va_arg(arguments, int *);
    va_end(arguments);
    return late(db, option, value, setting);
}
