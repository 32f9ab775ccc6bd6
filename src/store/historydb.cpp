#include "store/historydb.h"

#include "store/dbfile.h"
#include "store/paths.h"
#include "store/regularfile.h"
#include "store/sqlite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <algorithm>
#include <sys/stat.h>

namespace velmora::store {

namespace {

constexpr int kBusyTimeoutMs = 2000;
// No value the program writes comes near this; a longer one is damage.
constexpr int kMaxValueBytes = 1 << 20;
constexpr int kMaxCheckedValueBytes = 1 << 30;

// Each step takes the file from the version before it to its own number.
struct UpgradeStep
{
    int version;
    const char *sql;
};

constexpr UpgradeStep kUpgradeSteps[] = {
    {1, "CREATE TABLE tests(id INTEGER PRIMARY KEY, taken INTEGER NOT NULL, deck_file TEXT NOT NULL,"
        " deck_name TEXT NOT NULL, kind INTEGER NOT NULL, level INTEGER NOT NULL, groups TEXT NOT NULL,"
        " score INTEGER NOT NULL, maximum INTEGER NOT NULL);"
        "CREATE TABLE questions(test_id INTEGER NOT NULL, position INTEGER NOT NULL, card_id INTEGER NOT NULL,"
        " card_name TEXT NOT NULL, reversed INTEGER NOT NULL, score INTEGER NOT NULL, maximum INTEGER NOT NULL,"
        " PRIMARY KEY(test_id, position)) WITHOUT ROWID;"},
    // The progress window filters by deck and period and takes the latest tests.
    {2, "CREATE INDEX tests_by_deck ON tests(deck_file, taken);"
        "CREATE INDEX tests_by_time ON tests(taken);"},
    // Spaced review: the memory state of each facet of a card, and each grade
    // with the state it replaced (all was_ columns NULL: the facet was new),
    // so that an undo puts back exactly what was there.
    {3, "CREATE TABLE facets(deck_file TEXT NOT NULL, card_id INTEGER NOT NULL, facet INTEGER NOT NULL,"
        " phase INTEGER NOT NULL, step INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL,"
        " scheduled_days INTEGER NOT NULL, last_review INTEGER NOT NULL, due INTEGER NOT NULL,"
        " reps INTEGER NOT NULL, lapses INTEGER NOT NULL, PRIMARY KEY(deck_file, card_id, facet)) WITHOUT ROWID;"
        "CREATE TABLE reviews(id INTEGER PRIMARY KEY, reviewed INTEGER NOT NULL, deck_file TEXT NOT NULL,"
        " card_id INTEGER NOT NULL, facet INTEGER NOT NULL, grade INTEGER NOT NULL, was_phase INTEGER,"
        " was_step INTEGER, was_stability REAL, was_difficulty REAL, was_scheduled_days INTEGER,"
        " was_last_review INTEGER, was_due INTEGER, was_reps INTEGER, was_lapses INTEGER);"
        "CREATE INDEX reviews_by_deck ON reviews(deck_file, id);"
        "CREATE INDEX reviews_by_time ON reviews(reviewed);"},
    // The journal of practice readings. Each card keeps its name and texts as
    // drawn, so a reading outlives its deck and a later edit of the card.
    {4, "CREATE TABLE readings(id INTEGER PRIMARY KEY, made INTEGER NOT NULL, deck_file TEXT NOT NULL,"
        " deck_name TEXT NOT NULL, spread INTEGER NOT NULL, question TEXT NOT NULL, interpretation TEXT NOT NULL);"
        "CREATE TABLE reading_cards(reading_id INTEGER NOT NULL, position INTEGER NOT NULL,"
        " card_id INTEGER NOT NULL, card_name TEXT NOT NULL, reversed INTEGER NOT NULL, keywords TEXT NOT NULL,"
        " meaning TEXT NOT NULL, PRIMARY KEY(reading_id, position)) WITHOUT ROWID;"
        "CREATE INDEX readings_by_time ON readings(made);"},
    // The learner's own meanings, by deck and card name rather than deck
    // file and card id, so a deck imported again or renumbered keeps them.
    {5, "CREATE TABLE personal_meanings(deck_name TEXT NOT NULL, card_name TEXT NOT NULL, upright TEXT NOT NULL,"
        " reversed TEXT NOT NULL, changed INTEGER NOT NULL, PRIMARY KEY(deck_name, card_name)) WITHOUT ROWID;"},
    // The grades a test gave rather than a session: they use none of the
    // daily caps.
    {6, "CREATE TABLE test_grades(review_id INTEGER PRIMARY KEY);"},
};

// The full check on opening reads every page and every index entry: over a
// year of reviews, a quarter of a second at each opening of the progress
// window. A file that passed it is not checked again while its device, inode,
// size and change time stay the same, as the store does with decks. Any write
// changes them, this program's own included, so a file is trusted only as it
// was checked.
QString fileStamp(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2:%3:%4.%5")
        .arg(info.st_dev)
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

QMutex checkedMutex;
QHash<QString, QString> checkedStamps; // path: its stamp when it passed the check

} // namespace

QString historyPath()
{
    return QDir(paths::programFolder()).filePath(QString::fromLatin1(kHistoryFileName));
}

void bindKeptText(sqlite3_stmt *statement, int index, const QString &text)
{
    bindText(statement, index, text.isNull() ? QStringLiteral("") : text.left(kTextBound));
}

QString boundedText(const sqlite::Statement &statement, int column)
{
    return statement.text(column).left(kTextBound);
}

struct HistoryDb::Handles
{
    sqlite::Connection connection;
};

HistoryDb::HistoryDb() = default;
HistoryDb::~HistoryDb() = default;
HistoryDb::HistoryDb(HistoryDb &&other) noexcept = default;
HistoryDb &HistoryDb::operator=(HistoryDb &&other) noexcept = default;

sqlite3 *HistoryDb::connection() const
{
    return handles_ ? handles_->connection.get() : nullptr;
}

bool HistoryDb::isOpen() const
{
    return handles_ && handles_->connection.get();
}

void HistoryDb::close()
{
    handles_.reset();
}

bool HistoryDb::exec(const char *sql) const
{
    return isOpen() && handles_->connection.exec(sql);
}

bool HistoryDb::refuse(const QString &text)
{
    handles_.reset();
    error_ = text;
    return false;
}

bool HistoryDb::fail(const QString &context, const sqlite::Statement *failed)
{
    const QString why = failed ? failed->errorText()
                        : handles_
                            ? handles_->connection.errorText()
                            : QCoreApplication::translate("velmora::progress::HistoryFile", "the history is not open");
    error_ = QCoreApplication::translate("velmora::progress::HistoryFile", "%1: %2").arg(context, why);
    return false;
}

bool HistoryDb::open(const QString &path)
{
    close();
    error_.clear();
    const QString name = QFileInfo(path).fileName();
    const QString damaged =
        QCoreApplication::translate(
            "velmora::progress::HistoryFile",
            "The progress history %1 is damaged or was not made by this program, so it cannot be used.")
            .arg(name);
    // As with decks: a link within the folder is followed, one that leads
    // elsewhere would have the program write where it points.
    if (leadsOutOfItsFolder(path))
        return refuse(
            QCoreApplication::translate("velmora::progress::HistoryFile",
                                        "The progress history %1 is a link to a file outside its folder, so it is "
                                        "not used. Copy the file itself into the folder.")
                .arg(name));
    bool existed = false;
    {
        // A link to nothing would have SQLite create its target, a pipe or a
        // device would hang or feed it endless bytes.
        RegularFile file;
        QByteArray head;
        if (!file.open(path) && !file.missing())
            return refuse(
                QCoreApplication::translate("velmora::progress::HistoryFile", "The progress history cannot be used: %1")
                    .arg(file.errorText()));
        existed = file.handle() >= 0;
        if (existed && !file.read(16, head))
            return refuse(QCoreApplication::translate("velmora::progress::HistoryFile",
                                                      "The progress history %1 cannot be read: %2")
                              .arg(name, file.errorText()));
        // An empty file is what an interrupted first write leaves; anything
        // else must be SQLite, or opening would write over someone's file.
        if (existed && file.size() > 0 && !head.startsWith(QByteArrayLiteral("SQLite format 3")))
            return refuse(damaged);
    }

    sqlite3 *raw = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    handles_ = std::make_unique<Handles>();
    handles_->connection = sqlite::Connection(raw);
    if (rc != SQLITE_OK)
        return refuse(QCoreApplication::translate("velmora::progress::HistoryFile",
                                                  "The progress history %1 cannot be opened: %2")
                          .arg(name, handles_->connection.errorText()));
    // Opened without a key: a plain SQLite file. Nothing stored in it may
    // run code of its own or make a read unbounded.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    // Damage found as each page is read is damage no query gets to trip over.
    (void)handles_->connection.exec("PRAGMA cell_size_check = ON");

    int version = -1;
    {
        const sqlite::Statement query(raw, QStringLiteral("PRAGMA user_version"));
        if (query.step() == SQLITE_ROW)
            version = sqlite3_column_int(query.get(), 0);
    }
    if (version < 0)
        return refuse(damaged);
    if (version > kSchemaVersion)
        return refuse(
            QCoreApplication::translate("velmora::progress::HistoryFile",
                                        "The progress history %1 was written by a newer version of the program, "
                                        "so this one leaves it alone.")
                .arg(name));
    {
        // Only the tables and indexes this program made, word for word: a
        // changed declaration (a column that no longer aliases the rowid, say)
        // leads this SQLite into code paths that crash on a damaged file, and
        // a view or trigger would run code of the file's own.
        QStringList made;
        for (const UpgradeStep &step : kUpgradeSteps) {
            if (step.version > version)
                break;
            for (const QString &statement : QString::fromLatin1(step.sql).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                made.append(statement.trimmed());
        }
        QStringList found;
        const sqlite::Statement query(raw, QStringLiteral("SELECT sql FROM sqlite_master ORDER BY rowid"));
        int step = SQLITE_ROW;
        while (found.size() <= made.size() && (step = query.step()) == SQLITE_ROW)
            found.append(sqlite3_column_type(query.get(), 0) == SQLITE_TEXT ? query.text(0).trimmed() : QString());
        if ((step != SQLITE_DONE && step != SQLITE_ROW) || found != made)
            return refuse(damaged);
    }
    const QString stamp = existed ? fileStamp(path) : QString();
    bool checked = false;
    if (!stamp.isEmpty()) {
        const QMutexLocker lock(&checkedMutex);
        checked = checkedStamps.value(path) == stamp;
    }
    if (existed && !checked) {
        // A damaged page reads as an error, but a write beside it goes
        // through and buries the damage under new rows: check every page
        // first. The full check, as an index out of step with its table reads
        // well page by page yet crashes this SQLite in a query that uses it.
        // A row an earlier version let grow past the length limit is no
        // damage: the check reads whole rows, so the limit is raised for it.
        sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, kMaxCheckedValueBytes);
        const sqlite::Statement check(raw, QStringLiteral("PRAGMA integrity_check(1)"));
        const int ran = check.step();
        const QString verdict = ran == SQLITE_ROW && sqlite3_column_type(check.get(), 0) == SQLITE_TEXT
                                    ? check.text(0).left(200)
                                    : QString();
        sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
        // Only the check's verdict, or SQLite finding the file malformed,
        // tells damage; anything else (a full memory, a lock) is said as it is.
        const bool malformed = (ran & 0xff) == SQLITE_CORRUPT || (ran & 0xff) == SQLITE_NOTADB;
        if (ran != SQLITE_ROW && !malformed)
            return refuse(QCoreApplication::translate("velmora::progress::HistoryFile",
                                                      "The progress history %1 cannot be checked: %2")
                              .arg(name, check.errorText()));
        if (verdict != QLatin1String("ok"))
            return refuse(
                QCoreApplication::translate("velmora::progress::HistoryFile",
                                            "The progress history %1 is damaged (%2), so it is left as it is and "
                                            "nothing is added to it.")
                    .arg(name, verdict.isEmpty() ? check.errorText().left(200) : verdict));
        if (!stamp.isEmpty()) {
            const QMutexLocker lock(&checkedMutex);
            checkedStamps.insert(path, stamp);
        }
    }
    if (version < kSchemaVersion && !upgrade(version))
        return refuse(QCoreApplication::translate("velmora::progress::HistoryFile",
                                                  "The progress history %1 could not be brought up to date: %2")
                          .arg(name, error_));
    return true;
}

bool HistoryDb::checkDue(const QString &path)
{
    const QString stamp = fileStamp(path);
    if (stamp.isEmpty())
        return false;
    const QMutexLocker lock(&checkedMutex);
    return checkedStamps.value(path) != stamp;
}

bool HistoryDb::upgrade(int fromVersion)
{
    const sqlite::Connection &connection = handles_->connection;
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(QCoreApplication::translate("velmora::progress::HistoryFile", "starting the upgrade"));
    // Another connection (a worker's, say) may have brought the file up to
    // date while this one waited for the lock: go on from where it is now.
    {
        const sqlite::Statement query(connection.get(), QStringLiteral("PRAGMA user_version"));
        if (query.step() == SQLITE_ROW)
            fromVersion = std::max(fromVersion, sqlite3_column_int(query.get(), 0));
    }
    for (const UpgradeStep &step : kUpgradeSteps) {
        if (step.version <= fromVersion)
            continue;
        const QByteArray setVersion = "PRAGMA user_version = " + QByteArray::number(step.version);
        if (!connection.exec(step.sql) || !connection.exec(setVersion.constData())) {
            (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "version %1").arg(step.version));
            (void)connection.exec("ROLLBACK");
            return false;
        }
    }
    if (!connection.exec("COMMIT")) {
        (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "finishing the upgrade"));
        (void)connection.exec("ROLLBACK");
        return false;
    }
    return true;
}

bool HistoryDb::retireDeckFile(const QString &deckFile)
{
    const QString context =
        QCoreApplication::translate("velmora::progress::HistoryFile", "setting the deck's tests apart");
    if (!isOpen())
        return fail(context);
    const sqlite::Connection &connection = handles_->connection;
    // The number is that of the file's first test (or grade), so two decks
    // that had the same file one after the other stay apart too. What the
    // learner remembered of the old deck's cards says nothing of the new one's.
    const char *const steps[] = {
        "UPDATE tests SET deck_file = deck_file || '/' || (SELECT min(id) FROM tests WHERE deck_file = ?1) "
        "WHERE deck_file = ?1",
        "UPDATE reviews SET deck_file = deck_file || '/' || (SELECT min(id) FROM reviews WHERE deck_file = ?1) "
        "WHERE deck_file = ?1",
        "DELETE FROM facets WHERE deck_file = ?1",
        "UPDATE readings SET deck_file = deck_file || '/' || (SELECT min(id) FROM readings WHERE deck_file = ?1) "
        "WHERE deck_file = ?1"};
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(context);
    for (const char *sql : steps) {
        const sqlite::Statement step(connection.get(), QString::fromLatin1(sql));
        bindKeptText(step.get(), 1, deckFile);
        if (step.step() != SQLITE_DONE) {
            (void)fail(context, &step);
            (void)connection.exec("ROLLBACK");
            return false;
        }
    }
    if (!connection.exec("COMMIT")) {
        (void)fail(context);
        (void)connection.exec("ROLLBACK");
        return false;
    }
    return true;
}

} // namespace velmora::store
