#pragma once

// Owners of the two SQLite C handles. Only code that talks to SQLite itself
// (store/, and progress/ for its plain history file) includes this header.

#include <QByteArray>
#include <QString>

#include <sqlite3.h>
#include <utility>

namespace velmora::sqlite {

class Connection
{
public:
    Connection() = default;
    // Takes the handle that sqlite3_open_v2 just gave, with the reason when
    // the open failed.
    explicit Connection(sqlite3 *handle) : handle_(handle)
    {
        if (handle_ && sqlite3_errcode(handle_) != SQLITE_OK)
            noteFailure(sqlite3_errcode(handle_), sqlite3_errmsg(handle_));
    }
    ~Connection() { sqlite3_close_v2(handle_); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    Connection(Connection &&other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)), code_(other.code_)
    {}
    Connection &operator=(Connection &&other) noexcept
    {
        std::swap(handle_, other.handle_);
        std::swap(error_, other.error_);
        std::swap(code_, other.code_);
        return *this;
    }

    [[nodiscard]] sqlite3 *get() const { return handle_; }
    // Gives the handle up without closing it.
    sqlite3 *release() { return std::exchange(handle_, nullptr); }
    // Why the latest open or exec() of this connection failed, taken at that
    // call; empty once a later exec() succeeded.
    [[nodiscard]] QString errorText() const { return handle_ ? error_ : QStringLiteral("no connection"); }
    [[nodiscard]] int errorCode() const { return code_; }
    // Runs statements that return no rows; false with errorText() set on failure.
    [[nodiscard]] bool exec(const char *sql) const
    {
        char *message = nullptr;
        const int rc = sqlite3_exec(handle_, sql, nullptr, nullptr, &message);
        if (rc == SQLITE_OK)
            noteFailure(SQLITE_OK, nullptr);
        else
            noteFailure(rc, message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
        return rc == SQLITE_OK;
    }

private:
    void noteFailure(int code, const char *message) const
    {
        code_ = code;
        error_ = message ? QString::fromUtf8(message) : QString();
    }

    sqlite3 *handle_ = nullptr;
    mutable QString error_;
    mutable int code_ = SQLITE_OK;
};

// Busy or locked: another connection, in this process or another, holds the
// file; the same call may succeed a moment later.
[[nodiscard]] inline bool isBusy(int code)
{
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

class Statement
{
public:
    Statement() = default;
    // Prepares exactly one statement: trailing SQL text is refused.
    Statement(sqlite3 *db, const QString &sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        const char *tail = nullptr;
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt_, &tail) != SQLITE_OK) {
            noteFailure(sqlite3_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            return;
        }
        for (; tail && *tail; ++tail) {
            if (*tail != ' ' && *tail != '\n' && *tail != '\t' && *tail != '\r' && *tail != ';') {
                noteFailure(SQLITE_MISUSE, QStringLiteral("more than one statement"));
                sqlite3_finalize(stmt_);
                stmt_ = nullptr;
                return;
            }
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept
        : stmt_(std::exchange(other.stmt_, nullptr)), error_(std::move(other.error_)), code_(other.code_)
    {}
    Statement &operator=(Statement &&other) noexcept
    {
        std::swap(stmt_, other.stmt_);
        std::swap(error_, other.error_);
        std::swap(code_, other.code_);
        return *this;
    }

    [[nodiscard]] bool isValid() const { return stmt_ != nullptr; }
    [[nodiscard]] sqlite3_stmt *get() const { return stmt_; }
    // SQLITE_ROW, SQLITE_DONE or an error code, whose reason errorText()
    // then gives: taken here, before any other call can change it.
    int step() const
    {
        if (!stmt_)
            return code_ == SQLITE_OK ? SQLITE_MISUSE : code_;
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
            if (code_ != SQLITE_OK)
                noteFailure(SQLITE_OK, QString());
        } else {
            noteFailure(rc, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(stmt_))));
        }
        return rc;
    }
    // Ready for the next run, with no value bound.
    void reset() const
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    // Why preparing or the latest step failed; empty after a good step.
    [[nodiscard]] QString errorText() const { return error_; }
    [[nodiscard]] int errorCode() const { return code_; }
    [[nodiscard]] QString text(int column) const
    {
        const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
        return QString::fromUtf8(chars, sqlite3_column_bytes(stmt_, column));
    }

private:
    void noteFailure(int code, const QString &text) const
    {
        code_ = code;
        error_ = text;
    }

    sqlite3_stmt *stmt_ = nullptr;
    mutable QString error_;
    mutable int code_ = SQLITE_OK;
};

} // namespace velmora::sqlite
