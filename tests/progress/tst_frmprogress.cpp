#include "fakes.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "progress/testrecorder.h"
#include "readings/frmjournal.h"
#include "review/frmreview.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"
#include "windowprobe.h"

#include "learn/frmmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

// The progress window opened from the main window, and its way back to
// practising the missed cards there.
class TstFrmProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void practiceButtons_takeExactlyTheMissedCardsOfOneDeck();
    void failedRecording_leavesTheTestAndItsReport();
    void shownWindow_followsTheHistoryAtOnce_hiddenOneWhenShownAgain();
    void readAside_showsWhatTheScreenThreadShows();

private:
    void openWindow();
    // Answers every question right until the test ends.
    void finishTest();

    std::unique_ptr<TestHome> home_;
    std::unique_ptr<SettingsStore> settings_;
    ScriptedPrompter prompter_;
    FixedClock clock_;
    StdRandomSource random_;
    std::unique_ptr<Services> services_;
    QPointer<FrmMain> window_;
};

void TstFrmProgress::initTestCase()
{
    home_ = std::make_unique<TestHome>();
    home_->makeFolders();
    QVERIFY(home_->createCatalog() && home_->createDeck(QStringLiteral("tutor.vdk")) &&
            home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
    QVERIFY(writeCards(paths::defaultDeck(), fullDeck(QSize(20, 34))));
    QVERIFY(addCatalogRow(QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk")));
    settings_ = std::make_unique<SettingsStore>(home_->filePath(QStringLiteral("velmora.conf")));
    settings_->setValue(QStringLiteral("TestType"), QStringLiteral("0"));
    services_ = std::make_unique<Services>(Services{prompter_, clock_, random_, *settings_});
}

void TstFrmProgress::cleanup()
{
    delete window_.data();
    prompter_.clear();
}

void TstFrmProgress::openWindow()
{
    window_ = new FrmMain(*services_);
    QVERIFY(showWindow(*window_));
}

void TstFrmProgress::finishTest()
{
    for (int guard = 0; guard < 100 && window_->currentTab() == TabTest; ++guard) {
        clickBox(control<QRadioButton>(window_.data(),
                                       QStringLiteral("optAnswer%1").arg(window_->testRun().correctOption())));
        QTest::mouseClick(control<QPushButton>(window_.data(), QStringLiteral("cmdNextQuestion")), Qt::LeftButton);
    }
    // The test is written to the history beside the results tab.
    control<progress::TestRecorder>(window_.data(), QStringLiteral("testRecorder"))->finish();
}

void TstFrmProgress::practiceButtons_takeExactlyTheMissedCardsOfOneDeck()
{
    {
        progress::HistoryFile history;
        QVERIFY(history.open(progress::historyPath()));
        // Card 30 missed upright and reversed, card 4 once of two, card 9
        // never; another deck's misses are listed under all decks only.
        const auto question = [](int id, bool reversed, int score) {
            return progress::QuestionRecord{id, QStringLiteral("Card %1").arg(id), reversed, score, 1};
        };
        const auto record = [&](int minute, const QString &deckFile, QVector<progress::QuestionRecord> questions) {
            return history.record(
                {clock_.now().addDays(-2).addSecs(60 * minute),
                 deckFile,
                 deckFile == QLatin1String("Tutor1.vdk") ? QStringLiteral("Classic") : QStringLiteral("Other"),
                 progress::TestKind::Description,
                 0,
                 {0, 1},
                 std::move(questions)});
        };
        const QString classic = QStringLiteral("Tutor1.vdk");
        QVERIFY(record(0, classic, {question(30, false, 0), question(4, false, 0), question(9, false, 1)}));
        QVERIFY(record(1, classic, {question(30, true, 0), question(4, false, 1)}));
        QVERIFY(record(2, QStringLiteral("Tutor7.vdk"), {question(2, false, 0)}));
    }
    openWindow();
    control<QAction>(window_.data(), QStringLiteral("mnuProgress"))->trigger();
    auto *shown = window_->findChild<progress::FrmProgress *>();
    QVERIFY(shown && shown->isVisible());
    auto *table = control<QTableWidget>(shown, QStringLiteral("tblMissed"));
    auto *memorize = control<QPushButton>(shown, QStringLiteral("cmdMemorizeMissed"));
    auto *testMe = control<QPushButton>(shown, QStringLiteral("cmdTestMissed"));
    QCOMPARE(table->rowCount(), 4);
    QVERIFY(!memorize->isEnabled() && !testMe->isEnabled());

    auto *decks = control<QComboBox>(shown, QStringLiteral("cboProgressDeck"));
    decks->setCurrentIndex(decks->findText(QStringLiteral("Classic")));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 0)->text() + table->item(0, 1)->text(), QStringLiteral("Card 30Upright"));
    QCOMPARE(table->item(2, 5)->text(), QStringLiteral("50 %"));
    // A pick among descriptions can be a guess, and a miss of a new facet
    // teaches the model nothing, so all of the deck's facets are still new.
    QCOMPARE(control<QLabel>(shown, QStringLiteral("lblFacetCounts"))->text(),
             QStringLiteral("New: 234   Learning: 0   Review: 0"));

    QTest::mouseClick(memorize, Qt::LeftButton);
    QCOMPARE(window_->currentTab(), int(TabMemorize));
    QVector<int> ids;
    for (const Card &card : window_->cardSet())
        ids.append(card.id);
    QCOMPARE(ids, (QVector<int>{30, 4}));

    // A selection narrows the cards; the test takes the current options.
    table->selectRow(2);
    QTest::mouseClick(testMe, Qt::LeftButton);
    QCOMPARE(window_->currentTab(), int(TabTest));
    QCOMPARE(window_->cardSet().size(), 1);
    QCOMPARE(window_->cardSet()[0].id, 4);
    finishTest();
    QCOMPARE(window_->currentTab(), int(TabResults));
    QVERIFY(prompter_.messageTexts().contains(QStringLiteral("Test Complete")));
    // The finished test is in the history and the open window shows it.
    QVERIFY(control<QLabel>(shown, QStringLiteral("lblProgressInfo"))->text().startsWith(QLatin1String("3 test")));

    // A missed card leads to the journal's readings with it.
    table->selectRow(0);
    QTest::mouseClick(control<QPushButton>(shown, QStringLiteral("cmdMissedReadings")), Qt::LeftButton);
    auto *journal = window_->findChild<readings::FrmJournal *>();
    QVERIFY(journal && journal->isVisible());
    QCOMPARE(control<QLabel>(journal, QStringLiteral("lblCount"))->text(),
             QStringLiteral("With ") + table->item(0, 0)->text() + QStringLiteral(": 0 of 0"));

    // One CSV row per question of the deck's tests, through the save dialog.
    const QString csv = home_->filePath(QStringLiteral("progress.csv"));
    prompter_.queueFileName(csv);
    QTest::mouseClick(control<QPushButton>(shown, QStringLiteral("cmdExportCsv")), Qt::LeftButton);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 3 + 2 + 1 + 1);
    QVERIFY(lines[1].endsWith(",Classic,Tutor1.vdk,Description test,Beginner,\"0,1\",1,30,Card 30,Upright,0,1\r"));
}

void TstFrmProgress::failedRecording_leavesTheTestAndItsReport()
{
    QFile::remove(progress::historyPath());
    QVERIFY(QDir().mkpath(progress::historyPath()));
    openWindow();
    window_->practiseCards(
        {QStringLiteral("Tutor1.vdk"), QStringLiteral("Classic"), {1, 2}, progress::PracticeMode::Test});
    finishTest();
    QVERIFY(window_->reportText().endsWith(QLatin1String("2 out of 2 questions correct")));
    QVERIFY(prompter_.messageTexts().contains(QStringLiteral("Test Complete")));
    QVERIFY(window_->statusBar()->currentMessage().contains(QLatin1String("could not be added")));
    QVERIFY(QDir().rmdir(progress::historyPath()));
}

// A test recorded or a review session closed shows in the progress window
// while it is shown; one hidden, as a closed window is until its deferred
// delete runs, reads nothing until it is shown again.
void TstFrmProgress::shownWindow_followsTheHistoryAtOnce_hiddenOneWhenShownAgain()
{
    QFile::remove(progress::historyPath());
    openWindow();
    const progress::PracticeRequest twoCards{
        QStringLiteral("Tutor1.vdk"), QStringLiteral("Classic"), {1, 2}, progress::PracticeMode::Test};
    window_->practiseCards(twoCards);
    finishTest();
    control<QAction>(window_.data(), QStringLiteral("mnuProgress"))->trigger();
    QPointer<progress::FrmProgress> progressWindow = window_->findChild<progress::FrmProgress *>();
    auto *info = control<QLabel>(progressWindow, QStringLiteral("lblProgressInfo"));
    auto *facets = control<QLabel>(progressWindow, QStringLiteral("lblFacetCounts"));
    QVERIFY(info->text().startsWith(QLatin1String("1 test")));
    QCOMPARE(facets->text(), QStringLiteral("New: 234   Learning: 0   Review: 0"));

    auto *decks = control<QComboBox>(window_.data(), QStringLiteral("cboTutors"));
    decks->setCurrentIndex(decks->findText(QStringLiteral("Classic")));
    window_->cmdReview_Click();
    auto *review = window_->findChild<review::FrmReview *>();
    QVERIFY(review);
    for (const char *button : {"cmdShowAnswer", "cmdGradeGood", "cmdCloseReview"})
        QTest::mouseClick(control<QPushButton>(review, QLatin1String(button)), Qt::LeftButton);
    QVERIFY(!review->isVisible());
    QCOMPARE(facets->text(), QStringLiteral("New: 233   Learning: 1   Review: 0"));

    progressWindow->hide();
    window_->practiseCards(twoCards);
    finishTest();
    QVERIFY(info->text().startsWith(QLatin1String("1 test")));
    control<QAction>(window_.data(), QStringLiteral("mnuProgress"))->trigger();
    QVERIFY(progressWindow && progressWindow->isVisible());
    QVERIFY(info->text().startsWith(QLatin1String("2 test")));
}

namespace {

// The missed table and the line under it, as the window shows them.
QStringList shown(progress::FrmProgress &window)
{
    QStringList lines{window.findChild<QLabel *>(QStringLiteral("lblProgressInfo"))->text()};
    const auto *table = window.findChild<QTableWidget *>(QStringLiteral("tblMissed"));
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->item(row, column) ? table->item(row, column)->text() : QString());
        lines.append(cells.join(QLatin1Char('|')));
    }
    return lines;
}

} // namespace

// A history due for its check, checked and read on a worker thread (as a
// large one is), shows the same as one checked and read on the screen thread,
// and a damaged one the same refusal; the check's verdict is kept, so the
// next opening reads at once. A filter changed during a reading is what the
// window ends up showing.
void TstFrmProgress::readAside_showsWhatTheScreenThreadShows()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.db"));
    {
        progress::HistoryFile history;
        QVERIFY(history.open(path));
        for (int t = 0; t < 3; ++t) {
            progress::TestRecord record{clock_.now().addDays(t - 5),
                                        QStringLiteral("Tutor1.vdk"),
                                        QStringLiteral("Classic"),
                                        progress::TestKind::Description,
                                        0,
                                        {0},
                                        {}};
            for (int q = 1; q <= 22; ++q)
                record.questions.append(
                    {q, QStringLiteral("Major %1").arg(q), q % 2 == 0, (q + t) % 3 == 0 ? 0 : 1, 1});
            QVERIFY(history.record(record));
        }
    }
    const QString damaged = folder.filePath(QStringLiteral("damaged.db"));
    QVERIFY(QFile::copy(path, damaged));
    {
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 3 * 4096);
        // Every page but the first, which holds the layout read before the check.
        QVERIFY(file.seek(4096) && file.write(QByteArray(file.size() - 4096, char(0x5a))) == file.size() - 4096);
    }
    for (const QString &file : {path, damaged}) {
        QVERIFY(store::HistoryDb::checkDue(file));
        progress::FrmProgress aside(*services_, file);
        aside.setCheckAsideFrom(0);
        aside.setReadAsideFrom(0);
        aside.reload();
        QVERIFY(aside.checking());
        QTRY_VERIFY_WITH_TIMEOUT(!aside.checking() && !aside.reading(), 30000);
        const QStringList asideShows = shown(aside);
        QCOMPARE(store::HistoryDb::checkDue(file), file == damaged);
        progress::FrmProgress onScreen(*services_, file);
        onScreen.reload();
        QVERIFY(!onScreen.checking());
        QCOMPARE(asideShows, shown(onScreen));
        if (file == path)
            QVERIFY2(asideShows.size() > 1, qPrintable(asideShows.join(QLatin1Char('\n'))));
        else
            QVERIFY2(asideShows.first().contains(QLatin1String("damaged")), qPrintable(asideShows.first()));
    }
    const auto lastTest = [](progress::FrmProgress &window) {
        window.findChild<QSpinBox *>(QStringLiteral("spnRecentTests"))->setValue(1);
    };
    progress::FrmProgress aside(*services_, path);
    aside.setReadAsideFrom(0);
    aside.reload();
    QVERIFY(aside.reading());
    lastTest(aside);
    QTRY_VERIFY_WITH_TIMEOUT(!aside.reading(), 30000);
    progress::FrmProgress onScreen(*services_, path);
    lastTest(onScreen);
    QCOMPARE(shown(aside), shown(onScreen));
    QVERIFY(shown(aside).first().endsWith(QLatin1String("in the last 1 test(s).")));
}

QTEST_MAIN(TstFrmProgress)
#include "tst_frmprogress.moc"
