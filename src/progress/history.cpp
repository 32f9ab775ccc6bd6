#include "progress/history.h"

#include "progress/testlevel.h"

#include "store/dbfile.h"
#include "store/sqlite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace velmora::progress {

using store::bindKeptText;
using store::boundedText;

namespace {

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
    bindKeptText(statement.get(), 1, filter.deckFile);
    sqlite3_bind_int64(statement.get(), 2, sinceMs(filter));
}

constexpr char kFilterSql[] = "(?1 = '' OR deck_file = ?1) AND taken >= ?2";

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

struct HistoryFile::Statements
{
    sqlite::Statement insertTest;
    sqlite::Statement insertQuestion;
};

HistoryFile::HistoryFile() = default;
HistoryFile::~HistoryFile() = default;
HistoryFile::HistoryFile(HistoryFile &&other) noexcept = default;

HistoryFile &HistoryFile::operator=(HistoryFile &&other) noexcept
{
    statements_.reset();
    db_ = std::move(other.db_);
    statements_ = std::move(other.statements_);
    return *this;
}

void HistoryFile::close()
{
    statements_.reset();
    db_.close();
}

bool HistoryFile::open(const QString &path)
{
    close();
    if (!db_.open(path))
        return false;
    sqlite3 *raw = db_.connection();
    statements_ = std::make_unique<Statements>();
    statements_->insertTest = sqlite::Statement(
        raw, QStringLiteral("INSERT INTO tests(taken, deck_file, deck_name, kind, level, groups, score, maximum) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"));
    statements_->insertQuestion = sqlite::Statement(
        raw, QStringLiteral("INSERT INTO questions(test_id, position, card_id, card_name, reversed, score, maximum) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    if (statements_->insertTest.isValid() && statements_->insertQuestion.isValid())
        return true;
    close();
    db_.setErrorText(QCoreApplication::translate(
                         "velmora::progress::HistoryFile",
                         "The progress history %1 is damaged or was not made by this program, so it cannot be used.")
                         .arg(QFileInfo(path).fileName()));
    return false;
}

bool HistoryFile::record(const TestRecord &test, const review::Fsrs &fsrs, review::TestFeed feed)
{
    if (!isOpen())
        return fail(QCoreApplication::translate("velmora::progress::HistoryFile", "recording the test"));
    review::ReviewLog log(db_);
    int score = 0;
    int maximum = 0;
    for (const QuestionRecord &question : test.questions) {
        score += question.score;
        maximum += question.maximum;
    }
    if (!db_.exec("BEGIN IMMEDIATE"))
        return fail(QCoreApplication::translate("velmora::progress::HistoryFile", "recording the test"));
    const auto rollBack = [&](const QString &context, const sqlite::Statement *failed) {
        (void)fail(context, failed);
        statements_->insertTest.reset();
        statements_->insertQuestion.reset();
        (void)db_.exec("ROLLBACK");
        return false;
    };

    const sqlite::Statement &insertTest = statements_->insertTest;
    sqlite3_bind_int64(insertTest.get(), 1, test.taken.toMSecsSinceEpoch());
    bindKeptText(insertTest.get(), 2, test.deckFile);
    bindKeptText(insertTest.get(), 3, test.deckName);
    sqlite3_bind_int(insertTest.get(), 4, int(test.kind));
    sqlite3_bind_int(insertTest.get(), 5, test.level);
    store::bindText(insertTest.get(), 6, groupsText(test.groups));
    sqlite3_bind_int(insertTest.get(), 7, score);
    sqlite3_bind_int(insertTest.get(), 8, maximum);
    if (insertTest.step() != SQLITE_DONE)
        return rollBack(QCoreApplication::translate("velmora::progress::HistoryFile", "recording the test"),
                        &insertTest);
    insertTest.reset();
    const sqlite3_int64 testId = sqlite3_last_insert_rowid(db_.connection());

    const sqlite::Statement &insertQuestion = statements_->insertQuestion;
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
            return rollBack(
                QCoreApplication::translate("velmora::progress::HistoryFile", "recording question %1").arg(i + 1),
                &insertQuestion);
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
        const std::optional<review::MemoryState> before = log.storedState(test.deckFile, question.cardId, facet);
        if (!before) {
            (void)db_.exec("ROLLBACK");
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
        if (!log.writeReview(ReviewRecord{test.taken, test.deckFile, question.cardId, facet, *grade, *before, *after},
                             true)) {
            (void)db_.exec("ROLLBACK");
            return false;
        }
    }
    if (!db_.exec("COMMIT"))
        return rollBack(QCoreApplication::translate("velmora::progress::HistoryFile", "saving the test"), nullptr);
    return true;
}

std::optional<QVector<DeckEntry>> HistoryFile::decks()
{
    if (!isOpen())
        return std::nullopt;
    // The bare deck_name comes from the row of the latest test of each file.
    const sqlite::Statement query(db_.connection(),
                                  QStringLiteral("SELECT deck_file, deck_name, max(taken) FROM tests "
                                                 "GROUP BY deck_file ORDER BY deck_name, deck_file LIMIT 10000"));
    QVector<DeckEntry> entries;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW)
        entries.append(DeckEntry{boundedText(query, 0), boundedText(query, 1)});
    if (rc != SQLITE_DONE) {
        (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the decks"), &query);
        return std::nullopt;
    }
    return entries;
}

std::optional<QVector<ScorePoint>> HistoryFile::scores(const HistoryFilter &filter)
{
    if (!isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        db_.connection(),
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
        (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the scores"), &query);
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
        db_.connection(),
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
        (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the missed cards"), &query);
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
        db_.connection(),
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
        (void)fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the questions"), &query);
        return std::nullopt;
    }
    return count;
}

} // namespace velmora::progress
