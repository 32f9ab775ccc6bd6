#include "store/dbfile.h"

#include "store/cipherkey.h"
#include "store/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <map>
#include <sys/stat.h>

namespace velmora::store {

namespace {

constexpr int kBusyTimeoutMs = 2000;
constexpr std::size_t kIdlePerFile = 2;
constexpr qsizetype kHeadBytes = 16;

// The file's identity and last change, so that a kept connection or a check
// already made is used only while the file is the one it was made on.
QString stampOf(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QString::number(info.st_dev) + QLatin1Char(':') + QString::number(info.st_ino) + QLatin1Char(':') +
           QString::number(info.st_size) + QLatin1Char(':') + QString::number(info.st_mtim.tv_sec) + QLatin1Char('.') +
           QString::number(info.st_mtim.tv_nsec);
}

// SQLCipher derives the page key from the password for every new connection,
// which costs tens of milliseconds; the program opens a file in nearly every
// handler. Connections closed while no transaction is open are kept here and
// handed out again while their file has not changed.
class Pool
{
public:
    ~Pool()
    {
        for (auto &entry : idle_)
            sqlite3_close_v2(entry.second.handle);
    }
    sqlite3 *take(const QString &key, const QString &stamp)
    {
        const QMutexLocker lock(&mutex_);
        auto range = idle_.equal_range(key);
        for (auto it = range.first; it != range.second;) {
            if (it->second.stamp == stamp) {
                sqlite3 *handle = it->second.handle;
                idle_.erase(it);
                return handle;
            }
            sqlite3_close_v2(it->second.handle);
            it = idle_.erase(it);
        }
        return nullptr;
    }
    void give(const QString &key, const QString &stamp, sqlite3 *handle)
    {
        const QMutexLocker lock(&mutex_);
        if (stamp.isEmpty() || idle_.count(key) >= kIdlePerFile) {
            sqlite3_close_v2(handle);
            return;
        }
        idle_.emplace(key, Idle{stamp, handle});
    }
    void clear()
    {
        const QMutexLocker lock(&mutex_);
        for (auto &entry : idle_)
            sqlite3_close_v2(entry.second.handle);
        idle_.clear();
    }
    void clear(const QString &key)
    {
        const QMutexLocker lock(&mutex_);
        auto range = idle_.equal_range(key);
        for (auto it = range.first; it != range.second; ++it)
            sqlite3_close_v2(it->second.handle);
        idle_.erase(range.first, range.second);
    }

private:
    struct Idle
    {
        QString stamp;
        sqlite3 *handle = nullptr;
    };
    QMutex mutex_;
    std::multimap<QString, Idle> idle_;
};

Pool &pool()
{
    static Pool instance;
    return instance;
}

QString poolKey(const QString &canonicalPath, Access access)
{
    return (access == Access::ReadOnly ? QStringLiteral("r:") : QStringLiteral("w:")) + canonicalPath;
}

// A write cut short by a crash or a full disk leaves a hot journal beside the
// file, and a read-only connection cannot roll it back: it refuses the file
// as damaged until something opens it for writing. A short read-write
// connection rolls the journal back on its first read; where that fails (a
// read-only folder) the file stays as it is and the open goes on as before.
void rollBackInterruptedWrite(const QString &canonicalPath, const QByteArray &head)
{
    if (!QFileInfo::exists(canonicalPath + QStringLiteral("-journal")))
        return;
    sqlite3 *handle = nullptr;
    const sqlite::Connection connection(sqlite3_open_v2(QFile::encodeName(canonicalPath).constData(), &handle,
                                                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
                                            ? handle
                                            : (sqlite3_close_v2(handle), nullptr));
    if (!connection.get())
        return;
    sqlite3_busy_timeout(connection.get(), kBusyTimeoutMs);
    if (keyConnection(connection.get(), head) && connection.exec("PRAGMA cipher_compatibility = 3"))
        (void)connection.exec("SELECT count(*) FROM sqlite_master");
}

// The kind stays the caller's word in English; a message shows it in the
// user's language.
QString shownKind(const QString &what)
{
    if (what == QLatin1String("deck"))
        return QCoreApplication::translate("DbFile", "deck", "kind of file, inserted in: The deck file ... is missing");
    if (what == QLatin1String("catalog"))
        return QCoreApplication::translate("DbFile", "catalog",
                                           "kind of file, inserted in: The catalog file ... is missing");
    return what;
}

} // namespace

bool leadsOutOfItsFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return false;
    const QString target = info.canonicalFilePath();
    const QString folder = QDir(info.absolutePath()).canonicalPath();
    return target.isEmpty() || QFileInfo(target).absolutePath() != folder;
}

void closeIdleConnections()
{
    pool().clear();
}

void closeIdleConnections(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return;
    for (const Access access : {Access::ReadOnly, Access::ReadWrite})
        pool().clear(poolKey(canonical, access));
}

void bindText(sqlite3_stmt *stmt, int index, const QString &text)
{
    if (text.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text64(stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
}

DbFile::~DbFile()
{
    close();
}

DbFile::DbFile(DbFile &&other) noexcept
    : connection_(std::move(other.connection_)), statements_(std::move(other.statements_)),
      path_(std::move(other.path_)), what_(std::move(other.what_)), stampKey_(std::move(other.stampKey_)),
      openedState_(std::move(other.openedState_)), access_(other.access_), error_(std::move(other.error_)),
      failure_(other.failure_)
{}

DbFile &DbFile::operator=(DbFile &&other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::move(other.connection_);
        statements_ = std::move(other.statements_);
        path_ = std::move(other.path_);
        what_ = std::move(other.what_);
        stampKey_ = std::move(other.stampKey_);
        openedState_ = std::move(other.openedState_);
        access_ = other.access_;
        error_ = std::move(other.error_);
        failure_ = other.failure_;
    }
    return *this;
}

void DbFile::close()
{
    statements_.clear();
    sqlite3 *handle = connection_.get();
    if (!handle)
        return;
    if (sqlite3_get_autocommit(handle) && !stampKey_.isEmpty()) {
        (void)connection_.release();
        pool().give(stampKey_, stampOf(path_), handle);
    }
    connection_ = sqlite::Connection();
}

bool DbFile::refuse(OpenFailure failure, const QString &text)
{
    statements_.clear();
    connection_ = sqlite::Connection();
    failure_ = failure;
    error_ = text;
    return false;
}

bool DbFile::open(const QString &path, Access access, const std::vector<TableColumns> &tables, const QString &what)
{
    close();
    openedState_.clear();
    failure_ = OpenFailure::None;
    error_.clear();
    path_ = path;
    what_ = what;
    access_ = access;
    const QString name = QFileInfo(path).fileName();
    const QString kind = shownKind(what);
    if (leadsOutOfItsFolder(path))
        return refuse(OpenFailure::Unsafe,
                      QCoreApplication::translate("DbFile", "The %1 file %2 is a link to a file outside its folder. "
                                                            "Copy the file itself into the folder.")
                          .arg(kind, name));
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(
            OpenFailure::Missing,
            QCoreApplication::translate("DbFile", "The %1 file %2 is missing. It may have been moved or deleted.")
                .arg(kind, name));
    const QString damaged =
        QCoreApplication::translate("DbFile",
                                    "The %1 file %2 is damaged or was not made by this program, so it cannot be read.")
            .arg(kind, name);
    if (!info.isFile() || info.size() == 0)
        return refuse(OpenFailure::Damaged, damaged);
    QByteArray head;
    // A lock of another program makes the first read wait, then fail; the
    // file may be sound, and a moment later it can be read.
    const auto unreadable = [&](int code) {
        return sqlite::isBusy(code) ? refuse(OpenFailure::Busy, busyText()) : refuse(OpenFailure::Damaged, damaged);
    };
    {
        RegularFile file;
        if (!file.open(path))
            return refuse(
                OpenFailure::Damaged,
                QCoreApplication::translate("DbFile", "The %1 file cannot be used: %2").arg(kind, file.errorText()));
        if (!file.read(kHeadBytes, head))
            return refuse(OpenFailure::Damaged,
                          QCoreApplication::translate("DbFile", "The %1 file %2 cannot be read: %3")
                              .arg(kind, name, file.errorText()));
        // A plain SQLite file would open without its key.
        if (isUnencrypted(head))
            return refuse(OpenFailure::Damaged, damaged);
    }

    const QString canonical = info.canonicalFilePath();
    if (access == Access::ReadOnly)
        rollBackInterruptedWrite(canonical, head);
    const QString stamp = stampOf(canonical);
    stampKey_ = poolKey(canonical, access);
    openedState_ = stamp.isEmpty() ? QString() : canonical + QLatin1Char('|') + stamp;
    sqlite3 *handle = pool().take(stampKey_, stamp);
    if (handle) {
        connection_ = sqlite::Connection(handle);
    } else {
        const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
        const int rc = sqlite3_open_v2(QFile::encodeName(canonical).constData(), &handle, flags, nullptr);
        connection_ = sqlite::Connection(handle);
        if (rc != SQLITE_OK)
            return refuse(OpenFailure::Damaged,
                          QCoreApplication::translate("DbFile", "The %1 file %2 cannot be opened: %3")
                              .arg(kind, name, connection_.errorText()));
        sqlite3_busy_timeout(handle, kBusyTimeoutMs);
        // SQLCipher 4 reads and writes the version 3 format with this setting;
        // SQLCipher 3 does not know the pragma and ignores it.
        if (!keyConnection(handle, head))
            return refuse(OpenFailure::Damaged, damaged);
        if (!connection_.exec("PRAGMA cipher_compatibility = 3"))
            return unreadable(connection_.errorCode());
        // Damage found as each page is read is damage no query gets to trip over.
        (void)connection_.exec("PRAGMA cell_size_check = ON");
    }
    // A kept connection is checked again too: another program may have
    // changed the file within the resolution of its time stamp.

    sqlite::Statement objects(handle, QStringLiteral("SELECT type, name FROM sqlite_master"));
    if (!objects.isValid())
        return unreadable(objects.errorCode());
    QStringList lowerTables;
    int step = SQLITE_ROW;
    while ((step = objects.step()) == SQLITE_ROW) {
        const QString type = objects.text(0);
        if (type == QLatin1String("trigger") || type == QLatin1String("view"))
            return refuse(OpenFailure::Unsafe,
                          QCoreApplication::translate(
                              "DbFile", "The %1 file %2 contains a %3 (%4), which this program never makes. "
                                        "It is not used, to keep it from changing your data.")
                              .arg(kind, name, type, objects.text(1).left(100)));
        if (type == QLatin1String("table"))
            lowerTables.append(objects.text(1).toLower());
    }
    if (step != SQLITE_DONE)
        return unreadable(step);
    for (const TableColumns &table : tables) {
        const QString tableName = QString::fromLatin1(table.table);
        if (!lowerTables.contains(tableName.toLower()))
            return refuse(OpenFailure::NotOurs,
                          QCoreApplication::translate("DbFile", "The file %1 is not a %2 file: it has no table %3.")
                              .arg(name, kind, tableName));
        sqlite::Statement info(handle, QStringLiteral("PRAGMA table_info(\"") + tableName + QStringLiteral("\")"));
        QStringList columns;
        while ((step = info.step()) == SQLITE_ROW)
            columns.append(info.text(1).toLower());
        if (step != SQLITE_DONE)
            return unreadable(step);
        for (const char *column : table.columns) {
            if (!columns.contains(QString::fromLatin1(column).toLower()))
                return refuse(
                    OpenFailure::NotOurs,
                    QCoreApplication::translate("DbFile", "The file %1 is not a %2 file: table %3 has no column %4.")
                        .arg(name, kind, tableName, QString::fromLatin1(column)));
        }
    }
    return true;
}

sqlite::Statement *DbFile::prepare(const char *sql)
{
    for (auto &entry : statements_) {
        if (entry.first == sql) {
            entry.second->reset();
            return entry.second.get();
        }
    }
    auto statement = std::make_unique<sqlite::Statement>(connection_.get(), QString::fromUtf8(sql));
    if (!statement->isValid()) {
        (void)fail(QCoreApplication::translate("DbFile", "Cannot read the file"), *statement);
        return nullptr;
    }
    statements_.emplace_back(sql, std::move(statement));
    return statements_.back().second.get();
}

bool DbFile::transaction(const std::function<bool()> &body)
{
    if (!isOpen())
        return fail(QCoreApplication::translate("DbFile", "The file is not open"));
    // Inside another transaction the body is one step of it: the outer one
    // commits or rolls back all of its steps together.
    if (!sqlite3_get_autocommit(connection_.get()))
        return body();
    // The reason of an earlier failure must not stand for this one.
    error_.clear();
    if (!connection_.exec("BEGIN IMMEDIATE"))
        return fail(QCoreApplication::translate("DbFile", "Cannot start writing"));
    const bool done = body();
    if (done && connection_.exec("COMMIT"))
        return true;
    if (done)
        (void)fail(QCoreApplication::translate("DbFile", "Cannot finish writing"));
    else if (error_.isEmpty())
        error_ = QCoreApplication::translate("DbFile", "The change could not be written");
    for (auto &entry : statements_)
        entry.second->reset();
    (void)connection_.exec("ROLLBACK");
    return false;
}

bool DbFile::fail(const QString &context)
{
    return failWith(context, connection_.errorCode(), connection_.errorText());
}

bool DbFile::fail(const QString &context, const sqlite::Statement &failed)
{
    return failWith(context, failed.errorCode(), failed.errorText());
}

bool DbFile::failWith(const QString &context, int code, const QString &reason)
{
    //: A failed step and the reason SQLite gives, as "Cannot save the card: disk I/O error"
    error_ = sqlite::isBusy(code) ? busyText() : QCoreApplication::translate("DbFile", "%1: %2").arg(context, reason);
    return false;
}

QString DbFile::busyText() const
{
    return QCoreApplication::translate("DbFile", "The %1 file %2 is in use by another program; try again.")
        .arg(shownKind(what_), QFileInfo(path_).fileName());
}

} // namespace velmora::store
