#include "dbwriter.h"
#include "testhome.h"

#include "store/database.h"
#include "store/paths.h"
#include "store/sqlite.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using velmora::test::TestHome;

namespace {

const QString kDeck = QStringLiteral("tutor/Tutor1.vdk");

// A deck with a header and type stamp; card k is in group groups[k-1] and gets
// keyword slots 7(k-1)+1..7k with the keywords "kw<k>-<slot>", except that
// card 3 leaves its last two slots empty. Cards are added in the given order.
bool fillDeck(const QString &path, const QList<int> &groups, QList<int> order = {})
{
    if (order.isEmpty())
        for (int k = 1; k <= groups.size(); ++k)
            order.append(k);
    Database db;
    ResultSet cards, keywords, header, type;
    if (!OpenDatabase(db, path) || !OpenResultSet(cards, db, QStringLiteral("Select * from tblCards")) ||
        !OpenResultSet(keywords, db, QStringLiteral("Select * from tblKeywords")) ||
        !OpenResultSet(header, db, QStringLiteral("Select * from tblDeckNames")) ||
        !OpenResultSet(type, db, QStringLiteral("Select * from tblType")) || !db.beginTransaction())
        return false;
    header.addNew();
    header.setField(QStringLiteral("deckname"), QStringLiteral("Deck"));
    type.addNew();
    type.setField(QStringLiteral("software"), QStringLiteral("Tutor"));
    for (int k : order) {
        cards.addNew();
        cards.setField(QStringLiteral("ID"), k);
        cards.setField(QStringLiteral("Name"), QStringLiteral("Card %1").arg(k));
        cards.setField(QStringLiteral("Group"), groups[k - 1]);
        if (!cards.update())
            return false;
        for (int slot = 1; slot <= 7; ++slot) {
            keywords.addNew();
            keywords.setField(QStringLiteral("id"), 7 * (k - 1) + slot);
            keywords.setField(QStringLiteral("CardID"), k);
            keywords.setField(QStringLiteral("keyword"), k == 3 && slot > 5
                                                             ? QString(QLatin1String(""))
                                                             : QStringLiteral("kw%1-%2").arg(k).arg(slot));
        }
    }
    return keywords.update() && header.update() && type.update() && db.commitTransaction();
}

QStringList column(ResultSet &rs, const QString &name)
{
    QStringList values;
    for (rs.moveFirst(); !rs.isEof(); rs.moveNext())
        values.append(rs.field(name).toString());
    return values;
}

QStringList repeated(std::initializer_list<std::pair<int, int>> runs)
{
    QStringList values;
    for (const auto &[value, count] : runs)
        for (int i = 0; i < count; ++i)
            values.append(QString::number(value));
    return values;
}

// A fresh deck of the given groups, opened on "Select * from tblCards".
bool openCards(const TestHome &home, Database &db, ResultSet &rs, const QList<int> &groups)
{
    home.makeFolders();
    return home.createDeck(kDeck) && fillDeck(home.filePath(kDeck), groups) && OpenDatabase(db, home.filePath(kDeck)) &&
           OpenResultSet(rs, db, QStringLiteral("Select * from tblCards"));
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void connectionString_hasTheDriverForm();
    void open_refusesWhatIsNoDeckDatabase_data();
    void open_refusesWhatIsNoDeckDatabase();
    void files_areEncryptedAndByteCopiesOpen();
    void systemSql_runsUnchanged_data();
    void systemSql_runsUnchanged();
    void sql_outsideTheDialectFails();
    void moves_followTheCursorRules();
    void assignment_staysPendingUntilUpdateOrMove();
    void addNew_isSavedByUpdateOrMove_andDiscardedByRelease();
    void remove_deletesAtOnceAndNextGoesOn();
    void filter_restrictsUntilCleared();
    void chunks_replaceThenAppend();
    void lenientNumber_readsLeadingNumber();
    void nextDeckFileName_followsLastRowAndSkipsTakenNames_data();
    void nextDeckFileName_followsLastRowAndSkipsTakenNames();
};

void TestDatabase::connectionString_hasTheDriverForm()
{
    QCOMPARE(connectionStringFor(QStringLiteral("/x/update.vdk")),
             QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);UID=;PWD=Q8Lmt5vNxe2rrH6p73;DBQ=/x/update.vdk"));
    // A path with a semicolon still reaches the driver whole.
    TestHome home;
    QVERIFY(home.createCatalog(QStringLiteral("a;b.vdk")));
    Database db;
    QVERIFY(db.open(connectionStringFor(home.filePath(QStringLiteral("a;b.vdk")))));
}

void TestDatabase::open_refusesWhatIsNoDeckDatabase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("zero bytes") << "empty";
    QTest::newRow("plain SQLite file") << "plain";
    QTest::newRow("random bytes") << "garbage";
    QTest::newRow("other password") << "otherkey";
    QTest::newRow("no deck or catalog tables") << "notables";
    QTest::newRow("a folder") << "folder";
}

void TestDatabase::open_refusesWhatIsNoDeckDatabase()
{
    QFETCH(QString, kind);
    TestHome home;
    home.makeFolders();
    QString path = home.filePath(QStringLiteral("x.vdk"));
    if (kind == QLatin1String("empty")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("plain") || kind == QLatin1String("otherkey")) {
        sqlite3 *raw = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
        sqlite::Connection connection(raw);
        if (kind == QLatin1String("otherkey"))
            QCOMPARE(sqlite3_key(raw, "another password", 16), SQLITE_OK);
        QVERIFY(connection.exec("CREATE TABLE tblStoreDeck (deckname TEXT); CREATE TABLE tblUpdateDeck (Name TEXT)"));
    } else if (kind == QLatin1String("garbage")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x5a'));
    } else if (kind == QLatin1String("notables")) {
        QVERIFY(dbwriter::createDatabase(path, {QStringLiteral("CREATE TABLE other (x TEXT)")}));
    } else if (kind == QLatin1String("folder")) {
        path = paths::deckFolder();
    }
    const qint64 sizeBefore = QFileInfo(path).size();

    Database db;
    QVERIFY(!OpenDatabase(db, path));
    QVERIFY(!db.isOpen());
    QVERIFY(!db.errorText().isEmpty());
    ResultSet rs;
    QVERIFY(!OpenResultSet(rs, db, QStringLiteral("Select * from tblStoreDeck")));
    // Nothing was created or written by the failed open.
    QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));
    QCOMPARE(QFileInfo(path).size(), sizeBefore);
}

void TestDatabase::files_areEncryptedAndByteCopiesOpen()
{
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck) && fillDeck(home.filePath(kDeck), {0, 1}));
    QFile file(home.filePath(kDeck));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("SQLite format 3") && !bytes.contains("Card 1"));
    QVERIFY(QFile::copy(home.filePath(kDeck), home.filePath(QStringLiteral("tutor/Tutor2.vdk"))));

    Database copy;
    ResultSet cards;
    QVERIFY(OpenDatabase(copy, home.filePath(QStringLiteral("tutor/Tutor2.vdk"))));
    QVERIFY(OpenResultSet(cards, copy, QStringLiteral("Select * from tblCards")));
    QCOMPARE(column(cards, QStringLiteral("name")), QStringList({"Card 1", "Card 2"}));
}

void TestDatabase::systemSql_runsUnchanged_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("expected");
    const auto names = [](std::initializer_list<int> ids) {
        QStringList list;
        for (int id : ids)
            list.append(QStringLiteral("Card %1").arg(id));
        return list;
    };
    QTest::newRow("cards, any case") << "SELECT * FROM tblCards"
                                     << "name" << names({5, 1, 2, 3, 4});
    QTest::newRow("deck header") << "Select * from tblDeckNames"
                                 << "deckname" << QStringList{QStringLiteral("Deck")};
    QTest::newRow("type stamp") << "Select * from tblType"
                                << "software" << QStringList{QStringLiteral("Tutor")};
    QTest::newRow("slots of card 3, empty ones included")
        << "SELECT DISTINCT * FROM tblKeywords WHERE CardID=3"
        << "keyword" << QStringList{"kw3-1", "kw3-2", "kw3-3", "kw3-4", "kw3-5", QString(), QString()};
    QTest::newRow("slots of other cards") << "SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=3"
                                          << "CardID" << repeated({{5, 7}, {1, 7}, {2, 7}, {4, 7}});
    QTest::newRow("groups in ID order")
        << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=2) OR (Group=4) ORDER BY ID"
        << "Name" << names({1, 3, 5});
    QTest::newRow("no card of the group") << "SELECT * FROM tblCards WHERE (Group=4) ORDER BY ID"
                                          << "Name" << QStringList();
}

void TestDatabase::systemSql_runsUnchanged()
{
    QFETCH(QString, sql);
    QFETCH(QString, field);
    QFETCH(QStringList, expected);
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    // Card 5 is added first: rows come back in the order added, not by ID.
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 1, 2, 3, 0}, {5, 1, 2, 3, 4}));

    Database db;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    ResultSet rs;
    QVERIFY2(OpenResultSet(rs, db, sql), qPrintable(rs.errorText()));
    QCOMPARE(rs.recordCount(), expected.size());
    QCOMPARE(column(rs, field), expected);
}

void TestDatabase::sql_outsideTheDialectFails()
{
    TestHome home;
    QVERIFY(home.createCatalog());
    Database db;
    QVERIFY(OpenDatabase(db, home.filePath(QStringLiteral("update.vdk"))));
    ResultSet rs;
    for (const char *sql : {"Select * from tblNothing", "Select * from tblStoreDeck WHERE nosuchfield=1",
                            "DELETE FROM tblStoreDeck", "Select * from tblStoreDeck; DROP TABLE tblStoreDeck"})
        QVERIFY2(!OpenResultSet(rs, db, QString::fromLatin1(sql)), sql);
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("select * from TBLSTOREDECK")));
    QVERIFY(rs.isOpen());
}

void TestDatabase::moves_followTheCursorRules()
{
    TestHome home;
    Database db;
    ResultSet rs;
    QVERIFY(openCards(home, db, rs, {0, 0, 0, 0}));
    QCOMPARE(rs.recordCount(), 4);
    // Where each move lands, "!" when it said it did not: an ID, or BOF / EOF with no field to read.
    const auto at = [&rs](bool moved) {
        const QVariant id = rs.field(QStringLiteral("ID"));
        const QString where = id.isValid() ? id.toString()
                              : rs.isBof() ? QStringLiteral("BOF")
                              : rs.isEof() ? QStringLiteral("EOF")
                                           : QStringLiteral("nowhere");
        return moved ? where : QLatin1Char('!') + where;
    };
    const QStringList trail{at(true),          at(rs.move(2)),     at(rs.movePrevious()), at(rs.moveLast()),
                            at(rs.moveNext()), at(rs.moveFirst()), at(rs.movePrevious()), at(rs.moveFirst()),
                            at(rs.move(10))};
    QCOMPARE(trail, QStringList({"1", "3", "2", "4", "!EOF", "1", "!BOF", "1", "!EOF"}));

    ResultSet none;
    QVERIFY(OpenResultSet(none, db, QStringLiteral("SELECT * FROM tblCards WHERE (Group=4) ORDER BY ID")));
    QCOMPARE(none.recordCount(), 0);
    QVERIFY(none.isBof() && none.isEof());
    QVERIFY(!none.moveFirst());
    QVERIFY(!none.setField(QStringLiteral("Name"), QStringLiteral("x")));
}

void TestDatabase::assignment_staysPendingUntilUpdateOrMove()
{
    TestHome home;
    Database db;
    ResultSet rs;
    QVERIFY(openCards(home, db, rs, {0, 0}));
    const auto storedName = [&](int id) {
        Database other;
        ResultSet check;
        if (!OpenDatabase(other, home.filePath(kDeck)) ||
            !OpenResultSet(check, other, QStringLiteral("Select * from tblCards")))
            return QString();
        check.setFilter(QStringLiteral("ID=%1").arg(id));
        return check.field(QStringLiteral("Name")).toString();
    };

    QVERIFY(rs.setField(QStringLiteral("NAME"), QStringLiteral("  The Fool  ")));
    QCOMPARE(rs.field(QStringLiteral("name")).toString(), QStringLiteral("  The Fool  "));
    QCOMPARE(storedName(1), QStringLiteral("Card 1"));
    QVERIFY(rs.moveNext()); // moving away saves
    QCOMPARE(storedName(1), QStringLiteral("  The Fool  "));

    QVERIFY(rs.setField(QStringLiteral("Name"), QStringLiteral("The Magician")));
    QVERIFY(rs.setField(QStringLiteral("issaved"), true));
    QVERIFY(rs.update());
    QCOMPARE(storedName(2), QStringLiteral("The Magician"));
    QCOMPARE(rs.field(QStringLiteral("issaved")), QVariant(true));

    QVERIFY(rs.setField(QStringLiteral("Name"), QStringLiteral("lost")));
    rs.release();
    QCOMPARE(storedName(2), QStringLiteral("The Magician"));
    QVERIFY(!rs.isOpen());
}

void TestDatabase::addNew_isSavedByUpdateOrMove_andDiscardedByRelease()
{
    TestHome home;
    QVERIFY(home.createCatalog());
    Database db;
    QVERIFY(OpenDatabase(db, home.filePath(QStringLiteral("update.vdk"))));
    {
        ResultSet decks;
        QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
        QVERIFY(decks.addNew());
        QCOMPARE(decks.field(QStringLiteral("iscomplete")), QVariant(false));
        decks.setField(QStringLiteral("deckname"), QStringLiteral("First"));
        decks.setField(QStringLiteral("iscomplete"), true);
        QVERIFY(decks.update());
        QVERIFY(decks.addNew());
        decks.setField(QStringLiteral("deckname"), QStringLiteral("Second"));
        QVERIFY(decks.moveFirst()); // the move saves the new row
        QVERIFY(decks.addNew());
        decks.setField(QStringLiteral("deckname"), QStringLiteral("Dropped"));
        QCOMPARE(decks.recordCount(), 3);
    } // released with the third row pending

    ResultSet decks;
    QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
    QCOMPARE(column(decks, QStringLiteral("DeckName")), QStringList({"First", "Second"}));
    QCOMPARE(column(decks, QStringLiteral("iscomplete")), QStringList({"true", "false"}));
}

void TestDatabase::remove_deletesAtOnceAndNextGoesOn()
{
    TestHome home;
    Database db;
    ResultSet rs;
    QVERIFY(openCards(home, db, rs, {0, 0, 0}));
    QVERIFY(rs.moveNext());
    QVERIFY(rs.remove());
    QCOMPARE(rs.recordCount(), 2);
    QVERIFY(!rs.field(QStringLiteral("ID")).isValid()); // the deleted row stays current until a move
    QVERIFY(rs.moveNext());
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 3);

    // A row added after a deletion still comes last.
    ResultSet fresh;
    QVERIFY(OpenResultSet(fresh, db, QStringLiteral("Select * from tblCards")));
    QVERIFY(fresh.moveLast());
    QVERIFY(fresh.remove());
    QVERIFY(fresh.addNew());
    fresh.setField(QStringLiteral("ID"), 9);
    QVERIFY(fresh.update());
    ResultSet again;
    QVERIFY(OpenResultSet(again, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(column(again, QStringLiteral("ID")), QStringList({"1", "9"}));
}

void TestDatabase::filter_restrictsUntilCleared()
{
    TestHome home;
    Database db;
    ResultSet rs;
    QVERIFY(openCards(home, db, rs, {0, 1, 2, 3}));
    QVERIFY(rs.moveLast());
    QVERIFY(rs.setFilter(QStringLiteral("ID=3")));
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("Card 3"));
    QVERIFY(rs.setFilter(QStringLiteral("ID=42")));
    QCOMPARE(rs.recordCount(), 0);
    QVERIFY(rs.isEof());
    QVERIFY(!rs.setFilter(QStringLiteral("ID=")));
    QVERIFY(!rs.setFilter(QStringLiteral("Nothing=1")));
    QVERIFY(rs.setFilter(QString()));
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 1);
    // A change made under a filter is saved when the filter changes.
    QVERIFY(rs.setFilter(QStringLiteral("ID=2")));
    rs.setField(QStringLiteral("Name"), QStringLiteral("Two"));
    QVERIFY(rs.setFilter(QString()));
    QVERIFY(rs.move(1));
    QCOMPARE(rs.field(QStringLiteral("Name")).toString(), QStringLiteral("Two"));
}

void TestDatabase::chunks_replaceThenAppend()
{
    TestHome home;
    Database db;
    ResultSet rs;
    QVERIFY(openCards(home, db, rs, {0}));
    QCOMPARE(rs.actualSize(QStringLiteral("PictureData")), -1);
    QVERIFY(rs.appendChunk(QStringLiteral("PictureData"), QByteArray(70000, 'a')));
    QVERIFY(rs.update());
    QVERIFY(rs.appendChunk(QStringLiteral("picturedata"), QByteArrayLiteral("abc")));
    QVERIFY(rs.appendChunk(QStringLiteral("PictureData"), QByteArrayLiteral("def")));
    QCOMPARE(rs.actualSize(QStringLiteral("PictureData")), 6);
    QVERIFY(rs.update());
    QVERIFY(!rs.appendChunk(QStringLiteral("Name"), QByteArrayLiteral("x")));

    ResultSet fresh;
    QVERIFY(OpenResultSet(fresh, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(fresh.actualSize(QStringLiteral("PictureData")), 6);
    QCOMPARE(fresh.getChunk(QStringLiteral("PictureData"), 4), QByteArrayLiteral("abcd"));
    QCOMPARE(fresh.getChunk(QStringLiteral("PictureData"), 4), QByteArrayLiteral("ef"));
    QCOMPARE(fresh.getChunk(QStringLiteral("PictureData"), 6), QByteArrayLiteral("abcdef"));
}

void TestDatabase::lenientNumber_readsLeadingNumber()
{
    const QList<std::pair<QString, double>> cases = {{"12", 12.0}, {"   7", 7.0}, {"12abc", 12.0}, {"3.5x", 3.5},
                                                     {"abc", 0.0}, {"", 0.0},     {"-4", -4.0}};
    for (const auto &[text, number] : cases)
        QCOMPARE(lenientNumber(text), number);
}

void TestDatabase::nextDeckFileName_followsLastRowAndSkipsTakenNames_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("filesPresent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("after Tutor9") << QStringList{"Tutor1.vdk", "Tutor9.vdk"} << QStringList{"Tutor1.vdk", "Tutor9.vdk"}
                                  << "Tutor10.vdk";
    QTest::newRow("odd name would give Tutor1")
        << QStringList{"Tutor1.vdk", "Mine.vdk"} << QStringList{"Tutor1.vdk"} << "Tutor2.vdk";
    QTest::newRow("next name already a file")
        << QStringList{"Tutor1.vdk", "Tutor2.vdk"}
        << QStringList{"Tutor1.vdk", "Tutor2.vdk", "Tutor3.vdk", "Tutor4.vdk"} << "Tutor5.vdk";
    QTest::newRow("empty catalog") << QStringList{} << QStringList{"Tutor1.vdk"} << "Tutor2.vdk";
    QTest::newRow("absurd number") << QStringList{"Tutor99999999999999999999.vdk"} << QStringList{"Tutor1.vdk"}
                                   << "Tutor2.vdk";
}

void TestDatabase::nextDeckFileName_followsLastRowAndSkipsTakenNames()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, filesPresent);
    QFETCH(QString, expected);
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createCatalog());
    {
        Database db;
        ResultSet decks;
        QVERIFY(OpenDatabase(db, paths::catalogDatabase()));
        QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
        for (const QString &name : rows) {
            decks.addNew();
            decks.setField(QStringLiteral("dbName"), name);
        }
        QVERIFY(decks.update());
    }
    for (const QString &name : filesPresent) {
        QFile file(paths::deckDatabase(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(NextDeckFileName(), expected);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
