#include "roaddata.h"

#include "deckhome.h"
#include "photolike.h"
#include "progress/history.h"
#include "review/fsrs.h"
#include "sampledeck.h"

#include "goals/goalsfile.h"
#include "store/pictures.h"

#include <QFile>

#include <limits>
#include <random>
#include <sqlite3.h>

namespace velmora::stalls {

using namespace velmora::test;

namespace {

class Db
{
public:
    explicit Db(const QString &path) { sqlite3_open(QFile::encodeName(path).constData(), &db_); }
    ~Db() { sqlite3_close(db_); }
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;
    bool run(const char *sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
        statements_.push_back(statement);
        return statement;
    }
    void finish()
    {
        for (sqlite3_stmt *statement : statements_)
            sqlite3_finalize(statement);
        statements_.clear();
    }

private:
    sqlite3 *db_ = nullptr;
    std::vector<sqlite3_stmt *> statements_;
};

void step(sqlite3_stmt *statement)
{
    sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

bool photoDeck(const QString &dbName, const QString &name, int photos, bool compact)
{
    QList<SampleCard> cards;
    // Eight different photos, repeated: what the windows do with a picture
    // does not depend on what it shows.
    QVector<QByteArray> pictures;
    for (int seed = 0; seed < std::min(photos, 8); ++seed) {
        const QImage image = photoLike(seed + 1);
        pictures.append(compact ? encodedPicture(image, "jpeg", 92) : bmpFileBytes(image));
    }
    for (int id = 1; id <= photos; ++id) {
        SampleCard card = plainCard(id, id <= 22 ? 0 : 1 + (id - 23) / 14);
        card.picture = pictures[(id - 1) % pictures.size()];
        cards.append(card);
    }
    if (!dbwriter::createDeckDatabase(paths::deckDatabase(dbName)))
        return false;
    Deck deck;
    return deck.open(paths::deckDatabase(dbName), Access::ReadWrite) &&
           deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), false}) &&
           deck.saveHeader({name, photos, {}, {}, QStringLiteral("Create")}) && addCards(deck, cards) &&
           addCatalogRow(name, dbName);
}

void bindState(sqlite3_stmt *statement, int first, const review::MemoryState &state)
{
    sqlite3_bind_int(statement, first, int(state.phase));
    sqlite3_bind_int(statement, first + 1, state.step);
    sqlite3_bind_double(statement, first + 2, state.stability);
    sqlite3_bind_double(statement, first + 3, state.difficulty);
    sqlite3_bind_int(statement, first + 4, state.scheduledDays);
    sqlite3_bind_int64(statement, first + 5, state.lastReview.toMSecsSinceEpoch());
    sqlite3_bind_int64(statement, first + 6, state.due.toMSecsSinceEpoch());
    sqlite3_bind_int(statement, first + 7, state.reps);
    sqlite3_bind_int(statement, first + 8, state.lapses);
}

// A learner who sits down at 9:00 each day, takes every due facet and the
// day's new ones of the large deck, and recalls with the model's chance.
void yearOfReviews(Db &db, int cards, int days, const QDateTime &now)
{
    using namespace velmora::review;
    const int facets = 3 * cards;
    const int newPerDay = std::max(1, facets * 5 / (days * 6));
    sqlite3_stmt *grade =
        db.prepare("INSERT INTO reviews(reviewed, deck_file, card_id, facet, grade, was_phase, was_step, "
                   "was_stability, was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, "
                   "was_lapses) VALUES (?1, 'Tutor1.vdk', ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
    const Fsrs fsrs;
    std::mt19937_64 chance(2026);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<MemoryState> states(static_cast<size_t>(facets));
    std::vector<qint64> dueMs(size_t(facets), std::numeric_limits<qint64>::max());
    int met = 0;
    const QDateTime firstDay = now.addDays(-days);
    for (int day = 0; day < days; ++day) {
        const QDateTime session(firstDay.date().addDays(day), QTime(9, 0));
        const qint64 dayEnd = QDateTime(session.date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
        for (int i = 0; i < std::min(facets, met + newPerDay); ++i) {
            if (i < met && dueMs[size_t(i)] >= dayEnd)
                continue;
            MemoryState &state = states[size_t(i)];
            QDateTime at = session;
            do {
                if (state.due.isValid() && state.due > at)
                    at = state.due;
                const double recall = state.phase == Phase::New ? 0.6 : fsrs.retrievability(state, at);
                const double roll = uniform(chance);
                const Grade answer = roll >= recall ? Grade::Again
                                     : roll < 0.1   ? Grade::Easy
                                     : roll < 0.2   ? Grade::Hard
                                                    : Grade::Good;
                const MemoryState after = fsrs.next(state, at, answer).value();
                sqlite3_bind_int64(grade, 1, at.toMSecsSinceEpoch());
                sqlite3_bind_int(grade, 2, i / 3 + 1);
                sqlite3_bind_int(grade, 3, i % 3);
                sqlite3_bind_int(grade, 4, int(answer));
                if (state.phase != Phase::New)
                    bindState(grade, 5, state);
                step(grade);
                state = after;
                at = at.addSecs(8);
            } while (state.due.toMSecsSinceEpoch() < dayEnd);
            dueMs[size_t(i)] = state.due.toMSecsSinceEpoch();
        }
        met = std::min(facets, met + newPerDay);
    }
    sqlite3_stmt *facet = db.prepare("INSERT INTO facets VALUES('Tutor1.vdk', ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                                     "?10, ?11)");
    for (int i = 0; i < std::min(facets, met); ++i) {
        sqlite3_bind_int(facet, 1, i / 3 + 1);
        sqlite3_bind_int(facet, 2, i % 3);
        bindState(facet, 3, states[size_t(i)]);
        step(facet);
    }
}

// Tests of 78 questions on the large deck, two hours apart, ending a day ago.
void tests(Db &db, int count, const QDateTime &now)
{
    sqlite3_stmt *test = db.prepare("INSERT INTO tests VALUES(?1, ?2, 'Tutor1.vdk', 'Large deck', ?3, 1, "
                                    "'0,1,2,3,4', ?4, 390)");
    sqlite3_stmt *question = db.prepare("INSERT INTO questions VALUES(?1, ?2, ?3, ?4, ?5, ?6, 5)");
    const qint64 last = now.addDays(-1).toMSecsSinceEpoch();
    for (int t = 1; t <= count; ++t) {
        sqlite3_bind_int(test, 1, t);
        sqlite3_bind_int64(test, 2, last - qint64(count - t) * 2 * 3600 * 1000);
        sqlite3_bind_int(test, 3, t % 2);
        sqlite3_bind_int(test, 4, 200 + t % 190);
        step(test);
        for (int q = 1; q <= 78; ++q) {
            const QByteArray name = "Card " + QByteArray::number(q);
            sqlite3_bind_int(question, 1, t);
            sqlite3_bind_int(question, 2, q);
            sqlite3_bind_int(question, 3, q);
            sqlite3_bind_text(question, 4, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(question, 5, (t + q) % 2);
            sqlite3_bind_int(question, 6, (t * 7 + q * 13) % 6);
            step(question);
        }
    }
}

// Readings of three cards, six hours apart, ending now.
void readings(Db &db, int count, const QDateTime &now)
{
    sqlite3_stmt *reading = db.prepare("INSERT INTO readings VALUES(?1, ?2, 'Tutor1.vdk', 'Large deck', 3, ?3, ?4)");
    sqlite3_stmt *card = db.prepare("INSERT INTO reading_cards VALUES(?1, ?2, ?3, ?4, 0, 'one, two, three', ?5)");
    const qint64 last = now.toMSecsSinceEpoch();
    const QByteArray meaning = QByteArray("A meaning of a few sentences, as decks write them. ").repeated(6);
    for (int r = 1; r <= count; ++r) {
        const QByteArray question = "What does week " + QByteArray::number(r) + " ask of me at work?";
        const QByteArray interpretation =
            QByteArray("The past card speaks of effort, the present of rest, the future of a choice. ").repeated(4);
        sqlite3_bind_int(reading, 1, r);
        sqlite3_bind_int64(reading, 2, last - qint64(count - r) * 6 * 3600 * 1000);
        sqlite3_bind_text(reading, 3, question.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(reading, 4, interpretation.constData(), -1, SQLITE_TRANSIENT);
        step(reading);
        for (int position = 0; position < 3; ++position) {
            const int id = (r * 7 + position * 11) % 78 + 1;
            const QByteArray name = "Card " + QByteArray::number(id);
            sqlite3_bind_int(card, 1, r);
            sqlite3_bind_int(card, 2, position);
            sqlite3_bind_int(card, 3, id);
            sqlite3_bind_text(card, 4, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(card, 5, meaning.constData(), -1, SQLITE_STATIC);
            step(card);
        }
    }
}

goals::GoalTable goalTable(int count)
{
    goals::GoalTable table;
    for (int i = 0; i < count; ++i)
        table.append({QStringLiteral("Goal number %1 of the long list").arg(i), QDate(2026, 3, 1).addDays(i % 300),
                      QDate(2026, 6, 1).addDays(i % 300),
                      QStringLiteral("A description, with a comma,\nand a second line for goal %1").arg(i), i % 3 == 0,
                      qint16(i % 101)});
    return table;
}

} // namespace

bool layDownRoadData(const RoadSizes &sizes, const QString &reviewNow, QString *why)
{
    const auto fail = [why](const char *what) {
        *why = QString::fromLatin1(what);
        return false;
    };
    QList<SampleCard> cards;
    for (int id = 1; id <= sizes.cards; ++id)
        cards.append(plainCard(id, id % 5));
    if (!dbwriter::createDeckDatabase(paths::deckDatabase(QStringLiteral("Tutor1.vdk"))) ||
        !writeCards(paths::deckDatabase(QStringLiteral("Tutor1.vdk")), cards) ||
        !addCatalogRow(QStringLiteral("Large deck"), QStringLiteral("Tutor1.vdk")))
        return fail("could not write the large deck");
    {
        Deck deck;
        if (!deck.open(paths::deckDatabase(QStringLiteral("Tutor1.vdk")), Access::ReadWrite) ||
            !deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), true}) ||
            !deck.saveHeader({QStringLiteral("Large deck"), sizes.cards, {}, {}, QStringLiteral("Create")}))
            return fail("could not write the large deck's header");
    }
    if (!photoDeck(QStringLiteral("Tutor2.vdk"), QString::fromLatin1(kCompactDeckName), sizes.photos, true) ||
        !photoDeck(QStringLiteral("Tutor3.vdk"), QString::fromLatin1(kBmpDeckName), sizes.photos, false))
        return fail("could not write the photo decks");

    const QDateTime now = QDateTime::fromString(reviewNow, Qt::ISODate);
    const QString historyPath = progress::historyPath();
    {
        progress::HistoryFile history;
        if (!history.open(historyPath))
            return fail("could not create the history");
    }
    Db db(historyPath);
    if (!db.run("BEGIN"))
        return fail("could not begin the history");
    tests(db, sizes.tests, now);
    yearOfReviews(db, sizes.cards, sizes.reviewDays, now);
    readings(db, sizes.readings, now);
    db.finish();
    if (!db.run("COMMIT"))
        return fail("could not fill the history");
    if (goals::writeGoals(goals::goalsFilePath(), goalTable(sizes.goals)).failed())
        return fail("could not write the goals");
    return true;
}

} // namespace velmora::stalls
