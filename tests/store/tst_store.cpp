#include "dbwriter.h"
#include "filebytes.h"
#include "sampledeck.h"
#include "testhome.h"

#include "store/catalog.h"
#include "store/cipherkey.h"
#include "store/dbfile.h"
#include "store/deck.h"
#include "store/integrity.h"
#include "store/openahead.h"
#include "store/paths.h"
#include "store/pictures.h"
#include "store/readahead.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using velmora::test::TestHome;

namespace {

const QString kDeck = QStringLiteral("tutor/Tutor1.vdk");

QStringList sevenSlots(const QString &stem)
{
    QStringList slotTexts;
    for (int i = 1; i <= kSlotsPerCard; ++i)
        slotTexts.append(stem + QString::number(i));
    return slotTexts;
}

bool makeDeck(const TestHome &home)
{
    home.makeFolders();
    return home.createCatalog() && home.createDeck(kDeck) &&
           test::writeCards(home.filePath(kDeck), {test::plainCard(1), test::plainCard(2), test::plainCard(3)});
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    // A fresh program folder with a deck of three plain cards; the tests that
    // need another deck make their own.
    void init()
    {
        home_.reset(); // the old home restores VELMORA_HOME as it goes, so it goes first
        home_ = std::make_unique<TestHome>();
        QVERIFY(makeDeck(*home_));
    }

    void open_refusesWithTheReasonAndWritesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("failure");
        const int damaged = int(OpenFailure::Damaged);
        const int notOurs = int(OpenFailure::NotOurs);
        const int unsafe = int(OpenFailure::Unsafe);
        QTest::newRow("missing file") << "missing" << int(OpenFailure::Missing);
        QTest::newRow("zero bytes") << "empty" << damaged;
        QTest::newRow("plain SQLite file") << "plain" << damaged;
        QTest::newRow("random bytes") << "garbage" << damaged;
        QTest::newRow("other password") << "otherkey" << damaged;
        QTest::newRow("a folder") << "folder" << damaged;
        QTest::newRow("no deck tables") << "notables" << notOurs;
        QTest::newRow("column missing") << "nocolumn" << notOurs;
        QTest::newRow("card ID twice") << "duplicate" << notOurs;
        QTest::newRow("card with six slots") << "sixslots" << notOurs;
        QTest::newRow("trigger") << "trigger" << unsafe;
        QTest::newRow("view") << "view" << unsafe;
        QTest::newRow("link out of the folder") << "link" << unsafe;
    }

    void open_refusesWithTheReasonAndWritesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(int, failure);
        QString path = home_->filePath(QStringLiteral("tutor/Tutor2.vdk"));
        if (kind == QLatin1String("empty")) {
            QVERIFY(test::writeFile(path, {}));
        } else if (kind == QLatin1String("garbage")) {
            QVERIFY(test::writeFile(path, QByteArray(8192, '\x5a')));
        } else if (kind == QLatin1String("plain") || kind == QLatin1String("otherkey")) {
            sqlite3 *raw = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
            if (kind == QLatin1String("otherkey"))
                QCOMPARE(sqlite3_key(raw, "another password", 16), SQLITE_OK);
            QCOMPARE(sqlite3_exec(raw, "CREATE TABLE tblCards (ID INTEGER)", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(raw);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("notables")) {
            QVERIFY(dbwriter::createDatabase(path, {QStringLiteral("CREATE TABLE other (x TEXT)")}));
        } else if (kind == QLatin1String("link")) {
            path = home_->filePath(QStringLiteral("tutor/Tutor5.vdk"));
            QVERIFY(QFile::copy(home_->filePath(kDeck), home_->filePath(QStringLiteral("elsewhere.vdk"))));
            QVERIFY(QFile::link(home_->filePath(QStringLiteral("elsewhere.vdk")), path));
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(QFile::copy(home_->filePath(kDeck), path));
            const QMap<QString, QString> sql{
                {QStringLiteral("nocolumn"), QStringLiteral("ALTER TABLE tblKeywords RENAME TO old;"
                                                            "CREATE TABLE tblKeywords (id INTEGER, CardID SMALLINT);")},
                {QStringLiteral("duplicate"), QStringLiteral("UPDATE tblCards SET ID = 1 WHERE ID = 2")},
                {QStringLiteral("sixslots"), QStringLiteral("DELETE FROM tblKeywords WHERE id = 10")},
                {QStringLiteral("trigger"), QStringLiteral("CREATE TRIGGER t AFTER UPDATE ON tblCards BEGIN "
                                                           "DELETE FROM tblKeywords; END")},
                {QStringLiteral("view"), QStringLiteral("CREATE VIEW v AS SELECT * FROM tblCards")},
            };
            QVERIFY(test::rawExec(path, sql.value(kind)));
        }
        const QByteArray before = test::fileBytes(path);

        for (Access access : {Access::ReadOnly, Access::ReadWrite}) {
            Deck deck;
            QVERIFY(!deck.open(path, access));
            QVERIFY(!deck.isOpen());
            QCOMPARE(int(deck.failure()), failure);
            QVERIFY(!deck.errorText().isEmpty());
            QVERIFY2(!deck.saveCard(Card{1, QStringLiteral("x"), 0, {}, {}, false}, sevenSlots(QStringLiteral("x"))),
                     "a refused deck takes no write");
        }
        QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));
        QCOMPARE(test::fileBytes(path), before);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
    }

    void files_areEncryptedAndByteCopiesOpen()
    {
        QFile file(home_->filePath(kDeck));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3") && !bytes.contains("Card 1"));
        const QString copy = home_->filePath(QStringLiteral("tutor/Tutor2.vdk"));
        QVERIFY(QFile::copy(home_->filePath(kDeck), copy));
        Deck deck;
        QVERIFY2(deck.open(copy), qPrintable(deck.errorText()));
        QCOMPARE(deck.cards().value_or(QVector<Card>()).size(), 3);
    }

    // Each file has a salt of its own, so a key kept for the wrong file would
    // make the next opening of the other refuse it as damaged.
    void openings_deriveEachFilesKeyOnceAheadOfTheScreen()
    {
        const QString first = home_->filePath(kDeck);
        const QString second = home_->filePath(QStringLiteral("tutor/Tutor2.vdk"));
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor2.vdk")));
        QVERIFY(test::writeCards(second, {test::plainCard(7), test::plainCard(8)}));
        store::closeIdleConnections();
        const int before = store::keysDerived();
        {
            store::OpenAhead ahead;
            ahead.decks({first, second, home_->filePath(QStringLiteral("tutor/Missing.vdk"))});
            QVERIFY(ahead.waitIdle());
        }
        // Writing the cards may have derived them already; none twice.
        const int ahead = store::keysDerived();
        QVERIFY(ahead <= before + 2);

        // Without a kept connection, only the kept keys can spare the derivation.
        store::closeIdleConnections();
        const QString copy = home_->filePath(QStringLiteral("tutor/Tutor3.vdk"));
        QVERIFY(QFile::copy(first, copy));
        for (const auto &[path, ids] : {std::pair{second, QVector<int>{7, 8}}, std::pair{first, QVector<int>{1, 2, 3}},
                                        std::pair{copy, QVector<int>{1, 2, 3}}}) {
            Deck deck;
            QVERIFY2(deck.open(path), qPrintable(deck.errorText()));
            QVector<int> read;
            for (const Card &card : deck.cards().value_or(QVector<Card>()))
                read.append(card.id);
            QCOMPARE(read, ids);
            store::closeIdleConnections();
        }
        QCOMPARE(store::keysDerived(), ahead);
    }

    void reads_giveCardsInIdOrderAndSlotsPerCard()
    {
        TestHome home;
        home.makeFolders();
        QVERIFY(home.createDeck(kDeck));
        QList<test::SampleCard> cards{test::plainCard(5, 2), test::plainCard(1, 0), test::plainCard(2, 1)};
        cards[1].keywords[2] = QString(); // a slot without value
        QVERIFY(test::writeCards(home.filePath(kDeck), cards));
        Deck deck;
        QVERIFY(deck.open(home.filePath(kDeck)));
        QVector<int> ids;
        for (const Card &card : deck.cards().value_or(QVector<Card>()))
            ids.append(card.id);
        QCOMPARE(ids, (QVector<int>{1, 2, 5}));
        const auto some = deck.cardsInGroups({0, 2});
        QVERIFY(some && some->size() == 2 && some->at(0).id == 1 && some->at(1).id == 5);
        QCOMPARE(some->at(1).normalMeaning, QStringLiteral("normal 5"));
        QCOMPARE(deck.keywords(2), std::optional<QStringList>(sevenSlots(QStringLiteral("k2-"))));
        QCOMPARE(deck.keywords(1)->at(2), QString());
        const auto allSlots = deck.keywordSlots();
        QVERIFY(allSlots && allSlots->size() == 21);
        QStringList slotsOfCard2;
        for (const KeywordSlot &slot : *allSlots) {
            if (slot.cardId == 2)
                slotsOfCard2.append(slot.keyword);
        }
        QCOMPARE(slotsOfCard2, sevenSlots(QStringLiteral("k2-")));
        QCOMPARE(deck.hasMissingKeyword(), std::optional<bool>(true));
        QCOMPARE(deck.hasEmptyKeywordField(), std::optional<bool>(false));

        // Rows moved within the resolution of the file's time stamp: where a
        // connection found them only guides the next, which reads what is there.
        const QByteArray path = QFile::encodeName(home.filePath(kDeck));
        struct stat before
        {};
        QVERIFY(::stat(path.constData(), &before) == 0);
        QVERIFY(test::rawExec(QFile::decodeName(path),
                              QStringLiteral("DELETE FROM tblKeywords WHERE CardID = 2; "
                                             "INSERT INTO tblKeywords (id, CardID, keyword, cardname) "
                                             "SELECT id, 2, 'n' || keyword, cardname FROM tblKeywords "
                                             "WHERE CardID = 5 ORDER BY rowid")));
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
        QCOMPARE(QFileInfo(QFile::decodeName(path)).size(), qint64(before.st_size));
        for (int pass = 0; pass < 2; ++pass) {
            Deck again;
            QVERIFY(again.open(QFile::decodeName(path)));
            QCOMPARE(again.keywords(2), std::optional<QStringList>(sevenSlots(QStringLiteral("nk5-"))));
        }
    }

    // The IDs are kept per state of the file: whatever changed the file since,
    // another connection or this one, the next read sees it.
    void cardIds_followTheFileAsItChanges()
    {
        const QString path = home_->filePath(kDeck);
        const auto idsOf = [](Deck &deck) {
            QVector<int> ids;
            for (const Card &card : deck.cards().value_or(QVector<Card>()))
                ids.append(card.id);
            return ids;
        };
        Deck reader;
        QVERIFY(reader.open(path));
        QCOMPARE(reader.cardIds(), std::optional<QVector<int>>(idsOf(reader)));
        reader.close();
        Deck writer;
        QVERIFY(writer.open(path, Access::ReadWrite));
        QVERIFY(writer.appendCards({Card{7, QStringLiteral("Seven"), 0, {}, {}, false}},
                                   {sevenSlots(QStringLiteral("s"))}));
        QCOMPARE(writer.cardIds(), std::optional<QVector<int>>({1, 2, 3, 7}));
        QVERIFY(writer.truncateCards(2));
        QCOMPARE(writer.cardIds(), std::optional<QVector<int>>({1, 2}));
        writer.close();
        QVERIFY(reader.open(path));
        QCOMPARE(reader.cardIds(), std::optional<QVector<int>>({1, 2}));
        reader.close();
        // Changed behind the program's back, as another copy of it would; the
        // stamp's time is the system's coarse one, so the change is dated apart.
        QVERIFY(test::rawExec(path, QStringLiteral("UPDATE tblCards SET ID = 9 WHERE ID = 2;"
                                                   "UPDATE tblKeywords SET CardID = 9 WHERE CardID = 2")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addSecs(7), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(reader.open(path));
        QCOMPARE(reader.cardIds(), std::optional<QVector<int>>({1, 9}));
        QCOMPARE(reader.cardIds(), std::optional<QVector<int>>(idsOf(reader)));
    }

    // A crafted deck once froze the window for minutes with a 10 MB keyword: what
    // reaches a screen is cut at a bound far beyond any real text.
    void texts_areReadUpToABound()
    {
        QVERIFY(test::rawExec(
            home_->filePath(kDeck),
            QStringLiteral("UPDATE tblCards SET normalmeaning = printf('%.*c', 5000000, 'm') WHERE ID = 1;"
                           "UPDATE tblKeywords SET keyword = printf('%.*c', 10000000, 'k') "
                           "WHERE id = 1")));
        Deck deck;
        QVERIFY(deck.open(home_->filePath(kDeck)));
        const auto cards = deck.cards();
        QVERIFY(cards && cards->first().normalMeaning.size() == store::kTextBound);
        QCOMPARE(cards->at(1).normalMeaning, QStringLiteral("normal 2"));
        QCOMPARE(deck.keywords(1)->first().size(), store::kTextBound);
    }

    void saveCard_writesRowAndSevenSlotsTogether()
    {
        Deck deck;
        QVERIFY(deck.open(home_->filePath(kDeck), Access::ReadWrite));
        const Card card{2, QStringLiteral("The Moon"), 3, QStringLiteral("up"), QStringLiteral("down"), false};
        QVERIFY2(deck.saveCard(card, sevenSlots(QStringLiteral("moon "))), qPrintable(deck.errorText()));

        Deck reader;
        QVERIFY(reader.open(home_->filePath(kDeck)));
        const Card read = reader.cards()->at(1);
        QCOMPARE(read.name, card.name);
        QCOMPARE(read.group, 3);
        QCOMPARE(read.reversedMeaning, QStringLiteral("down"));
        QCOMPARE(reader.keywords(2), std::optional<QStringList>(sevenSlots(QStringLiteral("moon "))));
        QCOMPARE(reader.keywords(1), std::optional<QStringList>(sevenSlots(QStringLiteral("k1-"))));
        QVERIFY(!deck.saveCard(card, QStringList{QStringLiteral("only one")}));
    }

    // A failed save reports why and leaves the file as before, so the values on
    // screen are all that changed and can be saved again.
    void failedWrite_leavesNothingOfIt()
    {
        Deck deck;
        QVERIFY(deck.open(home_->filePath(kDeck), Access::ReadWrite));
        const QByteArray before = test::fileBytes(home_->filePath(kDeck));
        QVector<QStringList> slotLists{sevenSlots(QStringLiteral("a")), QStringList{QStringLiteral("short")}};
        QVERIFY(!deck.appendCards(
            {Card{4, QStringLiteral("Four"), 0, {}, {}, false}, Card{5, QStringLiteral("Five"), 0, {}, {}, false}},
            slotLists));
        QVERIFY(!deck.errorText().isEmpty());
        QCOMPARE(deck.cards()->size(), 3);
        QCOMPARE(test::fileBytes(home_->filePath(kDeck)), before);
        QVERIFY(
            !deck.saveCard(Card{9, QStringLiteral("No such card"), 0, {}, {}, false}, sevenSlots(QStringLiteral("x"))));
        QCOMPARE(test::fileBytes(home_->filePath(kDeck)), before);

        // The same write goes through once the cause is gone.
        slotLists[1] = sevenSlots(QStringLiteral("b"));
        QVERIFY(deck.appendCards(
            {Card{4, QStringLiteral("Four"), 0, {}, {}, false}, Card{5, QStringLiteral("Five"), 0, {}, {}, false}},
            slotLists));
        QCOMPARE(deck.cards()->size(), 5);

        // A deck opened for reading takes no write.
        Deck reader;
        QVERIFY(reader.open(home_->filePath(kDeck)));
        const QByteArray now = test::fileBytes(home_->filePath(kDeck));
        QVERIFY(!reader.savePicture(1, QByteArrayLiteral("BM")) && !reader.errorText().isEmpty());
        QCOMPARE(test::fileBytes(home_->filePath(kDeck)), now);
    }

    // A process killed inside a write leaves a hot journal; a read-only open
    // alone cannot roll it back and took the deck for damaged.
    void killedWrite_isRolledBackByTheNextReadOnlyOpen()
    {
        const QString path = home_->filePath(kDeck);
        const pid_t child = ::fork();
        if (child == 0) {
            sqlite3 *db = nullptr;
            sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
            sqlite3_key(db, "Q8Lmt5vNxe2rrH6p73", 18);
            // A small cache spills changed pages into the file before the commit.
            sqlite3_exec(db,
                         "PRAGMA cache_size = 2; BEGIN IMMEDIATE;"
                         " UPDATE tblCards SET Name = 'half written', PictureData = zeroblob(500000)",
                         nullptr, nullptr, nullptr);
            ::_exit(0); // with the write open, as a kill leaves it
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(QFile::exists(path + QStringLiteral("-journal")));
        Deck deck;
        QVERIFY2(deck.open(path, Access::ReadOnly), qPrintable(deck.errorText()));
        QCOMPARE(deck.cards()->at(0).name, QStringLiteral("Card 1"));
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void heldByAnotherProgram_isBusyNotDamaged_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("lock");
        const QByteArray exclusive("BEGIN EXCLUSIVE");
        QTest::newRow("opening the catalog") << "catalog" << exclusive;
        QTest::newRow("opening a deck") << "open" << exclusive;
        QTest::newRow("reading an open deck") << "read" << exclusive;
        QTest::newRow("whole-file check") << "check" << exclusive;
        QTest::newRow("write while another program reads")
            << "write" << QByteArray("BEGIN; SELECT count(*) FROM tblCards");
    }

    // Another program's lock says nothing of the file, and the reason of an
    // earlier failure of the connection is not the reason of this one.
    void heldByAnotherProgram_isBusyNotDamaged()
    {
        QFETCH(QString, step);
        QFETCH(QByteArray, lock);
        const QString deckPath = home_->filePath(kDeck);
        const QString path = step == QLatin1String("catalog") ? paths::catalogDatabase() : deckPath;
        Deck deck;
        QVERIFY(deck.open(deckPath, Access::ReadWrite));
        QVERIFY(!deck.saveKeywordSlot(1, 9, QStringLiteral("x"), QStringLiteral("x")));
        const QString earlier = deck.errorText();
        QString text;
        {
            const test::HeldLock held(path, lock.constData());
            Catalog catalog;
            Deck other;
            if (step == QLatin1String("catalog") || step == QLatin1String("open")) {
                const bool isCatalog = step == QLatin1String("catalog");
                QVERIFY(isCatalog ? !catalog.open() : !other.open(path));
                QCOMPARE(isCatalog ? catalog.failure() : other.failure(), OpenFailure::Busy);
                text = isCatalog ? catalog.errorText() : other.errorText();
            } else if (step == QLatin1String("check")) {
                text = deckFileIntegrityProblem(path);
            } else {
                QVERIFY(step == QLatin1String("read")
                            ? !deck.hasMissingKeyword()
                            : !deck.saveCardFields({1, "Renamed", 0, {}, {}, false}, kCardName));
                text = deck.errorText();
            }
        }
        QVERIFY2(text.endsWith(QLatin1String(" is in use by another program; try again.")), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("damaged")) && !text.contains(earlier), qPrintable(text));
        QCOMPARE(deckFileIntegrityProblem(deckPath), QString());
        QCOMPARE(deck.cards()->first().name, QStringLiteral("Card 1"));
    }

    // A deck change of several writes (header, then cards) that fails, or dies,
    // part way keeps none of them.
    void writesTogether_areStoredAllOrNone()
    {
        Deck deck;
        QVERIFY(deck.open(home_->filePath(kDeck), Access::ReadWrite));
        const DeckHeader header{QStringLiteral("Renamed"), 2, {}, {}, {}};
        QVERIFY(!deck.writeTogether([&] {
            return deck.saveHeader(header) && deck.truncateCards(2) &&
                   deck.appendCards({Card{9, QStringLiteral("nine"), 0, {}, {}, false}},
                                    {QStringList{QStringLiteral("one slot")}});
        }));
        QCOMPARE(deck.header()->deckName, QString());
        QCOMPARE(deck.cards()->size(), 3);
        QVERIFY(deck.writeTogether([&] { return deck.saveHeader(header) && deck.truncateCards(2); }));
        QCOMPARE(deck.header()->deckName, QStringLiteral("Renamed"));
        QCOMPARE(deck.cards()->size(), 2);
        QCOMPARE(deck.keywordSlots()->size(), 2 * kSlotsPerCard); // a dropped card takes its slots
        QVERIFY(
            deck.appendCards({Card{3, QStringLiteral("Card 3"), 0, {}, {}, false}}, {sevenSlots(QStringLiteral("n"))}));
        deck.close();
        // The changed deck still passes every check.
        QVERIFY(deck.open(home_->filePath(kDeck)));
        QCOMPARE(deck.keywords(3), std::optional<QStringList>(sevenSlots(QStringLiteral("n"))));
    }

    void header_andTypeStamp_roundTrip()
    {
        Deck deck;
        QVERIFY(deck.open(home_->filePath(kDeck), Access::ReadWrite));
        QCOMPARE(deck.header()->deckName, QString()); // the template has no header row
        DeckHeader header{QStringLiteral("Marigold"), 78, QStringLiteral("Ann"), QString(), QStringLiteral("Create")};
        QVERIFY(deck.saveHeader(header));
        header.deckName = QStringLiteral("Marigold II");
        QVERIFY(deck.saveHeader(header));
        QCOMPARE(deck.header()->deckName, QStringLiteral("Marigold II"));
        QVERIFY(deck.header()->password.isNull());
        QVERIFY(deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), true}));
        QVERIFY(deck.typeStamp()->isDefault);
    }

    void catalog_keepsRowOrderEditsByRowAndRemembersOnePick()
    {
        Catalog catalog;
        QVERIFY(catalog.open(Access::ReadWrite));
        for (const char *name : {"Twin", " Twin ", "Other"})
            QVERIFY(
                catalog.addDeck(QLatin1String(name), QStringLiteral("Tutor%1.vdk").arg(catalog.decks()->size() + 1)));
        const QVector<CatalogEntry> added = catalog.decks().value_or(QVector<CatalogEntry>());
        QVERIFY(catalog.renameDeck(added[1].rowid, QStringLiteral("Second")));
        QVERIFY(catalog.removeDeck(added[0].rowid));
        QVERIFY(!catalog.removeDeck(added[0].rowid));
        QStringList rows;
        const QVector<CatalogEntry> decks = catalog.decks().value_or(QVector<CatalogEntry>());
        for (const CatalogEntry &entry : decks)
            rows.append(entry.deckName + QLatin1Char('=') + entry.dbName + (entry.isComplete ? "" : "?"));
        QCOMPARE(rows, (QStringList{"Second=Tutor2.vdk", "Other=Tutor3.vdk"}));

        // One pick is remembered, the last.
        QVERIFY(!catalog.pick());
        QVERIFY(catalog.rememberPick({QStringLiteral("A"), QStringLiteral("Tutor1.vdk"), QStringLiteral("A"), 0}));
        QVERIFY(catalog.rememberPick({QStringLiteral("B"), QStringLiteral("Tutor2.vdk"), QStringLiteral("B"), 4}));
        QCOMPARE(catalog.pick()->database + QString::number(catalog.pick()->cardPosition),
                 QStringLiteral("Tutor2.vdk4"));
        QCOMPARE(test::rawText(paths::catalogDatabase(), QStringLiteral("SELECT count(*) FROM tblUpdateDeck")),
                 QStringLiteral("1"));

        // A catalog that cannot be read says so.
        QVERIFY(QFile::remove(paths::catalogDatabase()));
        Catalog lost;
        QVERIFY(!lost.open());
        QCOMPARE(lost.failure(), OpenFailure::Missing);
    }

    void nextDeckFileName_followsLastRowAndSkipsTakenNames_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("filesPresent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("after Tutor9") << QStringList{"Tutor1.vdk", "Tutor9.vdk"}
                                      << QStringList{"Tutor1.vdk", "Tutor9.vdk"} << "Tutor10.vdk";
        QTest::newRow("odd name would give Tutor1")
            << QStringList{"Tutor1.vdk", "Mine.vdk"} << QStringList{"Tutor1.vdk"} << "Tutor2.vdk";
        QTest::newRow("next name already a file")
            << QStringList{"Tutor1.vdk", "Tutor2.vdk"}
            << QStringList{"Tutor1.vdk", "Tutor2.vdk", "Tutor3.vdk", "Tutor4.vdk"} << "Tutor5.vdk";
        QTest::newRow("empty catalog") << QStringList{} << QStringList{"Tutor1.vdk"} << "Tutor2.vdk";
        QTest::newRow("absurd number") << QStringList{"Tutor99999999999999999999.vdk"} << QStringList{"Tutor1.vdk"}
                                       << "Tutor2.vdk";
    }

    void nextDeckFileName_followsLastRowAndSkipsTakenNames()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, filesPresent);
        QFETCH(QString, expected);
        TestHome home;
        home.makeFolders();
        QVERIFY(home.createCatalog());
        for (const QString &name : rows)
            QVERIFY(test::addCatalogRow(QStringLiteral("Deck"), name));
        for (const QString &name : filesPresent) {
            QFile file(paths::deckDatabase(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(NextDeckFileName(), expected);
    }

    void lenientNumber_readsLeadingNumber()
    {
        const QList<std::pair<QString, double>> cases = {{"12", 12.0}, {"   7", 7.0}, {"12abc", 12.0}, {"3.5x", 3.5},
                                                         {"abc", 0.0}, {"", 0.0},     {"-4", -4.0}};
        for (const auto &[text, number] : cases)
            QCOMPARE(lenientNumber(text), number);
    }

    void readAheadAndWarmer_giveADirectReadsPicture()
    {
        TestHome home;
        home.makeFolders();
        QVERIFY(home.createDeck(kDeck));
        QVERIFY(test::writeCards(home.filePath(kDeck), test::fullDeck(QSize(40, 70)).mid(0, 3)));
        Deck deck;
        QVERIFY(deck.open(home.filePath(kDeck)));
        PictureReadAhead ahead;
        ahead.setDeck(home.filePath(kDeck));
        ahead.start(2, QSize(20, 35));
        QVERIFY(!ahead.take(3, QSize(20, 35)));
        const std::optional<QImage> early = ahead.take(2, QSize(20, 35));
        QVERIFY(early && !early->isNull());
        QCOMPARE(*early, decodePicture(deck.picture(2), QSize(20, 35)));
        QVERIFY(!ahead.take(2, QSize(20, 35))); // taken once
        // A box that grew or shrank since the read began gets no picture of
        // the old size, and a read for the new size starts over.
        ahead.start(2, QSize(20, 35));
        ahead.start(2, QSize(30, 52));
        QVERIFY(!ahead.take(2, QSize(20, 35)));
        ahead.start(2, QSize(20, 35));
        ahead.start(2, QSize(30, 52));
        const std::optional<QImage> grown = ahead.take(2, QSize(30, 52));
        QVERIFY(grown);
        QCOMPARE(*grown, decodePicture(deck.picture(2), QSize(30, 52)));
        QVERIFY(grown->size() != early->size());
        ahead.start(3, QSize(20, 35)); // left running as its owner goes

        PictureWarmer warmer;
        warmer.start(home.filePath(kDeck), {1, 2, 3}, QSize(20, 35));
        warmer.prefer(3);
        std::optional<QImage> warm;
        QTRY_VERIFY_WITH_TIMEOUT(warm || (warm = warmer.take(3, QSize(20, 35))), 60000);
        QCOMPARE(*warm, decodePicture(deck.picture(3), QSize(20, 35)));
        QVERIFY(!warmer.take(3, QSize(20, 35)));
        // Card 1 is read before card 2, the last in line: once 2 is there, a
        // box of another size is refused 1 while its own size gets it.
        std::optional<QImage> last;
        QTRY_VERIFY_WITH_TIMEOUT(last || (last = warmer.take(2, QSize(20, 35))), 60000);
        QVERIFY(!warmer.take(1, QSize(30, 52)));
        QVERIFY(warmer.take(1, QSize(20, 35)));
        // A card added once the list is read through is read all the same.
        QTRY_VERIFY_WITH_TIMEOUT(!warmer.waiting(2), 60000);
        warmer.add(3);
        warm.reset();
        QTRY_VERIFY_WITH_TIMEOUT(warm || (warm = warmer.take(3, QSize(20, 35))), 60000);
        QCOMPARE(*warm, decodePicture(deck.picture(3), QSize(20, 35)));
        warmer.start(home.filePath(kDeck), {1, 2, 3}, QSize(20, 35)); // left running as its owner goes
    }

private:
    std::unique_ptr<TestHome> home_;
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
