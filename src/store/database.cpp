#include "store/database.h"

#include "store/paths.h"
#include "store/sqldialect.h"
#include "store/sqlite.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <openssl/evp.h>
#include <optional>

namespace velmora {

namespace detail {

struct TableInfo
{
    QString name;
    QStringList columns;
    QStringList declaredTypes;
};

struct ConnectionState
{
    sqlite::Connection connection;
    QString path;
    QHash<QString, QString> tableByLowerName;
    QHash<QString, TableInfo> columnsByLowerTable;

    const TableInfo *table(const QString &name)
    {
        const QString lower = name.toLower();
        const auto real = tableByLowerName.constFind(lower);
        if (real == tableByLowerName.cend())
            return nullptr;
        auto cached = columnsByLowerTable.find(lower);
        if (cached != columnsByLowerTable.end())
            return &cached.value();
        TableInfo info;
        info.name = real.value();
        sqlite::Statement pragma(connection.get(), QStringLiteral("PRAGMA table_info(") +
                                                       sql::quoteIdentifier(info.name) + QLatin1Char(')'));
        while (pragma.step() == SQLITE_ROW) {
            info.columns.append(pragma.text(1));
            info.declaredTypes.append(pragma.text(2).toUpper());
        }
        if (info.columns.isEmpty())
            return nullptr;
        return &columnsByLowerTable.insert(lower, info).value();
    }
};

} // namespace detail

namespace {

// SQLCipher's default key derivation (PBKDF2 over the password and the file's
// salt) costs tens of milliseconds, and the program opens a database in
// nearly every handler. The derived key is remembered per salt and handed to
// SQLCipher in its raw form, which skips the derivation.
constexpr int kSaltSize = 16;
constexpr int kKeySize = 32;
constexpr int kKdfIterations = 64000; // SQLCipher 3 default, PBKDF2-HMAC-SHA1

QByteArray rawKeyFor(const QByteArray &password, const QByteArray &salt)
{
    static QMutex mutex;
    static QHash<QByteArray, QByteArray> keys;
    const QByteArray cacheKey = salt + password;
    {
        const QMutexLocker lock(&mutex);
        const auto found = keys.constFind(cacheKey);
        if (found != keys.cend())
            return found.value();
    }
    QByteArray key(kKeySize, '\0');
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                               reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()),
                               kKdfIterations, kKeySize, reinterpret_cast<unsigned char *>(key.data())) != 1)
        return {};
    QByteArray raw = "x'" + key.toHex().toUpper() + salt.toHex().toUpper() + '\'';
    const QMutexLocker lock(&mutex);
    keys.insert(cacheKey, raw);
    return raw;
}

struct ConnectionParts
{
    QString password;
    QString path;
};

std::optional<ConnectionParts> splitConnectionString(const QString &text)
{
    const qsizetype dbq = text.indexOf(QLatin1String("DBQ="), 0, Qt::CaseInsensitive);
    if (dbq < 0)
        return std::nullopt;
    ConnectionParts parts;
    parts.path = text.mid(dbq + 4);
    const qsizetype pwd = text.indexOf(QLatin1String("PWD="), 0, Qt::CaseInsensitive);
    if (pwd >= 0 && pwd < dbq) {
        const qsizetype end = text.indexOf(QLatin1Char(';'), pwd);
        parts.password = text.mid(pwd + 4, (end < 0 || end > dbq ? dbq : end) - pwd - 4);
    }
    return parts;
}

bool hasTables(const QHash<QString, QString> &tables, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (!tables.contains(QString::fromLatin1(name).toLower()))
            return false;
    }
    return true;
}

} // namespace

QString connectionStringFor(const QString &path)
{
    return QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);") + QStringLiteral("UID=;PWD=") +
           QLatin1String(kDatabasePassword) + QStringLiteral(";DBQ=") + path;
}

// ---------------------------------------------------------------- Database

Database::Database() = default;
Database::~Database() = default;
Database::Database(Database &&) noexcept = default;
Database &Database::operator=(Database &&) noexcept = default;

bool Database::open(const QString &connectionString)
{
    state_.reset();
    error_.clear();
    const auto parts = splitConnectionString(connectionString);
    if (!parts) {
        error_ = QStringLiteral("The connection string names no database file.");
        return false;
    }
    const QFileInfo info(parts->path);
    if (!info.isFile()) {
        error_ = QStringLiteral("No database file at ") + parts->path;
        return false;
    }
    QFile file(parts->path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Cannot read ") + parts->path;
        return false;
    }
    const QByteArray salt = file.read(kSaltSize);
    file.close();
    // An empty file would open as an empty database, and a plain SQLite file
    // only fails at its first query: both are refused here.
    if (salt.size() < kSaltSize || salt.startsWith(QByteArrayLiteral("SQLite format 3"))) {
        error_ = QStringLiteral("file is encrypted or is not a database");
        return false;
    }
    const QByteArray key = rawKeyFor(parts->password.toUtf8(), salt);

    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(parts->path).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    auto state = std::make_shared<detail::ConnectionState>();
    state->connection = sqlite::Connection(handle);
    state->path = parts->path;
    if (rc != SQLITE_OK || key.isEmpty() || sqlite3_key(handle, key.constData(), int(key.size())) != SQLITE_OK) {
        error_ = state->connection.errorText();
        return false;
    }
    sqlite::Statement tables(handle, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    if (!tables.isValid()) {
        error_ = state->connection.errorText();
        return false;
    }
    int step = SQLITE_ROW;
    while ((step = tables.step()) == SQLITE_ROW) {
        const QString name = tables.text(0);
        state->tableByLowerName.insert(name.toLower(), name);
    }
    if (step != SQLITE_DONE) {
        error_ = state->connection.errorText();
        return false;
    }
    if (!hasTables(state->tableByLowerName, {"tblStoreDeck", "tblUpdateDeck"}) &&
        !hasTables(state->tableByLowerName, {"tblDeckNames", "tblCards", "tblKeywords", "tblType"})) {
        error_ = QStringLiteral("The file holds no deck or catalog tables.");
        return false;
    }
    state_ = std::move(state);
    return true;
}

void Database::close()
{
    state_.reset();
}
bool Database::isOpen() const
{
    return state_ != nullptr;
}
QString Database::errorText() const
{
    return error_;
}
QString Database::filePath() const
{
    return state_ ? state_->path : QString();
}

bool Database::beginTransaction()
{
    return state_ && state_->connection.exec("BEGIN");
}
bool Database::commitTransaction()
{
    return state_ && state_->connection.exec("COMMIT");
}
void Database::rollbackTransaction()
{
    if (state_)
        (void)state_->connection.exec("ROLLBACK");
}

// --------------------------------------------------------------- ResultSet

ResultSet::ResultSet() = default;
ResultSet::~ResultSet()
{
    release();
}
ResultSet::ResultSet(ResultSet &&) noexcept = default;
ResultSet &ResultSet::operator=(ResultSet &&other) noexcept
{
    if (this != &other) {
        release();
        conn_ = std::move(other.conn_);
        table_ = std::move(other.table_);
        columns_ = std::move(other.columns_);
        columnByLowerName_ = std::move(other.columnByLowerName_);
        rows_ = std::move(other.rows_);
        visible_ = std::move(other.visible_);
        position_ = other.position_;
        currentRemoved_ = other.currentRemoved_;
        readOnly_ = other.readOnly_;
        filter_ = std::move(other.filter_);
        error_ = std::move(other.error_);
        pendingNew_ = other.pendingNew_;
        pending_ = std::move(other.pending_);
        pendingBlobs_ = std::move(other.pendingBlobs_);
        chunkReadOffset_ = std::move(other.chunkReadOffset_);
        other.pendingNew_ = false;
    }
    return *this;
}

bool ResultSet::fail(const QString &text)
{
    error_ = text;
    return false;
}

bool ResultSet::open(Database &db, const QString &sqlText)
{
    release();
    error_.clear();
    if (!db.state_)
        return fail(QStringLiteral("The database is not open."));
    QString parseError;
    const auto select = sql::parseSelect(sqlText, &parseError);
    if (!select)
        return fail(parseError);
    const detail::TableInfo *table = db.state_->table(select->table);
    if (!table)
        return fail(QStringLiteral("no such table: ") + select->table);

    QVector<Column> columns;
    QHash<QString, int> byLowerName;
    for (qsizetype c = 0; c < table->columns.size(); ++c) {
        const QString &type = table->declaredTypes[c];
        Kind kind = Kind::Text;
        if (type.contains(QLatin1String("BLOB")) || type.contains(QLatin1String("BINARY")))
            kind = Kind::Blob;
        else if (type.contains(QLatin1String("BOOL")))
            kind = Kind::Boolean;
        else if (type.contains(QLatin1String("INT")))
            kind = Kind::Integer;
        columns.append({table->columns[c], kind});
        byLowerName.insert(table->columns[c].toLower(), int(c));
    }
    const sql::ColumnLookup lookup = [&](const QString &name) -> std::optional<QString> {
        const auto found = byLowerName.constFind(name.toLower());
        if (found == byLowerName.cend())
            return std::nullopt;
        return sql::quoteIdentifier(columns[found.value()].name);
    };

    QStringList selected;
    QStringList grouped;
    for (const Column &column : columns) {
        const QString quoted = sql::quoteIdentifier(column.name);
        selected.append(column.kind == Kind::Blob ? QStringLiteral("length(") + quoted + QLatin1Char(')') : quoted);
        grouped.append(quoted);
    }
    // DISTINCT keeps the first of equal rows, so the row stays addressable.
    QString text = QStringLiteral("SELECT ") +
                   (select->distinct ? QStringLiteral("min(rowid)") : QStringLiteral("rowid")) + QStringLiteral(", ") +
                   selected.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + sql::quoteIdentifier(table->name);
    if (!select->where.isEmpty()) {
        const auto where = sql::render(select->where, lookup, &parseError);
        if (!where)
            return fail(parseError);
        text += QStringLiteral(" WHERE ") + *where;
    }
    if (select->distinct)
        text += QStringLiteral(" GROUP BY ") + grouped.join(QStringLiteral(", "));
    QString order = QStringLiteral("1");
    if (!select->orderBy.isEmpty()) {
        const auto terms = sql::render(select->orderBy, lookup, &parseError);
        if (!terms)
            return fail(parseError);
        order = *terms + QStringLiteral(", 1");
    }
    text += QStringLiteral(" ORDER BY ") + order;

    sqlite::Statement statement(db.state_->connection.get(), text);
    if (!statement.isValid())
        return fail(db.state_->connection.errorText());
    QVector<Row> rows;
    int step = SQLITE_ROW;
    while ((step = statement.step()) == SQLITE_ROW) {
        sqlite3_stmt *s = statement.get();
        Row row;
        row.rowid = sqlite3_column_int64(s, 0);
        row.values.reserve(columns.size());
        for (int c = 0; c < columns.size(); ++c) {
            const int index = c + 1;
            if (sqlite3_column_type(s, index) == SQLITE_NULL) {
                row.values.append(QVariant());
                continue;
            }
            switch (columns[c].kind) {
            case Kind::Text:
                row.values.append(statement.text(index));
                break;
            case Kind::Integer:
            case Kind::Blob:
                row.values.append(qlonglong(sqlite3_column_int64(s, index)));
                break;
            case Kind::Boolean:
                row.values.append(sqlite3_column_int64(s, index) != 0);
                break;
            }
        }
        rows.append(std::move(row));
    }
    if (step != SQLITE_DONE)
        return fail(db.state_->connection.errorText());

    conn_ = db.state_;
    table_ = table->name;
    columns_ = std::move(columns);
    columnByLowerName_ = std::move(byLowerName);
    rows_ = std::move(rows);
    readOnly_ = select->distinct;
    rebuildVisible();
    position_ = 0;
    return true;
}

void ResultSet::release()
{
    discardPending();
    conn_.reset();
    rows_.clear();
    visible_.clear();
    columns_.clear();
    columnByLowerName_.clear();
    filter_.clear();
    position_ = -1;
    currentRemoved_ = false;
}

bool ResultSet::isOpen() const
{
    return conn_ != nullptr;
}
int ResultSet::recordCount() const
{
    return int(visible_.size());
}
bool ResultSet::isBof() const
{
    return visible_.isEmpty() || position_ < 0;
}
bool ResultSet::isEof() const
{
    return visible_.isEmpty() || position_ >= visible_.size();
}
bool ResultSet::hasCurrentRow() const
{
    return currentRow() != nullptr;
}

ResultSet::Row *ResultSet::currentRow()
{
    if (currentRemoved_ || position_ < 0 || position_ >= visible_.size())
        return nullptr;
    return &rows_[visible_[position_]];
}

const ResultSet::Row *ResultSet::currentRow() const
{
    if (currentRemoved_ || position_ < 0 || position_ >= visible_.size())
        return nullptr;
    return &rows_[visible_[position_]];
}

int ResultSet::columnIndex(const QString &name) const
{
    return columnByLowerName_.value(name.toLower(), -1);
}

void ResultSet::rebuildVisible()
{
    visible_.clear();
    int filterColumn = -1;
    QString filterValue;
    if (!filter_.isEmpty()) {
        const qsizetype eq = filter_.indexOf(QLatin1Char('='));
        filterColumn = columnIndex(filter_.left(eq).trimmed());
        filterValue = filter_.mid(eq + 1).trimmed();
    }
    for (int r = 0; r < rows_.size(); ++r) {
        const Row &row = rows_[r];
        if (row.deleted)
            continue;
        if (filterColumn >= 0) {
            const QVariant &value = row.values[filterColumn];
            if (value.isNull())
                continue;
            if (columns_[filterColumn].kind == Kind::Text) {
                if (value.toString().compare(filterValue, Qt::CaseInsensitive) != 0)
                    continue;
            } else if (value.toDouble() != filterValue.toDouble()) {
                continue;
            }
        }
        visible_.append(r);
    }
}

bool ResultSet::setFilter(const QString &filterText)
{
    if (!conn_)
        return fail(QStringLiteral("The result set is not open."));
    if (!savePending())
        return false;
    QString normalized = filterText.trimmed();
    if (!normalized.isEmpty()) {
        const qsizetype eq = normalized.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("Filter must read field=value: ") + filterText);
        const int column = columnIndex(normalized.left(eq).trimmed());
        if (column < 0 || columns_[column].kind == Kind::Blob)
            return fail(QStringLiteral("Unknown filter field: ") + filterText);
        QString value = normalized.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.startsWith(QLatin1Char('\'')) || value.startsWith(QLatin1Char('#'))) &&
            value.endsWith(value.front()))
            value = value.mid(1, value.size() - 2);
        if (columns_[column].kind != Kind::Text) {
            bool ok = false;
            value.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("Filter value is not a number: ") + filterText);
        }
        normalized = columns_[column].name + QLatin1Char('=') + value;
    }
    filter_ = normalized;
    currentRemoved_ = false;
    rebuildVisible();
    chunkReadOffset_.clear();
    position_ = 0;
    return true;
}

bool ResultSet::moveTo(int position)
{
    if (!conn_)
        return fail(QStringLiteral("The result set is not open."));
    if (!savePending())
        return false;
    currentRemoved_ = false;
    chunkReadOffset_.clear();
    position_ = std::clamp(position, -1, int(visible_.size()));
    return position_ >= 0 && position_ < visible_.size();
}

bool ResultSet::moveFirst()
{
    return moveTo(0);
}
bool ResultSet::moveLast()
{
    return moveTo(int(visible_.size()) - 1);
}
bool ResultSet::moveNext()
{
    return moveTo(currentRemoved_ ? position_ : position_ + 1);
}
bool ResultSet::movePrevious()
{
    return moveTo(position_ - 1);
}
bool ResultSet::move(int rows)
{
    if (currentRemoved_ && rows > 0)
        return moveTo(position_ + rows - 1);
    return moveTo(position_ + rows);
}

QStringList ResultSet::fieldNames() const
{
    QStringList names;
    for (const Column &column : columns_)
        names.append(column.name);
    return names;
}

bool ResultSet::hasField(const QString &name) const
{
    return columnIndex(name) >= 0;
}

QVariant ResultSet::field(const QString &name) const
{
    const int column = columnIndex(name);
    const Row *row = currentRow();
    if (column < 0 || !row)
        return {};
    if (columns_[column].kind == Kind::Blob) {
        const auto pendingBlob = pendingBlobs_.constFind(column);
        if (pendingBlob != pendingBlobs_.cend())
            return pendingBlob.value();
    }
    const auto pendingValue = pending_.constFind(column);
    if (pendingValue != pending_.cend())
        return pendingValue.value();
    if (columns_[column].kind == Kind::Blob) {
        if (row->values[column].isNull() || pendingNew_)
            return {};
        return readBlob(row->rowid, column);
    }
    return row->values[column];
}

bool ResultSet::setField(const QString &name, const QVariant &value)
{
    const int column = columnIndex(name);
    if (column < 0)
        return fail(QStringLiteral("Item cannot be found in the collection: ") + name);
    if (!currentRow())
        return fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (readOnly_)
        return fail(QStringLiteral("The result set cannot be updated."));
    QVariant stored;
    if (!value.isNull()) {
        switch (columns_[column].kind) {
        case Kind::Text:
            stored = value.toString();
            break;
        case Kind::Boolean:
            stored = value.toBool();
            break;
        case Kind::Integer: {
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("Type mismatch for ") + name);
            stored = qlonglong(std::llround(number));
            break;
        }
        case Kind::Blob:
            pendingBlobs_.insert(column, value.toByteArray());
            pending_.remove(column);
            return true;
        }
    }
    pendingBlobs_.remove(column);
    pending_.insert(column, stored);
    return true;
}

bool ResultSet::addNew()
{
    if (!conn_)
        return fail(QStringLiteral("The result set is not open."));
    if (readOnly_)
        return fail(QStringLiteral("The result set cannot be updated."));
    if (!savePending())
        return false;
    Row row;
    for (const Column &column : columns_)
        row.values.append(column.kind == Kind::Boolean ? QVariant(false) : QVariant());
    rows_.append(row);
    visible_.append(int(rows_.size()) - 1);
    position_ = int(visible_.size()) - 1;
    currentRemoved_ = false;
    pendingNew_ = true;
    return true;
}

bool ResultSet::update()
{
    return conn_ ? savePending() : fail(QStringLiteral("The result set is not open."));
}

void ResultSet::discardPending()
{
    if (pendingNew_ && !rows_.isEmpty()) {
        const int index = int(rows_.size()) - 1;
        rows_.removeLast();
        visible_.removeAll(index);
        position_ = std::min(position_, int(visible_.size()));
    }
    pendingNew_ = false;
    pending_.clear();
    pendingBlobs_.clear();
}

bool ResultSet::savePending()
{
    if (!pendingNew_ && pending_.isEmpty() && pendingBlobs_.isEmpty())
        return true;
    Row *row = currentRow();
    if (!row || !conn_) {
        discardPending();
        return true;
    }
    QList<int> assigned = pending_.keys();
    assigned += pendingBlobs_.keys();
    std::sort(assigned.begin(), assigned.end());
    QStringList names;
    for (int column : assigned)
        names.append(sql::quoteIdentifier(columns_[column].name));

    QString text;
    const QString table = sql::quoteIdentifier(table_);
    if (pendingNew_) {
        if (assigned.isEmpty()) {
            text = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList marks(assigned.size(), QStringLiteral("?"));
            text = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + names.join(QStringLiteral(", ")) +
                   QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
    } else {
        text = QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + names.join(QStringLiteral("=?, ")) +
               QStringLiteral("=? WHERE rowid=?");
    }
    sqlite3 *db = conn_->connection.get();
    sqlite::Statement statement(db, text);
    if (!statement.isValid()) {
        const QString why = conn_->connection.errorText();
        discardPending();
        return fail(why);
    }
    sqlite3_stmt *s = statement.get();
    int bindIndex = 1;
    for (int column : assigned) {
        if (pendingBlobs_.contains(column)) {
            const QByteArray &bytes = pendingBlobs_[column];
            sqlite3_bind_blob64(s, bindIndex++, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_STATIC);
            continue;
        }
        const QVariant &value = pending_[column];
        if (value.isNull())
            sqlite3_bind_null(s, bindIndex++);
        else if (columns_[column].kind == Kind::Text) {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text64(s, bindIndex++, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                                SQLITE_UTF8);
        } else {
            sqlite3_bind_int64(s, bindIndex++, value.toLongLong());
        }
    }
    if (!pendingNew_)
        sqlite3_bind_int64(s, bindIndex, row->rowid);
    if (statement.step() != SQLITE_DONE) {
        const QString why = conn_->connection.errorText();
        discardPending();
        return fail(why);
    }
    if (pendingNew_)
        row->rowid = sqlite3_last_insert_rowid(db);
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it)
        row->values[it.key()] = it.value();
    for (auto it = pendingBlobs_.cbegin(); it != pendingBlobs_.cend(); ++it)
        row->values[it.key()] = qlonglong(it.value().size());
    pendingNew_ = false;
    pending_.clear();
    pendingBlobs_.clear();
    return true;
}

bool ResultSet::remove()
{
    if (readOnly_)
        return fail(QStringLiteral("The result set cannot be updated."));
    Row *row = currentRow();
    if (!row)
        return fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (pendingNew_) {
        discardPending();
        currentRemoved_ = true;
        return true;
    }
    sqlite::Statement statement(conn_->connection.get(), QStringLiteral("DELETE FROM ") + sql::quoteIdentifier(table_) +
                                                             QStringLiteral(" WHERE rowid=?"));
    sqlite3_bind_int64(statement.get(), 1, row->rowid);
    if (statement.step() != SQLITE_DONE)
        return fail(conn_->connection.errorText());
    pending_.clear();
    pendingBlobs_.clear();
    row->deleted = true;
    visible_.removeAt(position_);
    currentRemoved_ = true;
    return true;
}

QByteArray ResultSet::readBlob(qint64 rowid, int column) const
{
    sqlite3_blob *blob = nullptr;
    const QByteArray table = table_.toUtf8();
    const QByteArray name = columns_[column].name.toUtf8();
    if (sqlite3_blob_open(conn_->connection.get(), "main", table.constData(), name.constData(), rowid, 0, &blob) !=
        SQLITE_OK) {
        sqlite3_blob_close(blob);
        return {};
    }
    QByteArray bytes(sqlite3_blob_bytes(blob), Qt::Uninitialized);
    const int rc = sqlite3_blob_read(blob, bytes.data(), int(bytes.size()), 0);
    sqlite3_blob_close(blob);
    return rc == SQLITE_OK ? bytes : QByteArray();
}

bool ResultSet::appendChunk(const QString &name, const QByteArray &bytes)
{
    const int column = columnIndex(name);
    if (column < 0 || columns_[column].kind != Kind::Blob)
        return fail(QStringLiteral("Not a long binary field: ") + name);
    if (!currentRow())
        return fail(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (readOnly_)
        return fail(QStringLiteral("The result set cannot be updated."));
    auto existing = pendingBlobs_.find(column);
    if (existing == pendingBlobs_.end())
        pendingBlobs_.insert(column, bytes);
    else
        existing.value().append(bytes);
    pending_.remove(column);
    return true;
}

QByteArray ResultSet::getChunk(const QString &name, qint64 length)
{
    const int column = columnIndex(name);
    if (column < 0 || columns_[column].kind != Kind::Blob || length <= 0)
        return {};
    const QByteArray whole = field(name).toByteArray();
    qint64 &offset = chunkReadOffset_[column];
    if (offset >= whole.size())
        offset = 0; // a value read to its end is read afresh
    QByteArray chunk = whole.mid(offset, length);
    offset += chunk.size();
    return chunk;
}

qint64 ResultSet::actualSize(const QString &name) const
{
    const int column = columnIndex(name);
    const Row *row = currentRow();
    if (column < 0 || !row)
        return -1;
    if (pendingBlobs_.contains(column))
        return pendingBlobs_[column].size();
    const QVariant &value = pending_.contains(column) ? pending_[column] : row->values[column];
    if (value.isNull() || (pendingNew_ && columns_[column].kind == Kind::Blob && !pendingBlobs_.contains(column)))
        return -1;
    if (columns_[column].kind == Kind::Blob)
        return value.toLongLong();
    return value.toString().toUtf8().size();
}

// ------------------------------------------------------------- operations

bool OpenDatabase(Database &db, const QString &path)
{
    return db.open(connectionStringFor(path));
}

bool OpenResultSet(ResultSet &rs, Database &db, const QString &sql)
{
    return rs.open(db, sql);
}

double lenientNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    qsizetype end = i;
    if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
        ++end;
    const qsizetype digitsStart = end;
    while (end < text.size() && text[end].isDigit())
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && text[end].isDigit())
            ++end;
    }
    if (end == digitsStart || (end == digitsStart + 1 && text[digitsStart] == QLatin1Char('.')))
        return 0;
    return text.mid(i, end - i).toDouble();
}

int deckNumberAfter(const QString &lastDbName)
{
    const QString digits = lastDbName.left(std::max<qsizetype>(0, lastDbName.size() - 4)).mid(5);
    const double number = std::floor(lenientNumber(digits));
    if (!(number >= 0 && number < 2.0e9))
        return 1;
    return int(number) + 1;
}

QString NextDeckFileName(ResultSet &storeDecks)
{
    int number = 1;
    if (storeDecks.recordCount() > 0 && storeDecks.moveLast())
        number = deckNumberAfter(storeDecks.field(QStringLiteral("dbName")).toString());
    // A name already in the deck folder (the default deck's among them) is
    // never handed out again: the next free number is taken instead.
    number = std::max(number, 1);
    auto nameFor = [](int n) { return QStringLiteral("Tutor%1.vdk").arg(n); };
    while (QFileInfo::exists(paths::deckDatabase(nameFor(number))))
        ++number;
    return nameFor(number);
}

QString NextDeckFileName()
{
    Database catalog;
    ResultSet decks;
    // Without a readable catalog the rule starts from 1 and skips taken names.
    if (OpenDatabase(catalog, paths::catalogDatabase()))
        (void)OpenResultSet(decks, catalog, QStringLiteral("Select * from tblStoreDeck"));
    return NextDeckFileName(decks);
}

} // namespace velmora
