#include "filebytes.h"
#include "progress/history.h"
#include "progress/testrecorder.h"

#include "learn/testrun.h"
#include "store/backgroundjob.h"
#include "store/dbfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <sqlite3.h>

using namespace velmora::progress;

namespace {

const QDateTime kMonday(QDate(2026, 11, 30), QTime(9, 0));

// Questions "Card <id>" with the given scores out of `maximum`; every
// second one reversed.
TestRecord test(const QString &deckFile, const QDateTime &taken, const QVector<int> &scores, int maximum = 1)
{
    TestRecord record{taken, deckFile, deckFile + QStringLiteral(" deck"), TestKind::Description, 1, {0, 2}, {}};
    for (int i = 0; i < scores.size(); ++i)
        record.questions.append(
            QuestionRecord{i + 1, QStringLiteral("Card %1").arg(i + 1), i % 2 == 1, scores[i], maximum});
    return record;
}

// Runs the statements on a connection of its own: the first column of the
// last row they return, 0 for none, -1 when they fail.
int runSql(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    int value = 0;
    const auto take = [](void *out, int, char **values, char **) {
        *static_cast<int *>(out) = values[0] ? std::atoi(values[0]) : 0;
        return 0;
    };
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, take, &value, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok ? value : -1;
}

} // namespace

class TstHistory : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void recorded_readsBackFilteredAndTallied()
    {
        QFile::remove(path());
        {
            HistoryFile history;
            QVERIFY2(history.open(path()), qPrintable(history.errorText()));
            QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {0, 1, 1})));
            QVERIFY(history.record(test(QStringLiteral("Tutor2.vdk"), kMonday.addDays(1), {1, 1})));
            QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addDays(2), {0, 0, 1})));
            // A keyword question one keyword short is a miss too.
            QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addDays(3), {3, 2, 3}, 3)));
        }
        HistoryFile history;
        QVERIFY(history.open(path()));
        const QVector<DeckEntry> decks = history.decks().value();
        QCOMPARE(decks.size(), 2);
        QCOMPARE(decks[0].deckFile, QStringLiteral("Tutor1.vdk"));

        const HistoryFilter tutor1{QStringLiteral("Tutor1.vdk"), {}};
        const QVector<ScorePoint> points = history.scores(tutor1).value();
        QCOMPARE(points.size(), 3);
        QCOMPARE(points[0].takenMs, kMonday.toMSecsSinceEpoch());
        QVERIFY(points[2].score == 8 && points[2].maximum == 9);
        QCOMPARE(history.scores(HistoryFilter{{}, kMonday.addDays(2)}).value().size(), 2);

        // Card 1 upright missed twice of three; card 2 reversed missed once of
        // three; over the last two tests card 1 missed once of two.
        const QVector<CardTally> all = rankMissedCards(history.cardTallies(tutor1, 100).value());
        QCOMPARE(all.size(), 2);
        QVERIFY(all[0].cardId == 1 && all[0].missed == 2 && all[0].asked == 3);
        QVERIFY(all[1].cardName == QStringLiteral("Card 2") && all[1].reversed);
        const QVector<CardTally> recent = rankMissedCards(history.cardTallies(tutor1, 2).value());
        QCOMPARE(recent[0].cardId, 2);
        QVERIFY(recent[1].missed == 1 && recent[1].asked == 2);

        QStringList rows;
        QCOMPARE(history.forEachQuestion(tutor1,
                                         [&rows](const QuestionRow &row) {
                                             rows.append(QStringLiteral("%1 %2 %3 %4/%5")
                                                             .arg(row.groups)
                                                             .arg(row.position)
                                                             .arg(row.question.cardId)
                                                             .arg(row.question.score)
                                                             .arg(row.question.maximum));
                                         }),
                 9);
        QCOMPARE(rows.first(), QStringLiteral("0,2 1 1 0/1"));
        QCOMPARE(rows.last(), QStringLiteral("0,2 3 3 3/3"));
    }

    void olderLayout_isUpgradedInPlace()
    {
        QFile::remove(path());
        {
            HistoryFile history;
            QVERIFY(history.open(path()) && history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {0})));
        }
        // The first layout: the tables without the indexes.
        QCOMPARE(runSql(path(), "DROP INDEX tests_by_deck; DROP INDEX tests_by_time; DROP TABLE facets; "
                                "DROP TABLE reviews; DROP TABLE readings; DROP TABLE reading_cards; DROP TABLE "
                                "personal_meanings; DROP TABLE test_grades; "
                                "PRAGMA user_version = 1"),
                 0);
        HistoryFile history;
        QVERIFY2(history.open(path()), qPrintable(history.errorText()));
        QCOMPARE(history.cardTallies({}, 10).value().value(0).cardName, QStringLiteral("Card 1"));
        history.close();
        QCOMPARE(runSql(path(), "PRAGMA user_version"), HistoryFile::kSchemaVersion);
        QCOMPARE(runSql(path(), "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE '%_by_%'"), 5);
        QVERIFY(history.open(path()));
    }

    void strangeFiles_areRefusedAndLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("sql"); // run on a fresh SQLite file when bytes is empty
        QTest::addColumn<QString>("said");
        QTest::newRow("not SQLite") << QByteArray("goals,1,2\r\n", 11) + QByteArray(5000, 'x') << QByteArray()
                                    << "damaged";
        QTest::newRow("header then garbage")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff') << QByteArray() << "damaged";
        QTest::newRow("newer layout") << QByteArray() << QByteArray("PRAGMA user_version = 99") << "newer version";
        QTest::newRow("a view") << QByteArray() << QByteArray("CREATE VIEW tests AS SELECT 1") << "damaged";
        // Every column as the program makes it but the rowid alias: this SQLite crashed reading such a file.
        QTest::newRow("id no longer the rowid")
            << QByteArray()
            << QByteArray(
                   "CREATE TABLE tests(id TNIEGER PRIMARY KEY, taken INTEGER NOT NULL, deck_file TEXT NOT NULL, "
                   "deck_name TEXT NOT NULL, kind INTEGER NOT NULL, level INTEGER NOT NULL, groups TEXT NOT NULL, "
                   "score INTEGER NOT NULL, maximum INTEGER NOT NULL); CREATE TABLE questions(test_id INTEGER NOT "
                   "NULL, position INTEGER NOT NULL, card_id INTEGER NOT NULL, card_name TEXT NOT NULL, reversed "
                   "INTEGER NOT NULL, score INTEGER NOT NULL, maximum INTEGER NOT NULL, PRIMARY KEY(test_id, "
                   "position)) WITHOUT ROWID; PRAGMA user_version = 1")
            << "damaged";
        QTest::newRow("damaged pages") << QByteArray() << QByteArray("damage") << "damaged";
        // Every page sound, but the two indexes swapped: each no longer holds
        // its table's rows. This SQLite crashed grouping such a file's tests.
        QTest::newRow("indexes out of step")
            << QByteArray("history")
            << QByteArray("PRAGMA writable_schema = ON; UPDATE sqlite_master SET rootpage = rootpage * 1000 + (SELECT "
                          "rootpage FROM sqlite_master WHERE name = 'tests_by_time') WHERE name = 'tests_by_deck'; "
                          "UPDATE sqlite_master SET rootpage = (SELECT rootpage / 1000 FROM sqlite_master WHERE "
                          "name = 'tests_by_deck') WHERE name = 'tests_by_time'; UPDATE sqlite_master SET "
                          "rootpage = rootpage % 1000 WHERE name = 'tests_by_deck'")
            << "damaged";
        for (const char *special : {"pipe", "device", "dangling"})
            QTest::newRow(special) << QByteArray(special) << QByteArray("special") << "history.db is";
        // A history of someone else's, written through a link laid in the folder.
        QTest::newRow("link elsewhere") << QByteArray() << QByteArray("link") << "link to a file outside";
    }

    void strangeFiles_areRefusedAndLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, sql);
        QFile::remove(path());
        const bool special = sql == "special";
        if (special) {
            QVERIFY(velmora::test::makeSpecialFile(path(), QString::fromLatin1(bytes)));
        } else if (sql == "damage") {
            // Reads of the damaged pages fail, while page 1 and the layout read well.
            HistoryFile history;
            QVERIFY(history.open(path()));
            for (int i = 0; i < 200; ++i)
                QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addSecs(i), QVector<int>(30, 1))));
            history.close();
            QFile file(path());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 40 * 4096);
            for (int page = 10; page < 30; ++page)
                QVERIFY(file.seek(page * 4096) && file.write(QByteArray(4096, '\x55')) == 4096);
        } else if (sql == "link") {
            QDir().mkpath(dir_.filePath(QStringLiteral("elsewhere")));
            const QString target = dir_.filePath(QStringLiteral("elsewhere/theirs.db"));
            HistoryFile theirs;
            QVERIFY(theirs.open(target) && theirs.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1})));
            theirs.close();
            QVERIFY(QFile::link(target, path()));
        } else if (bytes == "history") {
            HistoryFile history;
            QVERIFY(history.open(path()));
            QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1})));
            QVERIFY(history.record(test(QStringLiteral("Tutor2.vdk"), kMonday.addDays(1), {1})));
            history.close();
            QCOMPARE(runSql(path(), sql.constData()), 0);
        } else if (!bytes.isEmpty()) {
            QVERIFY(velmora::test::writeFile(path(), bytes));
        } else {
            QCOMPARE(runSql(path(), sql.constData()), 0);
        }
        const QByteArray kept = special ? QByteArray() : velmora::test::fileBytes(path());
        QVERIFY(special || !kept.isEmpty());

        HistoryFile history;
        QVERIFY(!history.open(path()));
        QFETCH(QString, said);
        QVERIFY2(history.errorText().contains(said), qPrintable(history.errorText()));
        QVERIFY(!history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1})));
        QVERIFY(!history.scores({}));
        if (special) {
            QVERIFY(!QFileInfo::exists(path() + QStringLiteral(".gone")));
            return;
        }
        QCOMPARE(velmora::test::fileBytes(path()), kept);
    }

    // Names from a hostile deck are cut before they are stored; a row an
    // older program stored past the length limit is no damage, and a check
    // that cannot run says why rather than calling the file damaged.
    void hugeTexts_areCutAndAnOversizedRowKeepsTheHistoryUsable()
    {
        QFile::remove(path());
        HistoryFile history;
        QVERIFY(history.open(path()));
        TestRecord huge = test(QStringLiteral("Tutor1.vdk"), kMonday, {1, 0});
        huge.deckName = QString(5'000'000, QLatin1Char('d'));
        huge.questions[0].cardName = QString(5'000'000, QLatin1Char('c'));
        QVERIFY2(history.record(huge), qPrintable(history.errorText()));
        int names = 0;
        QVERIFY(history.forEachQuestion({}, [&names](const QuestionRow &row) {
            names += row.deckName.size() == velmora::store::kTextBound;
            names += row.question.cardName.size() == velmora::store::kTextBound;
        }));
        QCOMPARE(names, 3);
        history.close();

        QCOMPARE(runSql(path(), "UPDATE questions SET card_name = printf('%.*c', 3000000, 'x') WHERE position = 2"), 0);
        QVERIFY2(history.open(path()), qPrintable(history.errorText()));
        QVERIFY2(history.record(test(QStringLiteral("Tutor2.vdk"), kMonday.addDays(1), {1})),
                 qPrintable(history.errorText()));
        QCOMPARE(history.scores({}).value().size(), 2);
    }

    void failedWrite_leavesNothingOfTheTest()
    {
        QFile::remove(path());
        HistoryFile history;
        QVERIFY(history.open(path()));
        QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1, 0})));
        // Another writer holds the file for longer than the history waits.
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(!history.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addDays(1), {0, 0})));
        QVERIFY(history.errorText().contains(QLatin1String("locked")));
        QCOMPARE(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);

        QCOMPARE(history.scores({}).value().size(), 1);
        QCOMPARE(history.forEachQuestion({}, [](const QuestionRow &) {}), std::optional<int>(2));
        QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addDays(1), {0, 0})));
        QCOMPARE(history.scores({}).value().size(), 2);
    }

    // Tests recorded beside the screen thread land in the order given, each
    // told when it is written; a failure is told and the next test is written
    // once the history can be written again; nothing given is lost when the
    // recorder goes while a write is on its way.
    void recorder_keepsOrderToldFailuresAndWritesGivenBeforeItGoes()
    {
        // A file of its own: the folder that stands in its way first must not
        // be left in the other tests' way should this one fail.
        const QString path = dir_.filePath(QStringLiteral("recorded.db"));
        QVERIFY(QDir().mkpath(path));
        const velmora::review::Fsrs fsrs;
        {
            TestRecorder recorder(path);
            QSignalSpy recorded(&recorder, &TestRecorder::recorded);
            recorder.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1}), fsrs, velmora::review::TestFeed::Always);
            QVERIFY(recorder.writing());
            QTRY_COMPARE_WITH_TIMEOUT(recorded.size(), 1, 60000);
            QVERIFY(!recorded.at(0).at(0).toString().isEmpty());
            QVERIFY(!recorder.writing());

            QVERIFY(QDir().rmdir(path));
            for (int day = 1; day <= 3; ++day)
                recorder.record(test(QStringLiteral("Tutor1.vdk"), kMonday.addDays(day), QVector<int>(day, 1)), fsrs,
                                velmora::review::TestFeed::Always);
            recorder.finish();
            QVERIFY(!recorder.writing());
            QCOMPARE(recorded.size(), 3); // the first of the three alone, then the two that waited
            for (int i = 1; i < recorded.size(); ++i)
                QCOMPARE(recorded.at(i).at(0).toString(), QString());
            // The second waits for the first: the recorder's end writes it.
            for (const QString &deck : {QStringLiteral("Tutor2.vdk"), QStringLiteral("Tutor3.vdk")})
                recorder.record(test(deck, kMonday.addDays(4), {0, 1}), fsrs, velmora::review::TestFeed::Always);
        }
        HistoryFile history;
        QVERIFY(history.open(path));
        const QVector<ScorePoint> points = history.scores({}).value();
        QCOMPARE(points.size(), 5);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(points[i].takenMs, kMonday.addDays(i + 1).toMSecsSinceEpoch());
            QCOMPARE(points[i].maximum, i + 1);
        }
        QCOMPARE(points[3].deckFile + points[4].deckFile, QStringLiteral("Tutor2.vdkTutor3.vdk"));
    }

    // Two connections that both find a new file unmade (the test recorder's
    // worker and a window on the screen thread) both make it: the one that
    // waited for the other's upgrade finds it done rather than failing on
    // tables that exist.
    void newFile_openedTwiceAtOnce_isMadeOnceAndBothOpen()
    {
        for (int round = 0; round < 5; ++round) {
            QFile::remove(path());
            sqlite3 *holder = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path()).constData(), &holder), SQLITE_OK);
            // Both read the file's version, then wait here for the write lock.
            QCOMPARE(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
            const auto open = [path = path()] {
                HistoryFile history;
                return history.open(path) ? QString() : history.errorText();
            };
            velmora::BackgroundJob<QString> first(open);
            velmora::BackgroundJob<QString> second(open);
            QThread::msleep(50);
            QCOMPARE(sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(holder);
            QCOMPARE(first.take(), QString());
            QCOMPARE(second.take(), QString());
        }
        HistoryFile history;
        QVERIFY(history.open(path()));
        QVERIFY(history.record(test(QStringLiteral("Tutor1.vdk"), kMonday, {1})));
    }

    void reviews_undoRestoresEachEarlierStateExactly()
    {
        using namespace velmora::review;
        QFile::remove(path());
        HistoryFile history;
        QVERIFY(history.open(path()));
        const Fsrs fsrs;
        const QString deck = QStringLiteral("Tutor1.vdk");
        std::vector<ReviewRecord> grades;
        MemoryState state;
        for (Grade grade : {Grade::Good, Grade::Good, Grade::Again, Grade::Easy}) {
            const QDateTime at = kMonday.addSecs(qint64(grades.size()) * 86400 * 3 + 7);
            grades.push_back(
                ReviewRecord{at, deck, 7, Facet::Reversed, grade, state, fsrs.next(state, at, grade).value()});
            state = grades.back().after;
            QVERIFY2(history.recordReview(grades.back()), qPrintable(history.errorText()));
        }
        QVERIFY(history.recordReview(ReviewRecord{kMonday,
                                                  QStringLiteral("Tutor2.vdk"),
                                                  7,
                                                  Facet::Reversed,
                                                  Grade::Good,
                                                  {},
                                                  fsrs.next({}, kMonday, Grade::Good).value()}));

        std::optional<ReviewRecord> undone;
        while (!grades.empty()) {
            const QVector<FacetState> states = history.facetStates(deck).value();
            QCOMPARE(states.size(), 1);
            QVERIFY(states[0].state == grades.back().after);
            QVERIFY(history.undoLastReview(deck, undone) && undone);
            QCOMPARE(undone->grade, grades.back().grade);
            QVERIFY(undone->before == grades.back().before);
            grades.pop_back();
        }
        QVERIFY(history.facetStates(deck).value().isEmpty());
        QVERIFY(history.undoLastReview(deck, undone) && !undone);

        // Test answers grade as far as a guess could not: all seven keywords of the advanced level are a success,
        // less is a lapse but for a new facet, any right description is no grade. By default a due facet is left
        // for its session; test grades use none of the caps.
        const QString tested = QStringLiteral("Tutor3.vdk");
        const auto advancedKeywords = [&](const QDateTime &taken, const QVector<int> &scores) {
            TestRecord record = test(tested, taken, scores, 7);
            record.kind = TestKind::Keywords;
            record.level = 2;
            return record;
        };
        QVERIFY(history.record(advancedKeywords(kMonday, {7, 7, 7})));
        QVERIFY(history.record(advancedKeywords(kMonday.addDays(1), {7, 3, 0}), fsrs, TestFeed::Always));
        QVERIFY(history.record(advancedKeywords(kMonday.addDays(1).addSecs(3600), {0, 0, 0})));
        QVERIFY(history.record(test(tested, kMonday.addDays(2), {1, 0})));
        QVERIFY(history.record(advancedKeywords(kMonday.addDays(3), {0, 0, 0}), fsrs, TestFeed::Never));
        const DayCount capsUsed = history.reviewsSince(tested, QDateTime()).value();
        QCOMPARE(std::pair(capsUsed.newFacets, capsUsed.reviews), std::pair(0, 0));
        const std::tuple<int, Facet, Grade> expected[] = {
            {1, Facet::Keywords, Grade::Again}, {3, Facet::Keywords, Grade::Again}, {2, Facet::Keywords, Grade::Again},
            {1, Facet::Keywords, Grade::Good},  {3, Facet::Keywords, Grade::Good},  {2, Facet::Keywords, Grade::Good},
            {1, Facet::Keywords, Grade::Good}};
        for (const auto &[card, facet, grade] : expected) {
            QVERIFY(history.undoLastReview(tested, undone) && undone);
            QCOMPARE(std::tuple(undone->cardId, undone->facet, undone->grade), std::tuple(card, facet, grade));
        }
        QVERIFY(history.undoLastReview(tested, undone) && !undone);
        // Retention counts the deck's grades of facets in review since the given moment, in SQL.
        const MemoryState learning = fsrs.next({}, kMonday, Grade::Again).value();
        const MemoryState inReview = fsrs.next({}, kMonday, Grade::Easy).value();
        const QString kept = QStringLiteral("Tutor4.vdk");
        const std::tuple<int, MemoryState, Grade> graded[] = {{-40, inReview, Grade::Again},
                                                              {0, inReview, Grade::Again},
                                                              {0, learning, Grade::Good},
                                                              {0, inReview, Grade::Hard},
                                                              {1, inReview, Grade::Good}};
        for (const auto &[day, before, grade] : graded)
            QVERIFY(history.recordReview({kMonday.addDays(day), kept, 1, Facet::Upright, grade, before, inReview}));
        const Retention recent = history.retention({kept, kMonday.addDays(-30)}).value();
        QCOMPARE(std::pair(recent.reviews, recent.recalled), std::pair(3, 2));
        QCOMPARE(history.retention({{}, kMonday.addDays(-30)})->reviews, 3);

        // Another deck given the other deck's file name later remembers nothing of it.
        QVERIFY(history.retireDeckFile(QStringLiteral("Tutor2.vdk")));
        QVERIFY(history.facetStates(QStringLiteral("Tutor2.vdk")).value().isEmpty());
        QVERIFY(history.undoLastReview(QStringLiteral("Tutor2.vdk"), undone) && !undone);
    }

    // Thirty days of tests every third day, each kind and level in turn, through every answer feeding the
    // review state: a learner who ticks at random builds no memory, one who knows every answer does.
    void testAnswers_buildStabilityOnlyFromKnowledge_data()
    {
        QTest::addColumn<bool>("knows");
        QTest::addColumn<double>("lowestTop");
        QTest::addColumn<double>("highestTop");
        QTest::addRow("ticking at random") << false << 0.0 << 1.0;
        QTest::addRow("knowing every answer") << true << 5.0 << 1000.0;
    }

    void testAnswers_buildStabilityOnlyFromKnowledge()
    {
        using namespace velmora::review;
        QFETCH(bool, knows);
        QFETCH(double, lowestTop);
        QFETCH(double, highestTop);
        QFile::remove(path());
        HistoryFile history;
        QVERIFY(history.open(path()));
        std::mt19937 random(36);
        const QString deck = QStringLiteral("Tutor1.vdk");
        for (int day = 0; day < 30; day += 3) {
            const TestKind kind = day / 3 % 2 == 0 ? TestKind::Keywords : TestKind::Description;
            const int level = day / 3 % 3;
            const velmora::TestLevel offer = velmora::testLevel(level);
            const int maximum = kind == TestKind::Keywords ? offer.keywordsToChoose : 1;
            QVector<int> scores;
            for (int card = 0; card < 78; ++card) {
                int score = maximum;
                if (!knows && kind == TestKind::Keywords) {
                    // The right keywords sit in the first boxes; the ticks fall anywhere.
                    std::vector<int> boxes(size_t(offer.keywordBoxCount));
                    std::iota(boxes.begin(), boxes.end(), 0);
                    std::shuffle(boxes.begin(), boxes.end(), random);
                    score = int(
                        std::count_if(boxes.begin(), boxes.begin() + maximum, [&](int box) { return box < maximum; }));
                } else if (!knows) {
                    const int options = offer.lastAnswer - offer.firstAnswer + 1;
                    score = std::uniform_int_distribution<int>(0, options - 1)(random) == 0 ? 1 : 0;
                }
                scores.append(score);
            }
            TestRecord record = test(deck, kMonday.addDays(day).addSecs(3600 * (day % 5)), scores, maximum);
            record.kind = kind;
            record.level = level;
            QVERIFY(history.record(record, Fsrs(), TestFeed::Always));
        }
        double top = 0.0;
        const std::optional<QList<FacetState>> facets = history.facetStates(deck);
        QVERIFY(facets.has_value());
        for (const FacetState &facet : *facets)
            top = std::max(top, facet.state.stability);
        QVERIFY2(top >= lowestTop && top <= highestTop, qPrintable(QString::number(top)));
    }

    // The clock set back: a test or grade timed before a facet's last review leaves every state as it was.
    void setBackClock_keepsEveryState()
    {
        using namespace velmora::review;
        QFile::remove(path());
        HistoryFile history;
        QVERIFY(history.open(path()));
        const QString deck = QStringLiteral("Tutor1.vdk");
        TestRecord known = test(deck, kMonday, {7, 7, 7}, 7);
        known.kind = TestKind::Keywords;
        known.level = 2;
        QVERIFY(history.record(known, Fsrs(), TestFeed::Always));
        known.taken = kMonday.addDays(3);
        QVERIFY(history.record(known, Fsrs(), TestFeed::Always));
        const QVector<FacetState> before = history.facetStates(deck).value();
        QCOMPARE(before.size(), 3);
        for (const int daysBack : {1, 40}) {
            TestRecord earlier = known;
            earlier.taken = known.taken.addDays(-daysBack);
            earlier.questions[1].score = 0;
            QVERIFY(history.record(earlier, Fsrs(), TestFeed::Always));
            const QVector<FacetState> after = history.facetStates(deck).value();
            QCOMPARE(after.size(), before.size());
            for (int i = 0; i < after.size(); ++i)
                QVERIFY2(after[i].state == before[i].state, qPrintable(QString::number(after[i].state.stability)));
            QVERIFY(!Fsrs().next(before[0].state, earlier.taken, Grade::Good));
        }
        QCOMPARE(history.scores({}).value().size(), 4);
    }

private:
    QString path() const { return dir_.filePath(QStringLiteral("history.db")); }
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TstHistory)
#include "tst_history.moc"
