#pragma once

// The main window: the choice of a deck, memorize mode, the test options and
// the pages of the test and its results.

#include "learn/cardselection.h"
#include "learn/deckchecks.h"
#include "learn/tabavailability.h"
#include "learn/testrun.h"
#include "learn/testsettings.h"
#include "store/deck.h"
#include "store/readahead.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

namespace velmora {

struct Services;
class FrmBegin;
class LinkLabel;
class PictureBox;

inline constexpr int kKeywordBoxCount = 20;
inline constexpr int kAnswerCount = 7;

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(Services &services, QWidget *startScreen = nullptr, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The window's opening. False when the installation lacks the default deck:
    // the user has been told and every window is being closed.
    [[nodiscard]] bool load();

    // Opens the deck chosen in cboTutors and its card set for a new practice.
    // On refusal the user is told why and the current practice stays.
    [[nodiscard]] bool CheckAndOpenSelectedDeck(PracticeWording wording);
    // Fills the memorize tab from the current card of the card set.
    void ShowMemorizeCard();
    void LoadTestSettings();
    // The card groups the practice takes, as the group boxes choose them.
    [[nodiscard]] QVector<int> selectedGroups() const;

    [[nodiscard]] GroupChoice groupChoice() const;
    [[nodiscard]] TestSettings currentTestSettings() const;
    [[nodiscard]] int testType() const;
    [[nodiscard]] int difficulty() const;
    [[nodiscard]] bool reversedCardsAllowed() const;

    // The practice: replaced by every successful CheckAndOpenSelectedDeck.
    [[nodiscard]] Deck &deckConnection() { return deck_; }
    [[nodiscard]] const QVector<Card> &cardSet() const { return cards_; }
    [[nodiscard]] int cardPosition() const { return cardPosition_; }

    [[nodiscard]] bool isTabAvailable(int tab) const { return tabs_.isAvailable(tab); }
    [[nodiscard]] int currentTab() const;
    // The window may select a tab the user cannot choose.
    void selectTab(int tab);
    [[nodiscard]] QWidget *goalsPage() const { return goalsPage_; }

    // The test tab's answer options carry wrapping captions beside the buttons.
    void setAnswerCaption(int index, const QString &caption);
    [[nodiscard]] QString answerCaption(int index) const;
    // Leaves no answer option chosen.
    void clearAnswerSelection();

    // The test in progress or the last one finished.
    [[nodiscard]] const TestRun &testRun() const { return run_; }
    // The report of the last finished test, lines separated by CR LF.
    [[nodiscard]] QString reportText() const { return reportText_; }
    // How long a draw goes on before the window handles pending events.
    void setDrawPumpInterval(qint64 milliseconds) { drawPumpInterval_ = milliseconds; }

    // Creates the window for the start screen, runs its opening and shows it
    // in place of the start screen. Null when the opening failed.
    static FrmMain *showFromStartScreen(Services &services, QWidget *startScreen);
    // Makes the start screen's "Learn Tarot & Test" open this window.
    static void offerFromStartScreen(FrmBegin &startScreen, Services &services);

public slots:
    void cboTutors_Click();
    void cmdSetOption_Click();
    void cmdStartTest2_Click();
    void cmdStartTest_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void SSTab1_Click(int previousTab);
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int index);
    void optTestType_Click(int index);
    void cmdSaveSettings_Click();
    void cmdBack_Click();
    void cmdNav_Click();
    void mnuTabGoals_Click();
    void mnuTabSettings_Click();
    void mnuBack_Click();
    void mnuExit1_Click();
    void cmdNextQuestion_Click();
    void optAnswer_Click(int index);
    void chkKeywords_Click(int index);
    void Command5_Click();
    void Label6_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildGoalsPage();
    QWidget *buildSettingsPage();
    QWidget *buildMemorizePage();
    QWidget *buildTestPage();
    QWidget *buildResultsPage();
    void connectReactions();

    void fillDeckList();
    // Places kept for the goals page and the run-at-start-up frame, whose
    // behaviour arrives with their own code.
    void runUpdateReminder();
    void loadGoals();
    void restoreStartupOptions();
    void goToTrayIfStartedAtLogon();

    void applyTabAvailability();
    void updateMemorizeControlsForGroups();
    void clearMemorizeCard();
    // The entry of the test run: reached from both "Test Me" buttons once the
    // practice is open.
    void startTest();
    [[nodiscard]] TestOptions testOptions() const;
    [[nodiscard]] TestAnswer readAnswer() const;
    void showDescriptionQuestion(const DescriptionQuestion &question);
    void showKeywordQuestion(const KeywordQuestion &question);
    void ShowTestCardPicture(const QImage &picture);
    void WriteTestReport();
    // While "Next Question" draws, the window handles pending events; what
    // would replace the practice or close the window waits for the draw.
    [[nodiscard]] bool deferWhileDrawing(std::function<void()> action);
    void endProgram();
    void unloadAllForms();

    Services &services_;
    QPointer<QWidget> startScreen_;
    TabAvailability tabs_;
    Deck deck_;
    QVector<Card> cards_;
    int memorizeRow_ = -1; // the card shown on the memorize tab; none outside 0..size-1
    int cardPosition_ = 0;
    PictureReadAhead readAhead_;
    int shownTab_ = -1;
    bool leaving_ = false;
    TestRun run_;
    int drawing_ = 0;
    qint64 drawPumpInterval_ = 10;
    std::function<void()> afterDraw_;
    QString reportText_;

    QTabWidget *SSTab1 = nullptr;
    QWidget *goalsPage_ = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdNav = nullptr;
    QAction *mnuTabGoals = nullptr;
    QAction *mnuTabSettings = nullptr;
    QAction *mnuBack = nullptr;
    QAction *mnuExit1 = nullptr;

    // Settings tab.
    QComboBox *cboTutors = nullptr;
    QPushButton *cmdSetOption = nullptr;
    QPushButton *cmdStartTest2 = nullptr;
    QCheckBox *chkMajor = nullptr;
    QCheckBox *chkMinor = nullptr;
    std::array<QCheckBox *, kSuitCount> chkGroup{};
    QCheckBox *chkReversed = nullptr;
    std::array<QRadioButton *, kTestTypeCount> optTestType{};
    std::array<QRadioButton *, kDifficultyCount> optDifficulty{};
    QPushButton *cmdSaveSettings = nullptr;
    LinkLabel *Label6 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    QRadioButton *optRun = nullptr;
    QRadioButton *optDontRun = nullptr;
    QCheckBox *chkSysTray = nullptr;

    // Memorize tab.
    QLabel *lblCardNameMemorize = nullptr;
    PictureBox *picCardMemorize = nullptr;
    PictureBox *picCardMemorizeReversed = nullptr;
    QPlainTextEdit *txtKeywords = nullptr;
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReverseMeaning = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdStartTest = nullptr;

    // Test tab.
    QLabel *lblCardName = nullptr;
    QLabel *lblIsReversed = nullptr;
    QLabel *llblQCount = nullptr;
    QLabel *lblQCount = nullptr;
    PictureBox *picResult = nullptr;
    QStackedWidget *testPanels_ = nullptr;
    QWidget *picKeywodContainer = nullptr;
    QLabel *lblMaxKeyword = nullptr;
    std::array<QCheckBox *, kKeywordBoxCount> chkKeywords{};
    QWidget *picDescContainer = nullptr;
    QButtonGroup *answerGroup_ = nullptr;
    std::array<QRadioButton *, kAnswerCount> optAnswer{};
    std::array<QLabel *, kAnswerCount> answerCaptions_{};
    std::array<QFrame *, kAnswerCount> Shape1{};
    QPushButton *cmdNextQuestion = nullptr;

    // Results tab.
    QPlainTextEdit *txtResult = nullptr;
    QLabel *lblResultInfo = nullptr;
    QPushButton *Command5 = nullptr;
};

} // namespace velmora
