#include "fakes.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "app/services.h"
#include "learn/frmmain.h"
#include "learn/picturebox.h"
#include "learn/testreport.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

// The program's generator, with the seeds it was given on record.
class RecordingRandom : public StdRandomSource
{
public:
    void seed(quint64 value) override
    {
        seeds.append(value);
        StdRandomSource::seed(value);
    }
    QList<quint64> seeds;
};

enum Selection { CupsOnly, AllCards };

struct Asked
{
    QString name;
    bool reversed = false;
    int score = 0;
};

} // namespace

class TstFrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wholeTest_data();
    void wholeTest();
    void fourthTickAtBeginnerLevel_isUndoneWithAWarning();
    void settingsTabMidTest_closesTheTestAndTestMeStartsAfresh();
    void practiceOpenedDuringADraw_waitsForTheDraw();
    void report_isShownAndSavedWithCrLf();

private:
    void openWindow(int testType, int level, Selection selection = CupsOnly);
    // Answers the question on screen, right or with one keyword / the option wrong.
    int answer(bool right);
    void pressNext();
    template <typename T>
    T *child(const QString &name)
    {
        T *widget = window_->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &label) { return child<QLabel>(label)->text(); }
    QTabWidget *tabs() { return child<QTabWidget>(QStringLiteral("SSTab1")); }
    QPushButton *button(const QString &name) { return child<QPushButton>(name); }
    static void clickBox(QAbstractButton *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    static bool available(const QWidget *widget) { return !widget->testAttribute(Qt::WA_ForceDisabled); }
    // Tabs 2, 3 and 4 as the user may choose them.
    QString tabState()
    {
        QString state;
        for (int tab = TabMemorize; tab < TabCount; ++tab)
            state += window_->isTabAvailable(tab) ? QLatin1Char('1') : QLatin1Char('0');
        return state;
    }

    std::unique_ptr<TestHome> home_;
    QHash<QString, QImage> pictures_;
    std::unique_ptr<QTemporaryDir> settingsDir_;
    std::unique_ptr<SettingsStore> settings_;
    ScriptedPrompter prompter_;
    FixedClock clock_;
    RecordingRandom random_;
    std::unique_ptr<Services> services_;
    std::unique_ptr<FrmMain> window_;
};

void TstFrmMainTest::initTestCase()
{
    home_ = std::make_unique<TestHome>();
    home_->makeFolders();
    QVERIFY(home_->createCatalog());
    const QList<SampleCard> cards = fullDeck(QSize(20, 34));
    for (const SampleCard &card : cards)
        pictures_.insert(card.name, decodePicture(card.picture));
    QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
    QVERIFY(writeCards(paths::defaultDeck(), cards));
    QVERIFY(addCatalogRow(QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk")));
}

void TstFrmMainTest::init()
{
    settingsDir_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<SettingsStore>(settingsDir_->filePath(QStringLiteral("velmora.conf")));
    prompter_.clear();
    random_.seeds.clear();
    services_ = std::make_unique<Services>(Services{prompter_, clock_, random_, *settings_});
}

void TstFrmMainTest::cleanup()
{
    window_.reset();
    services_.reset();
    settings_.reset();
}

void TstFrmMainTest::openWindow(int testType, int level, Selection selection)
{
    settings_->setValue(QStringLiteral("TestType"), QString::number(testType));
    settings_->setValue(QStringLiteral("Difficulty"), QString::number(level));
    if (selection == CupsOnly) {
        settings_->setValue(QStringLiteral("MajorArcana"), QStringLiteral("0"));
        for (const char *suit : {"Wands", "Pentacles", "Swords"})
            settings_->setValue(QString::fromLatin1(suit), QStringLiteral("0"));
    }
    window_ = std::make_unique<FrmMain>(*services_);
    if (!window_->load())
        qFatal("the window did not open");
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        qFatal("the window was not shown");
    child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(0);
}

int TstFrmMainTest::answer(bool right)
{
    const TestRun &run = window_->testRun();
    if (window_->testType() == kTestTypeDescription) {
        int chosen = run.correctOption();
        for (int i = run.firstAnswer(); !right && i <= run.lastAnswer(); ++i) {
            if (i != run.correctOption() && child<QRadioButton>(QStringLiteral("optAnswer%1").arg(i))->isVisible()) {
                chosen = i;
                break;
            }
        }
        clickBox(child<QRadioButton>(QStringLiteral("optAnswer%1").arg(chosen)));
        return chosen == run.correctOption() ? 1 : 0;
    }
    const QVector<int> correct = run.correctKeywordSlots();
    int ticks = 0;
    for (int slot : correct) {
        if (!right && ticks == correct.size() - 1)
            break;
        clickBox(child<QCheckBox>(QStringLiteral("chkKeywords%1").arg(slot)));
        ++ticks;
    }
    for (int box = 0; ticks < correct.size(); ++box) {
        if (!correct.contains(box)) {
            clickBox(child<QCheckBox>(QStringLiteral("chkKeywords%1").arg(box)));
            ++ticks;
        }
    }
    return right ? int(correct.size()) : int(correct.size()) - 1;
}

void TstFrmMainTest::pressNext()
{
    QPushButton *next = button(QStringLiteral("cmdNextQuestion"));
    QVERIFY(available(next));
    QTest::mouseClick(next, Qt::LeftButton);
}

// ---------------------------------------------------------------- a whole test

void TstFrmMainTest::wholeTest_data()
{
    QTest::addColumn<int>("testType");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("firstAnswer");
    QTest::addColumn<int>("lastAnswer");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("toChoose");

    QTest::addRow("description, beginner") << 0 << 0 << int(CupsOnly) << 2 << 4 << 0 << 0;
    QTest::addRow("description, intermediate") << 0 << 1 << int(CupsOnly) << 1 << 5 << 0 << 0;
    QTest::addRow("description, advanced") << 0 << 2 << int(CupsOnly) << 0 << 6 << 0 << 0;
    QTest::addRow("keywords, beginner") << 1 << 0 << int(CupsOnly) << 0 << 0 << 7 << 3;
    QTest::addRow("keywords, intermediate") << 1 << 1 << int(CupsOnly) << 0 << 0 << 12 << 5;
    QTest::addRow("keywords, advanced, whole deck") << 1 << 2 << int(AllCards) << 0 << 0 << 20 << 7;
}

void TstFrmMainTest::wholeTest()
{
    QFETCH(int, testType);
    QFETCH(int, level);
    QFETCH(int, selection);
    QFETCH(int, firstAnswer);
    QFETCH(int, lastAnswer);
    QFETCH(int, boxes);
    QFETCH(int, toChoose);
    openWindow(testType, level, Selection(selection));
    const bool description = testType == kTestTypeDescription;
    const int n = selection == CupsOnly ? 14 : 78;

    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    QCOMPARE(random_.seeds, QList<quint64>{quint64(clock_.now().toMSecsSinceEpoch())});
    QVERIFY(child<QWidget>(QStringLiteral("picDescContainer"))->isVisible() == description);
    QVERIFY(child<QWidget>(QStringLiteral("picKeywodContainer"))->isVisible() != description);

    QList<Asked> asked;
    int reversals = 0;
    for (int k = 1; k <= n; ++k) {
        QCOMPARE(tabs()->currentIndex(), int(TabTest));
        QCOMPARE(tabState(), QStringLiteral("110"));
        QCOMPARE(text(QStringLiteral("lblQCount")), QStringLiteral("%1 of %2").arg(k).arg(n));
        QVERIFY(!available(button(QStringLiteral("cmdNextQuestion"))));

        Asked question{text(QStringLiteral("lblCardName")), window_->testRun().currentReversed(), 0};
        QVERIFY(pictures_.contains(question.name));
        QCOMPARE(text(QStringLiteral("lblIsReversed")), question.reversed ? QStringLiteral("Reversed") : QString());
        const QImage upright = pictures_.value(question.name);
        QCOMPARE(child<PictureBox>(QStringLiteral("picResult"))->picture(),
                 question.reversed ? turnedHalf(upright) : upright);
        reversals += question.reversed ? 1 : 0;

        if (description) {
            for (int i = 0; i < kAnswerCount; ++i) {
                const bool inRange = i >= firstAnswer && i <= lastAnswer;
                auto *option = child<QRadioButton>(QStringLiteral("optAnswer%1").arg(i));
                QCOMPARE(option->isVisible(), inRange);
                QCOMPARE(available(option), inRange);
                QCOMPARE(child<QFrame>(QStringLiteral("Shape1_%1").arg(i))->isVisible(), inRange);
                QVERIFY(!option->isChecked());
            }
        } else {
            QCOMPARE(text(QStringLiteral("lblMaxKeyword")),
                     QStringLiteral("You must choose %1 keywords").arg(toChoose));
            for (int i = 0; i < kKeywordBoxCount; ++i) {
                auto *box = child<QCheckBox>(QStringLiteral("chkKeywords%1").arg(i));
                QCOMPARE(box->isVisible(), i < boxes);
                QCOMPARE(available(box), i < boxes);
                QVERIFY(!box->isChecked());
            }
        }
        question.score = answer(k % 3 != 0);
        asked.append(question);
        pressNext();
        if (k < n)
            QVERIFY(prompter_.records().isEmpty());
    }

    // The press after the n-th answer ended the test.
    QCOMPARE(window_->testRun().askedCardIds().size(), n);
    QCOMPARE(tabs()->currentIndex(), int(TabResults));
    QCOMPARE(tabState(), QStringLiteral("101"));
    QCOMPARE(prompter_.messages().size(), 1);
    const Prompt done = prompter_.messages().first();
    QCOMPARE(done.text, QStringLiteral("Test Complete"));
    QCOMPARE(done.icon, PromptIcon::Information);
    QCOMPARE(done.buttons, PromptButtons::Ok);
    QCOMPARE(done.title, QStringLiteral("Velmora"));
    if (description)
        QVERIFY2(reversals > 0 && reversals < n, "reversed and upright questions both occur");
    else
        QCOMPARE(reversals, 0);

    int total = 0;
    QStringList lines = window_->reportText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3 + n + 2);
    for (int k = 1; k <= n; ++k) {
        const Asked &question = asked[k - 1];
        total += question.score;
        QCOMPARE(lines[2 + k], reportQuestionLine(k, {question.name, question.reversed, question.score},
                                                  description ? TestType::Description : TestType::Keywords, toChoose));
    }
    const QString summary =
        description
            ? QStringLiteral("%1 out of %2 questions correct").arg(total).arg(n)
            : QStringLiteral("%1/%2 choice(s) from %3 questions were correct").arg(total).arg(toChoose * n).arg(n);
    QCOMPARE(lines.last(), summary);
    QCOMPARE(text(QStringLiteral("lblResultInfo")), summary);
    QCOMPARE(window_->testRun().correctTotal(), total);
}

// ---------------------------------------------------------------- reactions

void TstFrmMainTest::fourthTickAtBeginnerLevel_isUndoneWithAWarning()
{
    openWindow(kTestTypeKeywords, 0);
    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    QPushButton *next = button(QStringLiteral("cmdNextQuestion"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!available(next));
        clickBox(child<QCheckBox>(QStringLiteral("chkKeywords%1").arg(i)));
    }
    QVERIFY(available(next));
    QCOMPARE(QApplication::focusWidget(), next);

    auto *fourth = child<QCheckBox>(QStringLiteral("chkKeywords5"));
    clickBox(fourth);
    QVERIFY(!fourth->isChecked());
    QVERIFY(available(next));
    QCOMPARE(prompter_.messages().size(), 1);
    const Prompt warning = prompter_.messages().first();
    QCOMPARE(warning.text, QStringLiteral("You can select only 3 keywords.\r\n"
                                          "Please unselect one before selecting another keyword"));
    QCOMPARE(warning.icon, PromptIcon::Warning);
    QCOMPARE(warning.buttons, PromptButtons::Ok);
    QCOMPARE(warning.title, QStringLiteral("Velmora"));

    clickBox(child<QCheckBox>(QStringLiteral("chkKeywords1")));
    QVERIFY(!available(next));
}

void TstFrmMainTest::settingsTabMidTest_closesTheTestAndTestMeStartsAfresh()
{
    openWindow(kTestTypeDescription, 1);
    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    for (int k = 0; k < 2; ++k) {
        answer(true);
        pressNext();
    }
    QCOMPARE(text(QStringLiteral("lblQCount")), QStringLiteral("3 of 14"));

    window_->mnuTabSettings_Click();
    QCOMPARE(tabState(), QStringLiteral("000"));
    QVERIFY(!tabs()->isTabEnabled(TabTest));

    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    QCOMPARE(tabs()->currentIndex(), int(TabTest));
    QCOMPARE(text(QStringLiteral("lblQCount")), QStringLiteral("1 of 14"));
    QVERIFY(window_->testRun().askedCardIds().isEmpty());

    // From the memorize tab the test runs on the card set already open.
    window_->selectTab(TabMemorize);
    QCOMPARE(tabState(), QStringLiteral("100"));
    QTest::mouseClick(button(QStringLiteral("cmdStartTest")), Qt::LeftButton);
    QCOMPARE(tabs()->currentIndex(), int(TabTest));
    QCOMPARE(tabState(), QStringLiteral("110"));
    QCOMPARE(text(QStringLiteral("lblQCount")), QStringLiteral("1 of 14"));
    QVERIFY(prompter_.records().isEmpty());
}

void TstFrmMainTest::practiceOpenedDuringADraw_waitsForTheDraw()
{
    openWindow(kTestTypeKeywords, 0);
    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    answer(true);
    // Handled while the next card is drawn, when the window lets events in.
    window_->setDrawPumpInterval(0);
    QMetaObject::invokeMethod(window_.get(), &FrmMain::cmdSetOption_Click, Qt::QueuedConnection);
    pressNext();
    QCOMPARE(window_->testRun().askedCardIds().size(), 1);
    QCOMPARE(text(QStringLiteral("lblQCount")), QStringLiteral("2 of 14"));
    QCOMPARE(tabs()->currentIndex(), int(TabMemorize));
    QCOMPARE(tabState(), QStringLiteral("100"));
    QCOMPARE(window_->cardPosition(), 1);
}

// ---------------------------------------------------------------- results

void TstFrmMainTest::report_isShownAndSavedWithCrLf()
{
    openWindow(kTestTypeDescription, 0);
    QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
    for (int k = 0; k < 14; ++k) {
        answer(true);
        pressNext();
    }
    QCOMPARE(text(QStringLiteral("lblResultInfo")), QStringLiteral("14 out of 14 questions correct"));

    auto *result = child<QPlainTextEdit>(QStringLiteral("txtResult"));
    const QString report = window_->reportText();
    QVERIFY(report.startsWith(QStringLiteral("Test Report For Velmora\r\n-----------------------\r\n\r\n01.      ")));
    QCOMPARE(result->toPlainText(), QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(result->textCursor().atEnd());
    // Columns padded with blanks line up only when every letter is as wide.
    const QFontMetrics metrics(result->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')), metrics.horizontalAdvance(QLatin1Char('W')));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("result.txt"));
    prompter_.clear();
    prompter_.queueFileName(path);
    QTest::mouseClick(button(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(prompter_.records().size(), 1);
    const FileDialogRequest request = prompter_.records().first().request;
    QCOMPARE(request.filter, QStringLiteral("Text file (*.txt)"));
    QCOMPARE(request.startName, QString());
    QVERIFY(request.confirmOverwrite);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (report + QStringLiteral("\r\n")).toUtf8());
    QVERIFY(report.endsWith(QStringLiteral("14 out of 14 questions correct")));

    // Cancelled: nothing written, nothing said.
    file.close();
    QVERIFY(file.remove());
    prompter_.clear();
    prompter_.queueFileName(QString());
    QTest::mouseClick(button(QStringLiteral("Command5")), Qt::LeftButton);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(prompter_.messages().size(), 0);
}

QTEST_MAIN(TstFrmMainTest)
#include "tst_frmmain_test.moc"
