#pragma once

// Deck and catalog databases: SQLCipher files keyed with the fixed database
// password, opened through a connection string and read through result sets
// that behave like the client-side cursors the rest of the program expects.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

namespace velmora {

namespace detail {
struct ConnectionState;
}

inline constexpr char kDatabasePassword[] = "Q8Lmt5vNxe2rrH6p73";

// "DRIVER=...;UID=;PWD=<password>;DBQ=<path>", the form every open passes.
QString connectionStringFor(const QString &path);

class Database
{
public:
    Database();
    ~Database();
    Database(Database &&other) noexcept;
    Database &operator=(Database &&other) noexcept;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Takes the connection string apart into file path and password and opens
    // the file. Fails for a missing, empty, plain-SQLite or foreign file and
    // for a database that holds neither the catalog nor the deck tables.
    [[nodiscard]] bool open(const QString &connectionString);
    void close();
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] QString errorText() const;
    [[nodiscard]] QString filePath() const;

    // Groups writes that belong together into one commit.
    [[nodiscard]] bool beginTransaction();
    [[nodiscard]] bool commitTransaction();
    void rollbackTransaction();

private:
    friend class ResultSet;
    std::shared_ptr<detail::ConnectionState> state_;
    QString error_;
};

class ResultSet
{
public:
    ResultSet();
    ~ResultSet(); // discards a pending row, like release()
    ResultSet(ResultSet &&other) noexcept;
    ResultSet &operator=(ResultSet &&other) noexcept;
    ResultSet(const ResultSet &) = delete;
    ResultSet &operator=(const ResultSet &) = delete;

    // Accepts the program's SQL dialect: SELECT [DISTINCT] * FROM table
    // [WHERE ...] [ORDER BY ...], with names matched without regard to case.
    [[nodiscard]] bool open(Database &db, const QString &sql);
    void release();
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] QString errorText() const { return error_; }

    [[nodiscard]] int recordCount() const;
    [[nodiscard]] bool isBof() const;
    [[nodiscard]] bool isEof() const;
    [[nodiscard]] bool hasCurrentRow() const;

    // Moves save a pending row first; they fail when that save fails.
    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool move(int rows);

    [[nodiscard]] QStringList fieldNames() const;
    [[nodiscard]] bool hasField(const QString &name) const;
    // Null when the field is Null or there is no current row.
    [[nodiscard]] QVariant field(const QString &name) const;
    // Stays pending until update() or a move.
    bool setField(const QString &name, const QVariant &value);

    bool addNew();
    bool update();
    bool remove(); // deletes the current row at once

    // "ID=12" restricts the rows until replaced; "" shows all rows again.
    bool setFilter(const QString &filter);
    [[nodiscard]] QString filter() const { return filter_; }

    // Long binary fields: the first chunk of an edit replaces the value, later
    // chunks append; getChunk reads on from where the last read stopped.
    bool appendChunk(const QString &name, const QByteArray &bytes);
    [[nodiscard]] QByteArray getChunk(const QString &name, qint64 length);
    [[nodiscard]] qint64 actualSize(const QString &name) const; // -1 when Null

private:
    enum class Kind { Text, Integer, Boolean, Blob };
    struct Column
    {
        QString name;
        Kind kind = Kind::Text;
    };
    struct Row
    {
        qint64 rowid = 0;
        QVector<QVariant> values; // blobs hold their length, or Null
        bool deleted = false;
    };

    [[nodiscard]] int columnIndex(const QString &name) const;
    [[nodiscard]] Row *currentRow();
    [[nodiscard]] const Row *currentRow() const;
    bool savePending();
    void discardPending();
    void rebuildVisible();
    bool moveTo(int position);
    [[nodiscard]] QByteArray readBlob(qint64 rowid, int column) const;
    [[nodiscard]] bool fail(const QString &text);

    std::shared_ptr<detail::ConnectionState> conn_;
    QString table_;
    QVector<Column> columns_;
    QHash<QString, int> columnByLowerName_;
    QVector<Row> rows_;
    QVector<int> visible_;
    int position_ = -1; // -1 before the first row, visible_.size() after the last
    bool currentRemoved_ = false;
    bool readOnly_ = false;
    QString filter_;
    QString error_;

    // Pending edit of the current row.
    bool pendingNew_ = false;
    QHash<int, QVariant> pending_;
    QHash<int, QByteArray> pendingBlobs_;
    QHash<int, qint64> chunkReadOffset_;
};

// The only ways the program opens a database file and a result set.
[[nodiscard]] bool OpenDatabase(Database &db, const QString &path);
[[nodiscard]] bool OpenResultSet(ResultSet &rs, Database &db, const QString &sql);

// The naming rule for new deck files: the number of the catalog's last row
// plus one, moved on past any name already taken in the deck folder.
[[nodiscard]] QString NextDeckFileName();
// The same rule run on an open "Select * from tblStoreDeck" result set, which
// is left on its last row.
[[nodiscard]] QString NextDeckFileName(ResultSet &storeDecks);
// The rule applied to a given last dbName, without looking at any file.
[[nodiscard]] int deckNumberAfter(const QString &lastDbName);

// Leading blanks skipped, longest leading number used, 0 when none.
[[nodiscard]] double lenientNumber(const QString &text);

} // namespace velmora
