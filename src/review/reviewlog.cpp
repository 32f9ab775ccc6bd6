#include "review/reviewlog.h"

#include "store/historydb.h"
#include "store/sqlite.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace velmora::review {

namespace {

// The state's columns in the order facets and the was_ columns of reviews
// list them, bound from parameter `first` on.
void bindState(const sqlite::Statement &statement, int first, const MemoryState &state)
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
std::optional<MemoryState> readState(const sqlite::Statement &statement, int first)
{
    sqlite3_stmt *raw = statement.get();
    MemoryState state;
    const int phase = sqlite3_column_int(raw, first);
    if (phase < int(Phase::Learning) || phase > int(Phase::Relearning))
        return std::nullopt;
    state.phase = Phase(phase);
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
    return facet >= int(Facet::Keywords) && facet <= int(Facet::Reversed);
}

} // namespace

bool ReviewLog::writeReview(const ReviewRecord &review, bool byTest)
{
    const QString context = QCoreApplication::translate("velmora::progress::HistoryFile", "recording the review");
    // SQLite stores a NaN as NULL: the facet would be read back as damaged
    // and start over as new.
    const auto finite = [](const MemoryState &state) {
        return std::isfinite(state.stability) && std::isfinite(state.difficulty);
    };
    if (!finite(review.after) || !finite(review.before)) {
        history_.setErrorText(
            QCoreApplication::translate("velmora::progress::HistoryFile", "%1: the grade gives no valid memory state")
                .arg(context));
        return false;
    }
    sqlite3 *const connection = history_.connection();
    const sqlite::Statement insert(
        connection,
        QStringLiteral("INSERT INTO reviews(reviewed, deck_file, card_id, facet, grade, was_phase, was_step, "
                       "was_stability, was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, "
                       "was_lapses) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)"));
    const sqlite::Statement store(
        connection,
        QStringLiteral("INSERT OR REPLACE INTO facets(deck_file, card_id, facet, phase, step, stability, difficulty, "
                       "scheduled_days, last_review, due, reps, lapses) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"));
    sqlite3_bind_int64(insert.get(), 1, review.reviewed.toMSecsSinceEpoch());
    store::bindKeptText(insert.get(), 2, review.deckFile);
    sqlite3_bind_int(insert.get(), 3, review.cardId);
    sqlite3_bind_int(insert.get(), 4, int(review.facet));
    sqlite3_bind_int(insert.get(), 5, int(review.grade));
    if (review.before.phase != Phase::New)
        bindState(insert, 6, review.before);
    store::bindKeptText(store.get(), 1, review.deckFile);
    sqlite3_bind_int(store.get(), 2, review.cardId);
    sqlite3_bind_int(store.get(), 3, int(review.facet));
    bindState(store, 4, review.after);
    for (const sqlite::Statement *statement : {&insert, &store}) {
        if (statement->step() != SQLITE_DONE)
            return history_.fail(context, statement);
    }
    if (byTest) {
        const sqlite::Statement mark(connection, QStringLiteral("INSERT INTO test_grades(review_id) VALUES (?1)"));
        sqlite3_bind_int64(mark.get(), 1, sqlite3_last_insert_rowid(connection));
        if (mark.step() != SQLITE_DONE)
            return history_.fail(context, &mark);
    }
    return true;
}

std::optional<MemoryState> ReviewLog::storedState(const QString &deckFile, int cardId, Facet facet)
{
    const sqlite::Statement query(
        history_.connection(),
        QStringLiteral("SELECT phase, step, stability, difficulty, scheduled_days, last_review, due, reps, lapses "
                       "FROM facets WHERE deck_file = ?1 AND card_id = ?2 AND facet = ?3"));
    store::bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, cardId);
    sqlite3_bind_int(query.get(), 3, int(facet));
    const int rc = query.step();
    if (rc == SQLITE_DONE)
        return MemoryState();
    if (rc != SQLITE_ROW) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the review state"),
                            &query);
        return std::nullopt;
    }
    // A state no grade could have written starts over.
    return readState(query, 0).value_or(MemoryState());
}

bool ReviewLog::recordReview(const ReviewRecord &review)
{
    if (!history_.isOpen())
        return history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "recording the review"));
    if (!history_.exec("BEGIN IMMEDIATE"))
        return history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "recording the review"));
    if (!writeReview(review)) {
        (void)history_.exec("ROLLBACK");
        return false;
    }
    if (!history_.exec("COMMIT")) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "saving the review"));
        (void)history_.exec("ROLLBACK");
        return false;
    }
    return true;
}

bool ReviewLog::undoLastReview(const QString &deckFile, std::optional<ReviewRecord> &undone)
{
    const QString context = QCoreApplication::translate("velmora::progress::HistoryFile", "undoing the review");
    undone.reset();
    if (!history_.isOpen())
        return history_.fail(context);
    sqlite3 *const connection = history_.connection();
    if (!history_.exec("BEGIN IMMEDIATE"))
        return history_.fail(context);
    const auto rollBack = [&](const sqlite::Statement *failed) {
        (void)history_.fail(context, failed);
        (void)history_.exec("ROLLBACK");
        undone.reset();
        return false;
    };
    const sqlite::Statement last(
        connection, QStringLiteral("SELECT id, reviewed, card_id, facet, grade, was_phase, was_step, was_stability, "
                                   "was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, was_lapses "
                                   "FROM reviews WHERE deck_file = ?1 ORDER BY id DESC LIMIT 1"));
    store::bindKeptText(last.get(), 1, deckFile);
    const int rc = last.step();
    if (rc == SQLITE_DONE)
        return history_.exec("COMMIT") || rollBack(nullptr);
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
    const std::optional<MemoryState> before = wasNew ? MemoryState() : readState(last, 5);
    if (!knownFacet(facet) || grade < 1 || grade > 4 || !before) {
        history_.setErrorText(
            QCoreApplication::translate("velmora::progress::HistoryFile", "%1: the latest review is damaged")
                .arg(context));
        (void)history_.exec("ROLLBACK");
        return false;
    }
    review.facet = Facet(facet);
    review.grade = Grade(grade);
    review.before = *before;

    // A grade id freed here is given to the next grade: it must not come
    // back as a test's.
    const sqlite::Statement forget(connection, QStringLiteral("DELETE FROM reviews WHERE id = ?1"));
    sqlite3_bind_int64(forget.get(), 1, id);
    const sqlite::Statement unmark(connection, QStringLiteral("DELETE FROM test_grades WHERE review_id = ?1"));
    sqlite3_bind_int64(unmark.get(), 1, id);
    const sqlite::Statement restore(
        connection,
        wasNew ? QStringLiteral("DELETE FROM facets WHERE deck_file = ?1 AND card_id = ?2 AND facet = ?3")
               : QStringLiteral("INSERT OR REPLACE INTO facets(deck_file, card_id, facet, phase, step, stability, "
                                "difficulty, scheduled_days, last_review, due, reps, lapses) "
                                "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"));
    store::bindKeptText(restore.get(), 1, review.deckFile);
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
    if (!history_.exec("COMMIT"))
        return rollBack(nullptr);
    undone = review;
    return true;
}

std::optional<QVector<FacetState>> ReviewLog::facetStates(const QString &deckFile)
{
    if (!history_.isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        history_.connection(),
        QStringLiteral("SELECT card_id, facet, phase, step, stability, difficulty, scheduled_days, last_review, due, "
                       "reps, lapses FROM facets WHERE deck_file = ?1 LIMIT ?2"));
    store::bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, kMaxFacets);
    QVector<FacetState> states;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const int facet = sqlite3_column_int(query.get(), 1);
        const std::optional<MemoryState> state = readState(query, 2);
        if (knownFacet(facet) && state)
            states.append(FacetState{sqlite3_column_int(query.get(), 0), Facet(facet), *state});
    }
    if (rc != SQLITE_DONE) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the review states"),
                            &query);
        return std::nullopt;
    }
    return states;
}

std::optional<DayCount> ReviewLog::reviewsSince(const QString &deckFile, const QDateTime &since)
{
    if (!history_.isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        history_.connection(), QStringLiteral("SELECT was_phase FROM reviews WHERE reviewed >= ?1 AND deck_file = ?2 "
                                              "AND id NOT IN (SELECT review_id FROM test_grades) LIMIT ?3"));
    sqlite3_bind_int64(query.get(), 1, since.toMSecsSinceEpoch());
    store::bindKeptText(query.get(), 2, deckFile);
    sqlite3_bind_int(query.get(), 3, kMaxFacets);
    DayCount count;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const bool wasNew = sqlite3_column_type(query.get(), 0) == SQLITE_NULL;
        count.count(wasNew ? Phase::New : Phase(std::clamp(sqlite3_column_int(query.get(), 0), 0, 3)));
    }
    if (rc != SQLITE_DONE) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading today's reviews"),
                            &query);
        return std::nullopt;
    }
    return count;
}

std::optional<QVector<FacetDue>> ReviewLog::facetDues(const QString &deckFile)
{
    if (!history_.isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        history_.connection(), QStringLiteral("SELECT card_id, phase, due FROM facets WHERE deck_file = ?1 LIMIT ?2"));
    store::bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int(query.get(), 2, kMaxFacets);
    QVector<FacetDue> dues;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        const int phase = sqlite3_column_int(query.get(), 1);
        if (phase >= int(Phase::Learning) && phase <= int(Phase::Relearning))
            dues.append(
                FacetDue{sqlite3_column_int(query.get(), 0), Phase(phase), sqlite3_column_int64(query.get(), 2)});
    }
    if (rc != SQLITE_DONE) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the review states"),
                            &query);
        return std::nullopt;
    }
    return dues;
}

std::optional<std::vector<LoggedGrade>> ReviewLog::loggedGrades()
{
    if (!history_.isOpen())
        return std::nullopt;
    // In the order written: sorting a year of rows in SQLite would cost more
    // than numbering the facets here (the fit puts each facet's grades in order).
    const sqlite::Statement query(history_.connection(),
                                  QStringLiteral("SELECT deck_file, card_id, facet, reviewed, grade, was_phase IS NULL "
                                                 "FROM reviews LIMIT ?1"));
    sqlite3_bind_int(query.get(), 1, kMaxLoggedGrades);
    std::vector<LoggedGrade> grades;
    QHash<QByteArray, quint64> decks;
    QHash<quint64, int> facets;
    QByteArray deck;
    quint64 deckNumber = 0;
    int rc = SQLITE_ROW;
    while ((rc = query.step()) == SQLITE_ROW) {
        sqlite3_stmt *raw = query.get();
        const int grade = sqlite3_column_int(raw, 4);
        const int facet = sqlite3_column_int(raw, 2);
        if (grade < int(Grade::Again) || grade > int(Grade::Easy) || !knownFacet(facet))
            continue;
        // Rows mostly follow each other within a deck: its name is looked up
        // only when it changes.
        const auto *text = static_cast<const char *>(sqlite3_column_blob(raw, 0));
        const int length = sqlite3_column_bytes(raw, 0);
        if (length != deck.size() || (length > 0 && std::memcmp(text, deck.constData(), size_t(length)) != 0)) {
            deck = QByteArray(text ? text : "", length);
            deckNumber = decks.value(deck, quint64(decks.size()));
            decks.insert(deck, deckNumber);
        }
        const quint64 key = (deckNumber << 34) | (quint64(quint32(sqlite3_column_int(raw, 1))) << 2) | quint64(facet);
        const int number = facets.value(key, int(facets.size()));
        facets.insert(key, number);
        grades.push_back(
            LoggedGrade{number, sqlite3_column_int64(raw, 3), Grade(grade), sqlite3_column_int(raw, 5) != 0});
    }
    if (rc != SQLITE_DONE) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the reviews"),
                            &query);
        return std::nullopt;
    }
    return grades;
}

std::optional<Retention> ReviewLog::retention(const QString &deckFile, const QDateTime &since)
{
    if (!history_.isOpen())
        return std::nullopt;
    const sqlite::Statement query(
        history_.connection(),
        QStringLiteral("SELECT count(*), total(grade <> %1) FROM reviews WHERE (?1 = '' OR deck_file = ?1) "
                       "AND reviewed >= ?2 AND was_phase = %2")
            .arg(int(Grade::Again))
            .arg(int(Phase::Review)));
    store::bindKeptText(query.get(), 1, deckFile);
    sqlite3_bind_int64(query.get(), 2,
                       since.isValid() ? since.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min());
    if (query.step() != SQLITE_ROW) {
        (void)history_.fail(QCoreApplication::translate("velmora::progress::HistoryFile", "reading the reviews"),
                            &query);
        return std::nullopt;
    }
    return Retention{sqlite3_column_int(query.get(), 0), sqlite3_column_int(query.get(), 1)};
}

} // namespace velmora::review
