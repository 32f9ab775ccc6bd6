#include "fakes.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "app/services.h"
#include "learn/frmmain.h"
#include "learn/picturebox.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

// Catalog rows of the shared program folder, in row order.
enum Entry { Broken, Classic, TwinRefused, TwinComplete, Holey, Ghost, Nameless, Single };

QList<SampleCard> classicCards()
{
    QList<SampleCard> cards = fullDeck(QSize(35, 60));
    cards[0].keywords.removeLast(); // the first card fills only six slots
    cards[1].picture.clear();       // the second card has no picture
    return cards;
}

QList<SampleCard> renamed(QList<SampleCard> cards, const QString &prefix)
{
    for (SampleCard &card : cards)
        card.name = prefix + card.name;
    return cards;
}

} // namespace

class TstFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opening_listsDecksUnselectedOnTheSettingsTab();
    void opening_withoutDefaultDeck_tellsAndStops();
    void noStoredSettings_allGroupsKeywordTestBeginnerReversedUnavailable();
    void loadTestSettings_runsTheReactionsOfEachChange_data();
    void loadTestSettings_runsTheReactionsOfEachChange();
    void suitBoxes_theLastCheckedOneCannotBeCleared();
    void minorArcana_closesTheSuitsButKeepsTheirValues();
    void majorArcana_clickedInAKeywordTest_makesReversedAvailable();
    void savedSettings_areLoadedByTheNextWindow();

    void choosingDeck_refusedEntryFallsBackToTheFirstWithoutLooping();
    void choosingDeck_positionDecidesBetweenTwoDecksOfOneName();
    void practice_refusedWithTheMessageOfItsCause_data();
    void practice_refusedWithTheMessageOfItsCause();
    void practice_refusalKeepsThePreviousPractice();
    void practice_twoDecksOfOneName_opensTheFirstRow();

    void memorize_showsTheCardPicturesAndKeywords();
    void memorize_cardWithoutPictureShowsNoPicture();
    void memorize_nextAndPreviousAtBothEnds();
    void memorize_oneCardSelection();
    void memorize_emptySelection_showsNothingAndCannotMove();

    void tabs_followEveryEventOfThePractice();
    void back_showsTheStartScreenAndCloses();

private:
    FrmMain &openWindow();
    void choose(int entry);
    QTabWidget *tabs() { return window_->findChild<QTabWidget *>(QStringLiteral("SSTab1")); }
    QString tabState();
    template <typename T>
    T *child(const QString &name)
    {
        T *widget = window_->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QCheckBox *check(const QString &name) { return child<QCheckBox>(name); }
    // Check boxes and options answer clicks on their box and caption only.
    static void clickBox(QAbstractButton *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    // Set unavailable by the window itself, apart from a closed tab around it.
    static bool available(const QWidget *widget) { return !widget->testAttribute(Qt::WA_ForceDisabled); }
    QPushButton *button(const QString &name) { return child<QPushButton>(name); }
    QString memorizedName() { return child<QLabel>(QStringLiteral("lblCardNameMemorize"))->text(); }

    std::unique_ptr<TestHome> home_;
    QList<SampleCard> classic_;
    std::unique_ptr<QTemporaryDir> settingsDir_;
    std::unique_ptr<SettingsStore> settings_;
    ScriptedPrompter prompter_;
    FixedClock clock_;
    ScriptedRandom random_;
    std::unique_ptr<Services> services_;
    std::unique_ptr<FrmMain> window_;
};

void TstFrmMain::initTestCase()
{
    home_ = std::make_unique<TestHome>();
    home_->makeFolders();
    QVERIFY(home_->createCatalog());

    classic_ = classicCards();
    QList<SampleCard> broken = fullDeck(QSize(8, 8)).mid(0, 2);
    broken[1].keywords[3] = QString(); // a keyword slot without value
    QList<SampleCard> twinRefused = renamed(fullDeck(QSize(8, 8)).mid(0, 3), QStringLiteral("First twin "));
    twinRefused[2].keywords[6] = QString();
    const QList<SampleCard> twinComplete = renamed(fullDeck(QSize(8, 8)).mid(0, 3), QStringLiteral("Second twin "));
    QList<SampleCard> holey = fullDeck(QSize(8, 8)).mid(0, 2);
    holey[1].keywords[0] = QStringLiteral("");
    const QList<SampleCard> single = fullDeck(QSize(8, 8)).mid(0, 1);

    const QList<std::tuple<QString, QString, QList<SampleCard>>> decks{
        {QStringLiteral("Broken"), QStringLiteral("Tutor6.vdk"), broken},
        {QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk"), classic_},
        {QStringLiteral("Twin"), QStringLiteral("Tutor3.vdk"), twinRefused},
        {QStringLiteral("Twin"), QStringLiteral("Tutor2.vdk"), twinComplete},
        {QStringLiteral("Holey"), QStringLiteral("Tutor4.vdk"), holey},
        {QStringLiteral("Ghost"), QStringLiteral("Tutor9.vdk"), {}},
        {QStringLiteral("Nameless"), QString(), {}},
        {QStringLiteral("Single"), QStringLiteral("Tutor5.vdk"), single},
    };
    for (const auto &[name, dbName, cards] : decks) {
        QVERIFY(addCatalogRow(name, dbName));
        if (cards.isEmpty())
            continue;
        QVERIFY(home_->createDeck(QStringLiteral("tutor/") + dbName));
        QVERIFY(writeCards(paths::deckDatabase(dbName), cards));
    }
}

void TstFrmMain::init()
{
    settingsDir_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<SettingsStore>(settingsDir_->filePath(QStringLiteral("velmora.conf")));
    prompter_.clear();
    services_ = std::make_unique<Services>(Services{prompter_, clock_, random_, *settings_});
}

void TstFrmMain::cleanup()
{
    window_.reset();
    services_.reset();
    settings_.reset();
}

FrmMain &TstFrmMain::openWindow()
{
    window_ = std::make_unique<FrmMain>(*services_);
    if (!window_->load())
        qFatal("the window did not open");
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("the window was not shown");
    return *window_;
}

void TstFrmMain::choose(int entry)
{
    auto *list = child<QComboBox>(QStringLiteral("cboTutors"));
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

// Tabs 2, 3 and 4 as the user may choose them; the tab on screen is not one
// to choose, but every other tab of the bar must agree with the window.
QString TstFrmMain::tabState()
{
    QString text;
    for (int tab = TabMemorize; tab < TabCount; ++tab) {
        const bool available = window_->isTabAvailable(tab);
        if (tab != tabs()->currentIndex() && tabs()->isTabEnabled(tab) != available)
            return QStringLiteral("tab bar differs at %1").arg(tab);
        text += available ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

// ---------------------------------------------------------------- opening and options

void TstFrmMain::opening_listsDecksUnselectedOnTheSettingsTab()
{
    FrmMain &window = openWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.70"));
    QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
    auto *list = child<QComboBox>(QStringLiteral("cboTutors"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->itemText(i));
    QCOMPARE(names, (QStringList{"Broken", "Classic", "Twin", "Twin", "Holey", "Ghost", "Nameless", "Single"}));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(tabs()->currentIndex(), int(TabSettings));
    QCOMPARE(tabState(), QStringLiteral("000"));
    QCOMPARE(tabs()->count(), 5);
    QVERIFY(prompter_.records().isEmpty());
}

void TstFrmMain::opening_withoutDefaultDeck_tellsAndStops()
{
    TestHome bare;
    bare.makeFolders();
    QVERIFY(bare.createCatalog());
    settings_->setValue(QStringLiteral("TestType"), QStringLiteral("0"));

    FrmMain window(*services_);
    QVERIFY(!window.load());
    QCOMPARE(prompter_.messages().size(), 1);
    const Prompt prompt = prompter_.messages().first();
    QCOMPARE(prompt.text, QStringLiteral("Required files missing. Please reinstall Velmora"));
    QCOMPARE(prompt.title, QStringLiteral("ERROR !"));
    QCOMPARE(prompt.icon, PromptIcon::Critical);
    QCOMPARE(prompt.buttons, PromptButtons::Ok);
    // The options were never loaded and no tab was chosen.
    QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("optTestType1"))->isChecked());
    QVERIFY(window.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex() != int(TabSettings));
}

void TstFrmMain::noStoredSettings_allGroupsKeywordTestBeginnerReversedUnavailable()
{
    openWindow();
    QVERIFY(check(QStringLiteral("chkMajor"))->isChecked());
    QVERIFY(check(QStringLiteral("chkMinor"))->isChecked());
    for (int i = 0; i < kSuitCount; ++i) {
        QVERIFY(check(QStringLiteral("chkGroup%1").arg(i))->isChecked());
        QVERIFY(check(QStringLiteral("chkGroup%1").arg(i))->isEnabled());
    }
    QVERIFY(child<QRadioButton>(QStringLiteral("optTestType1"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("optDifficulty0"))->isChecked());
    QVERIFY(check(QStringLiteral("chkReversed"))->isChecked());
    QVERIFY(!check(QStringLiteral("chkReversed"))->isEnabled());
}

void TstFrmMain::loadTestSettings_runsTheReactionsOfEachChange_data()
{
    QTest::addColumn<QStringList>("stored"); // key=value pairs
    QTest::addColumn<QString>("suitsChecked");
    QTest::addColumn<bool>("suitsAvailable");
    QTest::addColumn<bool>("reversedAvailable");
    QTest::addColumn<bool>("nextAvailable");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<QString>("sql");

    const QString all = QStringLiteral(
        "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");
    QTest::addRow("minor arcana off") << QStringList{"MinorArcana=0"} << "1111" << false << false << true << 0
                                      << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID";
    QTest::addRow("description test") << QStringList{"TestType=0", "Difficulty=2"} << "1111" << true << true << true
                                      << 2 << all;
    QTest::addRow("no group, keyword test")
        << QStringList{"MajorArcana=0", "MinorArcana=0"} << "1111" << false << false << false << 0 << QString();
    QTest::addRow("no group, description test") << QStringList{"MajorArcana=0", "MinorArcana=0", "TestType=0"} << "1111"
                                                << false << true << false << 0 << QString();
    QTest::addRow("every suit stored off keeps the last one")
        << QStringList{"Cups=0", "Wands=0", "Pentacles=0", "Swords=0"} << "0001" << true << false << true << 0
        << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=4) ORDER BY ID";
    QTest::addRow("damaged values") << QStringList{"MajorArcana=x", "TestType=7", "Difficulty=-1", "Wands=0"} << "1011"
                                    << true << false << true << 0
                                    << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=3) OR "
                                       "(Group=4) ORDER BY ID";
}

void TstFrmMain::loadTestSettings_runsTheReactionsOfEachChange()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, suitsChecked);
    QFETCH(bool, suitsAvailable);
    QFETCH(bool, reversedAvailable);
    QFETCH(bool, nextAvailable);
    QFETCH(int, difficulty);
    QFETCH(QString, sql);
    for (const QString &pair : stored)
        settings_->setValue(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));

    FrmMain &window = openWindow();
    QString checked;
    for (int i = 0; i < kSuitCount; ++i) {
        QCheckBox *suit = check(QStringLiteral("chkGroup%1").arg(i));
        checked += suit->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(suit->isEnabled(), suitsAvailable);
    }
    QCOMPARE(checked, suitsChecked);
    QCOMPARE(check(QStringLiteral("chkReversed"))->isEnabled(), reversedAvailable);
    QCOMPARE(available(button(QStringLiteral("cmdNext"))), nextAvailable);
    QCOMPARE(window.difficulty(), difficulty);
    // Without a group no practice opens, so there is no SQL to compare.
    if (!sql.isEmpty())
        QCOMPARE(window.BuildCardSelectionSql(), sql);
}

void TstFrmMain::suitBoxes_theLastCheckedOneCannotBeCleared()
{
    openWindow();
    for (int i = 0; i < 3; ++i)
        clickBox(check(QStringLiteral("chkGroup%1").arg(i)));
    QVERIFY(check(QStringLiteral("chkGroup3"))->isChecked());
    clickBox(check(QStringLiteral("chkGroup3")));
    QVERIFY(check(QStringLiteral("chkGroup3"))->isChecked());
    for (int i = 0; i < 3; ++i)
        QVERIFY(!check(QStringLiteral("chkGroup%1").arg(i))->isChecked());
    QCOMPARE(window_->BuildCardSelectionSql(),
             QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=4) ORDER BY ID"));
}

void TstFrmMain::minorArcana_closesTheSuitsButKeepsTheirValues()
{
    openWindow();
    clickBox(check(QStringLiteral("chkGroup1")));
    clickBox(check(QStringLiteral("chkMinor")));
    for (int i = 0; i < kSuitCount; ++i)
        QVERIFY(!check(QStringLiteral("chkGroup%1").arg(i))->isEnabled());
    QCOMPARE(window_->BuildCardSelectionSql(), QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID"));

    clickBox(check(QStringLiteral("chkMinor")));
    QCOMPARE(
        window_->BuildCardSelectionSql(),
        QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=3) OR (Group=4) ORDER BY ID"));
}

void TstFrmMain::majorArcana_clickedInAKeywordTest_makesReversedAvailable()
{
    openWindow();
    QVERIFY(!check(QStringLiteral("chkReversed"))->isEnabled());
    clickBox(check(QStringLiteral("chkMajor")));
    QVERIFY(check(QStringLiteral("chkReversed"))->isEnabled());
    clickBox(check(QStringLiteral("chkMinor")));
    QVERIFY(!check(QStringLiteral("chkReversed"))->isEnabled());
    QVERIFY(!available(button(QStringLiteral("cmdNext"))));

    clickBox(child<QRadioButton>(QStringLiteral("optTestType0")));
    QVERIFY(check(QStringLiteral("chkReversed"))->isEnabled());
    clickBox(child<QRadioButton>(QStringLiteral("optTestType1")));
    QVERIFY(!check(QStringLiteral("chkReversed"))->isEnabled());
}

void TstFrmMain::savedSettings_areLoadedByTheNextWindow()
{
    openWindow();
    clickBox(check(QStringLiteral("chkMajor")));
    clickBox(check(QStringLiteral("chkGroup2")));
    clickBox(child<QRadioButton>(QStringLiteral("optTestType0")));
    clickBox(child<QRadioButton>(QStringLiteral("optDifficulty1")));
    QTest::mouseClick(button(QStringLiteral("cmdSaveSettings")), Qt::LeftButton);
    QVERIFY(prompter_.records().isEmpty());

    SettingsStore reread(settingsDir_->filePath(QStringLiteral("velmora.conf")));
    QCOMPARE(reread.value(QStringLiteral("TestType")), QStringLiteral("0"));
    QCOMPARE(reread.value(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));

    window_.reset();
    openWindow();
    QVERIFY(!check(QStringLiteral("chkMajor"))->isChecked());
    QVERIFY(!check(QStringLiteral("chkGroup2"))->isChecked());
    QVERIFY(check(QStringLiteral("chkGroup3"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("optTestType0"))->isChecked());
    QVERIFY(child<QRadioButton>(QStringLiteral("optDifficulty1"))->isChecked());
    QVERIFY(check(QStringLiteral("chkReversed"))->isEnabled());
}

// ---------------------------------------------------------------- deck choice and practice

void TstFrmMain::choosingDeck_refusedEntryFallsBackToTheFirstWithoutLooping()
{
    openWindow();
    choose(Broken);
    QCOMPARE(prompter_.messageTexts(), QStringList{designingIncompleteMessage(QStringLiteral("Broken"))});
    QCOMPARE(prompter_.messages().first().icon, PromptIcon::Critical);
    QCOMPARE(prompter_.messages().first().title, QStringLiteral("Velmora"));
    QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), 0);

    // A refused later entry falls back to the first, which is checked once in turn.
    prompter_.clear();
    choose(TwinRefused);
    QCOMPARE(prompter_.messageTexts(), (QStringList{designingIncompleteMessage(QStringLiteral("Twin")),
                                                    designingIncompleteMessage(QStringLiteral("Broken"))}));
    QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), 0);
}

void TstFrmMain::choosingDeck_positionDecidesBetweenTwoDecksOfOneName()
{
    openWindow();
    for (int entry : {int(Classic), int(TwinComplete), int(Ghost), int(Nameless)}) {
        choose(entry);
        QCOMPARE(child<QComboBox>(QStringLiteral("cboTutors"))->currentIndex(), entry);
    }
    // A missing or nameless deck says nothing here; the practice refuses it.
    QVERIFY(prompter_.records().isEmpty());
}

void TstFrmMain::practice_refusedWithTheMessageOfItsCause_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("test");
    QTest::addColumn<bool>("noGroup");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    const int critical = int(PromptIcon::Critical);
    QTest::addRow("no deck chosen") << -1 << false << false << notAvailableMessage(QString()) << critical;
    QTest::addRow("deck file missing") << int(Ghost) << true << false << notAvailableMessage(QStringLiteral("Ghost"))
                                       << critical;
    QTest::addRow("catalog row without file name")
        << int(Nameless) << false << false << notAvailableMessage(QStringLiteral("Nameless")) << critical;
    QTest::addRow("empty keyword, memorize")
        << int(Holey) << false << false << incompleteMessage(QStringLiteral("Holey"), PracticeWording::Memorize)
        << critical;
    QTest::addRow("empty keyword, test") << int(Holey) << true << false
                                         << incompleteMessage(QStringLiteral("Holey"), PracticeWording::Test)
                                         << critical;
    QTest::addRow("no group") << int(Classic) << true << true << QStringLiteral("Select at least one option.")
                              << int(PromptIcon::None);
}

void TstFrmMain::practice_refusedWithTheMessageOfItsCause()
{
    QFETCH(int, entry);
    QFETCH(bool, test);
    QFETCH(bool, noGroup);
    QFETCH(QString, text);
    QFETCH(int, icon);
    openWindow();
    child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(entry);
    if (noGroup) {
        clickBox(check(QStringLiteral("chkMajor")));
        clickBox(check(QStringLiteral("chkMinor")));
    }
    QTest::mouseClick(button(test ? QStringLiteral("cmdStartTest2") : QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(prompter_.messageTexts(), QStringList{text});
    QCOMPARE(int(prompter_.messages().first().icon), icon);
    QCOMPARE(prompter_.messages().first().title, QStringLiteral("Velmora"));
    QCOMPARE(tabs()->currentIndex(), int(TabSettings));
    QCOMPARE(tabState(), QStringLiteral("000"));
    QVERIFY(!window_->cardSet().isOpen());
}

void TstFrmMain::practice_refusalKeepsThePreviousPractice()
{
    FrmMain &window = openWindow();
    choose(Classic);
    QVERIFY(window.CheckAndOpenSelectedDeck(PracticeWording::Memorize));
    QCOMPARE(window.cardSet().recordCount(), 78);
    child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(Ghost);
    QVERIFY(!window.CheckAndOpenSelectedDeck(PracticeWording::Memorize));
    child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(Holey);
    QVERIFY(!window.CheckAndOpenSelectedDeck(PracticeWording::Test));
    QCOMPARE(prompter_.messages().size(), 2);
    QVERIFY(window.cardSet().isOpen());
    QCOMPARE(window.cardSet().recordCount(), 78);
    QVERIFY(window.cardSet().moveLast());
    QCOMPARE(window.cardSet().field(QStringLiteral("Name")).toString(), QStringLiteral("Swords 14"));
}

void TstFrmMain::practice_twoDecksOfOneName_opensTheFirstRow()
{
    openWindow();
    choose(TwinComplete);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QVERIFY(prompter_.records().isEmpty());
    QCOMPARE(memorizedName(), QStringLiteral("First twin Major 1"));
}

// ---------------------------------------------------------------- memorize

void TstFrmMain::memorize_showsTheCardPicturesAndKeywords()
{
    openWindow();
    choose(Classic);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(prompter_.messageTexts(), QStringList());
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
    QCOMPARE(window_->cardPosition(), 1);
    QCOMPARE(memorizedName(), QStringLiteral("Major 1"));
    // Six filled slots: the seventh still leaves its separator.
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText(),
             QStringLiteral("word1-1, word1-2, word1-3, word1-4, word1-5, word1-6, , "));
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtNormalMeaning"))->toPlainText(), classic_[0].normalMeaning);
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtReverseMeaning"))->toPlainText(), classic_[0].reversedMeaning);

    const QImage upright = decodePicture(classic_[0].picture);
    QVERIFY(!upright.isNull());
    QCOMPARE(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture(), upright);
    const QImage reversed = child<PictureBox>(QStringLiteral("picCardMemorizeReversed"))->picture();
    QCOMPARE(reversed, turnedHalf(upright));
    // The light mark of the upright top left ends up bottom right.
    QVERIFY(qGray(upright.pixel(1, 1)) > 200);
    QVERIFY(qGray(reversed.pixel(reversed.width() - 2, reversed.height() - 2)) > 200);
    QVERIFY(qGray(reversed.pixel(1, 1)) < 200);

    QTest::mouseClick(button(QStringLiteral("cmdNext")), Qt::LeftButton);
    QTest::mouseClick(button(QStringLiteral("cmdNext")), Qt::LeftButton);
    QCOMPARE(memorizedName(), QStringLiteral("Major 3"));
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText(),
             QStringLiteral("word3-1, word3-2, word3-3, word3-4, word3-5, word3-6, word3-7, "));
}

void TstFrmMain::memorize_cardWithoutPictureShowsNoPicture()
{
    openWindow();
    choose(Classic);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QVERIFY(!child<PictureBox>(QStringLiteral("picCardMemorize"))->picture().isNull());
    QTest::mouseClick(button(QStringLiteral("cmdNext")), Qt::LeftButton);
    QCOMPARE(memorizedName(), QStringLiteral("Major 2"));
    QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture().isNull());
    QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorizeReversed"))->picture().isNull());
}

void TstFrmMain::memorize_nextAndPreviousAtBothEnds()
{
    openWindow();
    clickBox(check(QStringLiteral("chkMajor")));
    clickBox(check(QStringLiteral("chkGroup0")));
    clickBox(check(QStringLiteral("chkGroup1")));
    clickBox(check(QStringLiteral("chkGroup2")));
    choose(Classic);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(window_->cardSet().recordCount(), 14);
    QCOMPARE(memorizedName(), QStringLiteral("Swords 1"));

    QPushButton *next = button(QStringLiteral("cmdNext"));
    QPushButton *previous = button(QStringLiteral("cmdPrevious"));
    QTest::mouseClick(previous, Qt::LeftButton);
    QVERIFY(!available(previous));
    QVERIFY(available(next));
    QCOMPARE(memorizedName(), QStringLiteral("Swords 1"));

    for (int i = 0; i < 13; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(memorizedName(), QStringLiteral("Swords 14"));
    QCOMPARE(window_->cardPosition(), 14);
    QVERIFY(available(next));
    QVERIFY(available(previous));
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!available(next));
    QCOMPARE(memorizedName(), QStringLiteral("Swords 14"));

    QTest::mouseClick(previous, Qt::LeftButton);
    QVERIFY(available(next));
    QCOMPARE(memorizedName(), QStringLiteral("Swords 13"));
    QCOMPARE(window_->cardPosition(), 13);
}

void TstFrmMain::memorize_oneCardSelection()
{
    openWindow();
    clickBox(check(QStringLiteral("chkMinor")));
    choose(Single);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(window_->cardSet().recordCount(), 1);
    QPushButton *next = button(QStringLiteral("cmdNext"));
    QPushButton *previous = button(QStringLiteral("cmdPrevious"));
    QVERIFY(available(next));
    QVERIFY(available(previous));
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!available(next));
    QCOMPARE(memorizedName(), QStringLiteral("Major 1"));
    QTest::mouseClick(previous, Qt::LeftButton);
    QVERIFY(!available(previous));
    QVERIFY(available(next));
    QCOMPARE(memorizedName(), QStringLiteral("Major 1"));

    // A new practice starts with both buttons ready again.
    window_->mnuTabSettings_Click();
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QVERIFY(available(next));
    QVERIFY(available(previous));
}

void TstFrmMain::memorize_emptySelection_showsNothingAndCannotMove()
{
    openWindow();
    // First a card on screen, so that clearing it is seen.
    choose(Single);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(memorizedName(), QStringLiteral("Major 1"));
    window_->mnuTabSettings_Click();

    clickBox(check(QStringLiteral("chkMajor")));
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QVERIFY(prompter_.records().isEmpty());
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
    QCOMPARE(window_->cardSet().recordCount(), 0);
    QCOMPARE(memorizedName(), QString());
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtKeywords"))->toPlainText(), QString());
    QVERIFY(child<QPlainTextEdit>(QStringLiteral("txtNormalMeaning"))->toPlainText().isEmpty());
    QVERIFY(child<PictureBox>(QStringLiteral("picCardMemorize"))->picture().isNull());
    QVERIFY(!available(button(QStringLiteral("cmdNext"))));
    QVERIFY(!available(button(QStringLiteral("cmdPrevious"))));
}

// ---------------------------------------------------------------- tabs and leaving

void TstFrmMain::tabs_followEveryEventOfThePractice()
{
    openWindow();
    QTabBar *bar = tabs()->findChild<QTabBar *>();
    QVERIFY(bar);
    const auto clickTab = [bar](int tab) { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center()); };

    clickTab(TabMemorize);
    QCOMPARE(tabs()->currentIndex(), int(TabSettings));

    choose(Classic);
    QTest::mouseClick(button(QStringLiteral("cmdSetOption")), Qt::LeftButton);
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
    QCOMPARE(tabState(), QStringLiteral("100"));

    clickTab(TabSettings);
    QCOMPARE(tabState(), QStringLiteral("000"));

    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    QCOMPARE(tabs()->currentIndex(), int(TabTest));
    QCOMPARE(tabState(), QStringLiteral("110"));

    clickTab(TabGoals);
    QCOMPARE(tabState(), QStringLiteral("110"));
    clickTab(TabTest);
    QCOMPARE(tabs()->currentIndex(), int(TabTest));

    clickTab(TabMemorize);
    QCOMPARE(prompter_.messageTexts(), QStringList());
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
    QCOMPARE(window_->cardPosition(), 1);
    QCOMPARE(tabState(), QStringLiteral("100"));
    clickTab(TabTest);
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));

    // The window may select a closed tab; the results close the test.
    window_->selectTab(TabResults);
    QCOMPARE(tabs()->currentIndex(), int(TabResults));
    QCOMPARE(tabState(), QStringLiteral("100"));

    window_->mnuTabSettings_Click();
    QCOMPARE(tabState(), QStringLiteral("000"));
    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    QCOMPARE(tabState(), QStringLiteral("110"));
    window_->mnuTabGoals_Click();
    QCOMPARE(tabs()->currentIndex(), int(TabGoals));
}

void TstFrmMain::back_showsTheStartScreenAndCloses()
{
    QWidget startScreen;
    startScreen.show();
    FrmMain *window = FrmMain::showFromStartScreen(*services_, &startScreen);
    QVERIFY(window);
    QPointer<FrmMain> guard(window);
    QVERIFY(window->isVisible());
    QVERIFY(!startScreen.isVisible());
    QCOMPARE(window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), int(TabSettings));

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QVERIFY(startScreen.isVisible());
    QTRY_VERIFY(guard.isNull());
    QVERIFY(prompter_.records().isEmpty());
}

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
