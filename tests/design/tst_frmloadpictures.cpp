#include "designhome.h"
#include "filebytes.h"
#include "servicesrig.h"

#include "app/folderchoice.h"
#include "app/shell.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"

#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class TstFrmLoadPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setProcessEnder([] {});
    }

    void init()
    {
        home_ = std::make_unique<DeckHome>();
        QVERIFY(home_->make());
        pictures_ = std::make_unique<QTemporaryDir>();
        rig_ = std::make_unique<ServicesRig>();
    }

    void cleanup()
    {
        delete loader_;
        delete editor_;
        QCOMPARE(rig_->prompter.pendingAnswers(), 0);
    }

    void browse_startsAtHomeAndListsJpgInAnyCase()
    {
        QVERIFY(makeDesignDeck(QStringLiteral("Tutor2.vdk"), {plainCard(1)}));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor2.vdk"), Access::ReadWrite));
        FrmLoadPictures loader(rig_->services, deck);
        QCOMPARE(loader.folder(), QDir::homePath());
        QCOMPARE(loader.dirSelected->folder(), QDir::homePath());
        for (const char *name : {"a.jpg", "B.JPG", "c.JpG", "d.jpeg", "e.png", "f.jpg.bak"})
            QVERIFY(!writeJpeg(QLatin1String(name)).isEmpty());
        for (const char *special : {"pipe", "device", "dangling"})
            QVERIFY(
                test::makeSpecialFile(pictures_->filePath(special + QStringLiteral(".jpg")), QLatin1String(special)));
        // Another folder comes from the desktop's folder dialog, from the one shown.
        rig_->prompter.queueFileName(pictures_->path());
        QTest::mouseClick(loader.findChild<QPushButton *>(QStringLiteral("cmdBrowsedirSelected")), Qt::LeftButton);
        QCOMPARE(rig_->prompter.records().last().request.startName, QDir::homePath());
        QCOMPARE(loader.folder(), pictures_->path());
        QStringList listed;
        for (int i = 0; i < loader.filSelected->count(); ++i)
            listed.append(loader.filSelected->item(i)->text());
        listed.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, QStringList({"a.jpg", "B.JPG", "c.JpG"}));
        QCOMPARE(loader.lstSelectedPictures->headerItem()->text(0), QStringLiteral("Card No"));
    }

    // Save with an empty list asks for pictures and keeps the loader open.
    void add_limitDuplicateAndDeleteGiveBackSlots()
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            writeJpeg(QLatin1String(name));
        SampleCard full = plainCard(1);
        full.picture = jpegPicture(QSize(10, 10), Qt::red);
        QVERIFY(openLoader({full, plainCard(2), plainCard(3)}));
        QTest::mouseClick(loader_->cmdSavePictures, Qt::LeftButton);
        QVERIFY(loader_->isVisible());
        QTest::mouseClick(loader_->cmdDeletePictures, Qt::LeftButton);
        addFile("a.jpg");
        addFile("a.jpg");
        addFile("b.jpg");
        addFile("c.jpg");
        QCOMPARE(loader_->choice().files(), QStringList({pictures_->filePath("a.jpg"), pictures_->filePath("b.jpg")}));
        QTest::mouseClick(loader_->cmdDeletePictures, Qt::LeftButton);
        addFile("c.jpg");
        QCOMPARE(loader_->choice().files(), QStringList({pictures_->filePath("a.jpg"), pictures_->filePath("c.jpg")}));
        QCOMPARE(loader_->lstSelectedPictures->topLevelItemCount(), 2);
        QCOMPARE(rig_->prompter.messageTexts(),
                 QStringList({"Please Select Picture(s)", "Picture has been deleted. Please add another picture",
                              "This Picture has already been added.\nPlease select another picture",
                              "2 Pictures already added\nYou cannot add any more pictures"}));
        QList<PromptIcon> icons;
        for (const Prompt &message : rig_->prompter.messages())
            icons.append(message.icon);
        QCOMPARE(icons, (QList<PromptIcon>{PromptIcon::Information, PromptIcon::Information, PromptIcon::Warning,
                                           PromptIcon::Critical}));
    }

    void add_severalPickedOrDroppedKeepAddsOrderAndLimit()
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.png"})
            writeJpeg(QLatin1String(name));
        QVERIFY(openLoader({plainCard(1), plainCard(2), plainCard(3)}));
        QListWidget *files = loader_->filSelected;
        const auto at = [files](const char *name) {
            return files->visualItemRect(files->findItems(QLatin1String(name), Qt::MatchExactly).value(0)).center();
        };
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at("c.jpg"));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::ControlModifier, at("a.jpg"));
        QTest::mouseClick(loader_->cmdAddPictures, Qt::LeftButton);
        // Dropped: a file the list would not show is passed over, a duplicate told,
        // and the fourth picture for three cards refused.
        QMimeData dragged;
        QList<QUrl> urls;
        for (const char *name : {"e.png", "a.jpg", "d.jpg", "b.jpg"})
            urls.append(QUrl::fromLocalFile(pictures_->filePath(QLatin1String(name))));
        dragged.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(loader_->lstSelectedPictures->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(loader_->lstSelectedPictures->viewport(), &drop);
        QCOMPARE(loader_->choice().files(), QStringList({pictures_->filePath("a.jpg"), pictures_->filePath("c.jpg"),
                                                         pictures_->filePath("d.jpg")}));
        QCOMPARE(rig_->prompter.messageTexts(),
                 QStringList({"3 Pictures already added\nYou cannot add any more pictures",
                              "This Picture has already been added.\nPlease select another picture"}));
    }

    void save_handsOutInListOrderAndMarksOnlyStoredCards()
    {
        writeJpeg("first.jpg", QSize(1000, 1700));
        QVERIFY(writeFile(pictures_->filePath("broken.jpg"), "not a picture at all"));
        writeJpeg("second.jpg", QSize(120, 80));
        SampleCard third = plainCard(3);
        third.picture = jpegPicture(QSize(10, 10), Qt::red);
        QVERIFY(openLoader({plainCard(1), plainCard(2), third, plainCard(4), plainCard(5)}));
        addFile("first.jpg");
        addFile("broken.jpg");
        addFile("second.jpg");
        QTest::mouseClick(loader_->cmdSavePictures, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loader_, 60000);
        QCOMPARE(rig_->prompter.messages().size(), 1);
        const Prompt failed = rig_->prompter.messages().first();
        QCOMPARE(failed.icon, PromptIcon::Warning);
        QVERIFY2(failed.text.contains(QLatin1String("broken.jpg: not a picture")), qPrintable(failed.text));
        QVERIFY(!failed.text.contains(QLatin1String("first.jpg")));

        const QString deck = QStringLiteral("Tutor2.vdk");
        QVERIFY(storedCard(deck, 1).card.isSaved && storedCard(deck, 1).hasPicture);
        QVERIFY(!storedCard(deck, 2).card.isSaved && !storedCard(deck, 2).hasPicture);
        QVERIFY(storedCard(deck, 4).card.isSaved);
        QVERIFY(!storedCard(deck, 5).card.isSaved);
        Deck opened;
        QVERIFY(opened.open(paths::deckDatabase(deck)));
        const QByteArray bytes = opened.picture(1);
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(QImage::fromData(bytes).size(), QSize(1000, 1700));
        QCOMPARE(QImage::fromData(opened.picture(4)).size(), QSize(120, 80));

        QTreeWidget *list = editor_->cardList()->lstPictures;
        QStringList marks;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            marks.append(list->topLevelItem(i)->text(0));
        QCOMPARE(marks, QStringList({"Card 1 (picture)", "Card 2", "Card 3 (picture)", "Card 4 (picture)", "Card 5"}));
        QVERIFY(!editor_->cardPage()->hasPicture());
        QTRY_VERIFY_WITH_TIMEOUT(editor_->cardPage()->txtNormalMeaning->hasFocus(), 60000);
    }

    void save_cancelStopsAfterTheCardInHand()
    {
        QList<SampleCard> cards;
        for (int id = 1; id <= 5; ++id) {
            cards.append(plainCard(id));
            writeJpeg(QStringLiteral("p%1.jpg").arg(id));
        }
        QVERIFY(openLoader(cards));
        for (int id = 1; id <= 5; ++id)
            addFile(QStringLiteral("p%1.jpg").arg(id));
        QStringList labels;
        connect(loader_, &FrmLoadPictures::cardStored, this, [this, &labels](int index) {
            auto *progress = loader_->findChild<QProgressDialog *>(QStringLiteral("progressSaving"));
            QVERIFY(progress && progress->isVisible());
            labels.append(progress->labelText());
            if (index == 1)
                progress->cancel();
        });
        QTest::mouseClick(loader_->cmdSavePictures, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!loader_, 60000);
        // The write in hand when Cancel came is kept whole, and nothing after it.
        const int stored = int(labels.size());
        QVERIFY2(stored >= 2 && stored < 5, qPrintable(labels.join(QLatin1Char(','))));
        QCOMPARE(labels.mid(0, 2), QStringList({"Card 1 of 5: p1.jpg", "Card 2 of 5: p2.jpg"}));
        for (int id = 1; id <= 5; ++id)
            QCOMPARE(storedCard("Tutor2.vdk", id).card.isSaved, id <= stored);
        QCOMPARE(editor_->cardList()->lstPictures->topLevelItem(stored)->text(0),
                 QStringLiteral("Card %1").arg(stored + 1));
        QCOMPARE(rig_->prompter.messages().size(), 1);
        QVERIFY(rig_->prompter.messages().first().text.contains(QStringLiteral("cancelled after %1 of 5").arg(stored)));
    }

    void preview_stretchRule_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        // The inner box is 155 x 245 pixels; the rule's cases are the rules' own
        // test, and here the drawing follows it: about 36 pixels wide, centred.
        QTest::addRow("very tall") << QSize(100, 1000) << QPoint(77, 0) << QPoint(50, 120);
    }

    void preview_stretchRule()
    {
        QFETCH(QSize, picture);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        QLabel box;
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::black);
        FitPictureToBox(box, image);
        const QImage drawn = box.pixmap().toImage();
        QCOMPARE(drawn.size(), QSize(155, 245));
        QCOMPARE(QColor(drawn.pixel(inside)), QColor(Qt::black));
        QVERIFY(QColor(drawn.pixel(outside)) != QColor(Qt::black));
    }

private:
    FrmLoadPictures *openLoader(const QList<SampleCard> &cards)
    {
        if (!makeDesignDeck(QStringLiteral("Tutor2.vdk"), cards))
            qWarning("the deck was not made");
        QVector<bool> saved;
        for (const SampleCard &card : cards)
            saved.append(!card.picture.isEmpty());
        editor_ = new FrmDeckDesign(rig_->services,
                                    {QStringLiteral("Tutor2.vdk"), QStringLiteral("Design"), int(cards.size())}, saved);
        editor_->show();
        connect(editor_, &FrmDeckDesign::loaderOpened, this, [this](FrmLoadPictures *loader) { loader_ = loader; });
        QTest::mouseClick(editor_->cardPage()->cmdBrowsePictures, Qt::LeftButton);
        if (loader_) {
            if (!loader_->isVisible() || !loader_->isModal())
                qWarning("the loader is not shown modal");
            loader_->showFolder(pictures_->path());
        }
        return loader_;
    }

    QString writeJpeg(const QString &name, QSize size = QSize(100, 170))
    {
        const QString path = pictures_->filePath(name);
        return writeFile(path, jpegPicture(size, Qt::darkMagenta)) ? path : QString();
    }

    void addFile(const QString &name)
    {
        const auto found = loader_->filSelected->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        loader_->filSelected->setCurrentItem(found.first());
        QTest::mouseClick(loader_->cmdAddPictures, Qt::LeftButton);
    }

    std::unique_ptr<DeckHome> home_;
    std::unique_ptr<QTemporaryDir> pictures_;
    std::unique_ptr<ServicesRig> rig_;
    QPointer<FrmDeckDesign> editor_;
    QPointer<FrmLoadPictures> loader_;
};

QTEST_MAIN(TstFrmLoadPictures)
#include "tst_frmloadpictures.moc"
