#include "progress/history.h"
#include "readings/journal.h"

#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace velmora::readings;
using velmora::progress::HistoryFile;

namespace {

Reading threeCards(const QString &question, const QDateTime &made)
{
    Reading reading{0,
                    made,
                    QStringLiteral("Tutor1.vdk"),
                    QStringLiteral("Rider"),
                    Spread::ThreeCards,
                    question,
                    QStringLiteral("Patience."),
                    {}};
    for (int i = 1; i <= 3; ++i)
        reading.cards.append({i, QStringLiteral("Card %1").arg(i), i == 2, QStringLiteral("k%1").arg(i),
                              QStringLiteral("meaning %1").arg(i)});
    return reading;
}

bool runSql(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace

class TstJournal : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    [[nodiscard]] QString path() const { return dir_.filePath(QStringLiteral("history.db")); }

private slots:
    void init() { QFile::remove(path()); }

    void saved_readsBackNewestFirst_outlivesItsDeck_andIsDeleted()
    {
        const QDateTime monday(QDate(2026, 11, 30), QTime(9, 0));
        Journal journal;
        QVERIFY2(journal.open(path()), qPrintable(journal.errorText()));
        Reading older = threeCards(QStringLiteral("Older"), monday);
        Reading newer = threeCards(QStringLiteral("Newer"), monday.addDays(1));
        QVERIFY(journal.save(older) && journal.save(newer));
        QVERIFY(older.id != 0 && newer.id != older.id);
        // Saved again on close: the same reading, not a second one.
        older.interpretation = QStringLiteral("Changed my mind.");
        older.cards.removeLast();
        QVERIFY(journal.save(older));

        QVERIFY(HistoryFile::kSchemaVersion == 6);
        {
            HistoryFile history;
            QVERIFY(history.open(path()) && history.retireDeckFile(QStringLiteral("Tutor1.vdk")));
        }
        const QVector<Reading> list = journal.list().value();
        QCOMPARE(list.size(), 2);
        QVERIFY(list[0].question == QStringLiteral("Newer") && list[0].cards.isEmpty());
        const Reading back = journal.reading(older.id).value();
        QCOMPARE(back.interpretation, QStringLiteral("Changed my mind."));
        QCOMPARE(back.cards.size(), 2);
        QVERIFY(back.cards[1].reversed && back.cards[1].meaning == QStringLiteral("meaning 2"));
        // The deck is gone: its name no longer names a deck file, the texts stay.
        QVERIFY(back.deckFile.startsWith(QStringLiteral("Tutor1.vdk/")));
        QCOMPARE(back.deckName, QStringLiteral("Rider"));

        QVERIFY(journal.remove(older.id));
        QCOMPARE(journal.all().value().size(), 1);
        QVERIFY(!journal.reading(older.id));
        // Deleted while its window stays open, whose save must not take the
        // id a later reading was given.
        QVERIFY(journal.remove(newer.id));
        Reading later = threeCards(QStringLiteral("Later"), monday.addDays(2));
        QVERIFY(journal.save(later) && journal.save(newer));
        QCOMPARE(journal.reading(later.id).value().question, QStringLiteral("Later"));
        QCOMPARE(journal.list().value().size(), 2);
    }

    void previousLayout_gainsTheJournal_andDamagedRowsAreLeftOut()
    {
        {
            HistoryFile history;
            QVERIFY(history.open(path()));
        }
        QVERIFY(runSql(
            path(),
            "DROP TABLE personal_meanings; DROP TABLE test_grades; DROP TABLE reading_cards; DROP TABLE readings;"
            "PRAGMA user_version = 3"));
        Journal journal;
        QVERIFY2(journal.open(path()), qPrintable(journal.errorText()));
        Reading reading = threeCards(QStringLiteral("Q"), QDateTime(QDate(2026, 12, 1), QTime(8, 0)));
        QVERIFY(journal.save(reading));
        journal.close();
        QVERIFY(runSql(path(), "INSERT INTO readings VALUES (99, 0, 'x', 'y', 7, '', '');"
                               "UPDATE reading_cards SET position = 5 WHERE position = 2"));
        QVERIFY(journal.open(path()));
        const QVector<Reading> all = journal.all().value();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all[0].cards.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstJournal)
#include "tst_journal.moc"
