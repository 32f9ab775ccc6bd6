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

// A deck of the given groups; card k gets keyword slots 7(k-1)+1..7k with the
// keywords "kw<k>-<slot>", except that card 3 leaves its last two slots empty.
bool fillDeck(const QString &path, const QList<int> &groups)
{
    Database db;
    ResultSet cards;
    ResultSet keywords;
    if (!OpenDatabase(db, path) || !OpenResultSet(cards, db, QStringLiteral("Select * from tblCards")) ||
        !OpenResultSet(keywords, db, QStringLiteral("Select * from tblKeywords")) || !db.beginTransaction())
        return false;
    for (int k = 1; k <= groups.size(); ++k) {
        cards.addNew();
        cards.setField(QStringLiteral("ID"), k);
        cards.setField(QStringLiteral("Name"), QStringLiteral("Card %1").arg(k));
        cards.setField(QStringLiteral("Group"), groups[k - 1]);
        cards.setField(QStringLiteral("normalmeaning"), QStringLiteral("up %1").arg(k));
        cards.setField(QStringLiteral("reversedmeaning"), QStringLiteral("down %1").arg(k));
        if (!cards.update())
            return false;
        for (int slot = 1; slot <= 7; ++slot) {
            keywords.addNew();
            keywords.setField(QStringLiteral("id"), 7 * (k - 1) + slot);
            keywords.setField(QStringLiteral("CardID"), k);
            keywords.setField(QStringLiteral("keyword"), k == 3 && slot > 5
                                                             ? QString(QLatin1String(""))
                                                             : QStringLiteral("kw%1-%2").arg(k).arg(slot));
            keywords.setField(QStringLiteral("cardname"), QStringLiteral("Card %1").arg(k));
        }
    }
    return keywords.update() && db.commitTransaction();
}

QStringList column(ResultSet &rs, const QString &name)
{
    QStringList values;
    for (rs.moveFirst(); !rs.isEof(); rs.moveNext())
        values.append(rs.field(name).toString());
    return values;
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
    void lenientNumber_readsLeadingNumber_data();
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
        QByteArray bytes(8192, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919) % 251);
        file.write(bytes);
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
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 1}));
    QFile file(home.filePath(kDeck));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.startsWith("SQLite format 3"));
    QVERIFY(!bytes.contains("Card 1"));
    QVERIFY(QFile::copy(home.filePath(kDeck), home.filePath(QStringLiteral("tutor/Tutor2.vdk"))));

    Database copy;
    QVERIFY(OpenDatabase(copy, home.filePath(QStringLiteral("tutor/Tutor2.vdk"))));
    ResultSet cards;
    QVERIFY(OpenResultSet(cards, copy, QStringLiteral("Select * from tblCards")));
    QCOMPARE(column(cards, QStringLiteral("name")), QStringList({QStringLiteral("Card 1"), QStringLiteral("Card 2")}));
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
    QTest::newRow("cards") << "Select * from tblCards"
                           << "Name" << names({5, 1, 2, 3, 4});
    QTest::newRow("cards, capitals") << "SELECT * FROM tblCards"
                                     << "name" << names({5, 1, 2, 3, 4});
    QTest::newRow("deck header") << "Select * from tblDeckNames"
                                 << "deckname" << QStringList{QStringLiteral("Deck")};
    QTest::newRow("type stamp") << "Select * from tblType"
                                << "software" << QStringList{QStringLiteral("Tutor")};
    QTest::newRow("slots of card 3, empty ones included") << "SELECT DISTINCT * FROM tblKeywords WHERE CardID=3"
                                                          << "keyword"
                                                          << QStringList{QStringLiteral("kw3-1"),
                                                                         QStringLiteral("kw3-2"),
                                                                         QStringLiteral("kw3-3"),
                                                                         QStringLiteral("kw3-4"),
                                                                         QStringLiteral("kw3-5"),
                                                                         QString(),
                                                                         QString()};
    QTest::newRow("slots of other cards")
        << "SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=3"
        << "CardID" << QStringList{QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"),
                                   QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("1"),
                                   QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                   QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("2"),
                                   QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"),
                                   QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4"),
                                   QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4")};
    QTest::newRow("one group") << "SELECT * FROM tblCards WHERE  (Group=0) ORDER BY ID"
                               << "Name" << names({1, 5});
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
    {
        Database db;
        ResultSet cards;
        QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
        QVERIFY(OpenResultSet(cards, db, QStringLiteral("Select * from tblCards")));
        cards.addNew();
        cards.setField(QStringLiteral("ID"), 5);
        cards.setField(QStringLiteral("Name"), QStringLiteral("Card 5"));
        cards.setField(QStringLiteral("Group"), 0);
        QVERIFY(cards.update());
        ResultSet keywords;
        QVERIFY(OpenResultSet(keywords, db, QStringLiteral("Select * from tblKeywords")));
        for (int slot = 29; slot <= 35; ++slot) {
            keywords.addNew();
            keywords.setField(QStringLiteral("id"), slot);
            keywords.setField(QStringLiteral("cardid"), 5);
            keywords.setField(QStringLiteral("keyword"), QStringLiteral("kw5"));
        }
        QVERIFY(keywords.update());
        ResultSet header;
        QVERIFY(OpenResultSet(header, db, QStringLiteral("Select * from tblDeckNames")));
        header.addNew();
        header.setField(QStringLiteral("deckname"), QStringLiteral("Deck"));
        ResultSet type;
        QVERIFY(OpenResultSet(type, db, QStringLiteral("Select * from tblType")));
        type.addNew();
        type.setField(QStringLiteral("Type"), QStringLiteral("Tutor"));
        type.setField(QStringLiteral("software"), QStringLiteral("Tutor"));
        QVERIFY(header.update() && type.update());
    }
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 1, 2, 3}));

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
    QVERIFY(!OpenResultSet(rs, db, QStringLiteral("Select * from tblNothing")));
    QVERIFY(!OpenResultSet(rs, db, QStringLiteral("Select * from tblStoreDeck WHERE nosuchfield=1")));
    QVERIFY(!OpenResultSet(rs, db, QStringLiteral("DELETE FROM tblStoreDeck")));
    QVERIFY(!OpenResultSet(rs, db, QStringLiteral("Select * from tblStoreDeck; DROP TABLE tblStoreDeck")));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("select * from TBLSTOREDECK")));
    QVERIFY(rs.isOpen());
}

void TestDatabase::moves_followTheCursorRules()
{
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 0, 0, 0}));
    Database db;
    ResultSet rs;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.field(QStringLiteral("id")).toInt(), 1); // opens on the first row
    QVERIFY(rs.move(2));
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 3);
    QVERIFY(rs.movePrevious());
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 2);
    QVERIFY(rs.moveLast());
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 4);
    QVERIFY(!rs.moveNext());
    QVERIFY(rs.isEof());
    QVERIFY(!rs.field(QStringLiteral("ID")).isValid());
    QVERIFY(rs.moveFirst());
    QVERIFY(!rs.movePrevious());
    QVERIFY(rs.isBof());
    QVERIFY(rs.moveFirst());
    QVERIFY(!rs.move(10));
    QVERIFY(rs.isEof());

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
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 0}));
    Database db;
    ResultSet rs;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from tblCards")));
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
    QVERIFY(rs.update()); // nothing pending: nothing happens

    QVERIFY(rs.setField(QStringLiteral("Name"), QStringLiteral("lost")));
    rs.release();
    QCOMPARE(storedName(2), QStringLiteral("The Magician"));
    QVERIFY(!rs.isOpen());
}

void TestDatabase::addNew_isSavedByUpdateOrMove_andDiscardedByRelease()
{
    TestHome home;
    QVERIFY(home.createCatalog());
    const QString catalog = home.filePath(QStringLiteral("update.vdk"));
    Database db;
    QVERIFY(OpenDatabase(db, catalog));
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
        QCOMPARE(decks.recordCount(), 2);
        QVERIFY(decks.addNew());
        decks.setField(QStringLiteral("deckname"), QStringLiteral("Dropped"));
        QCOMPARE(decks.recordCount(), 3);
    } // released with the third row pending

    ResultSet decks;
    QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
    QCOMPARE(column(decks, QStringLiteral("DeckName")),
             QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
    decks.moveFirst();
    QCOMPARE(decks.field(QStringLiteral("iscomplete")), QVariant(true));
    decks.moveNext();
    QCOMPARE(decks.field(QStringLiteral("iscomplete")), QVariant(false));
}

void TestDatabase::remove_deletesAtOnceAndNextGoesOn()
{
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 0, 0}));
    Database db;
    ResultSet rs;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from tblCards")));
    QVERIFY(rs.moveNext());
    QVERIFY(rs.remove());
    QCOMPARE(rs.recordCount(), 2);
    QVERIFY(!rs.field(QStringLiteral("ID")).isValid()); // the deleted row stays current until a move
    QVERIFY(rs.moveNext());
    QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 3);

    ResultSet fresh;
    QVERIFY(OpenResultSet(fresh, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(column(fresh, QStringLiteral("ID")), QStringList({QStringLiteral("1"), QStringLiteral("3")}));

    // A row added after a deletion still comes last.
    QVERIFY(fresh.moveLast());
    QVERIFY(fresh.remove());
    QVERIFY(fresh.addNew());
    fresh.setField(QStringLiteral("ID"), 9);
    QVERIFY(fresh.update());
    ResultSet again;
    QVERIFY(OpenResultSet(again, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(column(again, QStringLiteral("ID")), QStringList({QStringLiteral("1"), QStringLiteral("9")}));
}

void TestDatabase::filter_restrictsUntilCleared()
{
    TestHome home;
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0, 1, 2, 3}));
    Database db;
    ResultSet rs;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from tblCards")));
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
    home.makeFolders();
    QVERIFY(home.createDeck(kDeck));
    QVERIFY(fillDeck(home.filePath(kDeck), {0}));
    Database db;
    ResultSet rs;
    QVERIFY(OpenDatabase(db, home.filePath(kDeck)));
    QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from tblCards")));
    QCOMPARE(rs.actualSize(QStringLiteral("PictureData")), -1);
    QVERIFY(!rs.field(QStringLiteral("PictureData")).isValid());
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

void TestDatabase::lenientNumber_readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("decimal") << "3.5x" << 3.5;
    QTest::newRow("no digit") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign") << "-4" << -4.0;
}

void TestDatabase::lenientNumber_readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(lenientNumber(text), number);
}

void TestDatabase::nextDeckFileName_followsLastRowAndSkipsTakenNames_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("filesPresent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("after Tutor9") << QStringList{"Tutor1.vdk", "Tutor9.vdk"} << QStringList{"Tutor1.vdk", "Tutor9.vdk"}
                                  << "Tutor10.vdk";
    QTest::newRow("after Tutor1") << QStringList{"Tutor1.vdk"} << QStringList{"Tutor1.vdk"} << "Tutor2.vdk";
    QTest::newRow("last row's number reused after its deletion")
        << QStringList{"Tutor1.vdk", "Tutor4.vdk"} << QStringList{"Tutor1.vdk", "Tutor4.vdk"} << "Tutor5.vdk";
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
