#include "progress/history.h"

#include "learn/testrun.h"
#include "store/dbfile.h"
#include "store/paths.h"
#include "store/regularfile.h"
#include "store/sqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace velmora::progress {

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

// The state's columns in the order facets and the was_ columns of reviews
// list them, bound from parameter `first` on.
void bindState(const sqlite::Statement &statement, int first, const review::MemoryState &state)
{
    sqlite3_stmt *raw = statement.get();
    sqlite3_bind_int(raw, first, int(state.phase));
    sqlite3_bind_int(raw, first + 1, state.step);
    sqlite3_bind_double(raw, first + 2, state.stability);
    sqlite3_bind_double(raw, first + 3, state.difficulty);
    sqlite3_bind_int(raw, first + 4, state.scheduledDays);
    sqlite3_bind_int64(raw, first + 5, state.lastReview.toMSecsSinceEpoch());
    sqlite3_bind_int64(raw, first + 6, state.due.toMSecsSinceEpoch());
    sqlite3_bind_int(raw, first + 7, state.reps);
    sqlite3_bind_int(raw, first + 8, state.lapses);
}

// The state from column `first` on; nothing for values no grade writes, which
// would otherwise carry a damaged file's numbers into every later interval.
std::optional<review::MemoryState> readState(const sqlite::Statement &statement, int first)
{
    sqlite3_stmt *raw = statement.get();
    review::MemoryState state;
    const int phase = sqlite3_column_int(raw, first);
    if (phase < int(review::Phase::Learning) || phase > int(review::Phase::Relearning))
        return std::nullopt;
    state.phase = review::Phase(phase);
    state.step = sqlite3_column_int(raw, first + 1);
    state.stability = sqlite3_column_double(raw, first + 2);
    state.difficulty = sqlite3_column_double(raw, first + 3);
    state.scheduledDays = sqlite3_column_int(raw, first + 4);
    state.lastReview = QDateTime::fromMSecsSinceEpoch(sqlite3_column_int64(raw, first + 5), Qt::UTC);
    state.due = QDateTime::fromMSecsSinceEpoch(sqlite3_column_int64(raw, first + 6), Qt::UTC);
    state.reps = sqlite3_column_int(raw, first + 7);
    state.lapses = sqlite3_column_int(raw, first + 8);
    const bool sane = state.stability >= 0.001 && state.stability <= 36500.0 && state.difficulty >= 1.0 &&
                      state.difficulty <= 10.0 && state.step >= 0 && state.scheduledDays >= 0 &&
                      state.scheduledDays <= 36500 && state.reps >= 0 && state.lapses >= 0;
    return sane ? std::optional(state) : std::nullopt;
}

bool knownFacet(int facet)
{
    return facet >= int(review::Facet::Keywords) && facet <= int(review::Facet::Reversed);
}

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

// Every text column of the history is NOT NULL: a null string is stored
// empty. Names come from decks others made: cut to what is read back, so no
// row nears the length limit that would make the history unreadable.
void bindKeptText(sqlite3_stmt *statement, int index, const QString &text)
{
    store::bindText(statement, index, text.isNull() ? QStringLiteral("") : text.left(store::kTextBound));
}

// The filter's two parameters, as every query below numbers them.
void bindFilter(const sqlite::Statement &statement, const HistoryFilter &filter)
{
    bindKeptText(statement.get(), 1, filter.deckFile);
    sqlite3_bind_int64(statement.get(), 2, sinceMs(filter));
}

constexpr char kFilterSql[] = "(?1 = '' OR deck_file = ?1) AND taken >= ?2";

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

double guessChance(TestKind kind, int level, int maximum)
{
    const TestLevel offer = testLevel(level);
    if (kind == TestKind::Description)
        return 1.0 / double(std::max(1, offer.lastAnswer - offer.firstAnswer + 1));
    // Ticking `maximum` of the boxes at random, all of them the right ones.
    const int boxes = offer.keywordBoxCount;
    const int ticks = std::clamp(maximum, 0, boxes);
    double ways = 1.0;
    for (int i = 0; i < ticks; ++i)
        ways = ways * double(boxes - i) / double(i + 1);
    return 1.0 / ways;
}

std::optional<review::Grade> answerGrade(TestKind kind, int level, int score, int maximum)
{
    if (maximum <= 0)
        return std::nullopt;
    if (score < maximum)
        return review::Grade::Again;
    if (guessChance(kind, level, maximum) * kGuessOdds < 1.0)
        return review::Grade::Good;
    return std::nullopt;
}

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

sqlite3 *HistoryFile::connection() const
{
    return handles_ ? handles_->connection.get() : nullptr;
}

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
    // As with decks: a link within the folder is followed, one that leads
    // elsewhere would have the program write where it points.
    if (store::leadsOutOfItsFolder(path))
        return refuse(QStringLiteral("The progress history %1 is a link to a file outside its folder, so it is "
                                     "not used. Copy the file itself into the folder.")
                          .arg(name));
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
            return refuse(QStringLiteral("The progress history %1 cannot be checked: %2").arg(name, check.errorText()));
        if (verdict != QLatin1String("ok"))
            return refuse(QStringLiteral("The progress history %1 is damaged (%2), so it is left as it is and "
                                         "nothing is added to it.")
                              .arg(name, verdict.isEmpty() ? check.errorText().left(200) : verdict));
        if (!stamp.isEmpty()) {
            const QMutexLocker lock(&checkedMutex);
            checkedStamps.insert(path, stamp);
        }
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

bool HistoryFile::record(const TestRecord &test, const review::Fsrs &fsrs, review::TestFeed feed)
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
    bindKeptText(insertTest.get(), 2, test.deckFile);
    bindKeptText(insertTest.get(), 3, test.deckName);
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
        bindKeptText(insertQuestion.get(), 4, question.cardName);
        sqlite3_bind_int(insertQuestion.get(), 5, question.reversed ? 1 : 0);
        sqlite3_bind_int(insertQuestion.get(), 6, question.score);
        sqlite3_bind_int(insertQuestion.get(), 7, question.maximum);
        if (insertQuestion.step() != SQLITE_DONE)
            return rollBack(QStringLiteral("recording question %1").arg(i + 1), &insertQuestion);
        insertQuestion.reset();
    }
    // Every answer is a recall of one facet of its card.
    for (const QuestionRecord &question : test.questions) {
        const review::Facet facet = test.kind == TestKind::Keywords ? review::Facet::Keywords
                                    : question.reversed             ? review::Facet::Reversed
                                                                    : review::Facet::Upright;
        const std::optional<review::Grade> grade = answerGrade(test.kind, test.level, question.score, question.maximum);
        if (!grade || feed == review::TestFeed::Never)
            continue;
        const std::optional<review::MemoryState> before = storedState(test.deckFile, question.cardId, facet);
        if (!before) {
            (void)connection.exec("ROLLBACK");
            return false;
        }
        // A wrong answer on a new facet has nothing to lapse from; a due one
        // is the session's to ask, unasked.
        if ((before->phase == review::Phase::New && *grade == review::Grade::Again) ||
            (feed == review::TestFeed::NotDue && review::isDue(*before, test.taken, fsrs.settings().days)))
            continue;
        const std::optional<review::MemoryState> after = fsrs.next(*before, test.taken, *grade);
        if (!after)
            continue;
        if (!writeReview(ReviewRecord{test.taken, test.deckFile, question.cardId, facet, *grade, *before, *after},
                         true)) {
            (void)connection.exec("ROLLBACK");
            return false;
        }
    }
    if (!connection.exec("COMMIT"))
        return rollBack(QStringLiteral("saving the test"), nullptr);
    return true;
}

bool HistoryFile::retireDeckFile(const QString &deckFile)
{
    const QString context = QStringLiteral("setting the deck's tests apart");
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

bool HistoryFile::writeReview(const ReviewRecord &review, bool byTest)
{
    const QString context = QStringLiteral("recording the review");
    // SQLite stores a NaN as NULL: the facet would be read back as damaged
    // and start over as new.
    const auto finite = [](const review::MemoryState &state) {
        return std::isfinite(state.stability) && std::isfinite(state.difficulty);
    };
    if (!finite(review.after) || !finite(review.before)) {
        error_ = context + QStringLiteral(": the grade gives no valid memory state");
        return false;
    }
    const sqlite::Connection &connection = handles_->connection;
    const sqlite::Statement insert(
        connection.get(),
        QStringLiteral("INSERT INTO reviews(reviewed, deck_file, card_id, facet, grade, was_phase, was_step, "
                       "was_stability, was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, "
                       "was_lapses) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)"));
    const sqlite::Statement store(
        connection.get(),
        QStringLiteral("INSERT OR REPLACE INTO facets(deck_file, card_id, facet, phase, step, stability, difficulty, "
                       "scheduled_days, last_review, due, reps, lapses) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"));
    sqlite3_bind_int64(insert.get(), 1, review.reviewed.toMSecsSinceEpoch());
    bindKeptText(insert.get(), 2, review.deckFile);
    sqlite3_bind_int(insert.get(), 3, review.cardId);
    sqlite3_bind_int(insert.get(), 4, int(review.facet));
    sqlite3_bind_int(insert.get(), 5, int(review.grade));
    if (review.before.phase != review::Phase::New)
        bindState(insert, 6, review.before);
    bindKeptText(store.get(), 1, review.deckFile);
    sqlite3_bind_int(store.get(), 2, review.cardId);
    sqlite3_bind_int(store.get(), 3, int(review.facet));
    bindState(store, 4, review.after);
    for (const sqlite::Statement *statement : {&insert, &store}) {
        if (statement->step() != SQLITE_DONE)
            return fail(context, statement);
    }
    if (byTest) {
        const sqlite::Statement mark(connection.get(),
                                     QStringLiteral("INSERT INTO test_grades(review_id) VALUES (?1)"));
        sqlite3_bind_int64(mark.get(), 1, sqlite3_last_insert_rowid(connection.get()));
        if (mark.step() != SQLITE_DONE)
            return fail(context, &mark);
    }
    return true;
}

std::optional<review::MemoryState> HistoryFile::storedState(const QString &deckFile, int cardId, review::Facet facet)
{
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT phase, step, stability, difficulty, scheduled_days, last_review, due, reps, lapses "
                       "FROM facets WHERE deck_file = ?1 AND card_id = ?2 AND facet = ?3"));
    bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, cardId);
    sqlite3_bind_int(query.get(), 3, int(facet));
    const int rc = query.step();
    if (rc == SQLITE_DONE)
        return review::MemoryState();
    if (rc != SQLITE_ROW) {
        (void)fail(QStringLiteral("reading the review state"), &query);
        return std::nullopt;
    }
    // A state no grade could have written starts over.
    return readState(query, 0).value_or(review::MemoryState());
}

bool HistoryFile::recordReview(const ReviewRecord &review)
{
    if (!isOpen())
        return fail(QStringLiteral("recording the review"));
    const sqlite::Connection &connection = handles_->connection;
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(QStringLiteral("recording the review"));
    if (!writeReview(review)) {
        (void)connection.exec("ROLLBACK");
        return false;
    }
    if (!connection.exec("COMMIT")) {
        (void)fail(QStringLiteral("saving the review"));
        (void)connection.exec("ROLLBACK");
        return false;
    }
    return true;
}

bool HistoryFile::undoLastReview(const QString &deckFile, std::optional<ReviewRecord> &undone)
{
    const QString context = QStringLiteral("undoing the review");
    undone.reset();
    if (!isOpen())
        return fail(context);
    const sqlite::Connection &connection = handles_->connection;
    if (!connection.exec("BEGIN IMMEDIATE"))
        return fail(context);
    const auto rollBack = [&](const sqlite::Statement *failed) {
        (void)fail(context, failed);
        (void)connection.exec("ROLLBACK");
        undone.reset();
        return false;
    };
    const sqlite::Statement last(
        connection.get(),
        QStringLiteral("SELECT id, reviewed, card_id, facet, grade, was_phase, was_step, was_stability, "
                       "was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, was_lapses "
                       "FROM reviews WHERE deck_file = ?1 ORDER BY id DESC LIMIT 1"));
    bindKeptText(last.get(), 1, deckFile);
    const int rc = last.step();
    if (rc == SQLITE_DONE)
        return connection.exec("COMMIT") || rollBack(nullptr);
    if (rc != SQLITE_ROW)
        return rollBack(&last);
    const qint64 id = sqlite3_column_int64(last.get(), 0);
    ReviewRecord review;
    review.reviewed = QDateTime::fromMSecsSinceEpoch(sqlite3_column_int64(last.get(), 1), Qt::UTC);
    review.deckFile = deckFile;
    review.cardId = sqlite3_column_int(last.get(), 2);
    const int facet = sqlite3_column_int(last.get(), 3);
    const int grade = sqlite3_column_int(last.get(), 4);
    const bool wasNew = sqlite3_column_type(last.get(), 5) == SQLITE_NULL;
    const std::optional<review::MemoryState> before = wasNew ? review::MemoryState() : readState(last, 5);
    if (!knownFacet(facet) || grade < 1 || grade > 4 || !before) {
        error_ = QStringLiteral("%1: the latest review is damaged").arg(context);
        (void)connection.exec("ROLLBACK");
        return false;
    }
    review.facet = review::Facet(facet);
    review.grade = review::Grade(grade);
    review.before = *before;

    // A grade id freed here is given to the next grade: it must not come
    // back as a test's.
    const sqlite::Statement forget(connection.get(), QStringLiteral("DELETE FROM reviews WHERE id = ?1"));
    sqlite3_bind_int64(forget.get(), 1, id);
    const sqlite::Statement unmark(connection.get(), QStringLiteral("DELETE FROM test_grades WHERE review_id = ?1"));
    sqlite3_bind_int64(unmark.get(), 1, id);
    const sqlite::Statement restore(
        connection.get(),
        wasNew ? QStringLiteral("DELETE FROM facets WHERE deck_file = ?1 AND card_id = ?2 AND facet = ?3")
               : QStringLiteral("INSERT OR REPLACE INTO facets(deck_file, card_id, facet, phase, step, stability, "
                                "difficulty, scheduled_days, last_review, due, reps, lapses) "
                                "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"));
    bindKeptText(restore.get(), 1, review.deckFile);
    sqlite3_bind_int(restore.get(), 2, review.cardId);
    sqlite3_bind_int(restore.get(), 3, facet);
    if (!wasNew)
        bindState(restore, 4, review.before);
    if (forget.step() != SQLITE_DONE)
        return rollBack(&forget);
    if (unmark.step() != SQLITE_DONE)
        return rollBack(&unmark);
    if (restore.step() != SQLITE_DONE)
        return rollBack(&restore);
    if (!connection.exec("COMMIT"))
        return rollBack(nullptr);
    undone = review;
    return true;
}

std::optional<QVector<FacetState>> HistoryFile::facetStates(const QString &deckFile)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT card_id, facet, phase, step, stability, difficulty, scheduled_days, last_review, due, "
                       "reps, lapses FROM facets WHERE deck_file = ?1 LIMIT ?2"));
    bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, kMaxFacets);
    QVector<FacetState> states;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const int facet = sqlite3_column_int(query.get(), 1);
        const std::optional<review::MemoryState> state = readState(query, 2);
        if (knownFacet(facet) && state)
            states.append(FacetState{sqlite3_column_int(query.get(), 0), review::Facet(facet), *state});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the review states"), &query);
        return std::nullopt;
    }
    return states;
}

std::optional<review::DayCount> HistoryFile::reviewsSince(const QString &deckFile, const QDateTime &since)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT was_phase FROM reviews WHERE reviewed >= ?1 AND deck_file = ?2 "
                       "AND id NOT IN (SELECT review_id FROM test_grades) LIMIT ?3"));
    sqlite3_bind_int64(query.get(), 1, since.toMSecsSinceEpoch());
    bindKeptText(query.get(), 2, deckFile);
    sqlite3_bind_int(query.get(), 3, kMaxFacets);
    review::DayCount count;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const bool wasNew = sqlite3_column_type(query.get(), 0) == SQLITE_NULL;
        count.count(wasNew ? review::Phase::New : review::Phase(std::clamp(sqlite3_column_int(query.get(), 0), 0, 3)));
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading today's reviews"), &query);
        return std::nullopt;
    }
    return count;
}

std::optional<QVector<review::FacetDue>> HistoryFile::facetDues(const QString &deckFile)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT card_id, phase, due FROM facets WHERE deck_file = ?1 LIMIT ?2"));
    bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, kMaxFacets);
    QVector<review::FacetDue> dues;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const int phase = sqlite3_column_int(query.get(), 1);
        if (phase >= int(review::Phase::Learning) && phase <= int(review::Phase::Relearning))
            dues.append(review::FacetDue{sqlite3_column_int(query.get(), 0), review::Phase(phase),
                                         sqlite3_column_int64(query.get(), 2)});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(QStringLiteral("reading the review states"), &query);
        return std::nullopt;
    }
    return dues;
}

std::optional<review::Retention> HistoryFile::retention(const HistoryFilter &filter)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        handles_->connection.get(),
        QStringLiteral("SELECT count(*), total(grade <> %1) FROM reviews WHERE (?1 = '' OR deck_file = ?1) "
                       "AND reviewed >= ?2 AND was_phase = %2")
            .arg(int(review::Grade::Again))
            .arg(int(review::Phase::Review)));
    bindFilter(query, filter);
    if (query.step() != SQLITE_ROW) {
        (void)fail(QStringLiteral("reading the reviews"), &query);
        return std::nullopt;
    }
    return review::Retention{sqlite3_column_int(query.get(), 0), sqlite3_column_int(query.get(), 1)};
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
