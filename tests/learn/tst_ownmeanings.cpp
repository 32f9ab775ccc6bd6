#include "filebytes.h"
#include "progress/history.h"
#include "readings/cardofday.h"
#include "sampledeck.h"
#include "servicesrig.h"
#include "testhome.h"
#include "windowprobe.h"

#include "app/shell.h"
#include "learn/frmmain.h"
#include "store/paths.h"
#include "store/personalmeanings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

// The learner's own meanings on the memorize tab of the main window, as they
// are typed, kept, refused and asked in a test.
class TstOwnMeanings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        QVERIFY(home_->createCatalog());
        QVERIFY(addCatalogRow(QStringLiteral("Trio"), QStringLiteral("Tutor1.vdk")));
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")) &&
                writeCards(paths::deckDatabase(QStringLiteral("Tutor1.vdk")), fullDeck(QSize(8, 8)).mid(0, 3)));
        setProcessEnder([] {});
    }

    void init()
    {
        rig_ = std::make_unique<ServicesRig>();
        readings::setCardOfTheDayEnabled(rig_->services, false);
    }

    void cleanup()
    {
        window_.reset();
        rig_.reset();
        QFile::remove(progress::historyPath());
        QDir(progress::historyPath()).removeRecursively();
    }

    void typed_keptOnTheNextCardAndAfterAPause_shownAgain_askedInADescriptionTest()
    {
        memorize();
        QVERIFY(!own()->isReadOnly());
        QCOMPARE(keyboardFaults(window_.get(), TabMemorize), QStringList());
        QTest::keyClicks(own(), QStringLiteral("A <b>fresh</b> start"));
        QTest::keyClicks(child<QPlainTextEdit>(QStringLiteral("txtOwnReverseMeaning")), QStringLiteral("Hesitation"));
        click("cmdNext");
        QCOMPARE(stored().value(QStringLiteral("Major 1")),
                 (progress::PersonalMeaning{QStringLiteral("A <b>fresh</b> start"), QStringLiteral("Hesitation")}));
        QVERIFY(own()->toPlainText().isEmpty());
        // Left standing, the second card's meaning is kept without a move.
        QTest::keyClicks(own(), QStringLiteral("Will"));
        QTRY_COMPARE_WITH_TIMEOUT(stored().value(QStringLiteral("Major 2")).upright, QStringLiteral("Will"), 60000);
        click("cmdPrevious");
        QCOMPARE(own()->toPlainText(), QStringLiteral("A <b>fresh</b> start"));

        // A paste past the bound is cut to it and said so.
        own()->selectAll();
        own()->insertPlainText(QString(progress::kMaxPersonalMeaning + 50, QLatin1Char('y')));
        QCOMPARE(own()->toPlainText().size(), progress::kMaxPersonalMeaning);
        QVERIFY(child<QLabel>(QStringLiteral("lblOwnStatus"))->text().contains(QStringLiteral("4000")));
        own()->setPlainText(QStringLiteral("Mine 1"));

        // Asked for in a description test: every option shown is a meaning
        // of the card set, the learner's own where there is one.
        clickBox(child<QCheckBox>(QStringLiteral("chkAskOwn")));
        QVERIFY(window_->close());
        window_.reset();
        QCOMPARE(rig_->settings.value(QStringLiteral("AskOwnMeanings")), QStringLiteral("True"));
        QCOMPARE(stored().value(QStringLiteral("Major 1")).upright, QStringLiteral("Mine 1"));
        rig_->settings.setValue(QStringLiteral("TestType"), QStringLiteral("0"));
        openWindow();
        choose();
        clickBox(child<QRadioButton>(QStringLiteral("optTestType0")));
        if (child<QCheckBox>(QStringLiteral("chkReversed"))->isChecked())
            clickBox(child<QCheckBox>(QStringLiteral("chkReversed")));
        click("cmdStartTest2");
        QCOMPARE(window_->currentTab(), int(TabTest));
        QStringList shown;
        for (int i = 0; i < 7; ++i) {
            auto *caption = child<QLabel>(QStringLiteral("lblAnswer%1").arg(i));
            if (caption->isVisibleTo(window_.get()) && !caption->text().isEmpty())
                shown.append(caption->text());
        }
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("Mine 1"), QStringLiteral("Will"), QStringLiteral("normal 3")}));
    }

    void damagedHistory_editingRefusedAndTheFileLeftAlone()
    {
        QVERIFY(writeFile(progress::historyPath(), QByteArray("SQLite format 3").leftJustified(4096, 'z')));
        const QByteArray before = fileBytes(progress::historyPath());
        memorize();
        QVERIFY(own()->isReadOnly());
        QVERIFY(child<QLabel>(QStringLiteral("lblOwnStatus"))
                    ->text()
                    .startsWith(QStringLiteral("Your own meanings cannot be read")));
        click("cmdNext");
        QVERIFY(window_->close());
        QCOMPARE(fileBytes(progress::historyPath()), before);
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    void failedSaveAtClosing_asksAndStaysOpenUnlessTold()
    {
        memorize();
        // The history's place taken by a folder: no save can go through.
        QVERIFY(QDir().mkpath(progress::historyPath()));
        QTest::keyClicks(own(), QStringLiteral("Unsaved"));
        rig_->prompter.queueAnswer(PromptAnswer::No);
        QVERIFY(!window_->close());
        QVERIFY(rig_->prompter.messages().last().text.contains(QStringLiteral("Major 1 could not be saved")));
        QCOMPARE(rig_->prompter.messages().last().defaultAnswer, PromptAnswer::No);
        QCOMPARE(own()->toPlainText(), QStringLiteral("Unsaved"));
        QVERIFY(child<QLabel>(QStringLiteral("lblOwnStatus"))
                    ->text()
                    .startsWith(QStringLiteral("Your own meaning could not")));
        rig_->prompter.queueAnswer(PromptAnswer::Yes);
        QVERIFY(window_->close());
    }

private:
    std::unique_ptr<TestHome> home_;
    std::unique_ptr<ServicesRig> rig_;
    std::unique_ptr<FrmMain> window_;

    void openWindow()
    {
        window_ = std::make_unique<FrmMain>(rig_->services);
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!showWindow(*window_))
            qFatal("the window did not open");
    }
    void choose()
    {
        auto *list = child<QComboBox>(QStringLiteral("cboTutors"));
        list->setCurrentIndex(0);
        emit list->activated(0);
    }
    void memorize()
    {
        openWindow();
        choose();
        click("cmdSetOption");
        QCOMPARE(window_->currentTab(), int(TabMemorize));
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton); }
    template <typename T = QWidget>
    T *child(const QString &name)
    {
        return control<T>(window_.get(), name);
    }
    QPlainTextEdit *own() { return child<QPlainTextEdit>(QStringLiteral("txtOwnMeaning")); }
    static progress::PersonalMeaningMap stored()
    {
        return progress::readPersonalMeanings(progress::historyPath(), QStringLiteral("Trio"))
            .value_or(progress::PersonalMeaningMap());
    }
};

QTEST_MAIN(TstOwnMeanings)
#include "tst_ownmeanings.moc"
