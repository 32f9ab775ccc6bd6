// Reads the data the build laid down in the build folder, through the store,
// and once more through the sqlcipher shell where it is installed.

#include "cardart.h"
#include "decktext.h"
#include "sampledeck.h"

#include "store/catalog.h"
#include "store/deck.h"
#include "store/pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>
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
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VELMORA_BUILD_DIR"), "VELMORA_BUILD_DIR is not set");
        QVERIFY2(deck_.open(buildFile(QStringLiteral("tutor/Tutor1.vdk"))), qPrintable(deck_.errorText()));
    }

    void foldersCatalogAndHeader_theDefaultDeckListedAndSmall()
    {
        for (const char *folder : {"tutor", "temp"})
            QVERIFY2(QFileInfo(buildFile(QLatin1String(folder))).isDir(), folder);
        QVERIFY(!QFileInfo::exists(buildFile(QStringLiteral("tutor/Tutor1.vdk.part"))));
        const qint64 bytes = QFileInfo(buildFile(QStringLiteral("tutor/Tutor1.vdk"))).size();
        qInfo("default deck: %lld bytes", bytes);
        QVERIFY(bytes < 5 * 1024 * 1024);

        // The catalog lists the default deck under its name.
        Catalog catalog;
        QVERIFY2(catalog.open(Access::ReadOnly, buildFile(QStringLiteral("update.vdk"))),
                 qPrintable(catalog.errorText()));
        const auto decks = catalog.decks();
        const auto header = deck_.header();
        QVERIFY(decks && !decks->isEmpty() && header);
        QVERIFY(!header->deckName.trimmed().isEmpty());
        QCOMPARE(decks->first().deckName, header->deckName);
        QCOMPARE(header->maxCard, 78);
        QVERIFY(!header->designedBy.isEmpty());
        QVERIFY(header->password.isEmpty());
        QCOMPARE(header->status, QStringLiteral("Create"));
        const auto stamp = deck_.typeStamp();
        QVERIFY(stamp && stamp->type == QLatin1String("Tutor") && stamp->software == QLatin1String("Tutor") &&
                stamp->isDefault);
    }

    void defaultDeck_cardsInDeckOrderWithMeaningsKeywordsAndPictures()
    {
        // The deck opened at all: every card has its seven slots, no ID twice.
        const QVector<Card> cards = deck_.cards().value_or(QVector<Card>());
        QCOMPARE(cards.size(), mkdata::kDeckSize);
        QCOMPARE(deck_.hasEmptyKeywordField(), std::optional<bool>(false));
        QMap<int, int> perGroup;
        QSet<QByteArray> pictureHashes;
        int expectedId = 0;
        for (const Card &card : cards) {
            const mkdata::CardPlace &place = mkdata::deckOrder()[expectedId];
            ++expectedId;
            const QByteArray where = QByteArray::number(expectedId) + ' ' + card.name.toUtf8();
            QCOMPARE(card.id, expectedId);
            QCOMPARE(card.name, place.name);
            QCOMPARE(card.group, place.group);
            ++perGroup[place.group];
            for (const QString &meaning : {card.normalMeaning, card.reversedMeaning})
                QVERIFY2(!meaning.trimmed().isEmpty() && meaning.size() <= 360, where.constData());
            QVERIFY2(card.isSaved, where.constData());
            // Seven keywords, filled, and none twice on a card whatever its case.
            QSet<QString> keywords;
            for (const QString &keyword : deck_.keywords(card.id).value_or(QStringList()))
                keywords.insert(keyword.trimmed().toLower());
            QVERIFY2(keywords.size() == 7 && !keywords.contains(QString()), where.constData());

            const QByteArray bytes = deck_.picture(card.id);
            QVERIFY2(bytes.startsWith("\xFF\xD8\xFF"), where.constData());
            pictureHashes.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
            PlainPictureHolder holder;
            QVERIFY2(LoadPictureFromField(holder, deck_, card.id), where.constData());
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

    void sqlcipherShell_opensEachFileWithTheTextKey_data()
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
    void sqlcipherShell_opensEachFileWithTheTextKey()
    {
        QFETCH(QString, file);
        QFETCH(QString, query);
        QFETCH(QString, expected);
        const QString output = test::sqlcipherShell(buildFile(file), query);
        if (output.isNull())
            QSKIP("the sqlcipher shell is not installed");
        QVERIFY2(output.split(QLatin1Char('\n')).contains(expected), qPrintable(output));
    }

private:
    Deck deck_;
};

QTEST_MAIN(TestInstalledData)
#include "tst_installeddata.moc"
