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
    void catalog_listsTheDefaultDeckUnderItsName();
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
    for (const char *folder : {"tutor", "temp"})
        QVERIFY2(QFileInfo(buildFile(QLatin1String(folder))).isDir(), folder);
    QVERIFY(!QFileInfo::exists(buildFile(QStringLiteral("tutor/Tutor1.vdk.part"))));
}

void TestInstalledData::catalog_listsTheDefaultDeckUnderItsName()
{
    Database db;
    ResultSet decks;
    ResultSet header;
    QVERIFY2(OpenDatabase(db, buildFile(QStringLiteral("update.vdk"))), qPrintable(db.errorText()));
    QVERIFY(OpenResultSet(decks, db, QStringLiteral("Select * from tblStoreDeck")));
    QVERIFY(OpenResultSet(header, deck_, QStringLiteral("Select * from tblDeckNames")));
    QCOMPARE(header.recordCount(), 1);
    QVERIFY(!header.field(QStringLiteral("deckname")).toString().trimmed().isEmpty());
    QCOMPARE(decks.field(QStringLiteral("deckname")).toString(), header.field(QStringLiteral("deckname")).toString());
    QCOMPARE(header.field(QStringLiteral("maxcard")).toInt(), 78);
    QVERIFY(!header.field(QStringLiteral("designedby")).toString().isEmpty());
    QVERIFY(header.field(QStringLiteral("password")).toString().isEmpty());
    QCOMPARE(header.field(QStringLiteral("status")).toString(), QStringLiteral("Create"));
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
        QVERIFY2(bytes.size() == size && bytes.startsWith("\xFF\xD8\xFF"), where.constData());
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
        const QByteArray where = "slot " + QByteArray::number(expectedSlot) + ' ' + keyword.toUtf8();
        QCOMPARE(keywordSlots.field(QStringLiteral("id")).toInt(), expectedSlot);
        QCOMPARE(cardId, (expectedSlot - 1) / 7 + 1);
        QCOMPARE(keywordSlots.field(QStringLiteral("cardname")).toString(), nameOf.value(cardId));
        // Filled, and no keyword twice on a card, whatever its case.
        QVERIFY2(!keyword.trimmed().isEmpty() && !keywordsOf[cardId].contains(keyword.toLower()), where.constData());
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
                             << "SELECT dbName, iscomplete, (SELECT count(*) FROM tblUpdateDeck),"
                                " (SELECT count(*) FROM tblStoreDeck) FROM tblStoreDeck;"
                             << "Tutor1.vdk|1|0|1";
    QTest::newRow("empty template") << "tutor.vdk"
                                    << "SELECT Type, software, isdefault, (SELECT count(*) FROM tblCards),"
                                       " (SELECT count(*) FROM tblKeywords), (SELECT count(*) FROM tblDeckNames),"
                                       " (SELECT count(*) FROM tblType) FROM tblType;"
                                    << "Tutor|Tutor|0|0|0|0|1";
    QTest::newRow("default deck") << "tutor/Tutor1.vdk"
                                  << "SELECT Type, software, isdefault, (SELECT count(*) FROM tblCards),"
                                     " (SELECT count(*) FROM tblKeywords) FROM tblType;"
                                  << "Tutor|Tutor|1|78|546";
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
