#include "learn/frmmain.h"

#include "app/frmbegin.h"
#include "app/helpmenu.h"
#include "app/linklabel.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/updatereminder.h"
#include "app/vendorlinks.h"
#include "learn/picturebox.h"
#include "learn/testreport.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *wrappingLabel(const QString &name, const QString &text, QWidget *parent = nullptr)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Sets a box from the program; a change runs the box's reactions like a click.
void setCheck(QCheckBox *box, bool checked)
{
    box->setChecked(checked);
}

// Chooses an option from the program; its reaction runs also when the option
// was already the chosen one.
template <typename Reaction>
void chooseOption(QRadioButton *option, Reaction reaction)
{
    if (option->isChecked())
        reaction();
    else
        option->setChecked(true);
}

// A caption beside an answer option that wraps long meanings and chooses the
// option when clicked.
class AnswerCaption : public QLabel
{
public:
    AnswerCaption(QRadioButton *option, QWidget *parent) : QLabel(parent), option_(option)
    {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }

protected:
    void mousePressEvent(QMouseEvent * /*event*/) override
    {
        if (option_->isEnabled())
            option_->click();
    }

private:
    QRadioButton *option_;
};

} // namespace

FrmMain::FrmMain(Services &services, QWidget *startScreen, QWidget *parent)
    : QMainWindow(parent), services_(services), startScreen_(startScreen), run_(services.random)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));

    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    SSTab1 = named(new QTabWidget(central), QStringLiteral("SSTab1"));
    goalsPage_ = buildGoalsPage();
    SSTab1->addTab(goalsPage_, QStringLiteral("  My Personal Goal  "));
    SSTab1->addTab(buildSettingsPage(), QStringLiteral("  Settings  "));
    SSTab1->addTab(buildMemorizePage(), QStringLiteral("  Memorize Cards  "));
    SSTab1->addTab(buildTestPage(), QStringLiteral("  Take Test  "));
    SSTab1->addTab(buildResultsPage(), QStringLiteral("  Results  "));
    layout->addWidget(SSTab1, 1);

    auto *buttons = new QHBoxLayout;
    cmdBack = named(new QPushButton(QStringLiteral("&Back"), central), QStringLiteral("cmdBack"));
    cmdNav = named(new QPushButton(QStringLiteral("Exit"), central), QStringLiteral("cmdNav"));
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNav);
    layout->addLayout(buttons);
    setCentralWidget(central);

    shownTab_ = SSTab1->currentIndex();
    applyTabAvailability();
    connectReactions();
    resize(1000, 720);
}

FrmMain::~FrmMain() = default;

FrmMain *FrmMain::showFromStartScreen(Services &services, QWidget *startScreen)
{
    auto *window = new FrmMain(services, startScreen);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->load()) {
        delete window;
        return nullptr;
    }
    window->show();
    if (startScreen)
        startScreen->hide();
    return window;
}

void FrmMain::offerFromStartScreen(FrmBegin &startScreen, Services &services)
{
    startScreen.setWindowFactory(FrmBegin::Destination::MainWindow, [&services](FrmBegin &from) -> QWidget * {
        return showFromStartScreen(services, &from);
    });
}

// ---------------------------------------------------------------- building

void FrmMain::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuTabGoals = named(mnuFile->addAction(QStringLiteral("&My Personal Goals")), QStringLiteral("mnuTabGoals"));
    mnuTabSettings = named(mnuFile->addAction(QStringLiteral("Setings")), QStringLiteral("mnuTabSettings"));
    mnuBack = named(mnuFile->addAction(QStringLiteral("&Back")), QStringLiteral("mnuBack"));
    mnuFile->addSeparator();
    mnuExit1 = named(mnuFile->addAction(QStringLiteral("&Exit")), QStringLiteral("mnuExit1"));
    addHelpMenu(menuBar(), services_, this);
}

QWidget *FrmMain::buildGoalsPage()
{
    // The goal list fills this page.
    auto *page = named(new QWidget, QStringLiteral("tabGoals"));
    new QVBoxLayout(page);
    return page;
}

QWidget *FrmMain::buildSettingsPage()
{
    auto *page = named(new QWidget, QStringLiteral("tabSettings"));
    auto *columns = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto *fraSelectTutor = named(new QGroupBox(QStringLiteral("Select Tarot Tutor")), QStringLiteral("fraSelectTutor"));
    auto *tutorLayout = new QVBoxLayout(fraSelectTutor);
    cboTutors = named(new QComboBox, QStringLiteral("cboTutors"));
    tutorLayout->addWidget(cboTutors);
    auto *tutorButtons = new QHBoxLayout;
    cmdSetOption =
        named(new QPushButton(QStringLiteral("Memorize Meaning / Keywords")), QStringLiteral("cmdSetOption"));
    cmdStartTest2 = named(new QPushButton(QStringLiteral("Test Me")), QStringLiteral("cmdStartTest2"));
    tutorButtons->addWidget(cmdSetOption);
    tutorButtons->addWidget(cmdStartTest2);
    tutorLayout->addLayout(tutorButtons);
    left->addWidget(fraSelectTutor);

    left->addWidget(wrappingLabel(QStringLiteral("Label18"),
                                  QStringLiteral("Here you can select the cards you want to practice / memorize. You "
                                                 "can change these whenever you want or when you have cleared one "
                                                 "objective.")));

    auto *frame4 = named(new QGroupBox(QStringLiteral("Select Objectives")), QStringLiteral("Frame4"));
    auto *groups = new QGridLayout(frame4);
    chkMajor = named(new QCheckBox(QStringLiteral("Major Arcana")), QStringLiteral("chkMajor"));
    chkMinor = named(new QCheckBox(QStringLiteral("Minor Arcana")), QStringLiteral("chkMinor"));
    groups->addWidget(chkMajor, 0, 0, 1, 2);
    groups->addWidget(chkMinor, 1, 0, 1, 2);
    const std::array<QString, kSuitCount> suits{QStringLiteral("Cups"), QStringLiteral("Wands"),
                                                QStringLiteral("Pentacles"), QStringLiteral("Swords")};
    for (int i = 0; i < kSuitCount; ++i) {
        chkGroup[i] = named(new QCheckBox(suits[i]), QStringLiteral("chkGroup%1").arg(i));
        groups->addWidget(chkGroup[i], 2 + i, 1);
    }
    groups->setColumnMinimumWidth(0, 20);
    groups->setColumnStretch(1, 1);
    chkReversed = named(new QCheckBox(QStringLiteral("Reversed")), QStringLiteral("chkReversed"));
    groups->addWidget(chkReversed, 6, 0, 1, 2);
    left->addWidget(frame4);

    left->addWidget(wrappingLabel(
        QStringLiteral("Label21"),
        QStringLiteral("A card's keywords are the same whether it falls upright or reversed. The keyword test "
                       "therefore never turns a card, and the memorize tab shows the upright picture, the reversed "
                       "picture and the keywords together on one screen.")));
    left->addStretch(1);

    Label6 = named(new LinkLabel(QStringLiteral("Share what you learn with other students of the cards: click here "
                                                "to visit our online discussion forum.")),
                   QStringLiteral("Label6"));
    left->addWidget(Label6);
    auto *fraFullBrand = named(new QGroupBox, QStringLiteral("fraFullBrand"));
    auto *brandLayout = new QVBoxLayout(fraFullBrand);
    lblCobrand = named(new LinkLabel(QStringLiteral("Co-brand this software for your site. Put your own name, web "
                                                    "address and logo on Velmora and hand it out to your visitors. "
                                                    "Click Here for more info on co-branding.")),
                       QStringLiteral("lblCobrand"));
    lblFullBrand =
        named(new LinkLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website. Click "
                                           "here for more details.")),
              QStringLiteral("lblFullBrand"));
    brandLayout->addWidget(lblCobrand);
    brandLayout->addWidget(lblFullBrand);
    left->addWidget(fraFullBrand);

    auto *frame2 = named(new QGroupBox(QStringLiteral("Test Type")), QStringLiteral("Frame2"));
    auto *typeLayout = new QHBoxLayout(frame2);
    auto *typeOptions = new QVBoxLayout;
    optTestType[0] = named(new QRadioButton(QStringLiteral("Description")), QStringLiteral("optTestType0"));
    optTestType[1] = named(new QRadioButton(QStringLiteral("Keywords")), QStringLiteral("optTestType1"));
    typeOptions->addWidget(optTestType[0]);
    typeOptions->addWidget(optTestType[1]);
    typeOptions->addStretch(1);
    typeLayout->addLayout(typeOptions);
    typeLayout->addWidget(
        wrappingLabel(QStringLiteral("Label20"),
                      QStringLiteral("This option applies only when you take the test. The test can be based on the "
                                     "keywords or on the descriptions of the cards. Knowing the keywords matters "
                                     "more: the meaning of a card in a reading depends on the question asked.")),
        1);
    right->addWidget(frame2);

    auto *frame1 = named(new QGroupBox(QStringLiteral("Test Level")), QStringLiteral("Frame1"));
    auto *levelLayout = new QHBoxLayout(frame1);
    auto *levelOptions = new QVBoxLayout;
    const std::array<QString, kDifficultyCount> levels{QStringLiteral("Beginner"), QStringLiteral("Intermediate"),
                                                       QStringLiteral("Advanced")};
    for (int i = 0; i < kDifficultyCount; ++i) {
        optDifficulty[i] = named(new QRadioButton(levels[i]), QStringLiteral("optDifficulty%1").arg(i));
        levelOptions->addWidget(optDifficulty[i]);
    }
    levelOptions->addStretch(1);
    levelLayout->addLayout(levelOptions);
    levelLayout->addWidget(
        wrappingLabel(QStringLiteral("Label19"), QStringLiteral("This option applies only when you take the test. Each "
                                                                "level is more difficult than the one before.")),
        1);
    right->addWidget(frame1);

    auto *fraSystemTray =
        named(new QGroupBox(QStringLiteral("Run on Windows Start-Up")), QStringLiteral("fraSystemTray"));
    auto *trayLayout = new QVBoxLayout(fraSystemTray);
    optRun = named(new QRadioButton(QStringLiteral("Run at start-up")), QStringLiteral("optRun"));
    optDontRun = named(new QRadioButton(QStringLiteral("Don't run at start-up")), QStringLiteral("optDontRun"));
    chkSysTray = named(new QCheckBox(QStringLiteral("Start at system tray")), QStringLiteral("chkSysTray"));
    optDontRun->setChecked(true);
    chkSysTray->setEnabled(false);
    trayLayout->addWidget(optRun);
    trayLayout->addWidget(optDontRun);
    trayLayout->addWidget(chkSysTray);
    trayLayout->addWidget(wrappingLabel(
        QStringLiteral("Label14"),
        QStringLiteral("This is a very important setting. Remember that if you want to get the most benefit from "
                       "this program then you must have it running at all times.\nIt is also important that you "
                       "keep your goals in mind, hence starting in system tray will be a deterrent to those goals.")));
    right->addWidget(fraSystemTray);

    cmdSaveSettings =
        named(new QPushButton(QStringLiteral("Save Current Settings As Default")), QStringLiteral("cmdSaveSettings"));
    right->addWidget(cmdSaveSettings);
    right->addStretch(1);

    // The state the window is designed with; LoadTestSettings changes it.
    chkMajor->setChecked(true);
    chkMinor->setChecked(true);
    for (QCheckBox *box : chkGroup)
        box->setChecked(true);
    chkReversed->setChecked(true);
    chkReversed->setEnabled(false);
    optTestType[kTestTypeKeywords]->setChecked(true);
    optDifficulty[0]->setChecked(true);
    return page;
}

QWidget *FrmMain::buildMemorizePage()
{
    auto *page = named(new QWidget, QStringLiteral("tabMemorize"));
    auto *layout = new QVBoxLayout(page);

    lblCardNameMemorize = named(new QLabel(QStringLiteral("Card Name")), QStringLiteral("lblCardNameMemorize"));
    lblCardNameMemorize->setTextFormat(Qt::PlainText);
    lblCardNameMemorize->setAlignment(Qt::AlignCenter);
    QFont nameFont = lblCardNameMemorize->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    lblCardNameMemorize->setFont(nameFont);
    layout->addWidget(lblCardNameMemorize);

    auto *body = new QHBoxLayout;
    picCardMemorize = named(new PictureBox, QStringLiteral("picCardMemorize"));
    picCardMemorizeReversed = named(new PictureBox, QStringLiteral("picCardMemorizeReversed"));
    body->addWidget(picCardMemorize, 1);
    body->addWidget(picCardMemorizeReversed, 1);

    auto *texts = new QVBoxLayout;
    texts->addWidget(named(new QLabel(QStringLiteral("Keywords (same for both)")), QStringLiteral("Label8")));
    txtKeywords = named(new QPlainTextEdit, QStringLiteral("txtKeywords"));
    txtKeywords->setReadOnly(true);
    // Room for seven keywords on a narrow window.
    txtKeywords->setMaximumHeight(txtKeywords->fontMetrics().lineSpacing() * 3 + 12);
    texts->addWidget(txtKeywords);
    texts->addWidget(named(new QLabel(QStringLiteral("Card Meaning :")), QStringLiteral("Label9")));
    txtNormalMeaning = named(new QPlainTextEdit, QStringLiteral("txtNormalMeaning"));
    txtNormalMeaning->setReadOnly(true);
    texts->addWidget(txtNormalMeaning, 1);
    texts->addWidget(named(new QLabel(QStringLiteral("Reverse Meaning")), QStringLiteral("Label17")));
    txtReverseMeaning = named(new QPlainTextEdit, QStringLiteral("txtReverseMeaning"));
    txtReverseMeaning->setReadOnly(true);
    texts->addWidget(txtReverseMeaning, 1);
    body->addLayout(texts, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    cmdPrevious = named(new QPushButton(QStringLiteral("<< Previous")), QStringLiteral("cmdPrevious"));
    cmdNext = named(new QPushButton(QStringLiteral("Next >>")), QStringLiteral("cmdNext"));
    cmdStartTest = named(new QPushButton(QStringLiteral("Test Me")), QStringLiteral("cmdStartTest"));
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    layout->addLayout(buttons);
    return page;
}

QWidget *FrmMain::buildTestPage()
{
    auto *page = named(new QWidget, QStringLiteral("tabTest"));
    auto *layout = new QVBoxLayout(page);

    auto *header = new QHBoxLayout;
    lblCardName = named(new QLabel, QStringLiteral("lblCardName"));
    lblCardName->setTextFormat(Qt::PlainText);
    QFont nameFont = lblCardName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    lblCardName->setFont(nameFont);
    lblIsReversed = named(new QLabel, QStringLiteral("lblIsReversed"));
    llblQCount = named(new QLabel(QStringLiteral("Question :")), QStringLiteral("llblQCount"));
    lblQCount = named(new QLabel, QStringLiteral("lblQCount"));
    header->addWidget(lblCardName);
    header->addWidget(lblIsReversed);
    header->addStretch(1);
    header->addWidget(llblQCount);
    header->addWidget(lblQCount);
    layout->addLayout(header);

    auto *body = new QHBoxLayout;
    picResult = named(new PictureBox, QStringLiteral("picResult"));
    picResult->setFocusPolicy(Qt::StrongFocus);
    body->addWidget(picResult, 1);

    testPanels_ = named(new QStackedWidget, QStringLiteral("testPanels"));
    picKeywodContainer = named(new QWidget, QStringLiteral("picKeywodContainer"));
    auto *keywordLayout = new QGridLayout(picKeywodContainer);
    lblMaxKeyword = named(new QLabel, QStringLiteral("lblMaxKeyword"));
    keywordLayout->addWidget(lblMaxKeyword, 0, 0, 1, 4);
    constexpr int kKeywordColumns = 4;
    for (int i = 0; i < kKeywordBoxCount; ++i) {
        chkKeywords[i] = named(new QCheckBox, QStringLiteral("chkKeywords%1").arg(i));
        keywordLayout->addWidget(chkKeywords[i], 1 + i / kKeywordColumns, i % kKeywordColumns);
    }
    keywordLayout->setRowStretch(1 + kKeywordBoxCount / kKeywordColumns, 1);

    picDescContainer = named(new QWidget, QStringLiteral("picDescContainer"));
    auto *answerLayout = new QVBoxLayout(picDescContainer);
    answerGroup_ = new QButtonGroup(this);
    for (int i = 0; i < kAnswerCount; ++i) {
        Shape1[i] = named(new QFrame, QStringLiteral("Shape1_%1").arg(i));
        Shape1[i]->setFrameShape(QFrame::Box);
        auto *row = new QHBoxLayout(Shape1[i]);
        optAnswer[i] = named(new QRadioButton, QStringLiteral("optAnswer%1").arg(i));
        answerCaptions_[i] = named(new AnswerCaption(optAnswer[i], Shape1[i]), QStringLiteral("lblAnswer%1").arg(i));
        row->addWidget(optAnswer[i], 0, Qt::AlignTop);
        row->addWidget(answerCaptions_[i], 1);
        answerGroup_->addButton(optAnswer[i], i);
        answerLayout->addWidget(Shape1[i]);
    }
    answerLayout->addStretch(1);

    testPanels_->addWidget(picKeywodContainer);
    testPanels_->addWidget(picDescContainer);
    body->addWidget(testPanels_, 2);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    cmdNextQuestion = named(new QPushButton(QStringLiteral("Next Question")), QStringLiteral("cmdNextQuestion"));
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    layout->addLayout(buttons);
    return page;
}

QWidget *FrmMain::buildResultsPage()
{
    auto *page = named(new QWidget, QStringLiteral("tabResults"));
    auto *layout = new QVBoxLayout(page);
    txtResult = named(new QPlainTextEdit, QStringLiteral("txtResult"));
    txtResult->setReadOnly(true);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report pads its columns with blanks, so it needs a fixed pitch. A
    // missing family would be replaced by whatever the font matcher likes, so
    // the system's own fixed font stands in for it instead.
    const QString courier = QStringLiteral("Courier New");
    txtResult->setFont(QFontDatabase::families().contains(courier, Qt::CaseInsensitive)
                           ? QFont(courier)
                           : QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(txtResult, 1);
    lblResultInfo = named(new QLabel, QStringLiteral("lblResultInfo"));
    lblResultInfo->setTextFormat(Qt::PlainText);
    layout->addWidget(lblResultInfo);
    auto *buttons = new QHBoxLayout;
    Command5 = named(new QPushButton(QStringLiteral("Save Current Result")), QStringLiteral("Command5"));
    buttons->addStretch(1);
    buttons->addWidget(Command5);
    layout->addLayout(buttons);
    return page;
}

void FrmMain::connectReactions()
{
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = shownTab_;
        shownTab_ = SSTab1->currentIndex();
        SSTab1_Click(previous);
    });
    connect(cboTutors, &QComboBox::activated, this, &FrmMain::cboTutors_Click);
    connect(cmdSetOption, &QPushButton::clicked, this, &FrmMain::cmdSetOption_Click);
    connect(cmdStartTest2, &QPushButton::clicked, this, &FrmMain::cmdStartTest2_Click);
    connect(cmdStartTest, &QPushButton::clicked, this, &FrmMain::cmdStartTest_Click);
    connect(cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &FrmMain::cmdPrevious_Click);
    // Reactions follow the boxes' changes, so a change made by the program
    // has the same effect as a click.
    connect(chkMajor, &QCheckBox::toggled, this, &FrmMain::chkMajor_Click);
    connect(chkMinor, &QCheckBox::toggled, this, &FrmMain::chkMinor_Click);
    for (int i = 0; i < kSuitCount; ++i)
        connect(chkGroup[i], &QCheckBox::toggled, this, [this, i] { chkGroup_Click(i); });
    for (int i = 0; i < kTestTypeCount; ++i) {
        connect(optTestType[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optTestType_Click(i);
        });
    }
    connect(cmdSaveSettings, &QPushButton::clicked, this, &FrmMain::cmdSaveSettings_Click);
    connect(cmdBack, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(cmdNav, &QPushButton::clicked, this, &FrmMain::cmdNav_Click);
    connect(mnuTabGoals, &QAction::triggered, this, &FrmMain::mnuTabGoals_Click);
    connect(mnuTabSettings, &QAction::triggered, this, &FrmMain::mnuTabSettings_Click);
    connect(mnuBack, &QAction::triggered, this, &FrmMain::mnuBack_Click);
    connect(mnuExit1, &QAction::triggered, this, &FrmMain::mnuExit1_Click);
    connect(cmdNextQuestion, &QPushButton::clicked, this, &FrmMain::cmdNextQuestion_Click);
    for (int i = 0; i < kAnswerCount; ++i) {
        connect(optAnswer[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optAnswer_Click(i);
        });
    }
    for (int i = 0; i < kKeywordBoxCount; ++i)
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i] { chkKeywords_Click(i); });
    connect(Command5, &QPushButton::clicked, this, &FrmMain::Command5_Click);
    connect(Label6, &LinkLabel::clicked, this, &FrmMain::Label6_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &FrmMain::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &FrmMain::lblFullBrand_Click);
}

// ---------------------------------------------------------------- opening

bool FrmMain::load()
{
    runUpdateReminder();
    fillDeckList();

    if (!QFileInfo(paths::defaultDeck()).isFile()) {
        services_.prompter.ask(
            Prompt{QStringLiteral("Required files missing. Please reinstall ") + QString::fromLatin1(kAppTitle),
                   PromptIcon::Critical, PromptButtons::Ok, QStringLiteral("ERROR !")},
            this);
        unloadAllForms();
        return false;
    }

    loadGoals();
    LoadTestSettings();
    restoreStartupOptions();

    tabs_.windowOpened();
    applyTabAvailability();
    selectTab(TabSettings);

    goToTrayIfStartedAtLogon();
    return true;
}

void FrmMain::fillDeckList()
{
    cboTutors->clear();
    QString error;
    const QStringList names = catalogDeckNames(&error);
    if (!error.isEmpty())
        services_.prompter.tell(unreadableCatalogMessage(error), PromptIcon::Critical, this);
    cboTutors->addItems(names);
    cboTutors->setCurrentIndex(-1);
}

void FrmMain::runUpdateReminder()
{
    UpdateReminder(services_, this);
}

void FrmMain::loadGoals() {}

void FrmMain::restoreStartupOptions() {}

void FrmMain::goToTrayIfStartedAtLogon() {}

// ---------------------------------------------------------------- deck and practice

void FrmMain::cboTutors_Click()
{
    const int position = cboTutors->currentIndex();
    if (position < 0)
        return;
    const QString deckName = cboTutors->currentText().trimmed();
    const std::optional<QString> deckFile = existingDeckFile(dbNameAtPosition(position, deckName));
    if (!deckFile)
        return;
    if (hasMissingKeyword(*deckFile).value_or(false)) {
        services_.prompter.tell(designingIncompleteMessage(deckName), PromptIcon::Critical, this);
        // The fallback entry is checked in turn, but only when it is another
        // entry: a refused first entry ends here.
        if (cboTutors->currentIndex() != 0 && cboTutors->count() > 0) {
            cboTutors->setCurrentIndex(0);
            cboTutors_Click();
        }
    }
}

bool FrmMain::CheckAndOpenSelectedDeck(PracticeWording wording)
{
    if (!chkMajor->isChecked() && !chkMinor->isChecked()) {
        services_.prompter.tell(noGroupMessage(), PromptIcon::None, this);
        return false;
    }
    const QVector<int> groups = selectedGroups();

    const bool deckChosen = cboTutors->currentIndex() >= 0;
    const QString deckName = deckChosen ? cboTutors->currentText().trimmed() : QString();
    const std::optional<QString> deckFile = existingDeckFile(deckChosen ? dbNameOfDeck(deckName) : QString());
    if (!deckFile) {
        services_.prompter.tell(notAvailableMessage(deckName), PromptIcon::Critical, this);
        return false;
    }
    Deck deck;
    if (!deck.open(*deckFile)) {
        services_.prompter.tell(deck.failure() == OpenFailure::Missing
                                    ? notAvailableMessage(deckName)
                                    : unusableDeckMessage(deckName, deck.errorText()),
                                PromptIcon::Critical, this);
        return false;
    }
    const std::optional<bool> incomplete = deck.hasEmptyKeywordField();
    std::optional<QVector<Card>> cards = incomplete ? deck.cardsInGroups(groups) : std::nullopt;
    if (incomplete && *incomplete) {
        services_.prompter.tell(incompleteMessage(deckName, wording), PromptIcon::Critical, this);
        return false;
    }
    if (!cards) {
        services_.prompter.tell(unusableDeckMessage(deckName, deck.errorText()), PromptIcon::Critical, this);
        return false;
    }
    readAhead_.setDeck(*deckFile);
    cards_ = std::move(*cards);
    deck_ = std::move(deck);
    memorizeRow_ = 0;
    cardPosition_ = 0;
    return true;
}

void FrmMain::cmdSetOption_Click()
{
    if (deferWhileDrawing([this] { cmdSetOption_Click(); }))
        return;
    if (!CheckAndOpenSelectedDeck(PracticeWording::Memorize))
        return;
    selectTab(TabMemorize);
    tabs_.memorizeOpened();
    applyTabAvailability();
}

void FrmMain::cmdStartTest2_Click()
{
    if (deferWhileDrawing([this] { cmdStartTest2_Click(); }))
        return;
    if (!CheckAndOpenSelectedDeck(PracticeWording::Test))
        return;
    tabs_.testStarted();
    applyTabAvailability();
    selectTab(TabTest);
    startTest();
}

void FrmMain::cmdStartTest_Click()
{
    if (deferWhileDrawing([this] { cmdStartTest_Click(); }))
        return;
    startTest();
}

// ---------------------------------------------------------------- test run

void FrmMain::startTest()
{
    const bool description = testType() == kTestTypeDescription;
    testPanels_->setCurrentWidget(description ? picDescContainer : picKeywodContainer);
    run_.start(services_.clock);
    lblIsReversed->clear();
    lblQCount->clear();
    cmdNextQuestion_Click();
}

TestOptions FrmMain::testOptions() const
{
    TestOptions options;
    options.type = testType() == kTestTypeDescription ? TestType::Description : TestType::Keywords;
    options.level = difficulty();
    options.reversedAllowed = chkReversed->isChecked();
    return options;
}

TestAnswer FrmMain::readAnswer() const
{
    TestAnswer answer;
    answer.selectedOption = answerGroup_->checkedId();
    for (int i = 0; i < kKeywordBoxCount; ++i)
        answer.checkedKeywords[std::size_t(i)] = chkKeywords[i]->isChecked();
    return answer;
}

bool FrmMain::deferWhileDrawing(std::function<void()> action)
{
    if (drawing_ == 0)
        return false;
    afterDraw_ = std::move(action);
    return true;
}

void FrmMain::cmdNextQuestion_Click()
{
    tabs_.questionShown();
    applyTabAvailability();
    cmdNextQuestion->setEnabled(false);

    const TestOptions options = testOptions();
    PressOutcome outcome;
    {
        ++drawing_;
        const auto done = qScopeGuard([this] { --drawing_; });
        outcome = run_.press(cards_, deck_, options, [this] { return readAnswer(); });
    }

    switch (outcome.kind) {
    case PressOutcome::Kind::Question:
        if (outcome.description)
            showDescriptionQuestion(*outcome.description);
        else if (outcome.keywords)
            showKeywordQuestion(*outcome.keywords);
        tabs_.questionShown();
        selectTab(TabTest);
        applyTabAvailability();
        picResult->setFocus();
        lblQCount->setText(outcome.counterText);
        break;
    case PressOutcome::Kind::Ended:
        selectTab(TabResults);
        tabs_.testCompleted();
        applyTabAvailability();
        WriteTestReport();
        services_.prompter.tell(QStringLiteral("Test Complete"), PromptIcon::Information, this);
        break;
    }

    if (drawing_ == 0 && afterDraw_) {
        const std::function<void()> action = std::exchange(afterDraw_, {});
        action();
    }
}

void FrmMain::showDescriptionQuestion(const DescriptionQuestion &question)
{
    lblCardName->setText(question.cardName);
    lblIsReversed->setText(question.reversed ? QStringLiteral("Reversed") : QString());
    clearAnswerSelection();
    for (int i = 0; i < kAnswerCount; ++i) {
        const auto index = std::size_t(i);
        const bool shown = question.shown[index];
        optAnswer[i]->setEnabled(shown);
        optAnswer[i]->setVisible(shown);
        Shape1[i]->setVisible(shown);
        setAnswerCaption(i, shown ? question.captions[index] : QString());
    }
    ShowTestCardPicture(question.picture);
}

void FrmMain::showKeywordQuestion(const KeywordQuestion &question)
{
    lblMaxKeyword->setText(question.maxKeywordText);
    for (int i = 0; i < kKeywordBoxCount; ++i) {
        QCheckBox *box = chkKeywords[i];
        box->setChecked(false);
        const bool shown = i < question.keywordBoxCount;
        box->setEnabled(shown);
        box->setVisible(shown);
        // A keyword is plain text: an ampersand in it is no access key.
        QString caption = question.captions[std::size_t(i)];
        box->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    lblCardName->setText(question.cardName);
    lblIsReversed->clear();
    ShowTestCardPicture(question.picture);
}

void FrmMain::ShowTestCardPicture(const QImage &picture)
{
    // The run has already turned the picture of a reversed question.
    picResult->setPicture(picture);
}

void FrmMain::optAnswer_Click(int index)
{
    Q_UNUSED(index)
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void FrmMain::chkKeywords_Click(int index)
{
    if (index < 0 || index >= kKeywordBoxCount)
        return;
    switch (run_.keywordCountReaction(readAnswer().checkedKeywords)) {
    case KeywordCountReaction::EnableNext:
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
        break;
    case KeywordCountReaction::DisableNext:
        cmdNextQuestion->setEnabled(false);
        break;
    case KeywordCountReaction::UncheckAndWarn:
        // Unchecking runs this reaction again, which finds the count right.
        chkKeywords[index]->setChecked(false);
        services_.prompter.tell(run_.keywordCountWarning(), PromptIcon::Warning, this);
        break;
    }
}

void FrmMain::WriteTestReport()
{
    const TestReport report =
        writeTestReport(run_, deck_, testType() == kTestTypeDescription ? TestType::Description : TestType::Keywords);
    reportText_ = report.text;
    // The text box keeps lines of its own; the saved file gets the CR LF text.
    txtResult->setPlainText(QString(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblResultInfo->setText(report.summary);
    txtResult->moveCursor(QTextCursor::End);
    txtResult->ensureCursorVisible();
}

void FrmMain::Command5_Click()
{
    (void)saveTestReport(services_.prompter, reportText_, this);
}

// ---------------------------------------------------------------- memorize

void FrmMain::ShowMemorizeCard()
{
    if (memorizeRow_ < 0 || memorizeRow_ >= cards_.size()) {
        clearMemorizeCard();
        return;
    }
    const Card &card = cards_[memorizeRow_];
    lblCardNameMemorize->setText(card.name);
    const QSize shown = picCardMemorize->decodeSize();
    // The picture read ahead is taken when it is the one due; the next one is
    // read ahead while the user looks at this one.
    std::optional<QImage> early = readAhead_.take(card.id, shown);
    if (early)
        picCardMemorize->setPicture(*early);
    else
        LoadPictureFromField(*picCardMemorize, deck_, card.id, shown);
    if (memorizeRow_ + 1 < cards_.size())
        readAhead_.start(cards_[memorizeRow_ + 1].id, shown);
    picCardMemorizeReversed->setPicture(turnedHalf(picCardMemorize->picture()));
    txtNormalMeaning->setPlainText(card.normalMeaning);
    txtReverseMeaning->setPlainText(card.reversedMeaning);

    txtKeywords->clear();
    const QStringList keywords = deck_.keywords(card.id).value_or(QStringList());
    // Every slot leaves its separator, so the text always ends in ", ".
    QString text;
    for (int slot = 0; slot < kSlotsPerCard; ++slot)
        text += keywords.value(slot) + QStringLiteral(", ");
    txtKeywords->setPlainText(text);
}

void FrmMain::clearMemorizeCard()
{
    lblCardNameMemorize->clear();
    picCardMemorize->setPicture({});
    picCardMemorizeReversed->setPicture({});
    txtKeywords->clear();
    txtNormalMeaning->clear();
    txtReverseMeaning->clear();
}

void FrmMain::cmdNext_Click()
{
    cmdPrevious->setEnabled(true);
    if (cardPosition_ < cards_.size()) {
        ++cardPosition_;
        memorizeRow_ = std::min(memorizeRow_ + 1, int(cards_.size()));
        ShowMemorizeCard();
    } else {
        cmdNext->setEnabled(false);
    }
}

void FrmMain::cmdPrevious_Click()
{
    cmdNext->setEnabled(true);
    if (cardPosition_ < 2) {
        cmdPrevious->setEnabled(false);
    } else {
        cmdPrevious->setEnabled(true);
        --cardPosition_;
        memorizeRow_ = std::max(memorizeRow_ - 1, -1);
        ShowMemorizeCard();
    }
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

void FrmMain::SSTab1_Click(int previousTab)
{
    Q_UNUSED(previousTab)
    const int tab = SSTab1->currentIndex();
    tabs_.tabSelected(tab);
    applyTabAvailability();
    switch (tab) {
    case TabMemorize: {
        memorizeRow_ = 0;
        cardPosition_ = 1;
        ShowMemorizeCard();
        // Every practice starts with both buttons ready; a card set without
        // rows leaves nothing to move to.
        const bool hasCards = !cards_.isEmpty();
        cmdNext->setEnabled(hasCards);
        cmdPrevious->setEnabled(hasCards);
        break;
    }
    case TabTest:
        picResult->setFocus();
        break;
    default:
        break;
    }
}

void FrmMain::mnuTabGoals_Click()
{
    selectTab(TabGoals);
}

void FrmMain::mnuTabSettings_Click()
{
    selectTab(TabSettings);
}

// ---------------------------------------------------------------- test options

GroupChoice FrmMain::groupChoice() const
{
    GroupChoice choice;
    choice.major = chkMajor->isChecked();
    for (int i = 0; i < kSuitCount; ++i) {
        choice.suitChecked[i] = chkGroup[i]->isChecked();
        choice.suitAvailable[i] = chkGroup[i]->isEnabled();
    }
    return choice;
}

QVector<int> FrmMain::selectedGroups() const
{
    return velmora::selectedGroups(groupChoice());
}

int FrmMain::testType() const
{
    return optTestType[kTestTypeDescription]->isChecked() ? kTestTypeDescription : kTestTypeKeywords;
}

int FrmMain::difficulty() const
{
    for (int i = 0; i < kDifficultyCount; ++i) {
        if (optDifficulty[i]->isChecked())
            return i;
    }
    return 0;
}

bool FrmMain::reversedCardsAllowed() const
{
    return chkReversed->isChecked();
}

TestSettings FrmMain::currentTestSettings() const
{
    TestSettings settings;
    settings.major = chkMajor->isChecked();
    settings.minor = chkMinor->isChecked();
    for (int i = 0; i < kSuitCount; ++i)
        settings.suits[i] = chkGroup[i]->isChecked();
    settings.testType = testType();
    settings.difficulty = difficulty();
    return settings;
}

void FrmMain::LoadTestSettings()
{
    const TestSettings settings = readTestSettings(services_.settings);
    setCheck(chkMajor, settings.major);
    setCheck(chkMinor, settings.minor);
    for (int i = 0; i < kSuitCount; ++i)
        setCheck(chkGroup[i], settings.suits[i]);
    chooseOption(optTestType[settings.testType], [this, &settings] { optTestType_Click(settings.testType); });
    chooseOption(optDifficulty[settings.difficulty], [] {});
}

void FrmMain::updateMemorizeControlsForGroups()
{
    const bool anyGroup = chkMajor->isChecked() || chkMinor->isChecked();
    cmdNext->setEnabled(anyGroup);
    chkReversed->setEnabled(anyGroup);
}

void FrmMain::chkMajor_Click()
{
    updateMemorizeControlsForGroups();
}

void FrmMain::chkMinor_Click()
{
    for (QCheckBox *box : chkGroup)
        box->setEnabled(chkMinor->isChecked());
    updateMemorizeControlsForGroups();
}

void FrmMain::chkGroup_Click(int index)
{
    if (index < 0 || index >= kSuitCount)
        return;
    for (const QCheckBox *box : chkGroup) {
        if (box->isChecked())
            return;
    }
    chkGroup[index]->setChecked(true);
}

void FrmMain::optTestType_Click(int index)
{
    chkReversed->setEnabled(index == kTestTypeDescription);
}

void FrmMain::cmdSaveSettings_Click()
{
    writeTestSettings(services_.settings, currentTestSettings(), chkSysTray->isChecked());
}

// ---------------------------------------------------------------- test tab helpers

void FrmMain::setAnswerCaption(int index, const QString &caption)
{
    if (index >= 0 && index < kAnswerCount)
        answerCaptions_[index]->setText(caption);
}

QString FrmMain::answerCaption(int index) const
{
    return index >= 0 && index < kAnswerCount ? answerCaptions_[index]->text() : QString();
}

void FrmMain::clearAnswerSelection()
{
    // An exclusive group keeps its chosen button; lift that for the reset.
    answerGroup_->setExclusive(false);
    for (QRadioButton *option : optAnswer)
        option->setChecked(false);
    answerGroup_->setExclusive(true);
}

// ---------------------------------------------------------------- leaving

void FrmMain::cmdBack_Click()
{
    if (deferWhileDrawing([this] { cmdBack_Click(); }))
        return;
    leaving_ = true;
    if (startScreen_)
        startScreen_->show();
    close();
}

void FrmMain::mnuBack_Click()
{
    cmdBack_Click();
}

void FrmMain::cmdNav_Click()
{
    endProgram();
}

void FrmMain::mnuExit1_Click()
{
    endProgram();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // The draw in progress works on this window's card set. Closing every
    // window for the end of the program cannot wait: the process ends.
    if (drawing_ > 0 && !closingAllWindows()) {
        event->ignore();
        afterDraw_ = [this] { close(); };
        return;
    }
    // The close box ends the program like Exit; the event stays accepted.
    if (!leaving_ && !closingAllWindows())
        endProgram();
}

void FrmMain::endProgram()
{
    if (deferWhileDrawing([this] { endProgram(); }))
        return;
    leaving_ = true;
    EndProgram();
}

void FrmMain::unloadAllForms()
{
    leaving_ = true;
    UnloadAllForms();
}

void FrmMain::Label6_Click()
{
    OpenVendorPage(VendorPage::HomePage);
}

void FrmMain::lblCobrand_Click()
{
    OpenVendorPage(VendorPage::CoBrand);
}

void FrmMain::lblFullBrand_Click()
{
    OpenVendorPage(VendorPage::FullyBranded);
}

} // namespace velmora
