#pragma once

// One keyed SQLCipher connection to a catalog or deck file, checked before it
// is trusted. Only store/ includes this header.

#include "store/sqlite.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace velmora {

enum class Access { ReadOnly, ReadWrite };

// Why a file was refused; the text says it in words a user can act on.
// Busy: another program holds the file for now, which says nothing of its state.
enum class OpenFailure { None, Missing, Damaged, NotOurs, Unsafe, Busy };

struct TableColumns
{
    const char *table;
    std::vector<const char *> columns;
};

namespace store {

// Upper bound, in characters, of any text read from a file.
inline constexpr int kTextBound = 4000;

// The path is a symbolic link to something outside the link's own folder (or
// to nothing): a file of ours there would be written wherever it points.
[[nodiscard]] bool leadsOutOfItsFolder(const QString &path);

class DbFile
{
public:
    DbFile() = default;
    ~DbFile();
    DbFile(DbFile &&other) noexcept;
    DbFile &operator=(DbFile &&other) noexcept;
    DbFile(const DbFile &) = delete;
    DbFile &operator=(const DbFile &) = delete;

    // Opens, keys and checks the file: no trigger or view, every table and
    // column present. `what` names the file in messages ("deck", "catalog").
    [[nodiscard]] bool open(const QString &path, Access access, const std::vector<TableColumns> &tables,
                            const QString &what);
    [[nodiscard]] bool isOpen() const { return connection_.get() != nullptr; }
    [[nodiscard]] sqlite3 *handle() const { return connection_.get(); }
    [[nodiscard]] const QString &path() const { return path_; }
    [[nodiscard]] QString errorText() const { return error_; }
    [[nodiscard]] OpenFailure failure() const { return failure_; }
    [[nodiscard]] bool isReadOnly() const { return access_ == Access::ReadOnly; }
    // The file's identity and last change when it was opened: equal for two
    // openings of an unchanged file.
    [[nodiscard]] const QString &openedState() const { return openedState_; }
    void close();

    // A statement prepared once per connection and reset for each use.
    [[nodiscard]] sqlite::Statement *prepare(const char *sql);
    // Runs body inside one transaction; rolls back when it returns false. Called
    // inside a body, it joins the transaction already open.
    [[nodiscard]] bool transaction(const std::function<bool()> &body);
    // Records why the connection's latest exec failed, or why `failed` did,
    // and returns false. A file held by another program is said to be busy.
    [[nodiscard]] bool fail(const QString &context);
    [[nodiscard]] bool fail(const QString &context, const sqlite::Statement &failed);
    void setError(const QString &text) { error_ = text; }

    // Closes the file without keeping its connection and records why.
    [[nodiscard]] bool refuse(OpenFailure failure, const QString &text);

    // What the user is told of a file that another program holds.
    [[nodiscard]] QString busyText() const;

private:
    [[nodiscard]] bool failWith(const QString &context, int code, const QString &reason);

    sqlite::Connection connection_;
    std::vector<std::pair<const char *, std::unique_ptr<sqlite::Statement>>> statements_;
    QString path_;
    QString what_;
    QString stampKey_;
    QString openedState_;
    Access access_ = Access::ReadOnly;
    QString error_;
    OpenFailure failure_ = OpenFailure::None;
};

// Closes the connections kept for reuse. The program lets them go when it
// waits in the tray, where it may sit for days with nothing to read.
void closeIdleConnections();
// Closes those kept for one file, so that nothing holds it open once it is
// removed or renamed.
void closeIdleConnections(const QString &path);

// Binds a QString as UTF-8 text, or Null for a null string.
void bindText(sqlite3_stmt *stmt, int index, const QString &text);

} // namespace store
} // namespace velmora
