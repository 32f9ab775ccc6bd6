#include "progress/history.h"

#include "store/dbfile.h"
#include "store/paths.h"
#include "store/regularfile.h"
#include "store/sqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <limits>

namespace velmora::progress {

namespace {

constexpr int kBusyTimeoutMs = 2000;
// No value the program writes comes near this; a longer one is damage.
constexpr int kMaxValueBytes = 1 << 20;

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
};

QString boundedText(const sqlite::Statement &statement, int column)
{
    return statement.text(column).left(store::kTextBound);
}

qint64 sinceMs(const HistoryFilter &filter)
{
    return filter.since.isValid() ? filter.since.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

QString groupsText(const QVector<int> &groups)
{
    QStringList numbers;
    for (int group : groups)
        numbers.append(QString::number(group));
    return numbers.join(QLatin1Char(','));
}

// The filter's two parameters, as every query below numbers them.
void bindFilter(const sqlite::Statement &statement, const HistoryFilter &filter)
{
    store::bindText(statement.get(), 1, filter.deckFile.isNull() ? QStringLiteral("") : filter.deckFile);
    sqlite3_bind_int64(statement.get(), 2, sinceMs(filter));
}

constexpr char kFilterSql[] = "(?1 = '' OR deck_file = ?1) AND taken >= ?2";

} // namespace

QString historyPath()
{
    return QDir(paths::programFolder()).filePath(QString::fromLatin1(kHistoryFileName));
}

bool retireDeckHistory(const QString &deckFile, QString *error)
{
    if (!QFileInfo::exists(historyPath()))
        return true;
    HistoryFile history;
    if (history.open(historyPath()) && history.retireDeckFile(deckFile))
        return true;
    if (error)
        *error = history.errorText();
    return false;
}

struct HistoryFile::Handles
{
    sqlite::Connection connection;
    sqlite::Statement insertTest;
    sqlite::Statement insertQuestion;
};

HistoryFile::HistoryFile() = default;
HistoryFile::~HistoryFile() = default;
HistoryFile::HistoryFile(HistoryFile &&other) noexcept = default;
HistoryFile &HistoryFile::operator=(HistoryFile &&other) noexcept = default;

bool HistoryFile::isOpen() const
{
    return handles_ && handles_->connection.get();
}

void HistoryFile::close()
{
    handles_.reset();
}

bool HistoryFile::refuse(const QString &text)
{
    handles_.reset();
    error_ = text;
    return false;
}

bool HistoryFile::fail(const QString &context, const sqlite::Statement *failed)
{
    error_ = context + QStringLiteral(": ") +
             (failed     ? failed->errorText()
              : handles_ ? handles_->connection.errorText()
                         : QStringLiteral("the history is not open"));
    return false;
}

bool HistoryFile::open(const QString &path)
{
    close();
    error_.clear();
    path_ = path;
    const QString name = QFileInfo(path).fileName();
    const QString damaged =
        QStringLiteral("The progress history %1 is damaged or was not made by this program, so it cannot be used.")
            .arg(name);
    bool existed = false;
    {
        // A link to nothing would have SQLite create its target, a pipe or a
        // device would hang or feed it endless bytes.
        store::RegularFile file;
        QByteArray head;
        if (!file.open(path) && !file.missing())
            return refuse(QStringLiteral("The progress history cannot be used: %1").arg(file.errorText()));
        existed = file.handle() >= 0;
        if (existed && !file.read(16, head))
            return refuse(QStringLiteral("The progress history %1 cannot be read: %2").arg(name, file.errorText()));
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
        return refuse(
            QStringLiteral("The progress history %1 cannot be opened: %2").arg(name, handles_->connection.errorText()));
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
        return refuse(QStringLiteral("The progress history %1 was written by a newer version of the program, "
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
    if (existed) {
        // A damaged page reads as an error, but a write beside it goes
        // through and buries the damage under new rows: check every page
        // first. The full check, as an index out of step with its table reads
        // well page by page yet crashes this SQLite in a query that uses it.
        const sqlite::Statement check(raw, QStringLiteral("PRAGMA integrity_check(1)"));
        if (check.step() != SQLITE_ROW || check.text(0) != QLatin1String("ok"))
            return refuse(QStringLiteral("The progress history %1 is damaged (%2), so it is left as it is and "
                                         "nothing is added to it.")
                              .arg(name, check.isValid() && sqlite3_column_type(check.get(), 0) == SQLITE_TEXT
                                             ? check.text(0).left(200)
                                             : handles_->connection.errorText().left(200)));
    }
    if (version < kSchemaVersion && !upgrade(version))
        return refuse(QStringLiteral("The progress history %1 could not be brought up to date: %2").arg(name, error_));

    handles_->insertTest = sqlite::Statement(
        raw, QStringLiteral("INSERT INTO tests(taken, deck_file, deck_name, kind, level, groups, score, maximum) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"));
    handles_->insertQuestion = sqlite::Statement(
        raw, QStringLiteral("INSERT INTO questions(test_id, position, card_id, card_name, reversed, score, maximum) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    if (!handles_->insertTest.isValid() || !handles_->insertQuestion.isValid())
        return refuse(damaged);
    return true;
}

bool HistoryFile::upgrade(int fromVersion)
{
    const sqlite::Connection &connection = handles_->connection;
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(QStringLiteral("starting the upgrade"));
    for (const UpgradeStep &step : kUpgradeSteps) {
        if (step.version <= fromVersion)
            continue;
        const QByteArray setVersion = "PRAGMA user_version = " + QByteArray::number(step.version);
        if (!connection.exec(step.sql) || !connection.exec(setVersion.constData())) {
            (void)fail(QStringLiteral("version %1").arg(step.version));
            (void)connection.exec("ROLLBACK");
            return false;
        }
    }
    if (!connection.exec("COMMIT")) {
        (void)fail(QStringLiteral("finishing the upgrade"));
        (void)connection.exec("ROLLBACK");
        return false;
    }
    return true;
}

bool HistoryFile::record(const TestRecord &test)
{
    if (!isOpen())
        return fail(QStringLiteral("recording the test"));
    const sqlite::Connection &connection = handles_->connection;
    int score = 0;
    int maximum = 0;
    for (const QuestionRecord &question : test.questions) {
        score += question.score;
        maximum += question.maximum;
    }
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(QStringLiteral("recording the test"));
    const auto rollBack = [&](const QString &context, const sqlite::Statement *failed) {
        (void)fail(context, failed);
        handles_->insertTest.reset();
        handles_->insertQuestion.reset();
        (void)connection.exec("ROLLBACK");
        return false;
    };

    const sqlite::Statement &insertTest = handles_->insertTest;
    sqlite3_bind_int64(insertTest.get(), 1, test.taken.toMSecsSinceEpoch());
    store::bindText(insertTest.get(), 2, test.deckFile.isNull() ? QStringLiteral("") : test.deckFile);
    store::bindText(insertTest.get(), 3, test.deckName.isNull() ? QStringLiteral("") : test.deckName);
    sqlite3_bind_int(insertTest.get(), 4, int(test.kind));
    sqlite3_bind_int(insertTest.get(), 5, test.level);
    store::bindText(insertTest.get(), 6, groupsText(test.groups));
    sqlite3_bind_int(insertTest.get(), 7, score);
    sqlite3_bind_int(insertTest.get(), 8, maximum);
    if (insertTest.step() != SQLITE_DONE)
        return rollBack(QStringLiteral("recording the test"), &insertTest);
    insertTest.reset();
    const sqlite3_int64 testId = sqlite3_last_insert_rowid(connection.get());

    const sqlite::Statement &insertQuestion = handles_->insertQuestion;
    for (int i = 0; i < test.questions.size(); ++i) {
        const QuestionRecord &question = test.questions[i];
        sqlite3_bind_int64(insertQuestion.get(), 1, testId);
        sqlite3_bind_int(insertQuestion.get(), 2, i + 1);
        sqlite3_bind_int(insertQuestion.get(), 3, question.cardId);
        store::bindText(insertQuestion.get(), 4, question.cardName.isNull() ? QStringLiteral("") : question.cardName);
        sqlite3_bind_int(insertQuestion.get(), 5, question.reversed ? 1 : 0);
        sqlite3_bind_int(insertQuestion.get(), 6, question.score);
        sqlite3_bind_int(insertQuestion.get(), 7, question.maximum);
        if (insertQuestion.step() != SQLITE_DONE)
            return rollBack(QStringLiteral("recording question %1").arg(i + 1), &insertQuestion);
        insertQuestion.reset();
    }
    if (!connection.exec("COMMIT"))
        return rollBack(QStringLiteral("saving the test"), nullptr);
    return true;
}

bool HistoryFile::retireDeckFile(const QString &deckFile)
{
    if (!isOpen())
        return fail(QStringLiteral("setting the deck's tests apart"));
    // The number is that of the file's first test, so two decks that had the
    // same file one after the other stay apart too.
    const sqlite::Statement retire(handles_->connection.get(),
                                   QStringLiteral("UPDATE tests SET deck_file = deck_file || '/' || "
                                                  "(SELECT min(id) FROM tests WHERE deck_file = ?1) "
                                                  "WHERE deck_file = ?1"));
    store::bindText(retire.get(), 1, deckFile.isNull() ? QStringLiteral("") : deckFile);
    return retire.step() == SQLITE_DONE || fail(QStringLiteral("setting the deck's tests apart"), &retire);
}

std::optional<QVector<DeckEntry>> HistoryFile::decks()
{
    if (!isOpen())
        return std::nullopt;
    // The bare deck_name comes from the row of the latest test of each file.
    const sqlite::Statement query(handles_->connection.get(),
                                  QStringLiteral("SELECT deck_file, deck_name, max(taken) FROM tests "
                                                 "GROUP BY deck_file ORDER BY deck_name, deck_file LIMIT 10000"));
    QVector<DeckEntry> entries;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW)
        entries.append(DeckEntry{boundedText(query, 0), boundedText(query, 1)});
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the decks"), &query);
        return std::nullopt;
    }
    return entries;
}

std::optional<QVector<ScorePoint>> HistoryFile::scores(const HistoryFilter &filter)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT taken, deck_file, deck_name, kind, score, maximum FROM "
                       "(SELECT id, taken, deck_file, deck_name, kind, score, maximum FROM tests WHERE ") +
            QLatin1String(kFilterSql) + QStringLiteral(" ORDER BY taken DESC, id DESC LIMIT ?3) ORDER BY taken, id"));
    bindFilter(query, filter);
    sqlite3_bind_int(query.get(), 3, kMaxScorePoints);
    QVector<ScorePoint> points;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        points.append(ScorePoint{sqlite3_column_int64(query.get(), 0), boundedText(query, 1), boundedText(query, 2),
                                 testKindFromNumber(sqlite3_column_int(query.get(), 3)),
                                 sqlite3_column_int(query.get(), 4), sqlite3_column_int(query.get(), 5)});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the scores"), &query);
        return std::nullopt;
    }
    return points;
}

std::optional<QVector<CardTally>> HistoryFile::cardTallies(const HistoryFilter &filter, int recentTests)
{
    if (!isOpen())
        return std::nullopt;
    // "score < maximum" is isMiss() in SQL.
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT t.deck_file, t.deck_name, q.card_id, q.card_name, q.reversed, count(*), "
                       "sum(q.score < q.maximum) FROM (SELECT id, deck_file, deck_name FROM tests WHERE ") +
            QLatin1String(kFilterSql) +
            QStringLiteral(" ORDER BY taken DESC, id DESC LIMIT ?3) AS t JOIN questions AS q ON q.test_id = t.id "
                           "GROUP BY t.deck_file, q.card_id, q.reversed LIMIT 100000"));
    bindFilter(query, filter);
    sqlite3_bind_int(query.get(), 3, boundedRecentTests(recentTests));
    QVector<CardTally> tallies;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        tallies.append(CardTally{boundedText(query, 0), boundedText(query, 1), sqlite3_column_int(query.get(), 2),
                                 boundedText(query, 3), sqlite3_column_int(query.get(), 4) != 0,
                                 sqlite3_column_int(query.get(), 5), sqlite3_column_int(query.get(), 6)});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the missed cards"), &query);
        return std::nullopt;
    }
    return tallies;
}

std::optional<int> HistoryFile::forEachQuestion(const HistoryFilter &filter,
                                                const std::function<void(const QuestionRow &)> &take)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT t.taken, t.deck_file, t.deck_name, t.kind, t.level, t.groups, q.position, q.card_id, "
                       "q.card_name, q.reversed, q.score, q.maximum FROM tests AS t JOIN questions AS q "
                       "ON q.test_id = t.id WHERE ") +
            QLatin1String(kFilterSql) + QStringLiteral(" ORDER BY t.taken, t.id, q.position LIMIT ?3"));
    bindFilter(query, filter);
    sqlite3_bind_int(query.get(), 3, kMaxExportRows);
    int count = 0;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        QuestionRow row;
        row.taken = QDateTime::fromMSecsSinceEpoch(sqlite3_column_int64(query.get(), 0));
        row.deckFile = boundedText(query, 1);
        row.deckName = boundedText(query, 2);
        row.kind = testKindFromNumber(sqlite3_column_int(query.get(), 3));
        row.level = sqlite3_column_int(query.get(), 4);
        row.groups = boundedText(query, 5);
        row.position = sqlite3_column_int(query.get(), 6);
        row.question = QuestionRecord{sqlite3_column_int(query.get(), 7), boundedText(query, 8),
                                      sqlite3_column_int(query.get(), 9) != 0, sqlite3_column_int(query.get(), 10),
                                      sqlite3_column_int(query.get(), 11)};
        take(row);
        ++count;
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the questions"), &query);
        return std::nullopt;
    }
    return count;
}

} // namespace velmora::progress
