// Reads the data the build laid down in the build folder, through the store,
// and once more through the sqlcipher shell where it is installed.

#include "cardart.h"
#include "decktext.h"

#include "store/database.h"
#include "store/pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

using namespace velmora;

namespace {

QString buildFile(const QString &relative)
{
    return QDir(qEnvironmentVariable("VELMORA_BUILD_DIR")).filePath(relative);
}

// Mean grey level of a region of the picture.
int brightness(const QImage &image, const QRect &region)
{
    qint64 sum = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return int(sum / (qint64(region.width()) * region.height()));
}

} // namespace

class TestInstalledData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folders_exist();
    void template_holdsOnlyItsTypeStamp();
    void catalog_listsTheDefaultDeckAsComplete();
    void defaultDeck_headerAndTypeStamp();
    void defaultDeck_cardsInDeckOrderWithMeaningsAndPictures();
    void defaultDeck_keywordSlotsFilledPerCard();
    void defaultDeck_staysSmall();
    void sqlcipherShell_opensEachFileWithTheTextKey_data();
    void sqlcipherShell_opensEachFileWithTheTextKey();

private:
    Database deck_;
};

void TestInstalledData::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("VELMORA_BUILD_DIR"), "VELMORA_BUILD_DIR is not set");
    QVERIFY2(OpenDatabase(deck_, buildFile(QStringLiteral("tutor/Tutor1.vdk"))), qPrintable(deck_.errorText()));
}

void TestInstalledData::folders_exist()
{
    QVERIFY(QFileInfo(buildFile(QStringLiteral("tutor"))).isDir());
    QVERIFY(QFileInfo(buildFile(QStringLiteral("temp"))).isDir());
    QVERIFY(QFileInfo(buildFile(QStringLiteral("tutor.vdk"))).isFile());
    QVERIFY(QFileInfo(buildFile(QStringLiteral("update.vdk"))).isFile());
    QVERIFY(!QFileInfo::exists(buildFile(QStringLiteral("tutor/Tutor1.vdk.part"))));
}

void TestInstalledData::template_holdsOnlyItsTypeStamp()
{
    Database db;
    QVERIFY2(OpenDatabase(db, buildFile(QStringLiteral("tutor.vdk"))), qPrintable(db.errorText()));
    for (const char *table : {"tblDeckNames", "tblCards", "tblKeywords"}) {
        ResultSet rs;
        QVERIFY(OpenResultSet(rs, db, QStringLiteral("Select * from ") + QLatin1String(table)));
        QCOMPARE(rs.recordCount(), 0);
    }
    ResultSet type;
    QVERIFY(OpenResultSet(type, db, QStringLiteral("Select * from tblType")));
    QCOMPARE(type.recordCount(), 1);
    type.moveFirst();
    QCOMPARE(type.field(QStringLiteral("Type")).toString(), QStringLiteral("Tutor"));
    QCOMPARE(type.field(QStringLiteral("software")).toString(), QStringLiteral("Tutor"));
    QCOMPARE(type.field(QStringLiteral("isdefault")).toBool(), false);
}

void TestInstalledData::catalog_listsTheDefaultDeckAsComplete()
{
    Database db;
    QVERIFY2(OpenDatabase(db, buildFile(QStringLiteral("update.vdk"))), qPrintable(db.errorText()));
    ResultSet decks;
    QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
    QCOMPARE(decks.recordCount(), 1);
    decks.moveFirst();
    QCOMPARE(decks.field(QStringLiteral("dbName")).toString(), QStringLiteral("Tutor1.vdk"));
    QCOMPARE(decks.field(QStringLiteral("iscomplete")).toBool(), true);

    ResultSet header;
    QVERIFY(OpenResultSet(header, deck_, QStringLiteral("Select * from tblDeckNames")));
    header.moveFirst();
    QCOMPARE(decks.field(QStringLiteral("deckname")).toString(), header.field(QStringLiteral("deckname")).toString());

    ResultSet selection;
    QVERIFY(OpenResultSet(selection, db, QStringLiteral("Select * from tblUpdateDeck")));
    QCOMPARE(selection.recordCount(), 0);
}

void TestInstalledData::defaultDeck_headerAndTypeStamp()
{
    ResultSet header;
    QVERIFY(OpenResultSet(header, deck_, QStringLiteral("Select * from tblDeckNames")));
    QCOMPARE(header.recordCount(), 1);
    header.moveFirst();
    QVERIFY(!header.field(QStringLiteral("deckname")).toString().trimmed().isEmpty());
    QCOMPARE(header.field(QStringLiteral("maxcard")).toInt(), 78);
    QVERIFY(!header.field(QStringLiteral("designedby")).toString().isEmpty());
    QVERIFY(header.field(QStringLiteral("password")).toString().isEmpty());
    QCOMPARE(header.field(QStringLiteral("status")).toString(), QStringLiteral("Create"));

    ResultSet type;
    QVERIFY(OpenResultSet(type, deck_, QStringLiteral("Select * from tblType")));
    QCOMPARE(type.recordCount(), 1);
    type.moveFirst();
    QCOMPARE(type.field(QStringLiteral("Type")).toString(), QStringLiteral("Tutor"));
    QCOMPARE(type.field(QStringLiteral("software")).toString(), QStringLiteral("Tutor"));
    QCOMPARE(type.field(QStringLiteral("isdefault")).toBool(), true);
}

void TestInstalledData::defaultDeck_cardsInDeckOrderWithMeaningsAndPictures()
{
    ResultSet cards;
    QVERIFY(OpenResultSet(cards, deck_, QStringLiteral("Select * from tblCards")));
    QCOMPARE(cards.recordCount(), mkdata::kDeckSize);
    QMap<int, int> perGroup;
    QSet<QByteArray> pictureHashes;
    int expectedId = 0;
    for (cards.moveFirst(); !cards.isEof(); cards.moveNext()) {
        const mkdata::CardPlace &place = mkdata::deckOrder()[expectedId];
        ++expectedId;
        const QString name = cards.field(QStringLiteral("Name")).toString();
        const QByteArray where = QByteArray::number(expectedId) + ' ' + name.toUtf8();
        QCOMPARE(cards.field(QStringLiteral("ID")).toInt(), expectedId);
        QCOMPARE(name, place.name);
        QCOMPARE(cards.field(QStringLiteral("Group")).toInt(), place.group);
        ++perGroup[place.group];
        for (const char *field : {"normalmeaning", "reversedmeaning"}) {
            const QString meaning = cards.field(QLatin1String(field)).toString();
            QVERIFY2(!meaning.trimmed().isEmpty() && meaning.size() <= 360, where.constData());
        }
        QVERIFY2(cards.field(QStringLiteral("issaved")).toBool(), where.constData());

        const qint64 size = cards.actualSize(QStringLiteral("PictureData"));
        QVERIFY2(size > 0, where.constData());
        const QByteArray bytes = cards.getChunk(QStringLiteral("PictureData"), size);
        QCOMPARE(bytes.size(), size);
        QVERIFY2(bytes.startsWith("\xFF\xD8\xFF"), where.constData());
        pictureHashes.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
        PlainPictureHolder holder;
        QVERIFY2(LoadPictureFromField(holder, cards, QStringLiteral("PictureData")), where.constData());
        const QImage picture = holder.picture();
        QCOMPARE(picture.size(), mkdata::kCardPictureSize);
        // The name sits on a light band at the bottom and the number on a dark
        // plaque at the top, so a card turned over shows the light band on top.
        const int band = brightness(picture, QRect(70, 497, 210, 5));
        const int plaque = brightness(picture, QRect(160, 40, 30, 4));
        QVERIFY2(band > plaque + 80, where.constData());
    }
    QCOMPARE(expectedId, mkdata::kDeckSize);
    QCOMPARE(perGroup, (QMap<int, int>{{0, 22}, {1, 14}, {2, 14}, {3, 14}, {4, 14}}));
    QCOMPARE(pictureHashes.size(), mkdata::kDeckSize);
}

void TestInstalledData::defaultDeck_keywordSlotsFilledPerCard()
{
    ResultSet cards;
    QVERIFY(OpenResultSet(cards, deck_, QStringLiteral("Select * from tblCards")));
    QHash<int, QString> nameOf;
    for (cards.moveFirst(); !cards.isEof(); cards.moveNext())
        nameOf.insert(cards.field(QStringLiteral("ID")).toInt(), cards.field(QStringLiteral("Name")).toString());

    ResultSet keywordSlots;
    QVERIFY(OpenResultSet(keywordSlots, deck_, QStringLiteral("Select * from tblKeywords")));
    QCOMPARE(keywordSlots.recordCount(), 546);
    QHash<int, QSet<QString>> keywordsOf;
    int expectedSlot = 0;
    for (keywordSlots.moveFirst(); !keywordSlots.isEof(); keywordSlots.moveNext()) {
        ++expectedSlot;
        const int cardId = keywordSlots.field(QStringLiteral("CardID")).toInt();
        const QString keyword = keywordSlots.field(QStringLiteral("keyword")).toString();
        const QByteArray where = "slot " + QByteArray::number(expectedSlot);
        QCOMPARE(keywordSlots.field(QStringLiteral("id")).toInt(), expectedSlot);
        QCOMPARE(cardId, (expectedSlot - 1) / 7 + 1);
        QCOMPARE(keywordSlots.field(QStringLiteral("cardname")).toString(), nameOf.value(cardId));
        QVERIFY2(!keyword.trimmed().isEmpty(), where.constData());
        QVERIFY2(!keywordsOf[cardId].contains(keyword.toLower()),
                 QByteArray(where + " repeats " + keyword.toUtf8()).constData());
        keywordsOf[cardId].insert(keyword.toLower());
    }

    // The program's own query for one card's keywordSlots.
    ResultSet third;
    QVERIFY(OpenResultSet(third, deck_, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=3")));
    QCOMPARE(third.recordCount(), 7);
}

void TestInstalledData::defaultDeck_staysSmall()
{
    const qint64 bytes = QFileInfo(buildFile(QStringLiteral("tutor/Tutor1.vdk"))).size();
    qInfo("default deck: %lld bytes", bytes);
    QVERIFY(bytes < 5 * 1024 * 1024);
}

void TestInstalledData::sqlcipherShell_opensEachFileWithTheTextKey_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");
    QTest::newRow("catalog") << "update.vdk"
                             << "SELECT dbName, iscomplete FROM tblStoreDeck;"
                             << "Tutor1.vdk|1";
    QTest::newRow("template") << "tutor.vdk"
                              << "SELECT Type, software, isdefault, (SELECT count(*) FROM tblCards) FROM tblType;"
                              << "Tutor|Tutor|0|0";
    QTest::newRow("default deck") << "tutor/Tutor1.vdk"
                                  << "SELECT count(*), (SELECT count(*) FROM tblKeywords) FROM tblCards;"
                                  << "78|546";
}

void TestInstalledData::sqlcipherShell_opensEachFileWithTheTextKey()
{
    QFETCH(QString, file);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (shell.isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    QProcess process;
    process.start(shell, {buildFile(file)});
    QVERIFY(process.waitForStarted());
    process.write(QByteArrayLiteral("PRAGMA key='") + kDatabasePassword + "';\n" + query.toUtf8() + '\n');
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(output.split(QLatin1Char('\n')).contains(expected),
             qPrintable(output + QString::fromUtf8(process.readAllStandardError())));
}

QTEST_MAIN(TestInstalledData)
#include "tst_installeddata.moc"
