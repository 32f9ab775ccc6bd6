#include "progress/history.h"
#include "readings/frmreadings.h"
#include "sampledeck.h"
#include "servicesrig.h"
#include "testhome.h"
#include "windowprobe.h"

#include "app/picturebox.h"
#include "app/services.h"
#include "goals/goalspage.h"
#include "learn/frmmain.h"
#include "learn/sidewindows.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

// Catalog rows of the shared program folder, in row order.
enum Entry { Broken, Classic, TwinRefused, TwinComplete, Holey, Ghost, Single, Strange };

const QString kStrangeDeck = QStringLiteral("<img src=\"/dev/zero\">") + QString(300, QLatin1Char('W'));
// Card names that rich text would turn into a picture, a colour or bold.
const QStringList kStrangeNames{QStringLiteral("<font color=red>x</font>"), QStringLiteral("<b>X</b>"),
                                QString(300, QLatin1Char('M'))};

QList<SampleCard> firstCards(int count, const QString &prefix = QString())
{
    QList<SampleCard> cards = fullDeck(QSize(8, 8)).mid(0, count);
    for (SampleCard &card : cards)
        card.name.prepend(prefix);
    return cards;
}

} // namespace

// The settings tab, the deck choice and the memorize tab of the main window.
// The rules behind them are tested directly; these tests follow the wiring.
class TstFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        QVERIFY(home_->createCatalog());

        classic_ = fullDeck(QSize(35, 60));
        classic_[1].picture = "not a picture";
        QList<SampleCard> broken = firstCards(2);
        broken[1].keywords[3] = QString(); // a keyword slot without value
        QList<SampleCard> twinRefused = firstCards(3, QStringLiteral("First twin "));
        twinRefused[2].keywords[6] = QString();
        QList<SampleCard> holey = firstCards(2);
        holey[1].keywords[0] = QStringLiteral("");
        QList<SampleCard> strange = firstCards(3);
        for (int i = 0; i < 3; ++i)
            strange[i].name = kStrangeNames[i];

        const QList<std::tuple<QString, QString, QList<SampleCard>>> decks{
            {QStringLiteral("Broken"), QStringLiteral("Tutor6.vdk"), broken},
            {QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk"), classic_},
            {QStringLiteral("Twin"), QStringLiteral("Tutor3.vdk"), twinRefused},
            {QStringLiteral("Twin"), QStringLiteral("Tutor2.vdk"), firstCards(3, QStringLiteral("Second twin "))},
            {QStringLiteral("Holey"), QStringLiteral("Tutor4.vdk"), holey},
            {QStringLiteral("Ghost"), QStringLiteral("Tutor9.vdk"), {}},
            {QStringLiteral("Single"), QStringLiteral("Tutor5.vdk"), firstCards(1)},
            {kStrangeDeck, QStringLiteral("Tutor7.vdk"), strange},
        };
        for (const auto &[name, dbName, cards] : decks) {
            QVERIFY(addCatalogRow(name, dbName));
            if (!cards.isEmpty())
                QVERIFY(home_->createDeck(QStringLiteral("tutor/") + dbName) &&
                        writeCards(paths::deckDatabase(dbName), cards));
        }
    }

    void init() { rig_ = std::make_unique<ServicesRig>(); }

    void cleanup()
    {
        window_.reset();
        rig_.reset();
    }

    void opening_listsDecksUnselectedOnTheSettingsTab()
    {
        FrmMain &window = openWindow();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.70"));
        auto *list = child<QComboBox>(QStringLiteral("cboTutors"));
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names.append(list->itemText(i));
        QCOMPARE(names, (QStringList{"Broken", "Classic", "Twin", "Twin", "Holey", "Ghost", "Single", kStrangeDeck}));
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(tabs()->currentIndex(), int(TabSettings));
        QCOMPARE(tabState(), QStringLiteral("000"));
        QVERIFY(rig_->prompter.records().isEmpty());
        // The first tab is the goal list.
        QVERIFY(qobject_cast<goals::GoalsPage *>(tabs()->widget(TabGoals)));
    }

    void opening_withoutDefaultDeck_tellsAndStops()
    {
        TestHome bare;
        bare.makeFolders();
        QVERIFY(bare.createCatalog());
        rig_->settings.setValue(QStringLiteral("TestType"), QStringLiteral("0"));

        FrmMain window(rig_->services);
        QVERIFY(window.load() == Opening::Refused);
        QCOMPARE(rig_->prompter.messages().size(), 1);
        const Prompt prompt = rig_->prompter.messages().first();
        QCOMPARE(prompt.text, QStringLiteral("Required files missing. Please reinstall Velmora"));
        QVERIFY(prompt.title == "ERROR !" && prompt.icon == PromptIcon::Critical &&
                prompt.buttons == PromptButtons::Ok);
        // The options were never loaded and no tab was chosen.
        QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("optTestType1"))->isChecked());
        QVERIFY(window.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex() != int(TabSettings));
    }

    // Damaged stored values are the settings test's; here each loaded value runs its reaction.
    void loadTestSettings_runsTheReactionsOfEachChange_data()
    {
        QTest::addColumn<QStringList>("stored"); // key=value pairs
        QTest::addColumn<QString>("suitsChecked");
        QTest::addColumn<bool>("suitsAvailable");
        QTest::addColumn<bool>("reversedAvailable");
        QTest::addColumn<bool>("nextAvailable");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QVector<int>>("groups");

        QTest::addRow("nothing stored") << QStringList() << "1111" << true << false << true << 0
                                        << QVector<int>{0, 1, 2, 3, 4};
        QTest::addRow("no group, keyword test") << QStringList{"MajorArcana=0", "MinorArcana=0"} << "1111" << false
                                                << false << false << 0 << QVector<int>();
        QTest::addRow("no group, description test, advanced")
            << QStringList{"MajorArcana=0", "MinorArcana=0", "TestType=0", "Difficulty=2"} << "1111" << false << true
            << false << 2 << QVector<int>();
        QTest::addRow("every suit stored off keeps the last one")
            << QStringList{"Cups=0", "Wands=0", "Pentacles=0", "Swords=0"} << "0001" << true << false << true << 0
            << QVector<int>{0, 4};
    }

    void loadTestSettings_runsTheReactionsOfEachChange()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, suitsChecked);
        QFETCH(bool, suitsAvailable);
        QFETCH(bool, reversedAvailable);
        QFETCH(bool, nextAvailable);
        QFETCH(int, difficulty);
        QFETCH(QVector<int>, groups);
        for (const QString &pair : stored)
            rig_->settings.setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));

        FrmMain &window = openWindow();
        QString checked;
        for (int i = 0; i < kSuitCount; ++i) {
            const QString suit = QStringLiteral("chkGroup%1").arg(i);
            checked += child<QCheckBox>(suit)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
            QCOMPARE(enabled(suit), suitsAvailable);
        }
        QCOMPARE(checked, suitsChecked);
        QCOMPARE(enabled(QStringLiteral("chkReversed")), reversedAvailable);
        QCOMPARE(available("cmdNext"), nextAvailable);
        QCOMPARE(window.difficulty(), difficulty);
        QCOMPARE(window.selectedGroups(), groups);
    }

    void optionClicks_runTheirReactions()
    {
        openWindow();
        // In a keyword test a click on a group makes reversed cards available.
        QVERIFY(!enabled(QStringLiteral("chkReversed")));
        clickBox(QStringLiteral("chkMajor"));
        QVERIFY(enabled(QStringLiteral("chkReversed")));
        clickBox(QStringLiteral("chkMinor"));
        QVERIFY(!enabled(QStringLiteral("chkReversed")) && !available("cmdNext"));
        clickBox(QStringLiteral("optTestType0"));
        QVERIFY(enabled(QStringLiteral("chkReversed")));
        clickBox(QStringLiteral("optTestType1"));
        QVERIFY(!enabled(QStringLiteral("chkReversed")));

        clickBox(QStringLiteral("chkMajor"));
        clickBox(QStringLiteral("chkMinor"));
        for (int i = 0; i < kSuitCount; ++i)
            clickBox(QStringLiteral("chkGroup%1").arg(i));
        // The last checked suit cannot be cleared.
        QCOMPARE(window_->selectedGroups(), (QVector<int>{0, 4}));
        // Minor Arcana closes the suits but keeps their values.
        clickBox(QStringLiteral("chkMinor"));
        QVERIFY(!enabled(QStringLiteral("chkGroup3")));
        QCOMPARE(window_->selectedGroups(), QVector<int>{0});
        clickBox(QStringLiteral("chkMinor"));
        QVERIFY(enabled(QStringLiteral("chkGroup3")));
        QCOMPARE(window_->selectedGroups(), (QVector<int>{0, 4}));
    }

    void savedSettings_areLoadedByTheNextWindow()
    {
        openWindow();
        for (const char *name : {"chkMajor", "chkGroup2", "optTestType0", "optDifficulty1"})
            clickBox(QLatin1String(name));
        click("cmdSaveSettings");
        QVERIFY(rig_->prompter.records().isEmpty());
        SettingsStore reread(rig_->settingsPath());
        QCOMPARE(reread.value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));

        window_.reset();
        openWindow();
        QString checked;
        for (const char *name : {"chkMajor", "chkGroup2", "chkGroup3", "optTestType0", "optDifficulty1"})
            checked += child<QAbstractButton>(QLatin1String(name))->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(checked, QStringLiteral("00111"));
        QVERIFY(enabled(QStringLiteral("chkReversed")));
    }

    void choosingDeck_refusedEntryFallsBackToTheFirstWithoutLooping()
    {
        openWindow();
        choose(Broken);
        QTRY_COMPARE_WITH_TIMEOUT(rig_->prompter.messageTexts(),
                                  QStringList{designingIncompleteMessage(QStringLiteral("Broken"))}, 60000);
        QVERIFY(rig_->prompter.messages().first().icon == PromptIcon::Critical &&
                rig_->prompter.messages().first().title == "Velmora");
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), 0);

        // A refused later entry falls back to the first, which is checked once in turn.
        rig_->prompter.clear();
        const QStringList twice{designingIncompleteMessage(QStringLiteral("Twin")),
                                designingIncompleteMessage(QStringLiteral("Broken"))};
        choose(TwinRefused);
        QTRY_COMPARE_WITH_TIMEOUT(rig_->prompter.messageTexts(), twice, 60000);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), 0);

        // A practice asked for before the checks are in opens the entry they leave.
        rig_->prompter.clear();
        choose(TwinRefused);
        click("cmdSetOption");
        QCOMPARE(rig_->prompter.messageTexts(), twice);
        QCOMPARE(window_->practice().deckName, QStringLiteral("Broken"));
    }

    void practice_refusedWithTheMessageOfItsCause_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("test");
        QTest::addColumn<bool>("noGroup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");

        const int critical = int(PromptIcon::Critical);
        QTest::addRow("deck file missing, memorize")
            << int(Ghost) << false << false << notAvailableMessage(QStringLiteral("Ghost")) << critical;
        QTest::addRow("empty keyword, test")
            << int(Holey) << true << false << incompleteMessage(QStringLiteral("Holey"), PracticeWording::Test)
            << critical;
        QTest::addRow("no group") << int(Classic) << true << true << QStringLiteral("Select at least one option.")
                                  << int(PromptIcon::None);
        QTest::addRow("no deck chosen, test")
            << -1 << true << false << noDeckChosenMessage() << int(PromptIcon::Information);
    }

    void practice_refusedWithTheMessageOfItsCause()
    {
        QFETCH(int, entry);
        QFETCH(bool, test);
        QFETCH(bool, noGroup);
        QFETCH(QString, text);
        QFETCH(int, icon);
        openWindow();
        child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(entry);
        if (noGroup) {
            clickBox(QStringLiteral("chkMajor"));
            clickBox(QStringLiteral("chkMinor"));
        }
        click(test ? "cmdStartTest2" : "cmdSetOption");
        QCOMPARE(rig_->prompter.messageTexts(), QStringList{text});
        QVERIFY(int(rig_->prompter.messages().first().icon) == icon &&
                rig_->prompter.messages().first().title == "Velmora");
        QCOMPARE(tabs()->currentIndex(), int(TabSettings));
        QCOMPARE(tabState(), QStringLiteral("000"));
        QVERIFY(window_->cardSet().isEmpty());
    }

    void practice_refusalKeepsThePreviousPractice()
    {
        FrmMain &window = openWindow();
        choose(Classic);
        QVERIFY(window.CheckAndOpenSelectedDeck(PracticeWording::Memorize));
        child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(Ghost);
        QVERIFY(!window.CheckAndOpenSelectedDeck(PracticeWording::Memorize));
        child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(Holey);
        QVERIFY(!window.CheckAndOpenSelectedDeck(PracticeWording::Test));
        QCOMPARE(rig_->prompter.messages().size(), 2);
        QCOMPARE(window.cardSet().size(), 78);
        QCOMPARE(window.cardSet().last().name, QStringLiteral("Swords 14"));
    }

    void readings_drawFromTheChosenDeckAndTestTheirCardsOnMeanings()
    {
        FrmMain &window = openWindow();
        choose(Classic);
        window.findChild<QAction *>(QStringLiteral("mnuReadings"))->trigger();
        auto *spread = window.findChild<readings::FrmReadings *>();
        QVERIFY(spread);
        spread->draw();
        QCOMPARE(spread->reading().deckFile, QStringLiteral("Tutor1.vdk"));
        QCOMPARE(spread->reading().cards.value(2).name, QStringLiteral("Major 3"));
        QTest::mouseClick(spread->findChild<QPushButton *>(QStringLiteral("cmdTestMe")), Qt::LeftButton);
        QCOMPARE(window.testType(), TestType::Description);
        QCOMPARE(window.cardSet().size(), 3);
        QCOMPARE(tabs()->currentIndex(), int(TabTest));
    }

    // Draw with no deck chosen says where to choose one; the next window
    // comes up with the deck chosen last, the second of two of one name too,
    // or the same name elsewhere once the list has changed.
    void chosenDeck_isAskedForAndRemembered()
    {
        FrmMain &window = openWindow();
        window.findChild<QAction *>(QStringLiteral("mnuReadings"))->trigger();
        auto *spread = window.findChild<readings::FrmReadings *>();
        QVERIFY(spread);
        spread->draw();
        QCOMPARE(rig_->prompter.messageTexts(), QStringList{noDeckChosenMessage()});
        QVERIFY(spread->reading().cards.isEmpty());
        spread->close();

        choose(TwinComplete);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), int(TwinComplete));
        window_.reset();
        openWindow();
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), int(TwinComplete));

        rig_->prompter.clear();
        rig_->services.settings.setValue(QStringLiteral("ChosenDeckPosition"), QString::number(int(Strange)));
        window_.reset();
        openWindow();
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), int(TwinRefused));
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    void practice_twoDecksOfOneName_opensTheFirstRow()
    {
        openWindow();
        // The position checks the second row, which is complete ...
        choose(TwinComplete);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), int(TwinComplete));
        // ... but the name opens the first.
        click("cmdSetOption");
        QVERIFY(rig_->prompter.records().isEmpty());
        QCOMPARE(memorizeState(), QStringLiteral("First twin Major 1 < >"));
    }

    void memorize_showsEachCardWithItsPictures()
    {
        openWindow();
        choose(Classic);
        click("cmdSetOption");
        QVERIFY(rig_->prompter.records().isEmpty());
        QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
        QCOMPARE(memorizeState(), QStringLiteral("Major 1 < >"));
        // Every slot leaves its separator, the last one too.
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText(),
                 QStringLiteral("k1-1, k1-2, k1-3, k1-4, k1-5, k1-6, k1-7, "));
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtNormalMeaning"))->toPlainText(), classic_[0].normalMeaning);
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtReverseMeaning"))->toPlainText(),
                 classic_[0].reversedMeaning);
        const QImage upright = decodePicture(classic_[0].picture);
        QVERIFY(!upright.isNull());
        QCOMPARE(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture(), upright);
        QCOMPARE(child<PictureBox>(QStringLiteral("picCardMemorizeReversed"))->picture(), turnedHalf(upright));

        // A picture that does not decode clears both.
        click("cmdNext");
        QCOMPARE(memorizeState(), QStringLiteral("Major 2 < >"));
        QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture().isNull());
        QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorizeReversed"))->picture().isNull());
        click("cmdNext");
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText(),
                 QStringLiteral("k3-1, k3-2, k3-3, k3-4, k3-5, k3-6, k3-7, "));
        QCOMPARE(window_->cardPosition(), 3);
    }

    // The count follows the deck, the groups, the caps and the grades given.
    void reviewButton_countsWhatIsDueOfTheChoice()
    {
        QFile::remove(progress::historyPath());
        openWindow();
        const auto caption = [this]() -> QString {
            const auto *button = child<QPushButton>(QStringLiteral("cmdReview"));
            return button->text() + (button->isEnabled() ? QString() : QStringLiteral(" off"));
        };
        QCOMPARE(caption(), QStringLiteral("Re&view Due Cards (0) off"));
        choose(Single);
        QTRY_COMPARE_WITH_TIMEOUT(caption(), QStringLiteral("Re&view Due Cards (3)"), 60000);
        clickBox(QStringLiteral("chkMajor"));
        QTRY_COMPARE_WITH_TIMEOUT(caption(), QStringLiteral("Re&view Due Cards (0) off"), 60000);
        clickBox(QStringLiteral("chkMajor"));
        child<QSpinBox>(QStringLiteral("spnNewPerDay"))->setValue(2);
        QTRY_COMPARE_WITH_TIMEOUT(caption(), QStringLiteral("Re&view Due Cards (2)"), 60000);

        click("cmdReview");
        QWidget *review = window_->findChild<QWidget *>(QStringLiteral("frmReview"));
        QVERIFY(review && QTest::qWaitForWindowActive(review));
        review->activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), review, 60000);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_3, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
        // One new facet learnt, in a step of minutes not due yet.
        QTRY_COMPARE_WITH_TIMEOUT(caption(), QStringLiteral("Re&view Due Cards (1)"), 60000);
        QVERIFY(rig_->prompter.records().isEmpty());
        // Closed while a count is on its way: the count ends with the window.
        child<QSpinBox>(QStringLiteral("spnNewPerDay"))->setValue(3);
        const auto *windows = window_->findChild<SideWindows *>();
        QVERIFY(windows && windows->countingDue());
        window_.reset();
        QFile::remove(progress::historyPath());
    }

    void memorize_nextAndPreviousStopAtBothEnds_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("cleared"); // option boxes clicked off
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("backFromTheEnd");
        QTest::addRow("Swords only") << int(Classic) << QStringList{"chkMajor", "chkGroup0", "chkGroup1", "chkGroup2"}
                                     << "Swords 1"
                                     << "Swords 14"
                                     << "Swords 13 < >";
        QTest::addRow("one card") << int(Single) << QStringList{"chkMinor"} << "Major 1"
                                  << "Major 1"
                                  << "Major 1 >";
    }

    void memorize_nextAndPreviousStopAtBothEnds()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, cleared);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, backFromTheEnd);
        openWindow();
        for (const QString &name : cleared)
            clickBox(name);
        choose(entry);
        click("cmdSetOption");
        const int count = int(window_->cardSet().size());
        QCOMPARE(memorizeState(), first + QStringLiteral(" < >"));
        // Low enough that the tabs scroll: a button turned off under the
        // focus hands it to its twin and the page stays where it is.
        window_->resize(window_->width(), window_->minimumHeight());
        const QScrollBar *scroll = child<QScrollArea>(QStringLiteral("scrTabs"))->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        const int scrolledAt = scroll->value();
        click("cmdPrevious");
        QCOMPARE(memorizeState(), first + QStringLiteral(" >"));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(QStringLiteral("cmdNext")));
        for (int i = 1; i < count; ++i)
            click("cmdNext");
        QCOMPARE(memorizeState(), last + (count > 1 ? QStringLiteral(" < >") : QStringLiteral(" >")));
        QCOMPARE(window_->cardPosition(), count);
        click("cmdNext");
        QCOMPARE(memorizeState().section(QLatin1Char(' '), 0, 1), last);
        QVERIFY(!available("cmdNext"));
        if (count > 1)
            QCOMPARE(QApplication::focusWidget(), child<QWidget>(QStringLiteral("cmdPrevious")));
        QCOMPARE(scroll->value(), scrolledAt);
        click("cmdPrevious");
        QCOMPARE(memorizeState(), backFromTheEnd);

        // A new practice starts with both buttons ready again.
        window_->mnuTabSettings_Click();
        click("cmdSetOption");
        QCOMPARE(memorizeState(), first + QStringLiteral(" < >"));
    }

    void memorize_emptySelection_showsNothingAndCannotMove()
    {
        openWindow();
        // First a card on screen, so that clearing it is seen.
        clickBox(QStringLiteral("chkMinor"));
        choose(Single);
        click("cmdSetOption");
        QCOMPARE(memorizeState(), QStringLiteral("Major 1 < >"));
        QVERIFY(!child(QStringLiteral("lblNoCards"))->isVisible());
        window_->mnuTabSettings_Click();

        clickBox(QStringLiteral("chkMinor"));
        clickBox(QStringLiteral("chkMajor"));
        click("cmdSetOption");
        QVERIFY(rig_->prompter.records().isEmpty());
        QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
        QCOMPARE(window_->cardSet().size(), 0);
        QCOMPARE(memorizeState(), QString());
        QVERIFY(child(QStringLiteral("lblNoCards"))->isVisible());
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText() +
                     child<QPlainTextEdit>(QStringLiteral("txtNormalMeaning"))->toPlainText(),
                 QString());
        QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture().isNull());
    }

    void tabs_followThePracticeAndTheTabOnScreenStaysEnabled()
    {
        openWindow();
        QTabBar *bar = tabs()->findChild<QTabBar *>();
        QVERIFY(bar);
        const auto clickTab = [bar](int tab) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        };

        choose(Classic);
        click("cmdSetOption");
        QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
        QCOMPARE(tabState(), QStringLiteral("100"));
        clickTab(TabSettings);
        QCOMPARE(tabState(), QStringLiteral("000"));
        click("cmdStartTest2");
        QCOMPARE(tabs()->currentIndex(), int(TabTest));
        QCOMPARE(tabState(), QStringLiteral("110"));

        // Leaving the test for the memorize tab closes it.
        clickTab(TabMemorize);
        QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
        QCOMPARE(window_->cardPosition(), 1);
        QCOMPARE(tabState(), QStringLiteral("100"));
        clickTab(TabTest);
        QCOMPARE(tabs()->currentIndex(), int(TabMemorize));

        // The window may select a closed tab, which stays enabled while on screen.
        window_->selectTab(TabResults);
        QCOMPARE(tabs()->currentIndex(), int(TabResults));
        QCOMPARE(tabState(), QStringLiteral("100"));
        window_->findChild<QAction *>(QStringLiteral("mnuTabGoals"))->trigger();
        QCOMPARE(tabs()->currentIndex(), int(TabGoals));
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    void strangeNames_showAsPlainTextAndNeverWidenTheWindow()
    {
        openWindow();
        const int width = window_->width();
        choose(Strange);
        click("cmdSetOption");
        auto *name = child<QLabel>(QStringLiteral("lblCardNameMemorize"));
        for (const QString &expected : kStrangeNames) {
            QCOMPARE(name->text(), expected);
            QCOMPARE(name->textFormat(), Qt::PlainText);
            QCoreApplication::processEvents();
            QCOMPARE(window_->width(), width);
            QVERIFY(window_->minimumSizeHint().width() <= width);
            click("cmdNext");
        }
        QVERIFY(rig_->prompter.records().isEmpty());
    }

    // However small the window, the settings tab scrolls rather than press
    // its controls onto each other.
    void smallestWindow_settingsScrollInsteadOfOverlapping()
    {
        openWindow();
        window_->resize(window_->minimumSize());
        QCoreApplication::processEvents();
        QCOMPARE(tabs()->currentIndex(), int(TabSettings));
        QList<QWidget *> boxes;
        for (const char *name :
             {"chkMajor", "chkMinor", "chkGroup0", "chkGroup1", "chkGroup2", "chkGroup3", "chkReversed"})
            boxes.append(child<QWidget>(QLatin1String(name)));
        for (int k = 0; k < boxes.size(); ++k) {
            QVERIFY2(boxes[k]->height() >= boxes[k]->minimumSizeHint().height(), boxes[k]->objectName().toLatin1());
            for (int j = k + 1; j < boxes.size(); ++j) {
                const QRect a(boxes[k]->mapTo(window_.get(), QPoint()), boxes[k]->size());
                const QRect b(boxes[j]->mapTo(window_.get(), QPoint()), boxes[j]->size());
                QVERIFY2(!a.intersects(b),
                         qPrintable(boxes[k]->objectName() + QLatin1Char(' ') + boxes[j]->objectName()));
            }
        }
    }

private:
    FrmMain &openWindow()
    {
        window_ = std::make_unique<FrmMain>(rig_->services);
        if (!showWindow(*window_))
            qFatal("the window did not open");
        return *window_;
    }

    void choose(int entry)
    {
        auto *list = child<QComboBox>(QStringLiteral("cboTutors"));
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }

    template <typename T = QWidget>
    T *child(const QString &name)
    {
        return control<T>(window_.get(), name);
    }

    void click(const char *name) { QTest::mouseClick(child<QPushButton>(QLatin1String(name)), Qt::LeftButton); }
    void clickBox(const QString &name) { test::clickBox(child<QAbstractButton>(name)); }
    bool enabled(const QString &name) { return child(name)->isEnabled(); }
    bool available(const char *name) { return test::available(child(QLatin1String(name))); }
    QTabWidget *tabs() { return child<QTabWidget>(QStringLiteral("SSTab1")); }
    QString tabState() { return test::tabState(*window_); }
    // The card on the memorize tab and which of "<< Previous" / "Next >>" work.
    QString memorizeState()
    {
        return child<QLabel>(QStringLiteral("lblCardNameMemorize"))->text() +
               (available("cmdPrevious") ? QStringLiteral(" <") : QString()) +
               (available("cmdNext") ? QStringLiteral(" >") : QString());
    }

    std::unique_ptr<TestHome> home_;
    QList<SampleCard> classic_;
    std::unique_ptr<ServicesRig> rig_;
    std::unique_ptr<FrmMain> window_;
};

// ---------------------------------------------------------------- opening and options

// ---------------------------------------------------------------- deck choice and practice

// ---------------------------------------------------------------- memorize

// ---------------------------------------------------------------- tabs

// ---------------------------------------------------------------- names and accessibility

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
