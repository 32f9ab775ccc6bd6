#pragma once

// The main window: a coordinator over its pages. It holds the practice and
// the test run, calls the rules and feeds the pages what they show.

#include "progress/frmprogress.h"

#include "learn/deckchecks.h"
#include "learn/mainmenu.h"
#include "learn/tabavailability.h"
#include "learn/testrun.h"
#include "learn/testsettings.h"
#include "store/backgroundjob.h"
#include "store/practice.h"
#include "store/readahead.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QPushButton;
class QTabWidget;

namespace velmora {

namespace goals {
class GoalsController;
}
struct Services;
class MemorizePage;
class OwnMeaningKeeper;
class ResidentController;
class ResultsPage;
class SettingsPage;
class SideWindows;
class TestPage;

// What the window's opening leaves to its opener.
enum class Opening { Show, Refused, ToTray };

class FrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmMain(Services &services, QWidget *startScreen = nullptr, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The window's opening; it never shows the window itself. Refused when the
    // installation lacks the default deck: the user has been told and every
    // window is being closed. ToTray when a logon start put it in the tray.
    [[nodiscard]] Opening load();

    // Opens the deck chosen in cboTutors and its card set. On refusal the user
    // is told why and nothing is returned.
    [[nodiscard]] std::optional<Practice> openSelectedDeck(PracticeWording wording);
    // openSelectedDeck, taken as the new practice; a refusal keeps the current one.
    [[nodiscard]] bool CheckAndOpenSelectedDeck(PracticeWording wording);
    // Opens the given cards of a deck file in the deck folder, in the order
    // given, as the new practice, with the checks of openSelectedDeck. Cards
    // no longer in the deck are left out; on refusal the user is told why.
    [[nodiscard]] bool openCardPractice(const QString &deckFile, const QString &deckName, const QVector<int> &cardIds,
                                        PracticeWording wording);

    [[nodiscard]] const Practice &practice() const { return practice_; }
    [[nodiscard]] const QVector<Card> &cardSet() const { return practice_.cards; }
    [[nodiscard]] int cardPosition() const { return practice_.position; }
    // The card groups the practice takes, as the group boxes choose them.
    [[nodiscard]] QVector<int> selectedGroups() const;
    [[nodiscard]] TestType testType() const;
    [[nodiscard]] int difficulty() const;

    [[nodiscard]] bool isTabAvailable(int tab) const { return tabs_.isAvailable(tab); }
    [[nodiscard]] int currentTab() const;
    // The window may select a tab the user cannot choose.
    void selectTab(int tab);
    [[nodiscard]] QWidget *goalsPage() const { return goalsPage_; }

    // The test in progress or the last one finished.
    [[nodiscard]] const TestRun &testRun() const { return run_; }
    // The report of the last finished test, lines separated by CR LF.
    [[nodiscard]] QString reportText() const { return reportText_; }

signals:
    // Back was chosen: the window is about to close in favour of the start screen.
    void goingBack();

public slots:
    void cmdSetOption_Click();
    void cmdStartTest2_Click();
    void cmdStartTest_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdNextQuestion_Click();
    void cmdBack_Click();
    void mnuTabSettings_Click();
    // Memorize or test exactly the requested cards, with the current test options.
    void practiseCards(const velmora::progress::PracticeRequest &request);
    void mnuProgress_Click();
    void mnuReadings_Click();
    void mnuJournal_Click();
    void cmdReview_Click();
    // The cards of the chosen deck and groups as a PDF of study cards, on
    // the paper of the learner's locale; true once written.
    bool printStudyCards();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectPages();
    void cboTutors_Click();
    // Takes the answer of the chosen deck's keyword check, waiting for it if
    // it is not in yet, and refuses the deck when it says so. Whatever uses
    // the chosen deck settles its check first, the fallback's included.
    void settleDeckCheck();
    // The deck chosen at the opening is most likely practised first: what its
    // practice checks and looks up is found beside the screen meanwhile.
    void readChosenDeckAhead();
    void chooseRememberedDeck();
    void rememberChosenDeck();
    void SSTab1_Click();
    void applyTabAvailability();
    void ShowMemorizeCard();
    void showMemorizePicture();
    void showTestPictureAgain();
    void startTest();
    // Starts reading ahead the pictures of the test's cards still to be asked.
    void warmTestPictures(QSize shown);
    // The question's picture when it was read ahead; otherwise null, and
    // shown by testPictureRead once it is read.
    [[nodiscard]] QImage readyTestPicture(int cardId, QSize shown);
    void testPictureRead(int cardId);
    void chkKeywords_Click(int index);
    void WriteTestReport();
    void recordFinishedTest();
    void endProgram();
    // A reading's cards, tested on their meanings.
    void testReadingCards(const velmora::progress::PracticeRequest &request);
    void refreshDueCount();

    Services &services_;
    QPointer<QWidget> startScreen_;
    TabAvailability tabs_;
    Practice practice_;
    PictureReadAhead readAhead_;
    // The keyword check of the deck chosen in cboTutors reads every slot of
    // the deck, too long for a key press on a deck of thousands of cards: it
    // runs beside the screen, and a newer choice makes older answers moot.
    using DeckCheck = BackgroundJob<std::optional<bool>>;
    std::unique_ptr<DeckCheck> deckCheck_;
    std::vector<std::unique_ptr<DeckCheck>> staleDeckChecks_;
    int deckCheckRound_ = 0;
    int checkedPosition_ = -1;
    QString checkedDeckName_;
    std::unique_ptr<BackgroundJob<bool>> deckReadAhead_;
    bool leaving_ = false;
    TestRun run_;
    // The practice's cards as the test in progress asks them.
    QVector<Card> testCards_;
    // The card of each question is drawn only when it is asked, so the
    // pictures of the cards still to come are read from the test's start:
    // reading and decoding a photo at the press takes longer than a frame.
    PictureWarmer testPictures_;
    QSize testPictureSize_;
    QSet<int> testPicturesQueued_; // handed to the warmer at that size
    int awaitedTestPicture_ = 0;   // the question's card while its picture is read
    QString reportText_;
    MainMenu menu_;

    QTabWidget *SSTab1 = nullptr;
    goals::GoalsController *goals_ = nullptr;
    ResidentController *resident_ = nullptr;
    QWidget *goalsPage_ = nullptr;
    SettingsPage *settings_ = nullptr;
    MemorizePage *memorize_ = nullptr;
    OwnMeaningKeeper *ownMeanings_ = nullptr;
    SideWindows *windows_ = nullptr;
    TestPage *test_ = nullptr;
    ResultsPage *results_ = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdNav = nullptr;
};

} // namespace velmora
