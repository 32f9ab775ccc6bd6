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
    explicit Connection(sqlite3 *handle) : handle_(handle) {}
    ~Connection() { sqlite3_close_v2(handle_); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    Connection(Connection &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Connection &operator=(Connection &&other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }

    [[nodiscard]] sqlite3 *get() const { return handle_; }
    // Gives the handle up without closing it.
    sqlite3 *release() { return std::exchange(handle_, nullptr); }
    [[nodiscard]] QString errorText() const
    {
        return handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_)) : QStringLiteral("no connection");
    }
    // Runs statements that return no rows; false with errorText() set on failure.
    [[nodiscard]] bool exec(const char *sql) const
    {
        return sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

private:
    sqlite3 *handle_ = nullptr;
};

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
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            return;
        }
        for (; tail && *tail; ++tail) {
            if (*tail != ' ' && *tail != '\n' && *tail != '\t' && *tail != '\r' && *tail != ';') {
                sqlite3_finalize(stmt_);
                stmt_ = nullptr;
                return;
            }
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}
    Statement &operator=(Statement &&other) noexcept
    {
        std::swap(stmt_, other.stmt_);
        return *this;
    }

    [[nodiscard]] bool isValid() const { return stmt_ != nullptr; }
    [[nodiscard]] sqlite3_stmt *get() const { return stmt_; }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step() const { return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE; }
    // Ready for the next run, with no value bound.
    void reset() const
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    [[nodiscard]] QString text(int column) const
    {
        const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
        return QString::fromUtf8(chars, sqlite3_column_bytes(stmt_, column));
    }

private:
    sqlite3_stmt *stmt_ = nullptr;
};

} // namespace velmora::sqlite
