// The flashcard package on the export and import screen: export beside the
// deck file export, import through the mapping screen, which shows the first
// notes and the guessed mapping and hands back the user's choice.

#include "../decks/deckhome.h"
#include "servicesrig.h"

#include "exchange/frmimportexportdeck.h"
#include "exchange/frmpackagemapping.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

void select(QListWidget *list, const QString &text)
{
    const auto items = list->findItems(text, Qt::MatchStartsWith);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->setCurrentItem(items.first());
}

} // namespace

class TestPackageScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void exportedPackage_importedThroughTheMapping_asASecondDeck()
    {
        ServicesRig rig;
        DeckHome home;
        QVERIFY(home.make());
        QVERIFY(DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Classic"), 0, {}, {}, true));
        QVERIFY(DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Sun Path"), 0));
        QList<SampleCard> cards{plainCard(1, 0), plainCard(2, 3)};
        cards[0].picture = jpegPicture(QSize(90, 150), Qt::green);
        QVERIFY(writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), cards));
        QTemporaryDir share;

        QString shown;
        {
            FrmImportExportDeck screen(
                rig.services, ExchangeOpener::DeckManagerExport, nullptr,
                [&shown](QWidget *, const QString &name, const QString &path) { shown = name + '|' + path; });
            screen.show();
            select(screen.exportFrame()->File4, QStringLiteral("Tutor2.vdk"));
            screen.exportFrame()->Dir3->setFolder(share.path());
            QTest::mouseClick(screen.exportFrame()->cmdExportPackage, Qt::LeftButton);
            QCOMPARE(shown, QStringLiteral("Sun Path.apkg|") + share.filePath(QStringLiteral("Sun Path.apkg")));
            QVERIFY(
                !screen.exportFrame()->File3->findItems(QStringLiteral("Sun Path.apkg"), Qt::MatchExactly).isEmpty());
            QVERIFY(rig.prompter.messages().isEmpty());
        }

        FrmImportExportDeck importer(
            rig.services, ExchangeOpener::StartScreenImport, nullptr, {},
            [](QWidget *parent, const flashcards::PackageReader &reader, flashcards::PackageChoice &choice) {
                FrmPackageMapping mapping(parent);
                mapping.showNotes(reader.noteTypes()[0].name, reader.noteTypes()[0].fields, {reader.notes()[0].fields},
                                  2);
                mapping.setMapping(choice.mapping);
                mapping.setDeckName(choice.deckName);
                // The user renames the deck and takes the group from the tags instead.
                mapping.txtDeckName->setText(QStringLiteral("Sun Path (phone)"));
                mapping.cboGroup->setCurrentIndex(0);
                choice.mapping = mapping.mapping();
                choice.deckName = mapping.deckName();
                return true;
            });
        importer.show();
        importer.importFrame()->Dir1->setFolder(share.path());
        select(importer.importFrame()->File1, QStringLiteral("Sun Path.apkg"));
        importer.importFrame()->cmdImportDeck->click();
        QCOMPARE(rig.prompter.messageTexts(), QStringList{exchange::kImported});
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Sun Path (phone)=Tutor3.vdk"));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor3.vdk"))));
        QCOMPARE(deck.cards()->at(1).group, 3);
        QCOMPARE(deck.picture(1), cards[0].picture);
    }

    void mappingScreen_showsNotesAsTextAndNeedsANameField()
    {
        FrmPackageMapping mapping;
        mapping.showNotes(QStringLiteral("Basic"), {"Front", "Back", "Art"},
                          {{"<b>The Sun</b>", "Joy &amp; success", "<img src=\"sun.jpg\">"}}, 12);
        mapping.setMapping({0, -1, -1, 1, -1, 2});
        mapping.setDeckName(QStringLiteral("  Sunny  deck "));
        QCOMPARE(mapping.tblNotes->item(0, 0)->text(), QStringLiteral("The Sun"));
        QCOMPARE(mapping.tblNotes->item(0, 1)->text(), QStringLiteral("Joy & success"));
        QCOMPARE(mapping.tblNotes->item(0, 2)->text(), QStringLiteral("[picture: sun.jpg]"));
        QVERIFY(mapping.lblNotes->text().contains("12 of type \u201cBasic\u201d"));
        QCOMPARE(mapping.cboPicture->currentText(), QStringLiteral("Art"));
        QCOMPARE(mapping.mapping(), (flashcards::FieldMapping{0, -1, -1, 1, -1, 2}));
        QCOMPARE(mapping.deckName(), QStringLiteral("Sunny deck"));
        QVERIFY(mapping.cmdImport->isEnabled());
        mapping.cboName->setCurrentIndex(0);
        QVERIFY(!mapping.cmdImport->isEnabled());
        mapping.cboName->setCurrentIndex(1);
        mapping.txtDeckName->clear();
        QVERIFY(!mapping.cmdImport->isEnabled());
    }
};

QTEST_MAIN(TestPackageScreens)
#include "tst_packagescreens.moc"
