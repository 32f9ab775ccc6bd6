#include "announcements.h"
#include "compose/startscreen.h"
#include "fakes.h"
#include "filebytes.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"
#include "windowprobe.h"

#include "app/enterkey.h"
#include "app/frmbegin.h"
#include "app/picturebox.h"
#include "app/shell.h"
#include "learn/frmmain.h"
#include "learn/testreport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
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

} // namespace

// The test run and the results through the main window, and the window's
// place between the start screen and the end of the program.
class TstFrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setProcessEnder([this] { ++ends_; });
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        const QList<SampleCard> cards = fullDeck(QSize(20, 34));
        for (const SampleCard &card : cards)
            pictures_.insert(card.name, decodePicture(card.picture));
        QVERIFY(home_->createCatalog() && home_->createDeck(QStringLiteral("tutor.vdk")) &&
                home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
        QVERIFY(writeCards(paths::defaultDeck(), cards));
        QVERIFY(addCatalogRow(QStringLiteral("Classic"), QStringLiteral("Tutor1.vdk")));

        // The Cups of a second deck carry texts that rich text would turn into a
        // picture, a colour or bold, and words too long for any line.
        QList<SampleCard> strange = cards;
        const QStringList marks{QStringLiteral("<img src=\"/dev/zero\">"), QStringLiteral("<font color=red>x</font>"),
                                QStringLiteral("<b>X</b>")};
        int i = 0;
        for (SampleCard &card : strange) {
            if (card.group != 1)
                continue;
            const QString mark = marks[i % 3];
            card.name = i % 4 == 3 ? QString(300, QLatin1Char('M')) + QString::number(i) : mark + QString::number(i);
            card.normalMeaning = mark + QString(200, QLatin1Char('N')) + QString::number(i);
            card.reversedMeaning = mark + QStringLiteral(" reversed ") + QString::number(i);
            for (int slot = 0; slot < card.keywords.size(); ++slot)
                card.keywords[slot] = slot == 0 ? QString(60, QLatin1Char('K')) + QString::number(i)
                                                : marks[slot % 3] + QString::number(i * 10 + slot);
            pictures_.insert(card.name, decodePicture(card.picture));
            ++i;
        }
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor2.vdk")) &&
                writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), strange));
        QVERIFY(addCatalogRow(QStringLiteral("<b>Strange</b>"), QStringLiteral("Tutor2.vdk")));
        installEnterActivatesButtons(*qApp);
    }

    void init()
    {
        ends_ = 0;
        prompter_.clear();
        random_.seeds.clear();
        QFile::remove(home_->filePath(QStringLiteral("velmora.conf")));
        settings_ = std::make_unique<SettingsStore>(home_->filePath(QStringLiteral("velmora.conf")));
        services_ = std::make_unique<Services>(Services{prompter_, clock_, random_, *settings_});
    }

    void cleanup()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows.append(window);
        for (const QPointer<QWidget> &window : windows)
            delete window.data();
        services_.reset();
        settings_.reset();
    }

    void wholeTest_data()
    {
        QTest::addColumn<int>("testType");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("shown"); // per option or keyword box
        QTest::addColumn<int>("toChoose");
        QTest::addColumn<int>("deck"); // 1: the deck of strange texts
        QTest::addRow("description, beginner, by keyboard") << 0 << 0 << "0011100" << 0 << 0;
        QTest::addRow("keywords, intermediate") << 1 << 1 << "11111111111100000000" << 5 << 0;
        QTest::addRow("description, advanced, strange texts") << 0 << 2 << "1111111" << 0 << 1;
        QTest::addRow("keywords, advanced, strange texts") << 1 << 2 << "11111111111111111111" << 7 << 1;
    }
    // Every question through the window, the results tab and saving the report.
    // Texts from the deck show as plain text and never widen the window.
    // The description test is taken by keyboard alone: Enter presses the
    // focused button (the keypad's too) and the options shown are numbered
    // from the top.
    void wholeTest()
    {
        QFETCH(int, testType);
        QFETCH(int, level);
        QFETCH(QString, shown);
        QFETCH(int, toChoose);
        QFETCH(int, deck);
        const bool description = TestType(testType) == TestType::Description;
        const int n = 14;
        Announcements told;
        openWindow(testType, level);
        child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(deck);
        // Low enough that the tabs scroll: the page must not move under the
        // learner from one question to the next.
        window_->resize(window_->width(), window_->minimumHeight());
        const int width = window_->width();
        const QScrollBar *scroll = child<QScrollArea>(QStringLiteral("scrTabs"))->verticalScrollBar();
        int scrolledAt = -1;

        if (description) {
            button(QStringLiteral("cmdStartTest2"))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
        }
        QCOMPARE(random_.seeds, QList<quint64>{quint64(clock_.now().toMSecsSinceEpoch())});
        QCOMPARE(child<QWidget>(QStringLiteral("picDescContainer"))->isVisible(), description);
        QCOMPARE(child<QWidget>(QStringLiteral("picKeywodContainer"))->isVisible(), !description);

        QStringList expectedLines;
        int total = 0;
        int reversals = 0;
        QVector<QRect> boxes;
        for (int k = 1; k <= n; ++k) {
            QCOMPARE(currentTab(), int(TabTest));
            QCOMPARE(text("lblQCount"), QStringLiteral("%1 of %2").arg(k).arg(n));
            QVERIFY(!available(button(QStringLiteral("cmdNextQuestion"))));
            const QString name = text("lblCardName");
            const bool reversed = window_->testRun().currentReversed();
            reversals += reversed ? 1 : 0;
            QCOMPARE(text("lblIsReversed"), reversed ? QStringLiteral("Reversed") : QString());
            // Read ahead, or shown as soon as it is read.
            const QImage upright = pictures_.value(name);
            QTRY_COMPARE_WITH_TIMEOUT(child<PictureBox>(QStringLiteral("picResult"))->picture(),
                                      reversed ? turnedHalf(upright) : upright, 60000);
            if (!description)
                QCOMPARE(text("lblMaxKeyword"), QStringLiteral("You must choose %1 keywords").arg(toChoose));
            // '1' shown and available, '0' neither; anything else is a fault.
            QString state;
            for (int i = 0; i < shown.size(); ++i) {
                QAbstractButton *control = description ? static_cast<QAbstractButton *>(option(i)) : box(i);
                const bool visible = control->isVisible();
                const bool frame =
                    !description || child<QFrame>(QStringLiteral("Shape1_%1").arg(i))->isVisible() == visible;
                state += control->isChecked() || !frame || available(control) != visible ? QLatin1Char('?')
                         : visible                                                       ? QLatin1Char('1')
                                                                                         : QLatin1Char('0');
            }
            QCOMPARE(state, shown);
            QVERIFY(child<QLabel>(QStringLiteral("lblCardName"))->textFormat() == Qt::PlainText);
            for (int i = 0; i < kAnswerOptions; ++i) {
                auto *caption = child<QLabel>(QStringLiteral("lblAnswer%1").arg(i));
                QVERIFY(caption->textFormat() == Qt::PlainText);
                QCOMPARE(option(i)->accessibleName(), caption->text());
            }
            QCoreApplication::processEvents();
            QCOMPARE(window_->width(), width);
            QVERIFY(window_->minimumSizeHint().width() <= width);
            QCOMPARE(keyboardFaults(window_.data(), TabTest, true), QStringList());
            // The keyword grid stays where it was between questions.
            QVector<QRect> now;
            for (int i = 0; i < kKeywordBoxes; ++i)
                now.append(box(i)->geometry());
            if (!description && k > 1)
                QCOMPARE(now, boxes);
            boxes = now;
            QVERIFY(scroll->maximum() > 0);
            if (k == 1)
                scrolledAt = scroll->value();
            QCOMPARE(scroll->value(), scrolledAt);
            if (description)
                QCOMPARE(QApplication::focusWidget(), child<QWidget>(QStringLiteral("picResult")));
            const int score = answer(k % 3 != 0, description);
            if (!description && k == 1) {
                // A tick beyond the level's number is undone with a warning; an
                // untick turns Next off again.
                QPushButton *next = button(QStringLiteral("cmdNextQuestion"));
                QVERIFY(available(next) && next->hasFocus());
                int spare = 0;
                while (box(spare)->isChecked())
                    ++spare;
                clickBox(box(spare));
                QVERIFY(!box(spare)->isChecked() && available(next));
                const Prompt warning = prompter_.messages().value(0);
                QCOMPARE(warning.text, QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before "
                                                      "selecting another keyword")
                                           .arg(toChoose));
                QVERIFY(warning.icon == PromptIcon::Warning && warning.buttons == PromptButtons::Ok &&
                        warning.title == "Velmora");
                prompter_.clear();
                const int ticked = window_->testRun().correctKeywordSlots().value(1);
                clickBox(box(ticked));
                QVERIFY(!available(next));
                clickBox(box(ticked));
            }
            total += score;
            expectedLines.append(reportQuestionLine(
                k, {name, reversed, score}, description ? TestType::Description : TestType::Keywords, toChoose));
            if (description) {
                QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("cmdNextQuestion")));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            } else {
                pressNext();
            }
            QCOMPARE(prompter_.records().size(), k < n ? 0 : 1);
        }

        // The press after the last answer ended the test.
        QCOMPARE(currentTab(), int(TabResults));
        QCOMPARE(tabState(), QStringLiteral("101"));
        const Prompt done = prompter_.messages().first();
        QVERIFY(done.text == "Test Complete" && done.icon == PromptIcon::Information &&
                done.buttons == PromptButtons::Ok && done.title == "Velmora");
        QVERIFY(description ? reversals > 0 && reversals < n : reversals == 0);

        const QString summary =
            description
                ? QStringLiteral("%1 out of %2 questions correct").arg(total).arg(n)
                : QStringLiteral("%1/%2 choice(s) from %3 questions were correct").arg(total).arg(toChoose * n).arg(n);
        const QString report = window_->reportText();
        const QStringList lines = report.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(3, n), expectedLines);
        QCOMPARE(lines.size(), 3 + n + 2);
        QCOMPARE(lines.last(), summary);
        QCOMPARE(text("lblResultInfo"), summary);
        QCOMPARE(told.by(QStringLiteral("lblResultInfo")), QStringList{summary});
        QVERIFY(child<QLabel>(QStringLiteral("lblResultInfo"))->textFormat() == Qt::PlainText);
        QCOMPARE(window_->width(), width);
        auto *result = child<QPlainTextEdit>(QStringLiteral("txtResult"));
        QCOMPARE(result->toPlainText(), QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(result->textCursor().atEnd());
        // Columns padded with blanks line up only when every letter is as wide.
        const QFontMetrics metrics(result->font());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i ")), metrics.horizontalAdvance(QStringLiteral("WW")));

        // The chosen file gets the report; the dialog's cancel and filter are the report test's.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("result.txt"));
        prompter_.clear();
        prompter_.queueFileName(path);
        QTest::mouseClick(button(QStringLiteral("Command5")), Qt::LeftButton);
        QCOMPARE(prompter_.records().size(), 1);
        QCOMPARE(fileBytes(path), (report + QStringLiteral("\r\n")).toUtf8());
    }

    void settingsTabMidTest_closesTheTestAndTestMeStartsAfresh()
    {
        openWindow(int(TestType::Description), 1);
        QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
        for (int k = 0; k < 2; ++k) {
            answer(true);
            pressNext();
        }
        QCOMPARE(text("lblQCount"), QStringLiteral("3 of 14"));
        window_->mnuTabSettings_Click();
        QCOMPARE(tabState(), QStringLiteral("000"));

        QTest::mouseClick(button(QStringLiteral("cmdStartTest2")), Qt::LeftButton);
        QCOMPARE(currentTab(), int(TabTest));
        QCOMPARE(text("lblQCount"), QStringLiteral("1 of 14"));
        QVERIFY(window_->testRun().askedCardIds().isEmpty());

        // From the memorize tab the test runs on the card set already open.
        window_->selectTab(TabMemorize);
        QTest::mouseClick(button(QStringLiteral("cmdStartTest")), Qt::LeftButton);
        QCOMPARE(currentTab(), int(TabTest));
        QCOMPARE(tabState(), QStringLiteral("110"));
        QCOMPARE(text("lblQCount"), QStringLiteral("1 of 14"));
        QVERIFY(prompter_.records().isEmpty());
    }

    // Back shows the start screen again; every exit ends the program, and the
    // hidden start screen goes with it.
    void startScreen_opensTheWindowBackReturnsAndExitsEnd_data()
    {
        QTest::addColumn<QString>("exit");
        QTest::addRow("Exit button") << QStringLiteral("cmdNav");
        QTest::addRow("Exit menu item") << QStringLiteral("mnuExit1");
        QTest::addRow("close box") << QString();
    }
    void startScreen_opensTheWindowBackReturnsAndExitsEnd()
    {
        QFETCH(QString, exit);
        const QPointer<FrmMain> main = openFromStartScreen();
        QVERIFY(main);
        QVERIFY(begin_ && !begin_->isVisible());
        QCOMPARE(currentTab(), int(TabSettings));
        // The reminder's first run writes its date and asks nothing.
        QVERIFY(settings_->contains(QStringLiteral("Duration")));

        // Within the test screen, as a remembered place is kept only when it fits.
        const QRect where(30, 40, 700, 600);
        main->setGeometry(where);
        QTest::mouseClick(button(QStringLiteral("cmdBack")), Qt::LeftButton);
        QVERIFY(begin_->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(main.isNull(), 60000);
        QVERIFY(prompter_.records().isEmpty());
        QCOMPARE(ends_, 0);

        // Opened again, the window comes back where it was.
        QTest::mouseClick(begin_->findChild<QPushButton *>(QStringLiteral("cmdTarot")), Qt::LeftButton);
        const QPointer<FrmMain> again = window_ = visibleMain();
        QVERIFY(again);
        QCOMPARE(again->geometry(), where);
        if (exit == QLatin1String("cmdNav"))
            QTest::mouseClick(button(exit), Qt::LeftButton);
        else if (!exit.isEmpty())
            child<QAction>(exit)->trigger();
        else
            again->close();
        QCOMPARE(ends_, 1);
        QTRY_VERIFY_WITH_TIMEOUT(begin_.isNull(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(again.isNull(), 60000);
    }

private:
    // The window on the settings tab with the 14 Cups chosen.
    void openWindow(int testType, int level)
    {
        settings_->setValue(QStringLiteral("TestType"), QString::number(testType));
        settings_->setValue(QStringLiteral("Difficulty"), QString::number(level));
        for (const char *group : {"MajorArcana", "Wands", "Pentacles", "Swords"})
            settings_->setValue(QLatin1String(group), QStringLiteral("0"));
        window_ = new FrmMain(*services_);
        if (!showWindow(*window_))
            qFatal("the window did not open");
        child<QComboBox>(QStringLiteral("cboTutors"))->setCurrentIndex(0);
    }

    FrmMain *openFromStartScreen()
    {
        begin_ = new FrmBegin(*services_);
        offerWindowsFromStartScreen(*begin_, *services_);
        if (!begin_->Form_Load())
            qFatal("the start screen did not load");
        begin_->show();
        QTest::mouseClick(begin_->findChild<QPushButton *>(QStringLiteral("cmdTarot")), Qt::LeftButton);
        return window_ = visibleMain();
    }

    static FrmMain *visibleMain()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *main = qobject_cast<FrmMain *>(widget); main && main->isVisible())
                return main;
        }
        return nullptr;
    }

    // Answers the question on screen, right or with one keyword / the option
    // wrong, an option by its number key if asked; returns the score that
    // should earn.
    int answer(bool right, bool byKey = false)
    {
        const TestRun &run = window_->testRun();
        if (window_->testType() == TestType::Description) {
            int chosen = run.correctOption();
            if (!right)
                chosen = chosen == run.firstAnswer() ? chosen + 1 : run.firstAnswer();
            if (byKey)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + chosen - run.firstAnswer()));
            else
                clickBox(option(chosen));
            return chosen == run.correctOption() ? 1 : 0;
        }
        // A wrong answer ticks another box in place of the first right one.
        QVector<int> ticks = run.correctKeywordSlots();
        const int score = int(ticks.size()) - (right ? 0 : 1);
        if (!right) {
            int other = 0;
            while (ticks.contains(other))
                ++other;
            ticks[0] = other;
        }
        for (int i : ticks)
            clickBox(box(i));
        return score;
    }
    void pressNext() { QTest::mouseClick(button(QStringLiteral("cmdNextQuestion")), Qt::LeftButton); }
    template <typename T>
    T *child(const QString &name)
    {
        return control<T>(window_.data(), name);
    }
    QString text(const char *label) { return child<QLabel>(QLatin1String(label))->text(); }
    QPushButton *button(const QString &name) { return child<QPushButton>(name); }
    QCheckBox *box(int i) { return child<QCheckBox>(QStringLiteral("chkKeywords%1").arg(i)); }
    QRadioButton *option(int i) { return child<QRadioButton>(QStringLiteral("optAnswer%1").arg(i)); }
    int currentTab() { return child<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(); }
    QString tabState() { return test::tabState(*window_); }

    std::unique_ptr<TestHome> home_;
    QHash<QString, QImage> pictures_;
    std::unique_ptr<SettingsStore> settings_;
    ScriptedPrompter prompter_;
    FixedClock clock_;
    RecordingRandom random_;
    std::unique_ptr<Services> services_;
    QPointer<FrmMain> window_;
    QPointer<FrmBegin> begin_;
    int ends_ = 0;
};

QTEST_MAIN(TstFrmMainTest)
#include "tst_frmmain_test.moc"
