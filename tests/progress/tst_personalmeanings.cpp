#include "filebytes.h"
#include "progress/history.h"
#include "store/personalmeanings.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

using namespace velmora;
using namespace velmora::progress;
using namespace velmora::test;

namespace {

bool runSql(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

const QDateTime kWhen(QDate(2026, 12, 7), QTime(9, 0));

} // namespace

class TstPersonalMeanings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    [[nodiscard]] QString path() const { return dir_.filePath(QStringLiteral("history.db")); }

private slots:
    void cleanup() { QFile::remove(path()); }

    void keptByDeckAndCardName_replacedForgottenAndBounded()
    {
        QString error;
        QCOMPARE(readPersonalMeanings(path(), QStringLiteral("Rider"), &error).value().size(), 0);
        QVERIFY2(!QFileInfo::exists(path()), "reading alone made a history");

        PersonalMeanings store;
        QVERIFY2(store.open(path()), qPrintable(store.errorText()));
        const QString fool = QStringLiteral("The Fool");
        QVERIFY(store.save(QStringLiteral("Rider"), fool, {QStringLiteral("leap"), QStringLiteral("fall")}, kWhen));
        QVERIFY(store.save(QStringLiteral("Thoth"), fool, {QStringLiteral("air"), QString()}, kWhen));
        QVERIFY(store.save(QStringLiteral("Rider"), fool, {QStringLiteral("trust"), QString()}, kWhen));
        QCOMPARE(store.ofDeck(QStringLiteral("Rider")).value().value(fool),
                 (PersonalMeaning{QStringLiteral("trust"), QString()}));
        QCOMPARE(store.ofDeck(QStringLiteral("Thoth")).value().value(fool).upright, QStringLiteral("air"));

        // One character past the bound is refused whole; the kept text stays.
        const QString full(kMaxPersonalMeaning, QLatin1Char('x'));
        QVERIFY(!store.save(QStringLiteral("Rider"), fool, {full + QLatin1Char('x'), QString()}, kWhen));
        QVERIFY(store.errorText().contains(QStringLiteral("4000")));
        QCOMPARE(store.ofDeck(QStringLiteral("Rider")).value().value(fool).upright, QStringLiteral("trust"));
        QVERIFY(store.save(QStringLiteral("Rider"), fool, {QString(), full}, kWhen));
        QCOMPARE(store.ofDeck(QStringLiteral("Rider")).value().value(fool).reversed, full);

        // Blank on both sides forgets the card, only in its own deck.
        QVERIFY(store.save(QStringLiteral("Rider"), fool, {QStringLiteral("  "), QString()}, kWhen));
        QVERIFY(store.ofDeck(QStringLiteral("Rider")).value().isEmpty());
        QCOMPARE(readPersonalMeanings(path(), QStringLiteral("Thoth")).value().size(), 1);
    }

    void deckMeanings_giveWayToOwnOnesSideBySide()
    {
        Card fool{1, QStringLiteral("The Fool"), 0, QStringLiteral("deck up"), QStringLiteral("deck down"), true};
        Card magician{2, QStringLiteral("The Magician"), 0, QStringLiteral("m up"), QStringLiteral("m down"), true};
        const QVector<Card> cards = withOwnMeanings(
            {fool, magician}, PersonalMeaningMap{{QStringLiteral("The Fool"), {QString(), QStringLiteral("mine")}}});
        QCOMPARE(cards[0].normalMeaning, QStringLiteral("deck up"));
        QCOMPARE(cards[0].reversedMeaning, QStringLiteral("mine"));
        QCOMPARE(cards[1].reversedMeaning, QStringLiteral("m down"));
    }

    void olderHistoryGainsThem_damagedOneIsRefusedAndLeftAlone()
    {
        {
            HistoryFile history;
            QVERIFY(history.open(path()));
        }
        QVERIFY(runSql(path(), "DROP TABLE personal_meanings; DROP TABLE test_grades; PRAGMA user_version = 4;"
                               "INSERT INTO readings VALUES (1, 0, 'Tutor1.vdk', 'Rider', 1, 'kept', '')"));
        {
            PersonalMeanings store;
            QVERIFY2(store.open(path()), qPrintable(store.errorText()));
            QVERIFY(store.save(QStringLiteral("Rider"), QStringLiteral("Sun"), {QStringLiteral("joy"), {}}, kWhen));
        }
        QCOMPARE(readPersonalMeanings(path(), QStringLiteral("Rider")).value().size(), 1);

        // A table of someone else's making, then a file that is no database.
        QVERIFY(runSql(path(), "CREATE TABLE extra(x)"));
        for (const QByteArray &damage : {QByteArray(), QByteArray("not a database at all, just words").repeated(40)}) {
            if (!damage.isEmpty())
                QVERIFY(writeFile(path(), damage));
            const QByteArray before = fileBytes(path());
            QString error;
            QVERIFY(!readPersonalMeanings(path(), QStringLiteral("Rider"), &error));
            QVERIFY2(error.contains(QStringLiteral("left as it is")) || error.contains(QStringLiteral("damaged")),
                     qPrintable(error));
            PersonalMeanings store;
            QVERIFY(!store.open(path()));
            QVERIFY(!store.save(QStringLiteral("Rider"), QStringLiteral("Sun"), {QStringLiteral("x"), {}}, kWhen));
            QCOMPARE(fileBytes(path()), before);
        }
    }
};

QTEST_MAIN(TstPersonalMeanings)
#include "tst_personalmeanings.moc"
