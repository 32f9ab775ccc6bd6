#include "learn/frmmain.h"

#include "readings/cardofday.h"

#include "app/picturebox.h"
#include "app/prompter.h"
#include "app/safesave.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/steadytabwidget.h"
#include "app/updatereminder.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "goals/goalscontroller.h"
#include "goals/goalspage.h"
#include "learn/languagechoice.h"
#include "learn/memorizepage.h"
#include "learn/ownmeaningkeeper.h"
#include "learn/resultspage.h"
#include "learn/settingspage.h"
#include "learn/sidewindows.h"
#include "learn/testpage.h"
#include "learn/testreport.h"
#include "learn/weightfitter.h"
#include "resident/residentcontroller.h"
#include "resident/systemtrayframe.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {
// The deck last chosen on the settings tab, chosen again at the next opening.
constexpr char kChosenDeckKey[] = "ChosenDeck";
constexpr char kChosenDeckPositionKey[] = "ChosenDeckPosition";
// Pictures read ahead for a test: a whole deck of 78 cards, while a deck of
// thousands does not fill the memory with pictures of cards never asked.
constexpr int kTestPictureStock = 100;
} // namespace

FrmMain::FrmMain(Services &services, QWidget *startScreen, QWidget *parent)
    : QMainWindow(parent), services_(services), startScreen_(startScreen), run_(services.random)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    menu_ = buildMainMenu(*this, services_);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    SSTab1 = new SteadyTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(tr("Pages"));
    goals_ = new goals::GoalsController(services_, this);
    goalsPage_ = goals_->page();
    auto *fraSystemTray = new SystemTrayFrame;
    settings_ = new SettingsPage(fraSystemTray);
    resident_ = new ResidentController(services_, this, fraSystemTray, this);
    memorize_ = new MemorizePage;
    ownMeanings_ = new OwnMeaningKeeper(services_, *memorize_, progress::historyPath(), this);
    new WeightFitter(services_, *settings_, progress::historyPath(), this);
    windows_ = new SideWindows(
        services_, *settings_, *ownMeanings_, [this] { return openSelectedDeck(PracticeWording::Memorize); },
        [this] { return selectedGroups(); }, this);
    test_ = new TestPage;
    results_ = new ResultsPage;
    SSTab1->addTab(goalsPage_, tr("  My Personal Goal  "));
    SSTab1->addTab(settings_, tr("  Settings  "));
    SSTab1->addTab(memorize_, tr("  Memorize Cards  "));
    SSTab1->addTab(test_, tr("  Take Test  "));
    SSTab1->addTab(results_, tr("  Results  "));
    // The settings tab is taller than a small screen leaves: the tabs scroll,
    // Back and Exit stay in sight.
    SSTab1->setMinimumSize(860, 560);
    auto *tabsArea = scrollingArea(central, "scrTabs", SSTab1);
    layout->addWidget(tabsArea, 1);

    auto *buttons = new QHBoxLayout;
    cmdBack = makeButton(central, "cmdBack", tr("&Back"));
    cmdNav = makeButton(central, "cmdNav", tr("Exi&t"));
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNav);
    layout->addLayout(buttons);
    setCentralWidget(central);

    applyTabAvailability();
    connectPages();
    testPictures_.tellRead(this, [this](int cardId) { testPictureRead(cardId); });
    // Smaller, the pages would be more scroll bar than page.
    setMinimumSize(640, 480);
    keepWindowPlace(*this, services_.settings, QSize(1000, 740));
}

FrmMain::~FrmMain() = default;

void FrmMain::connectPages()
{
    connect(SSTab1, &QTabWidget::currentChanged, this, &FrmMain::SSTab1_Click);
    connect(settings_, &SettingsPage::deckActivated, this, &FrmMain::cboTutors_Click);
    connect(settings_, &SettingsPage::deckActivated, this, &FrmMain::rememberChosenDeck);
    connect(settings_, &SettingsPage::memorizeRequested, this, &FrmMain::cmdSetOption_Click);
    connect(settings_, &SettingsPage::testRequested, this, &FrmMain::cmdStartTest2_Click);
    connect(settings_, &SettingsPage::groupsChanged, this,
            [this] { memorize_->setNextEnabled(settings_->anyGroup()); });
    connect(settings_, &SettingsPage::reviewRequested, this, &FrmMain::cmdReview_Click);
    connect(windows_, &SideWindows::practiceRequested, this, &FrmMain::practiseCards);
    connect(windows_, &SideWindows::readingTestRequested, this, &FrmMain::testReadingCards);
    connect(windows_, &SideWindows::recordFailed, this, [this](const QString &error) {
        statusBar()->showMessage(tr("This test could not be added to your progress history. %1").arg(error));
    });
    for (const auto changed : {&SettingsPage::deckActivated, &SettingsPage::groupsChanged,
                               &SettingsPage::reversedChanged, &SettingsPage::reviewSettingsChanged})
        connect(settings_, changed, this, &FrmMain::refreshDueCount);
    connect(settings_, &SettingsPage::saveDefaultsRequested, this, [this] {
        writeTestSettings(services_.settings, settings_->testSettings(), resident_->runAtSysTrayTicked());
        review::writeReviewSettings(services_.settings, settings_->reviewSettings());
    });
    connect(settings_, &SettingsPage::vendorPageRequested, this, [](VendorPage page) { OpenVendorPage(page); });
    offerInterfaceLanguages(*settings_, services_.settings);
    connect(memorize_, &MemorizePage::nextRequested, this, &FrmMain::cmdNext_Click);
    connect(memorize_, &MemorizePage::previousRequested, this, &FrmMain::cmdPrevious_Click);
    connect(memorize_, &MemorizePage::testRequested, this, &FrmMain::cmdStartTest_Click);
    connect(test_, &TestPage::nextQuestionRequested, this, &FrmMain::cmdNextQuestion_Click);
    connect(test_, &TestPage::answerChosen, this, [this] { test_->setNextEnabled(true); });
    connect(test_, &TestPage::keywordToggled, this, &FrmMain::chkKeywords_Click);
    connect(&memorize_->pictureBox(), &PictureBox::outgrown, this, &FrmMain::showMemorizePicture);
    connect(&test_->pictureBox(), &PictureBox::outgrown, this, &FrmMain::showTestPictureAgain);
    connect(results_, &ResultsPage::saveRequested, this,
            [this] { (void)saveTestReport(services_.prompter, reportText_, this); });
    connect(cmdBack, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(cmdNav, &QPushButton::clicked, this, &FrmMain::endProgram);
    connect(resident_, &ResidentController::exitRequested, this, &FrmMain::endProgram);
    connect(menu_.mnuTabGoals, &QAction::triggered, this, [this] { selectTab(TabGoals); });
    connect(menu_.mnuTabSettings, &QAction::triggered, this, &FrmMain::mnuTabSettings_Click);
    connect(menu_.mnuProgress, &QAction::triggered, this, &FrmMain::mnuProgress_Click);
    connect(menu_.mnuReadings, &QAction::triggered, this, &FrmMain::mnuReadings_Click);
    connect(menu_.mnuJournal, &QAction::triggered, this, &FrmMain::mnuJournal_Click);
    connect(menu_.mnuStudyCards, &QAction::triggered, this, [this] { (void)printStudyCards(); });
    connect(menu_.mnuDayCard, &QAction::toggled, this,
            [this](bool on) { readings::setCardOfTheDayEnabled(services_, on); });
    connect(menu_.mnuBack, &QAction::triggered, this, &FrmMain::cmdBack_Click);
    connect(menu_.mnuExit1, &QAction::triggered, this, &FrmMain::endProgram);
}

// ---------------------------------------------------------------- opening

Opening FrmMain::load()
{
    UpdateReminder(services_, this);
    QString error;
    const QStringList names = catalogDeckNames(&error);
    if (!error.isEmpty())
        services_.prompter.tell(unreadableCatalogMessage(error), PromptIcon::Critical, this);
    settings_->setDeckNames(names);
    chooseRememberedDeck();

    if (!QFileInfo(paths::defaultDeck()).isFile()) {
        services_.prompter.ask(
            Prompt{tr("Required files missing. Please reinstall %1").arg(QString::fromLatin1(kAppTitle)),
                   PromptIcon::Critical, PromptButtons::Ok, tr("ERROR !")},
            this);
        leaving_ = true;
        UnloadAllForms();
        return Opening::Refused;
    }

    goals_->load();
    settings_->setTestSettings(readTestSettings(services_.settings));
    settings_->setReviewSettings(review::readReviewSettings(services_.settings));
    resident_->restoreStartupOptions();
    tabs_.windowOpened();
    applyTabAvailability();
    selectTab(TabSettings);
    refreshDueCount();
    readChosenDeckAhead();
    return resident_->goToTrayIfStartedAtLogon() ? Opening::ToTray : Opening::Show;
}

// ---------------------------------------------------------------- deck and practice

void FrmMain::cboTutors_Click()
{
    // The deck may have been designed anew since its cards were counted.
    windows_->forgetDueDeck();
    std::erase_if(staleDeckChecks_, [](const auto &check) { return check->wait(QDeadlineTimer(0)); });
    if (deckCheck_)
        staleDeckChecks_.push_back(std::move(deckCheck_));
    const int round = ++deckCheckRound_;
    const int position = settings_->chosenDeck();
    if (position < 0)
        return;
    const QString deckName = settings_->chosenDeckName();
    const std::optional<QString> deckFile = existingDeckFile(dbNameAtPosition(position, deckName));
    if (!deckFile)
        return;
    checkedPosition_ = position;
    checkedDeckName_ = deckName;
    deckCheck_ = std::make_unique<DeckCheck>(
        [path = *deckFile]() -> std::optional<bool> {
            Deck deck;
            if (!deck.open(path))
                return std::nullopt;
            const std::optional<bool> missing = deck.hasMissingKeyword();
            // A deck chosen is most likely practised next, and its first card
            // would wait on the screen for where every card's slots are.
            if (missing && !*missing)
                (void)deck.findRows();
            return missing;
        },
        this,
        [this, round] {
            if (round == deckCheckRound_)
                settleDeckCheck();
        });
}

void FrmMain::settleDeckCheck()
{
    if (!deckCheck_)
        return;
    const bool missing = deckCheck_->take().value_or(false);
    deckCheck_.reset();
    ++deckCheckRound_; // its completion, still on its way, finds nothing to do
    if (!missing || leaving_)
        return;
    services_.prompter.tell(designingIncompleteMessage(checkedDeckName_), PromptIcon::Critical, this);
    // The fallback entry is checked in turn, but only when it is another
    // entry: a refused first entry ends here. It is remembered and counted
    // as the entry chosen, as the choice's other reactions would have.
    if (checkedPosition_ == 0)
        return;
    settings_->chooseDeck(0);
    cboTutors_Click();
    rememberChosenDeck();
    refreshDueCount();
}

void FrmMain::readChosenDeckAhead()
{
    if (settings_->chosenDeck() < 0)
        return;
    const std::optional<QString> deckFile = existingDeckFile(dbNameOfDeck(settings_->chosenDeckName()));
    if (!deckFile)
        return;
    deckReadAhead_ = std::make_unique<BackgroundJob<bool>>([path = *deckFile] {
        Deck deck;
        if (!deck.open(path) || !deck.hasEmptyKeywordField().has_value())
            return false;
        return deck.findRows();
    });
}

// By position and name: names may repeat, and the catalog may have changed
// since. Chosen without the checks of a click; a practice checks again.
void FrmMain::chooseRememberedDeck()
{
    const QString name = services_.settings.value(QString::fromLatin1(kChosenDeckKey));
    if (name.isEmpty())
        return;
    const QStringList names = settings_->deckNames();
    bool number = false;
    const int position = services_.settings.value(QString::fromLatin1(kChosenDeckPositionKey)).toInt(&number);
    if (number && position >= 0 && position < names.size() && names[position].trimmed() == name)
        settings_->chooseDeck(position);
    else
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].trimmed() == name) {
                settings_->chooseDeck(i);
                break;
            }
        }
}

void FrmMain::rememberChosenDeck()
{
    if (settings_->chosenDeck() < 0)
        return;
    services_.settings.setValue(QString::fromLatin1(kChosenDeckKey), settings_->chosenDeckName());
    services_.settings.setValue(QString::fromLatin1(kChosenDeckPositionKey), QString::number(settings_->chosenDeck()));
}

std::optional<Practice> FrmMain::openSelectedDeck(PracticeWording wording)
{
    while (deckCheck_)
        settleDeckCheck();
    if (!settings_->anyGroup()) {
        services_.prompter.tell(noGroupMessage(), PromptIcon::None, this);
        return std::nullopt;
    }
    if (settings_->chosenDeck() < 0) {
        services_.prompter.tell(noDeckChosenMessage(), PromptIcon::Information, this);
        return std::nullopt;
    }
    const QVector<int> groups = selectedGroups();
    const QString deckName = settings_->chosenDeckName();
    const std::optional<QString> deckFile = existingDeckFile(dbNameOfDeck(deckName));
    if (!deckFile) {
        services_.prompter.tell(notAvailableMessage(deckName), PromptIcon::Critical, this);
        return std::nullopt;
    }
    Practice practice;
    if (!practice.deck.open(*deckFile)) {
        services_.prompter.tell(practice.deck.failure() == OpenFailure::Missing
                                    ? notAvailableMessage(deckName)
                                    : unusableDeckMessage(deckName, practice.deck.errorText()),
                                PromptIcon::Critical, this);
        return std::nullopt;
    }
    const std::optional<bool> incomplete = practice.deck.hasEmptyKeywordField();
    std::optional<QVector<Card>> cards = incomplete ? practice.deck.cardsInGroups(groups) : std::nullopt;
    if (incomplete && *incomplete) {
        services_.prompter.tell(incompleteMessage(deckName, wording), PromptIcon::Critical, this);
        return std::nullopt;
    }
    if (!cards) {
        services_.prompter.tell(unusableDeckMessage(deckName, practice.deck.errorText()), PromptIcon::Critical, this);
        return std::nullopt;
    }
    practice.cards = std::move(*cards);
    practice.memorizeRow = 0;
    practice.deckName = deckName;
    practice.groups = groups;
    return practice;
}

bool FrmMain::openCardPractice(const QString &deckFile, const QString &deckName, const QVector<int> &cardIds,
                               PracticeWording wording)
{
    // The name comes from the history file: only a file of the deck folder.
    const bool plainName = !deckFile.isEmpty() && QFileInfo(deckFile).fileName() == deckFile &&
                           deckFile != QLatin1String(".") && deckFile != QLatin1String("..");
    Practice practice;
    if (!plainName || !practice.deck.open(paths::deckDatabase(deckFile))) {
        services_.prompter.tell(!plainName || practice.deck.failure() == OpenFailure::Missing
                                    ? notAvailableMessage(deckName)
                                    : unusableDeckMessage(deckName, practice.deck.errorText()),
                                PromptIcon::Critical, this);
        return false;
    }
    const std::optional<bool> incomplete = practice.deck.hasEmptyKeywordField();
    std::optional<QVector<Card>> cards = incomplete ? practice.deck.cards() : std::nullopt;
    if (incomplete && *incomplete) {
        services_.prompter.tell(incompleteMessage(deckName, wording), PromptIcon::Critical, this);
        return false;
    }
    if (!cards) {
        services_.prompter.tell(unusableDeckMessage(deckName, practice.deck.errorText()), PromptIcon::Critical, this);
        return false;
    }
    QHash<int, int> rowOfId;
    for (int row = 0; row < cards->size(); ++row)
        rowOfId.insert(cards->at(row).id, row);
    for (int id : cardIds) {
        const auto found = rowOfId.constFind(id);
        if (found == rowOfId.constEnd())
            continue;
        const Card &card = cards->at(*found);
        practice.cards.append(card);
        if (!practice.groups.contains(card.group))
            practice.groups.append(card.group);
    }
    if (practice.cards.isEmpty()) {
        services_.prompter.tell(tr("None of these cards is in the deck '%1' any more.").arg(deckName),
                                PromptIcon::Information, this);
        return false;
    }
    std::sort(practice.groups.begin(), practice.groups.end());
    practice.deckName = deckName;
    practice.memorizeRow = 0;
    readAhead_.setDeck(practice.deck.path());
    practice_ = std::move(practice);
    return true;
}

bool FrmMain::CheckAndOpenSelectedDeck(PracticeWording wording)
{
    std::optional<Practice> practice = openSelectedDeck(wording);
    if (!practice)
        return false;
    readAhead_.setDeck(practice->deck.path());
    practice_ = std::move(*practice);
    return true;
}

QVector<int> FrmMain::selectedGroups() const
{
    return velmora::selectedGroups(settings_->groupChoice());
}

TestType FrmMain::testType() const
{
    return settings_->testType();
}

int FrmMain::difficulty() const
{
    return settings_->difficulty();
}

void FrmMain::cmdSetOption_Click()
{
    if (!CheckAndOpenSelectedDeck(PracticeWording::Memorize))
        return;
    selectTab(TabMemorize);
    tabs_.memorizeOpened();
    applyTabAvailability();
}

void FrmMain::cmdStartTest2_Click()
{
    if (!CheckAndOpenSelectedDeck(PracticeWording::Test))
        return;
    tabs_.testStarted();
    applyTabAvailability();
    selectTab(TabTest);
    startTest();
}

void FrmMain::cmdStartTest_Click()
{
    startTest();
}

void FrmMain::practiseCards(const progress::PracticeRequest &request)
{
    const bool memorize = request.mode == progress::PracticeMode::Memorize;
    if (!openCardPractice(request.deckFile, request.deckName, request.cardIds,
                          memorize ? PracticeWording::Memorize : PracticeWording::Test))
        return;
    raise();
    activateWindow();
    if (memorize) {
        // Selecting the tab on screen runs no reaction; the practice is new all the same.
        const bool shown = currentTab() == TabMemorize;
        selectTab(TabMemorize);
        if (shown)
            SSTab1_Click();
        tabs_.memorizeOpened();
        applyTabAvailability();
        return;
    }
    tabs_.testStarted();
    applyTabAvailability();
    selectTab(TabTest);
    startTest();
}

bool FrmMain::printStudyCards()
{
    std::optional<Practice> practice = openSelectedDeck(PracticeWording::Memorize);
    return practice && velmora::printStudyCards(services_, *practice, this);
}

void FrmMain::testReadingCards(const progress::PracticeRequest &request)
{
    TestSettings options = settings_->testSettings();
    options.testType = TestType::Description;
    settings_->setTestSettings(options);
    practiseCards(request);
}

void FrmMain::mnuReadings_Click()
{
    windows_->openReadings();
}

void FrmMain::mnuJournal_Click()
{
    windows_->openJournal();
}

void FrmMain::mnuProgress_Click()
{
    windows_->openProgress();
}

void FrmMain::cmdReview_Click()
{
    windows_->openReview();
}

void FrmMain::refreshDueCount()
{
    windows_->refreshDueCount();
}

// ---------------------------------------------------------------- memorize

void FrmMain::ShowMemorizeCard()
{
    const int row = practice_.memorizeRow;
    memorize_->setNoCards(practice_.cards.isEmpty());
    if (row < 0 || row >= practice_.cards.size()) {
        ownMeanings_->clear();
        memorize_->clearCard();
        return;
    }
    const Card &card = practice_.cards[row];
    showMemorizePicture();
    ownMeanings_->showCard(practice_.deckName, card.name);

    const QStringList keywords = practice_.deck.keywords(card.id).value_or(QStringList());
    // Every slot leaves its separator, so the text always ends in ", ".
    QString text;
    for (int slot = 0; slot < kSlotsPerCard; ++slot)
        text += keywords.value(slot) + QStringLiteral(", ");
    memorize_->showCard(MemorizeCard{card.name, text, card.normalMeaning, card.reversedMeaning});
}

void FrmMain::showMemorizePicture()
{
    const int row = practice_.memorizeRow;
    if (row < 0 || row >= practice_.cards.size())
        return;
    const int cardId = practice_.cards[row].id;
    PictureBox &box = memorize_->pictureBox();
    const QSize shown = box.decodeSize();
    // The picture read ahead is taken when it is the one due; the next one is
    // read ahead while the user looks at this one.
    if (std::optional<QImage> early = readAhead_.take(cardId, shown))
        box.setPicture(*early);
    else
        LoadPictureFromField(box, practice_.deck, cardId, shown);
    if (row + 1 < practice_.cards.size())
        readAhead_.start(practice_.cards[row + 1].id, shown);
    memorize_->showPicture(box.picture());
}

void FrmMain::cmdNext_Click()
{
    memorize_->setPreviousEnabled(true);
    if (practice_.position < practice_.cards.size()) {
        ++practice_.position;
        practice_.memorizeRow = std::min(practice_.memorizeRow + 1, int(practice_.cards.size()));
        ShowMemorizeCard();
    } else {
        memorize_->setNextEnabled(false);
    }
}

void FrmMain::cmdPrevious_Click()
{
    memorize_->setNextEnabled(true);
    if (practice_.position < 2) {
        memorize_->setPreviousEnabled(false);
    } else {
        --practice_.position;
        practice_.memorizeRow = std::max(practice_.memorizeRow - 1, -1);
        ShowMemorizeCard();
    }
}

// ---------------------------------------------------------------- test run

void FrmMain::showTestPictureAgain()
{
    // Only a test under way has a picture to decode again; a finished test's
    // card may belong to a deck no longer open.
    if (!tabs_.isAvailable(TabTest))
        return;
    PictureBox &box = test_->pictureBox();
    awaitedTestPicture_ = 0;
    box.setPicture(run_.testCardPicture(practice_.deck, box.decodeSize()));
}

void FrmMain::warmTestPictures(QSize shown)
{
    testPictureSize_ = shown;
    awaitedTestPicture_ = 0;
    testPicturesQueued_.clear();
    const QSet<int> asked(run_.askedCardIds().cbegin(), run_.askedCardIds().cend());
    QVector<int> ids;
    for (const Card &card : std::as_const(testCards_)) {
        if (ids.size() >= kTestPictureStock)
            break;
        if (!asked.contains(card.id) && !testPicturesQueued_.contains(card.id)) {
            ids.append(card.id);
            testPicturesQueued_.insert(card.id);
        }
    }
    testPictures_.start(practice_.deck.path(), ids, shown);
}

QImage FrmMain::readyTestPicture(int cardId, QSize shown)
{
    awaitedTestPicture_ = 0;
    if (shown != testPictureSize_ || !testPictures_.running())
        warmTestPictures(shown);
    // Asked before the take: a card no longer waiting and not taken was read
    // and has no picture.
    const bool waiting = testPictures_.waiting(cardId);
    if (std::optional<QImage> ready = testPictures_.take(cardId, shown))
        return *ready;
    if (testPicturesQueued_.contains(cardId) && !waiting)
        return {};
    if (waiting) {
        testPictures_.prefer(cardId);
    } else {
        testPictures_.add(cardId);
        testPicturesQueued_.insert(cardId);
    }
    awaitedTestPicture_ = cardId;
    return {};
}

void FrmMain::testPictureRead(int cardId)
{
    if (cardId == 0 || cardId != awaitedTestPicture_ || !tabs_.isAvailable(TabTest))
        return;
    awaitedTestPicture_ = 0;
    if (std::optional<QImage> picture = testPictures_.take(cardId, testPictureSize_))
        test_->pictureBox().setPicture(run_.currentReversed() ? turnedHalf(*picture) : *picture);
}

void FrmMain::startTest()
{
    test_->startTest(testType());
    testCards_ = testType() == TestType::Description && ownMeanings_->asksOwn()
                     ? progress::withOwnMeanings(practice_.cards, ownMeanings_->meaningsOf(practice_.deckName))
                     : practice_.cards;
    run_.start(services_.clock);
    warmTestPictures(test_->pictureBox().decodeSize());
    cmdNextQuestion_Click();
}

void FrmMain::cmdNextQuestion_Click()
{
    tabs_.questionShown();
    applyTabAvailability();
    test_->setNextEnabled(false);

    TestOptions options;
    options.type = testType();
    options.level = difficulty();
    options.reversedAllowed = settings_->reversedAllowed();
    options.pictureSize = test_->pictureBox().decodeSize();
    options.pictureOf = [this, shown = options.pictureSize](int cardId) { return readyTestPicture(cardId, shown); };
    const PressOutcome outcome = run_.press(testCards_, practice_.deck, options, [this] { return test_->answer(); });

    switch (outcome.kind) {
    case PressOutcome::Kind::Question:
        if (outcome.description)
            test_->showQuestion(*outcome.description);
        else if (outcome.keywords)
            test_->showQuestion(*outcome.keywords);
        tabs_.questionShown();
        selectTab(TabTest);
        applyTabAvailability();
        test_->focusPicture();
        test_->setCounter(outcome.counterText);
        break;
    case PressOutcome::Kind::Ended:
        awaitedTestPicture_ = 0;
        selectTab(TabResults);
        tabs_.testCompleted();
        applyTabAvailability();
        WriteTestReport();
        recordFinishedTest();
        services_.prompter.tell(tr("Test Complete"), PromptIcon::Information, this);
        break;
    }
}

void FrmMain::chkKeywords_Click(int index)
{
    switch (run_.keywordCountReaction(test_->answer().checkedKeywords)) {
    case KeywordCountReaction::EnableNext:
        test_->setNextEnabled(true);
        break;
    case KeywordCountReaction::DisableNext:
        test_->setNextEnabled(false);
        break;
    case KeywordCountReaction::UncheckAndWarn:
        // Unchecking runs this reaction again, which finds the count right.
        test_->uncheckKeyword(index);
        services_.prompter.tell(run_.keywordCountWarning(), PromptIcon::Warning, this);
        break;
    }
}

void FrmMain::WriteTestReport()
{
    const TestReport report = writeTestReport(run_, practice_.deck, testType());
    reportText_ = report.text;
    results_->showReport(report.text, report.summary);
}

void FrmMain::recordFinishedTest()
{
    const QVector<int> &ids = run_.askedCardIds();
    if (ids.isEmpty())
        return;
    // The asked cards' names only: a deck may hold ten thousand cards.
    QHash<int, QString> names;
    names.reserve(ids.size());
    for (int id : ids)
        names.insert(id, QString());
    for (const Card &card : practice_.cards) {
        if (const auto asked = names.find(card.id); asked != names.end())
            *asked = card.name;
    }
    const TestType type = testType();
    progress::TestRecord record;
    record.taken = services_.clock.now();
    record.deckFile = QFileInfo(practice_.deck.path()).fileName();
    record.deckName = practice_.deckName;
    record.kind = type == TestType::Description ? progress::TestKind::Description : progress::TestKind::Keywords;
    record.level = difficulty();
    record.groups = practice_.groups;
    const int maximum = type == TestType::Description ? 1 : run_.keywordsToChoose();
    for (int i = 0; i < ids.size(); ++i)
        record.questions.append(progress::QuestionRecord{ids[i], names.value(ids[i]), run_.questionReversals().value(i),
                                                         run_.questionScores().value(i), maximum});
    windows_->record(record);
}

// ---------------------------------------------------------------- tabs

int FrmMain::currentTab() const
{
    return SSTab1->currentIndex();
}

void FrmMain::selectTab(int tab)
{
    SSTab1->setCurrentIndex(tab);
}

void FrmMain::applyTabAvailability()
{
    // The tab on screen stays usable even while it is closed to the user's
    // choice: the window may select a closed tab, and the tab bar would move
    // away from a current tab that gets disabled.
    const int current = SSTab1->currentIndex();
    for (int tab = TabMemorize; tab < TabCount; ++tab)
        SSTab1->setTabEnabled(tab, tab == current || tabs_.isAvailable(tab));
}

void FrmMain::SSTab1_Click()
{
    const int tab = SSTab1->currentIndex();
    tabs_.tabSelected(tab);
    applyTabAvailability();
    if (tab == TabMemorize) {
        practice_.memorizeRow = 0;
        practice_.position = 1;
        ShowMemorizeCard();
        // Every practice starts with both buttons ready; a card set without
        // rows leaves nothing to move to.
        const bool hasCards = !practice_.cards.isEmpty();
        memorize_->setNextEnabled(hasCards);
        memorize_->setPreviousEnabled(hasCards);
    } else if (tab == TabTest) {
        test_->focusPicture();
    } else if (tab == TabSettings) {
        // Steps of minutes fall due while the window stands open.
        refreshDueCount();
    }
}

void FrmMain::mnuTabSettings_Click()
{
    selectTab(TabSettings);
}

// ---------------------------------------------------------------- leaving

void FrmMain::cmdBack_Click()
{
    if (!ownMeanings_->finishOrAsk(this))
        return;
    leaving_ = true;
    emit goingBack();
    if (startScreen_)
        startScreen_->show();
    close();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (!ownMeanings_->finishOrAsk(this)) {
        event->ignore();
        return;
    }
    // A finished test is in the history before the window goes, back to the
    // start screen or with the program.
    windows_->finishRecording();
    // The close box ends the program like Exit; the event stays accepted.
    if (!leaving_ && !closingAllWindows())
        endProgram();
}

void FrmMain::endProgram()
{
    leaving_ = true;
    EndProgram();
}

} // namespace velmora
