#include "filebytes.h"
#include "sampledeck.h"
#include "testhome.h"

#include "learn/deckchecks.h"
#include "store/paths.h"

#include <QFile>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class TstDeckChecks : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home_.reset(); // the old home restores VELMORA_HOME as it goes, so it goes first
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        QVERIFY(home_->createCatalog());
    }

    // Names in row order, whatever their state; with two decks of one name the
    // position finds the row, the name finds the first.
    void catalog_namesInRowOrderAndDecksByPositionOrName()
    {
        QVERIFY(addCatalogRow(QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk")));
        QVERIFY(addCatalogRow(QStringLiteral("Twin"), QStringLiteral("Tutor2.vdk")));
        QVERIFY(addCatalogRow(QStringLiteral("Alpha"), QStringLiteral("Tutor4.vdk")));
        QVERIFY(addCatalogRow(QStringLiteral("Twin"), QStringLiteral("Tutor3.vdk")));
        QVERIFY(rawExec(paths::catalogDatabase(),
                        QStringLiteral("UPDATE tblStoreDeck SET iscomplete = 0 WHERE dbName = 'Tutor4.vdk'")));
        QString error;
        QCOMPARE(catalogDeckNames(&error), (QStringList{"Classic", "Twin", "Alpha", "Twin"}));
        QVERIFY(error.isEmpty());

        QCOMPARE(dbNameAtPosition(3, QStringLiteral("Twin")), QStringLiteral("Tutor3.vdk"));
        QCOMPARE(dbNameAtPosition(1, QStringLiteral("Twin")), QStringLiteral("Tutor2.vdk"));
        QCOMPARE(dbNameOfDeck(QStringLiteral("Twin")), QStringLiteral("Tutor2.vdk"));
        // The row at the position must also carry the name.
        for (int position : {-1, 0, 2, 4})
            QCOMPARE(dbNameAtPosition(position, QStringLiteral("Twin")), QString());
        QCOMPARE(dbNameOfDeck(QStringLiteral("twin")), QString());
        QCOMPARE(dbNameOfDeck(QString()), QString());

        // An unreadable catalog says so rather than passing for an empty one.
        QFile::remove(paths::catalogDatabase());
        QCOMPARE(catalogDeckNames(&error), QStringList());
        QVERIFY2(error.contains(QLatin1String("missing")), qPrintable(error));
    }

    void deckFile_onlyAnExistingFileInsideTheDeckFolder()
    {
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor2.vdk")));
        QVERIFY(QDir(paths::deckFolder()).mkdir(QStringLiteral("sub")));
        QCOMPARE(existingDeckFile(QStringLiteral("Tutor2.vdk")).value_or(QString()),
                 paths::deckDatabase(QStringLiteral("Tutor2.vdk")));
        for (const char *dbName : {"", "Tutor9.vdk", ".", "..", "../update.vdk", "..\\update.vdk", "sub"})
            QVERIFY2(!existingDeckFile(QString::fromLatin1(dbName)), dbName);
    }

    void keywordChecks_data()
    {
        QTest::addColumn<QString>("change");        // SQL run on a deck of three complete cards
        QTest::addColumn<int>("missingKeyword");    // -1 refused or unreadable, 0 no, 1 yes
        QTest::addColumn<int>("emptyKeywordField"); // likewise

        // A slot in the middle of the table, not the first row.
        const QString slot = QStringLiteral("UPDATE tblKeywords SET %1 WHERE rowid = 11");
        QTest::addRow("every slot filled") << QString() << 0 << 0;
        QTest::addRow("keyword without value") << slot.arg(QStringLiteral("keyword = NULL")) << 1 << 0;
        QTest::addRow("keyword empty") << slot.arg(QStringLiteral("keyword = ''")) << 1 << 1;
        QTest::addRow("keyword of blanks") << slot.arg(QStringLiteral("keyword = '  '")) << 0 << 0;
        QTest::addRow("cardname empty") << slot.arg(QStringLiteral("cardname = ''")) << 0 << 1;
        QTest::addRow("cardname without value") << slot.arg(QStringLiteral("cardname = NULL")) << 0 << 0;
        // A card without its seven slots is never taken for a complete one (with
        // no keyword rows at all a keyword test scored "3 Out Of 3 Correct" for
        // empty boxes): the deck is refused before either check can pass it.
        QTest::addRow("no keyword rows at all") << QStringLiteral("DELETE FROM tblKeywords") << -1 << -1;
        QTest::addRow("a card with six slots")
            << QStringLiteral("DELETE FROM tblKeywords WHERE rowid = 11") << -1 << -1;
        QTest::addRow("damaged file") << QStringLiteral("damaged") << -1 << -1;
    }
    void keywordChecks()
    {
        QFETCH(QString, change);
        QFETCH(int, missingKeyword);
        QFETCH(int, emptyKeywordField);

        const QString path = paths::deckDatabase(QStringLiteral("Tutor2.vdk"));
        if (change == QLatin1String("damaged")) {
            QVERIFY(writeFile(path, QByteArray(4096, 'x')));
        } else {
            QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor2.vdk")));
            QVERIFY(writeCards(path, fullDeck(QSize(4, 4)).mid(0, 3)));
            if (!change.isEmpty())
                QVERIFY(rawExec(path, change));
        }

        const auto asInt = [](const std::optional<bool> &answer) { return answer ? int(*answer) : -1; };
        QCOMPARE(asInt(hasMissingKeyword(path)), missingKeyword);
        QCOMPARE(asInt(hasEmptyKeywordField(path)), emptyKeywordField);
    }

    void messages_keepTheirExactText()
    {
        const QString name = QStringLiteral("Marigold");
        QCOMPARE(
            designingIncompleteMessage(name),
            QStringLiteral("Tarot Learning Deck 'Marigold's designing is incomplete\rYou cannot take test using this "
                           "deck, until it is fully completed."));
        QCOMPARE(notAvailableMessage(name),
                 QStringLiteral(
                     "Tarot Learning Deck 'Marigold' is not available\rPlease select another Tarot Learning Deck"));
        QCOMPARE(
            incompleteMessage(name, PracticeWording::Memorize),
            QStringLiteral("Tarot Learning Deck 'Marigold' is incomplete\rPlease go to the Deck Design Section\rAnd "
                           "complete it first"));
        QCOMPARE(incompleteMessage(name, PracticeWording::Test),
                 QStringLiteral(
                     "Tutor 'Marigold' is incomplete\rPlease go to the Deck Design Section\rAnd complte it first"));
    }

private:
    std::unique_ptr<TestHome> home_;
};

QTEST_GUILESS_MAIN(TstDeckChecks)
#include "tst_deckchecks.moc"
