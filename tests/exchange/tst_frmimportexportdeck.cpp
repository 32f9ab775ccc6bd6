// The export/import screen and the export message, driven as a user does.

#include "../design/designhome.h"
#include "compose/startscreen.h"
#include "filebytes.h"
#include "servicesrig.h"
#include "urlcatcher.h"
#include "windowprobe.h"

#include "app/frmbegin.h"
#include "app/picturebox.h"
#include "app/vendorlinks.h"
#include "decks/deckexchange.h"
#include "decks/frmdeck.h"
#include "design/cardpage.h"
#include "design/frmloadpictures.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

Q_DECLARE_METATYPE(velmora::ExchangeOpener)

namespace {

// A program folder with its catalog and template, and the services of a window.
struct Rig : ServicesRig
{
    Rig() { made = home.make(); }
    DeckHome home;
    bool made = false;
};

void select(QListWidget *list, const QString &text)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->setCurrentItem(items.first());
}

} // namespace

class TestFrmImportExportDeck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void openers_setCaptionsAndTheFrameInFront_data()
    {
        QTest::addColumn<ExchangeOpener>("opener");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("front");
        const auto row = [](const char *tag, ExchangeOpener opener, const char *caption, const char *front) {
            QTest::addRow("%s", tag) << opener << QString::fromLatin1(caption) << QString::fromLatin1(front);
        };
        row("deck manager's Export", ExchangeOpener::DeckManagerExport, "Export Tutor", "fraExport");
        row("deck manager's Import", ExchangeOpener::DeckManagerImport, "Import Tutor", "fraImport");
        row("start screen's Import", ExchangeOpener::StartScreenImport, "Import", "fraImport");
    }

    void openers_setCaptionsAndTheFrameInFront()
    {
        QFETCH(ExchangeOpener, opener);
        QFETCH(QString, caption);
        QFETCH(QString, front);
        Rig rig;
        QVERIFY(rig.made);
        FrmImportExportDeck screen(rig.services, opener);
        QCOMPARE(screen.windowTitle(), caption);
        QCOMPARE(screen.findChild<QStackedWidget *>()->currentWidget()->objectName(), front);
        // The folders start at home; no tree of the whole disk.
        for (FolderChoice *choice : {screen.exportFrame()->Dir3, screen.importFrame()->Dir1})
            QCOMPARE(choice->folder(), QDir::homePath());
    }

    // Browse asks the desktop's folder dialog from the folder shown, lists
    // the chosen folder, keeps it on cancel, and the next screen starts there.
    void browse_choosesTheFolderThroughTheDialogAndRemembersIt()
    {
        Rig rig;
        QVERIFY(rig.made);
        QTemporaryDir share;
        QVERIFY(QFile(share.filePath(QStringLiteral("Tutor9.vdk"))).open(QIODevice::WriteOnly));
        {
            FrmImportExportDeck screen(rig.services, ExchangeOpener::DeckManagerImport);
            rig.prompter.queueFileName(share.path());
            QTest::mouseClick(screen.findChild<QPushButton *>(QStringLiteral("cmdBrowseDir1")), Qt::LeftButton);
            QCOMPARE(rig.prompter.records().last().kind, ScriptedPrompter::Record::Kind::Folder);
            QCOMPARE(rig.prompter.records().last().request.startName, QDir::homePath());
            QCOMPARE(screen.importFrame()->Dir1->folder(), share.path());
            QCOMPARE(screen.importFrame()->File1->count(), 1);
            rig.prompter.queueFileName(QString());
            screen.importFrame()->Dir1->browse();
            QCOMPARE(screen.importFrame()->Dir1->folder(), share.path());
        }
        FrmImportExportDeck next(rig.services, ExchangeOpener::DeckManagerExport);
        QCOMPARE(next.exportFrame()->Dir3->folder(), share.path());
    }

    // The deck manager's Export (button and menu) and Import, and the start
    // screen's Import, are enabled and reach the screen the right way round.
    void openers_areEnabledAndOpenTheirFrame()
    {
        Rig rig;
        QVERIFY(rig.made && rig.home.home->makeRequiredData());
        QWidget startScreen;
        FrmDeck manager(rig.services, &startScreen, [](const DeckHandOff &, const QVector<bool> &) { return true; });
        QList<bool> opened;
        manager.setExchangeOpener([&](QWidget *over, bool exportFrame) {
            QCOMPARE(over, &manager);
            opened.append(exportFrame);
        });
        QVERIFY(manager.page()->cmdExport->isEnabled() && manager.page()->cmdImport->isEnabled());
        manager.page()->cmdExport->click();
        manager.page()->cmdImport->click();
        manager.findChild<QAction *>(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(opened, (QList<bool>{true, false, true}));

        FrmBegin begin(rig.services);
        auto *cmdImport = begin.findChild<QPushButton *>(QStringLiteral("cmdImport"));
        QVERIFY(!cmdImport->isEnabled());
        offerWindowsFromStartScreen(begin, rig.services);
        QVERIFY(cmdImport->isEnabled());
    }

    // Cancel exports nothing; Yes exports the compact copy under the deck's name.
    void export_largeBmpDeck_offersACompactCopyWithBothSizes()
    {
        Rig rig;
        QVERIFY(rig.made && DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Mine"), 0));
        QVERIFY(writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), largeBmpCards()));
        QTemporaryDir destination;
        int shown = 0;
        FrmImportExportDeck screen(rig.services, ExchangeOpener::DeckManagerExport, nullptr,
                                   [&shown](QWidget *, const QString &, const QString &) { ++shown; });
        select(screen.exportFrame()->File4, QStringLiteral("Tutor2.vdk \u2013 Mine"));
        screen.exportFrame()->Dir3->setFolder(destination.path());
        rig.prompter.queueAnswer(PromptAnswer::Cancel);
        rig.prompter.queueAnswer(PromptAnswer::Yes);
        screen.cmdExport_Click();
        QVERIFY(QDir(destination.path()).isEmpty(QDir::Files | QDir::Hidden));
        screen.cmdExport_Click();
        QCOMPARE(shown, 1);
        const QList<Prompt> asked = rig.prompter.messages();
        QCOMPARE(asked.first().buttons, PromptButtons::YesNoCancel);
        const QRegularExpression offer(QStringLiteral(
            "^The pictures of this deck are stored as BMP files, so the exported deck takes (\\d+) MB: more than "
            "most mail can carry.\n\nA compact copy, with its pictures as JPEG files, takes about (\\d+) MB. The "
            "deck you keep stays as it is.\n\nYes: export a compact copy \\(about \\2 MB\\).\nNo: export the "
            "deck as it is \\(\\1 MB\\).$"));
        const QRegularExpressionMatch sizes = offer.match(asked.first().text);
        QCOMPARE(sizes.captured(1).toLongLong(),
                 (QFileInfo(paths::deckDatabase(QStringLiteral("Tutor2.vdk"))).size() + (1 << 19)) >> 20);
    }

    // A deck given compact pictures in the card editor goes by export and
    // import to another program folder, where a keyword test shows them.
    void compactDeck_madeInTheEditor_travelsAndIsTested()
    {
        QTemporaryDir pictures, share;
        const QByteArray photo = jpegPicture(QSize(1000, 1700), Qt::darkBlue);
        // Named as the loader lists it; the bytes say PNG.
        QVERIFY(writeFile(pictures.filePath(QStringLiteral("a.jpg")), photo) &&
                writeFile(pictures.filePath(QStringLiteral("b.jpg")), encodedPicture(decodePicture(photo), "png")));
        const QString sent = share.filePath(QStringLiteral("From a friend with a rather long file name.vdk"));
        {
            Rig rig;
            QVERIFY(rig.made && makeDesignDeck(QStringLiteral("Tutor2.vdk"), {plainCard(1), plainCard(2)}));
            FrmDeckDesign editor(rig.services, {QStringLiteral("Tutor2.vdk"), QStringLiteral("Design"), 2},
                                 {false, false});
            editor.show();
            QPointer<FrmLoadPictures> loader;
            connect(&editor, &FrmDeckDesign::loaderOpened, this,
                    [&loader](FrmLoadPictures *opened) { loader = opened; });
            QTest::mouseClick(editor.cardPage()->cmdBrowsePictures, Qt::LeftButton);
            QVERIFY(loader && !loader->chkCompact->isChecked());
            loader->showFolder(pictures.path());
            QTest::mouseClick(loader->chkCompact, Qt::LeftButton);
            for (const char *name : {"a.jpg", "b.jpg"}) {
                select(loader->filSelected, QLatin1String(name));
                QTest::mouseClick(loader->cmdAddPictures, Qt::LeftButton);
            }
            QTest::mouseClick(loader->cmdSavePictures, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!loader, 60000);
            QTest::mouseClick(editor.cardPage()->cmdBrowsePictures, Qt::LeftButton);
            QVERIFY(loader && loader->chkCompact->isChecked());
            delete loader;
            Deck stored;
            QVERIFY(stored.open(paths::deckDatabase(QStringLiteral("Tutor2.vdk"))));
            QVERIFY(stored.picture(1) == photo && isJpegFile(stored.picture(2)));

            QString shown;
            FrmImportExportDeck screen(
                rig.services, ExchangeOpener::DeckManagerExport, nullptr,
                [&shown](QWidget *, const QString &name, const QString &path) { shown += name + '|' + path; });
            screen.show();
            select(screen.exportFrame()->File4, QStringLiteral("Tutor2.vdk \u2013 Design"));
            screen.exportFrame()->Dir3->setFolder(share.path());
            QTest::mouseClick(screen.exportFrame()->cmdExport, Qt::LeftButton);
            QCOMPARE(shown, QStringLiteral("Tutor2.vdk|") + share.filePath(QStringLiteral("Tutor2.vdk")));
            QCOMPARE(screen.exportFrame()->File3->item(0)->text(), QStringLiteral("Tutor2.vdk"));
            QVERIFY(screen.isEnabled() && rig.prompter.messages().isEmpty());
            QVERIFY(QFile::rename(share.filePath(QStringLiteral("Tutor2.vdk")), sent));
        }

        Rig fresh;
        QVERIFY(fresh.made &&
                DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Classic"), 0, {}, {}, true));
        FrmImportExportDeck importer(fresh.services, ExchangeOpener::StartScreenImport);
        importer.show();
        importer.importFrame()->Dir1->setFolder(share.path());
        select(importer.importFrame()->File1, QFileInfo(sent).fileName());
        importer.cmdExport_Click(); // not opened for export: says nothing, writes nothing
        // The window keeps painting while the import copies and checks.
        int turns = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&turns] { ++turns; });
        ticker.start(0);
        importer.importFrame()->cmdImportDeck->click();
        QVERIFY(turns > 0);
        QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Design=Tutor2.vdk"));
        Deck imported;
        QVERIFY(imported.open(paths::deckDatabase(QStringLiteral("Tutor2.vdk"))));
        for (const int id : {1, 2})
            QCOMPARE(decodePicture(imported.picture(id)).size(), QSize(1000, 1700));

        fresh.settings.setValue(QStringLiteral("TestType"), QStringLiteral("1"));
        FrmMain main(fresh.services);
        QVERIFY(showWindow(main));
        control<QComboBox>(&main, QStringLiteral("cboTutors"))->setCurrentIndex(1);
        QTest::mouseClick(control<QPushButton>(&main, QStringLiteral("cmdStartTest2")), Qt::LeftButton);
        // Decoded to fill the box and no larger, again when the box grows.
        auto *box = control<PictureBox>(&main, QStringLiteral("picResult"));
        const auto fits = [box] {
            const QSize size = box->picture().size();
            return !size.isEmpty() && size == size.scaled(box->decodeSize(), Qt::KeepAspectRatio);
        };
        QTRY_VERIFY_WITH_TIMEOUT(fits(), 60000);
        const int before = box->picture().height();
        main.resize(main.size() * 5 / 4);
        QTRY_VERIFY_WITH_TIMEOUT(box->picture().height() > before && fits(), 60000);
        for (int question = 0; question < 2; ++question) {
            // Read ahead, or shown as soon as it is read.
            QTRY_VERIFY_WITH_TIMEOUT(fits(), 60000);
            for (int slot : main.testRun().correctKeywordSlots())
                clickBox(control<QCheckBox>(&main, QStringLiteral("chkKeywords%1").arg(slot)));
            QTest::mouseClick(control<QPushButton>(&main, QStringLiteral("cmdNextQuestion")), Qt::LeftButton);
        }
        QCOMPARE(fresh.prompter.messageTexts(), (QStringList{exchange::kImported, "Test Complete"}));
        QCOMPARE(control<QLabel>(&main, QStringLiteral("lblResultInfo"))->text(),
                 QStringLiteral("6/6 choice(s) from 2 questions were correct"));
    }

    void exportMessage_onlyTheHelpAddressIsALink_openedByALeftClick_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("opened");
        QTest::addRow("left") << int(Qt::LeftButton) << 1;
        QTest::addRow("middle") << int(Qt::MiddleButton) << 0;
        QTest::addRow("right") << int(Qt::RightButton) << 0;
    }

    void exportMessage_onlyTheHelpAddressIsALink_openedByALeftClick()
    {
        QFETCH(int, button);
        QFETCH(int, opened);
        UrlCatcher catcher;
        FrmExportMessage message;
        message.setExport(QStringLiteral("Tutor7.vdk"), QStringLiteral("/home/a/www.b/http:/Tutor7.vdk"));
        message.show();
        QVERIFY(QTest::qWaitForWindowExposed(&message));
        QCOMPARE(message.windowTitle(), QStringLiteral("Velmora v1.70"));
        QCOMPARE(message.text().count(QStringLiteral("\r\n")), 4);
        const QString help = vendorPageUrl(VendorPage::OnlineHelp).toString();
        QVERIFY(message.text().endsWith(help));

        QTextDocument *document = message.RTB->document();
        QStringList anchors;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isAnchor())
                    anchors.append(it.fragment().charFormat().anchorHref());
        QCOMPARE(anchors, QStringList{help});

        const QTextCursor found = document->find(help);
        QVERIFY(!found.isNull());
        QTextCursor inside(document);
        inside.setPosition(found.selectionStart() + 3);
        const QPoint at = message.RTB->cursorRect(inside).center();
        QTest::mouseClick(message.RTB->viewport(), Qt::MouseButton(button), {}, at);
        QCOMPARE(catcher.urls.size(), opened);
        if (opened)
            QCOMPARE(catcher.urls.first().toString(), help);
        QVERIFY(message.isVisible());
        QTest::mouseClick(message.cmdOK, Qt::LeftButton);
        QVERIFY(!message.isVisible());
    }
};

QTEST_MAIN(TestFrmImportExportDeck)
#include "tst_frmimportexportdeck.moc"
