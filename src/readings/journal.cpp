#include "readings/journal.h"

#include "store/dbfile.h"
#include "store/sqlite.h"

#include <QHash>

namespace velmora::readings {

namespace {

void bindKept(const sqlite::Statement &statement, int index, const QString &text, int bound)
{
    store::bindText(statement.get(), index, text.isNull() ? QStringLiteral("") : text.left(bound));
}

QString boundedText(const sqlite::Statement &statement, int column, int bound = store::kTextBound)
{
    return statement.text(column).left(bound);
}

// The reading's own columns, as both writes of a reading number them.
void bindRow(const sqlite::Statement &statement, const Reading &reading)
{
    sqlite3_bind_int64(statement.get(), 1, reading.made.toMSecsSinceEpoch());
    bindKept(statement, 2, reading.deckFile, store::kTextBound);
    bindKept(statement, 3, reading.deckName, store::kTextBound);
    sqlite3_bind_int(statement.get(), 4, int(reading.spread));
    bindKept(statement, 5, reading.question, kMaxQuestion);
    bindKept(statement, 6, reading.interpretation, kMaxInterpretation);
}

// Runs SQL that returns no rows: why it failed, or an empty text.
QString run(sqlite3 *db, const char *sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    const QString why = rc == SQLITE_OK ? QString() : QString::fromUtf8(message ? message : sqlite3_errstr(rc));
    sqlite3_free(message);
    return why;
}

} // namespace

bool Journal::open(const QString &path)
{
    error_.clear();
    if (history_.open(path))
        return true;
    error_ = history_.errorText();
    return false;
}

bool Journal::fail(const QString &context, const QString &why)
{
    error_ = context + QStringLiteral(": ") + why;
    return false;
}

bool Journal::save(Reading &reading)
{
    const QString context = tr("saving the reading");
    sqlite3 *db = history_.connection();
    if (!db)
        return fail(context, tr("the journal is not open"));
    if (const QString why = run(db, "BEGIN IMMEDIATE"); !why.isEmpty())
        return fail(context, why);
    const auto rollBack = [&](const QString &why) {
        (void)run(db, "ROLLBACK");
        return fail(context, why);
    };

    // A held reading is changed in place; one deleted from the journal while
    // its window was open comes back as a new one, never under an id that a
    // later reading may have taken.
    qint64 id = reading.id;
    if (id != 0) {
        const sqlite::Statement update(db, QStringLiteral("UPDATE readings SET made = ?1, deck_file = ?2, "
                                                          "deck_name = ?3, spread = ?4, question = ?5, "
                                                          "interpretation = ?6 WHERE id = ?7"));
        bindRow(update, reading);
        sqlite3_bind_int64(update.get(), 7, id);
        if (update.step() != SQLITE_DONE)
            return rollBack(update.errorText());
        if (sqlite3_changes(db) == 0)
            id = 0;
    }
    if (id == 0) {
        const sqlite::Statement insert(db, QStringLiteral("INSERT INTO readings(made, deck_file, deck_name, spread, "
                                                          "question, interpretation) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));
        bindRow(insert, reading);
        if (insert.step() != SQLITE_DONE)
            return rollBack(insert.errorText());
        id = sqlite3_last_insert_rowid(db);
    }

    const sqlite::Statement clear(db, QStringLiteral("DELETE FROM reading_cards WHERE reading_id = ?1"));
    sqlite3_bind_int64(clear.get(), 1, id);
    if (clear.step() != SQLITE_DONE)
        return rollBack(clear.errorText());
    const sqlite::Statement card(db, QStringLiteral("INSERT INTO reading_cards(reading_id, position, card_id, "
                                                    "card_name, reversed, keywords, meaning) "
                                                    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    for (int position = 0; position < reading.cards.size(); ++position) {
        const ReadingCard &drawn = reading.cards[position];
        card.reset();
        sqlite3_bind_int64(card.get(), 1, id);
        sqlite3_bind_int(card.get(), 2, position);
        sqlite3_bind_int(card.get(), 3, drawn.cardId);
        bindKept(card, 4, drawn.name, store::kTextBound);
        sqlite3_bind_int(card.get(), 5, drawn.reversed ? 1 : 0);
        bindKept(card, 6, drawn.keywords, store::kTextBound);
        bindKept(card, 7, drawn.meaning, store::kTextBound);
        if (card.step() != SQLITE_DONE)
            return rollBack(card.errorText());
    }
    if (const QString why = run(db, "COMMIT"); !why.isEmpty())
        return rollBack(why);
    reading.id = id;
    return true;
}

bool Journal::remove(qint64 id)
{
    const QString context = tr("deleting the reading");
    sqlite3 *db = history_.connection();
    if (!db)
        return fail(context, tr("the journal is not open"));
    if (const QString why = run(db, "BEGIN IMMEDIATE"); !why.isEmpty())
        return fail(context, why);
    for (const char *sql : {"DELETE FROM reading_cards WHERE reading_id = ?1", "DELETE FROM readings WHERE id = ?1"}) {
        const sqlite::Statement step(db, QString::fromLatin1(sql));
        sqlite3_bind_int64(step.get(), 1, id);
        if (step.step() != SQLITE_DONE) {
            (void)run(db, "ROLLBACK");
            return fail(context, step.errorText());
        }
    }
    if (const QString why = run(db, "COMMIT"); !why.isEmpty()) {
        (void)run(db, "ROLLBACK");
        return fail(context, why);
    }
    return true;
}

std::optional<QVector<Reading>> Journal::list()
{
    return select(0, false);
}

std::optional<QVector<Reading>> Journal::all()
{
    return select(0, true);
}

std::optional<Reading> Journal::reading(qint64 id)
{
    std::optional<QVector<Reading>> found = select(id, true);
    if (!found || found->isEmpty())
        return std::nullopt;
    return found->first();
}

std::optional<QVector<Reading>> Journal::select(qint64 id, bool withCards)
{
    const QString context = tr("reading the journal");
    sqlite3 *db = history_.connection();
    if (!db) {
        (void)fail(context, tr("the journal is not open"));
        return std::nullopt;
    }
    // ?1 = 0 takes every reading.
    const sqlite::Statement rows(db, QStringLiteral("SELECT id, made, deck_file, deck_name, spread, question, "
                                                    "interpretation FROM readings WHERE ?1 = 0 OR id = ?1 "
                                                    "ORDER BY made DESC, id DESC LIMIT ?2"));
    sqlite3_bind_int64(rows.get(), 1, id);
    sqlite3_bind_int(rows.get(), 2, kMaxReadings);
    QVector<Reading> readings;
    QHash<qint64, int> indexOfId;
    int rc = SQLITE_ROW;
    while ((rc = rows.step()) == SQLITE_ROW) {
        const std::optional<Spread> spread = spreadFromNumber(sqlite3_column_int(rows.get(), 4));
        if (!spread)
            continue; // a row no save wrote
        Reading reading;
        reading.id = sqlite3_column_int64(rows.get(), 0);
        reading.made = QDateTime::fromMSecsSinceEpoch(sqlite3_column_int64(rows.get(), 1));
        reading.deckFile = boundedText(rows, 2);
        reading.deckName = boundedText(rows, 3);
        reading.spread = *spread;
        reading.question = boundedText(rows, 5, kMaxQuestion);
        reading.interpretation = boundedText(rows, 6, kMaxInterpretation);
        indexOfId.insert(reading.id, int(readings.size()));
        readings.append(std::move(reading));
    }
    if (rc != SQLITE_DONE) {
        (void)fail(context, rows.errorText());
        return std::nullopt;
    }
    if (!withCards)
        return readings;
    const sqlite::Statement cards(db, QStringLiteral("SELECT reading_id, position, card_id, card_name, reversed, "
                                                     "keywords, meaning FROM reading_cards WHERE ?1 = 0 OR "
                                                     "reading_id = ?1 ORDER BY reading_id, position LIMIT ?2"));
    sqlite3_bind_int64(cards.get(), 1, id);
    sqlite3_bind_int(cards.get(), 2, kMaxReadings * int(Spread::FiveCards));
    while ((rc = cards.step()) == SQLITE_ROW) {
        const auto found = indexOfId.constFind(sqlite3_column_int64(cards.get(), 0));
        if (found == indexOfId.constEnd())
            continue;
        Reading &reading = readings[*found];
        // Positions are written from 0 without a gap: any other is damage.
        if (sqlite3_column_int(cards.get(), 1) != reading.cards.size() || reading.cards.size() >= int(reading.spread))
            continue;
        reading.cards.append(ReadingCard{sqlite3_column_int(cards.get(), 2), boundedText(cards, 3),
                                         sqlite3_column_int(cards.get(), 4) != 0, boundedText(cards, 5),
                                         boundedText(cards, 6)});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(context, cards.errorText());
        return std::nullopt;
    }
    return readings;
}

std::optional<QVector<DrawnCard>> Journal::drawnSince(const QDateTime &since)
{
    sqlite3 *db = history_.connection();
    if (!db) {
        (void)fail(tr("reading the journal"), tr("the journal is not open"));
        return std::nullopt;
    }
    // The local day from SQLite, once per row, is far cheaper than a time
    // zone lookup in Qt for each of thousands of rows.
    const sqlite::Statement rows(db, QStringLiteral("SELECT date(r.made / 1000, 'unixepoch', 'localtime'), r.spread, "
                                                    "c.position, c.card_name, c.reversed "
                                                    "FROM readings r JOIN reading_cards c ON c.reading_id = r.id "
                                                    "WHERE r.made >= ?1 ORDER BY r.made LIMIT ?2"));
    sqlite3_bind_int64(rows.get(), 1, since.toMSecsSinceEpoch());
    sqlite3_bind_int(rows.get(), 2, kMaxReadings * int(Spread::FiveCards));
    QVector<DrawnCard> drawn;
    // The same name comes back thousands of times: one shared copy each.
    QHash<QString, QString> names;
    QString lastDayText;
    QDate lastDay;
    int rc = SQLITE_ROW;
    while ((rc = rows.step()) == SQLITE_ROW) {
        const std::optional<Spread> spread = spreadFromNumber(sqlite3_column_int(rows.get(), 1));
        const int position = sqlite3_column_int(rows.get(), 2);
        if (!spread || position < 0 || position >= int(*spread))
            continue;
        const QString read = boundedText(rows, 3);
        const QString &name = *names.insert(read, names.value(read, read));
        const QString dayText = rows.text(0);
        if (dayText != lastDayText) {
            lastDayText = dayText;
            lastDay = QDate::fromString(dayText, Qt::ISODate);
        }
        drawn.append(DrawnCard{lastDay, *spread, position, name, sqlite3_column_int(rows.get(), 4) != 0});
    }
    if (rc != SQLITE_DONE) {
        (void)fail(tr("reading the journal"), rows.errorText());
        return std::nullopt;
    }
    return drawn;
}

std::optional<QSet<QDate>> Journal::practiceDays(const QDateTime &since)
{
    sqlite3 *db = history_.connection();
    if (!db) {
        (void)fail(tr("reading the journal"), tr("the journal is not open"));
        return std::nullopt;
    }
    // Local days as SQLite counts them, so a year of grades comes back as at
    // most a few hundred rows.
    const sqlite::Statement rows(db, QStringLiteral("SELECT date(made / 1000, 'unixepoch', 'localtime') FROM readings "
                                                    "WHERE made >= ?1 UNION SELECT date(reviewed / 1000, 'unixepoch', "
                                                    "'localtime') FROM reviews WHERE reviewed >= ?1"));
    sqlite3_bind_int64(rows.get(), 1, since.toMSecsSinceEpoch());
    QSet<QDate> days;
    int rc = SQLITE_ROW;
    while ((rc = rows.step()) == SQLITE_ROW)
        days.insert(QDate::fromString(rows.text(0), Qt::ISODate));
    if (rc != SQLITE_DONE) {
        (void)fail(tr("reading the journal"), rows.errorText());
        return std::nullopt;
    }
    return days;
}

std::optional<QSet<qint64>> Journal::readingsWithCard(const QString &cardName)
{
    sqlite3 *db = history_.connection();
    if (!db) {
        (void)fail(tr("reading the journal"), tr("the journal is not open"));
        return std::nullopt;
    }
    const sqlite::Statement rows(
        db, QStringLiteral("SELECT DISTINCT reading_id FROM reading_cards WHERE card_name = ?1 LIMIT ?2"));
    store::bindText(rows.get(), 1, cardName.isNull() ? QStringLiteral("") : cardName);
    sqlite3_bind_int(rows.get(), 2, kMaxReadings);
    QSet<qint64> ids;
    int rc = SQLITE_ROW;
    while ((rc = rows.step()) == SQLITE_ROW)
        ids.insert(sqlite3_column_int64(rows.get(), 0));
    if (rc != SQLITE_DONE) {
        (void)fail(tr("reading the journal"), rows.errorText());
        return std::nullopt;
    }
    return ids;
}

} // namespace velmora::readings
