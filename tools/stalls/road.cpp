// velmora-stallroad: a scripted road through every window over large data,
// watched for stalls of the screen thread (see stallwatch.h). Prints the
// report on standard output; scripts/stalls builds and runs it.
//
//   --quick        smaller data (for CI): 1,000 cards, 12 photos, 500 tests,
//                  three months of reviews, 1,000 readings and goals
//   --gaps FILE    every gap as a line of tab-separated fields
//
// Offscreen unless a platform is named. The data is laid down in a fresh
// program folder before the watch starts; every step moves as a user does:
// keys to the window with focus, a pause between them, the prompts answered
// from a script.

#include "deckhome.h"
#include "fakes.h"
#include "roaddata.h"
#include "stallwatch.h"
#include "unattendedprompter.h"

#include "app/services.h"
#include "app/shell.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"
#include "learn/frmmain.h"
#include "learn/tabavailability.h"
#include "learn/testrun.h"
#include "store/paths.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

using namespace velmora;
using namespace velmora::stalls;

namespace {

// Every event of the screen thread is told to the board on its way in and out.
class WatchedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    StallWatch *watch = nullptr;
    // The script's own calls show as no event ("script") rather than as the
    // one event the whole road runs in.
    QObject *road = nullptr;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!watch || receiver == watch || receiver == road || QThread::currentThread() != thread())
            return QApplication::notify(receiver, event);
        watch->board().enter(receiver->metaObject()->className(), int(event->type()));
        const bool handled = QApplication::notify(receiver, event);
        watch->board().leave();
        return handled;
    }
};

// Answers from the script where one is queued, else the cautious way.
class RoadPrompter : public UnattendedPrompter
{
public:
    QQueue<PromptAnswer> answers;
    QQueue<QString> names;

    PromptAnswer ask(const Prompt &prompt, QWidget *parent) override
    {
        if (!answers.isEmpty()) {
            std::fprintf(stderr, "prompt (scripted): %s\n", qPrintable(prompt.text.left(80)));
            return answers.dequeue();
        }
        return UnattendedPrompter::ask(prompt, parent);
    }
    QString saveFileName(const FileDialogRequest &request, QWidget *parent) override
    {
        return names.isEmpty() ? UnattendedPrompter::saveFileName(request, parent) : names.dequeue();
    }
    QString openFileName(const FileDialogRequest &request, QWidget *parent) override
    {
        return names.isEmpty() ? UnattendedPrompter::openFileName(request, parent) : names.dequeue();
    }
    QString existingFolder(const FileDialogRequest &request, QWidget *parent) override
    {
        return names.isEmpty() ? UnattendedPrompter::existingFolder(request, parent) : names.dequeue();
    }
};

// The watch the places go to, and the road's pace: keys through a list come
// at the keyboard's repeat rate, an answer or a grade after a moment's
// thought.
struct Pace
{
    StallWatch *watch = nullptr;
    int pauseMs = 40;
    int thinkMs = 400;
};

Pace &pace()
{
    static Pace road;
    return road;
}

// The event loop runs as it does while the user thinks.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void place(const QString &where, bool opening = false)
{
    if (pace().watch)
        pace().watch->board().setPlace(where, opening);
    std::fprintf(stderr, "road: %s\n", qPrintable(where));
}

void press(QWidget *widget, Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times && widget; ++i) {
        QTest::keyClick(widget, key, modifiers);
        settle(pace().pauseMs);
    }
}

void click(QAbstractButton *button)
{
    if (button && button->isEnabled() && button->isVisible()) {
        QTest::mouseClick(button, Qt::LeftButton);
        settle(pace().pauseMs);
    }
}

// Opens a window as one step: made, shown and painted.
template <typename Open>
auto opened(const QString &where, Open open, int shownMs = 300)
{
    place(where + QStringLiteral(" / opening"), true);
    auto window = open();
    settle(shownMs);
    return window;
}

// The largest list of the window, walked with the keyboard.
void walkLists(QWidget *window, const QString &where, int steps)
{
    if (!window)
        return;
    QAbstractItemView *largest = nullptr;
    int rows = -1;
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->isVisible() || !view->model())
            continue;
        if (view->model()->rowCount() > rows) {
            rows = view->model()->rowCount();
            largest = view;
        }
    }
    if (!largest)
        return;
    place(where + QStringLiteral(" / list"));
    largest->setFocus();
    press(largest, Qt::Key_Down, steps);
    press(largest, Qt::Key_PageDown, 3);
    press(largest, Qt::Key_End);
    press(largest, Qt::Key_Home);
}

template <typename T>
T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

void closeWindow(QWidget *window, const QString &where)
{
    if (!window)
        return;
    place(where + QStringLiteral(" / closing"));
    const QPointer<QWidget> closing(window);
    const bool deletes = window->testAttribute(Qt::WA_DeleteOnClose);
    window->close();
    // The road runs inside one event of the main loop, and a window's
    // deferred delete waits for the loop level it was posted at: the nested
    // loops of settle() never return to it. A user's close returns there and
    // the window goes; left hidden, it would still do all it did when shown.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (deletes && closing && !closing->isVisible())
        std::fprintf(stderr, "velmora-stallroad: %s was closed but not deleted\n", qPrintable(where));
    settle(200);
}

// A test on the main window: answered right but for every third question.
void takeTest(FrmMain &window, int questions)
{
    // On the compact photo deck, to the end: the finished test is recorded.
    window.mnuTabSettings_Click();
    settle(200);
    auto *decks = window.findChild<QComboBox *>(QStringLiteral("cboTutors"));
    if (decks)
        decks->setCurrentIndex(decks->findText(QString::fromLatin1(kCompactDeckName)));
    click(window.findChild<QRadioButton *>(QStringLiteral("optTestType%1").arg(int(TestType::Description))));
    place(QStringLiteral("main window / test"));
    click(window.findChild<QPushButton *>(QStringLiteral("cmdStartTest2")));
    for (int k = 0; k < questions && window.currentTab() == TabTest; ++k) {
        const TestRun &run = window.testRun();
        const int option = run.questionNumber() % 3 != 0 || run.correctOption() == run.firstAnswer()
                               ? run.correctOption()
                               : run.firstAnswer();
        settle(pace().thinkMs);
        click(window.findChild<QRadioButton *>(QStringLiteral("optAnswer%1").arg(option)));
        click(window.findChild<QPushButton *>(QStringLiteral("cmdNextQuestion")));
    }
}

void mainWindowRoad(Services &services, RoadPrompter &prompter, const RoadSizes &sizes, int steps)
{
    auto *main = opened(QStringLiteral("main window"), [&services] {
        auto *window = new FrmMain(services, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (window->load() == Opening::Refused)
            return static_cast<FrmMain *>(nullptr);
        window->show();
        return window;
    });
    if (!main) {
        std::fprintf(stderr, "road: the main window did not open\n");
        return;
    }
    auto *tabs = main->findChild<QTabWidget *>();
    // The goals tab and its list.
    place(QStringLiteral("goals / tab"));
    tabs->setCurrentIndex(TabGoals);
    settle(200);
    walkLists(tabs->widget(TabGoals), QStringLiteral("goals"), steps);
    // The settings tab: the large deck chosen with the keyboard.
    place(QStringLiteral("main window / settings"));
    tabs->setCurrentIndex(TabSettings);
    settle(100);
    if (auto *decks = main->findChild<QComboBox *>(QStringLiteral("cboTutors"))) {
        decks->setFocus();
        press(decks, Qt::Key_Down);
        press(decks, Qt::Key_Up);
        settle(300);
    }
    // Memorize: through the large deck's cards.
    place(QStringLiteral("main window / memorize"));
    click(main->findChild<QPushButton *>(QStringLiteral("cmdSetOption")));
    settle(200);
    for (int k = 0; k < steps; ++k)
        click(main->findChild<QPushButton *>(QStringLiteral("cmdNext")));
    takeTest(*main, 100);
    std::fprintf(stderr, "road: test ended on tab %d after %d questions\n", main->currentTab(),
                 main->testRun().questionNumber());
    place(QStringLiteral("main window / results"));
    settle(300);

    // The progress window on the history the test just changed, each tab.
    opened(QStringLiteral("progress"), [main] {
        main->mnuProgress_Click();
        return 0;
    });
    QWidget *progress = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmProgress") && widget->isVisible())
            progress = widget;
    if (progress) {
        settle(800);
        if (auto *charts = progress->findChild<QTabWidget *>(QStringLiteral("tabProgressCharts"))) {
            for (int tab = 0; tab < charts->count(); ++tab) {
                place(QStringLiteral("progress / tab %1").arg(tab));
                charts->setFocus();
                charts->setCurrentIndex(tab);
                settle(300);
            }
            charts->setCurrentIndex(0);
        }
        walkLists(progress, QStringLiteral("progress"), steps);
        if (auto *period = progress->findChild<QComboBox *>(QStringLiteral("cboProgressPeriod"))) {
            place(QStringLiteral("progress / period"));
            period->setFocus();
            press(period, Qt::Key_Down, 3);
        }
        closeWindow(progress, QStringLiteral("progress"));
    }

    // A review session on the large deck.
    opened(QStringLiteral("review"), [main] {
        main->cmdReview_Click();
        return 0;
    });
    QWidget *review = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("velmora::review::FrmReview") && widget->isVisible())
            review = widget;
    if (review) {
        place(QStringLiteral("review / session"));
        for (int k = 0; k < 6 + steps / 4; ++k) {
            settle(pace().thinkMs);
            press(review, Qt::Key_Space);
            settle(pace().thinkMs);
            press(review, k % 5 == 1 ? Qt::Key_1 : Qt::Key_3);
        }
        closeWindow(review, QStringLiteral("review"));
    }

    // A reading, then the journal.
    opened(QStringLiteral("reading"), [main] {
        main->mnuReadings_Click();
        return 0;
    });
    QWidget *reading = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmReadings") && widget->isVisible())
            reading = widget;
    if (reading) {
        place(QStringLiteral("reading / draw"));
        const auto buttons = reading->findChildren<QPushButton *>();
        for (QPushButton *button : buttons)
            if (button->objectName().contains(QLatin1String("Draw"), Qt::CaseInsensitive))
                click(button);
        settle(500);
        for (QPushButton *button : buttons)
            if (button->objectName().contains(QLatin1String("Turn"), Qt::CaseInsensitive))
                for (int k = 0; k < 3; ++k)
                    click(button);
        settle(300);
        closeWindow(reading, QStringLiteral("reading"));
    }
    opened(QStringLiteral("journal"), [main] {
        main->mnuJournal_Click();
        return 0;
    });
    QWidget *journal = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmJournal") && widget->isVisible())
            journal = widget;
    if (journal) {
        walkLists(journal, QStringLiteral("journal"), steps);
        if (auto *search = journal->findChild<QLineEdit *>()) {
            place(QStringLiteral("journal / search"));
            search->setFocus();
            QTest::keyClicks(search, QStringLiteral("week 12"));
            settle(400);
            press(search, Qt::Key_Backspace, 7);
            settle(300);
        }
        closeWindow(journal, QStringLiteral("journal"));
    }
    (void)prompter;
    (void)sizes;
    // No on "save the own meaning?" and the like: nothing is to be kept.
    closeWindow(main, QStringLiteral("main window"));
}

// The deck manager, each photo deck's card editor, the export of both and
// the import of one, through `share`.
void deckRoad(Services &services, RoadPrompter &prompter, int steps, const QString &share)
{
    const auto openManager = [&services] {
        return opened(QStringLiteral("deck manager"), [&services] {
            auto *window =
                new FrmDeck(services, nullptr, [&services](const DeckHandOff &handOff, const QVector<bool> &saved) {
                    auto *editor = new FrmDeckDesign(services, handOff, saved);
                    editor->setAttribute(Qt::WA_DeleteOnClose);
                    editor->show();
                    return true;
                });
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->Form_Load();
            window->show();
            return window;
        });
    };
    for (const char *name : {kCompactDeckName, kBmpDeckName}) {
        FrmDeck *manager = openManager();
        auto *list = manager->findChild<QTreeWidget *>(QStringLiteral("lstDeckNames"));
        const QString deck = QString::fromLatin1(name);
        walkLists(manager, QStringLiteral("deck manager"), 3);
        place(QStringLiteral("deck manager / pick ") + deck);
        const auto found = list->findItems(deck, Qt::MatchExactly);
        if (found.isEmpty())
            continue;
        list->setCurrentItem(nullptr);
        list->setCurrentItem(found.first());
        QElapsedTimer waited;
        waited.start();
        while (!manager->page()->cmdNext->isEnabled() && waited.elapsed() < 5000)
            settle(20);
        const QString where =
            QStringLiteral("card editor ") + (deck == QLatin1String(kBmpDeckName) ? "BMP" : "compact");
        // The first choice of a card comes right after the editor is shown.
        opened(
            where,
            [manager] {
                click(manager->page()->cmdNext);
                return 0;
            },
            60);
        auto *editor = topLevel<FrmDeckDesign>();
        if (!editor)
            continue;
        auto *cards = editor->findChild<QListWidget *>();
        place(where + QStringLiteral(" / first card"));
        if (cards) {
            cards->setFocus();
            press(cards, Qt::Key_Down);
        }
        settle(300);
        walkLists(editor, where, steps);
        closeWindow(editor, where);
        settle(300);
        closeWindow(topLevel<FrmDeck>(), QStringLiteral("deck manager"));
    }

    for (const char *name : {kCompactDeckName, kBmpDeckName}) {
        const QString where = QStringLiteral("export ") + (qstrcmp(name, kBmpDeckName) == 0 ? "BMP" : "compact");
        QPointer<QWidget> message;
        auto *screen = opened(where, [&] {
            auto *window = new FrmImportExportDeck(
                services, ExchangeOpener::DeckManagerExport, nullptr,
                [&message](QWidget *over, const QString &fileName, const QString &exportedPath) {
                    auto *shown = new FrmExportMessage(over);
                    shown->setAttribute(Qt::WA_DeleteOnClose);
                    shown->setExport(fileName, exportedPath);
                    shown->show();
                    message = shown;
                });
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
            return window;
        });
        ExportFrame *frame = screen->exportFrame();
        frame->Dir3->setFolder(share);
        settle(100);
        walkLists(frame, where, 3);
        const QString deckFile =
            qstrcmp(name, kBmpDeckName) == 0 ? QStringLiteral("Tutor3.vdk") : QStringLiteral("Tutor2.vdk");
        for (int row = 0; row < frame->File4->count(); ++row)
            if (frame->File4->item(row)->text().contains(deckFile) ||
                frame->File4->item(row)->text().contains(QString::fromLatin1(name)))
                frame->File4->setCurrentRow(row);
        place(where + QStringLiteral(" / export"));
        prompter.answers.enqueue(PromptAnswer::No); // the BMP deck as it is stored
        screen->cmdExport_Click();
        prompter.answers.clear();
        settle(300);
        if (message)
            message->close();
        settle(100);
        closeWindow(screen, where);
    }
    const QStringList exported = QDir(share).entryList({QStringLiteral("*.vdk")}, QDir::Files);
    for (const QString &file : exported) {
        const QString where = QStringLiteral("import ") + file;
        auto *screen = opened(where, [&services] {
            auto *window = new FrmImportExportDeck(services, ExchangeOpener::StartScreenImport, nullptr);
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
            return window;
        });
        ImportFrame *frame = screen->importFrame();
        frame->Dir1->setFolder(share);
        settle(100);
        frame->File1->setCurrentItem(frame->File1->findItems(file, Qt::MatchExactly).value(0));
        place(where + QStringLiteral(" / import"));
        screen->cmdImportDeck_Click();
        settle(300);
        closeWindow(screen, where);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    WatchedApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool quick = arguments.contains(QLatin1String("--quick"));
    const QString gapsFile = arguments.value(arguments.indexOf(QLatin1String("--gaps")) + 1);
    RoadSizes sizes;
    if (quick)
        sizes = {1000, 12, 500, 90, 1000, 1000};
    const int steps = quick ? 15 : 40;
    if (quick)
        pace().thinkMs = 150;

    test::DeckHome home;
    const QDateTime now(QDate(2026, 12, 6), QTime(12, 0));
    QString why;
    QElapsedTimer laying;
    laying.start();
    if (!home.make() || !layDownRoadData(sizes, now.toString(Qt::ISODate), &why)) {
        std::fprintf(stderr, "velmora-stallroad: %s\n", qPrintable(why));
        return 1;
    }
    std::fprintf(stderr, "road: data laid down in %lld ms\n", laying.elapsed());

    RoadPrompter prompter;
    test::FixedClock clock(now);
    test::ScriptedRandom random({0.37, 0.11, 0.83, 0.52, 0.29, 0.64, 0.05, 0.91});
    QTemporaryDir settingsFolder;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("velmora.conf")));
    Services services{prompter, clock, random, settings};

    // The ordered ending closes every window; the road then reports.
    setProcessEnder([] {});
    StallWatch watch;
    pace().watch = &watch;
    app.watch = &watch;
    watch.captureMarks();
    QElapsedTimer road;
    road.start();
    // Removed once the watch has stopped: deleting the exported decks is the
    // road's own work, not the program's.
    QTemporaryDir share;
    QObject roadDriver;
    app.road = &roadDriver;
    QTimer::singleShot(0, &roadDriver, [&] {
        place(QStringLiteral("start"));
        watch.start();
        deckRoad(services, prompter, steps, share.path());
        // Closing the main window ends the program in order, last.
        mainWindowRoad(services, prompter, sizes, steps);
        place(QStringLiteral("end"));
        settle(200);
        watch.stop();
        QCoreApplication::quit();
    });
    QApplication::exec();
    app.watch = nullptr;
    pace().watch = nullptr;
    const QVector<Gap> gaps = watch.gaps();
    std::printf("stall road (%s data) in %.1f s; gaps over 16 ms per window:\n\n%s", quick ? "quick" : "full",
                double(road.elapsed()) / 1000.0, qPrintable(report(gaps)));
    if (!gapsFile.isEmpty() && gapsFile != QLatin1String("--gaps")) {
        QFile file(gapsFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            for (const Gap &gap : gaps)
                file.write(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                               .arg(double(gap.lengthNs) / 1e6, 0, 'f', 1)
                               .arg(double(gap.startNs) / 1e6, 0, 'f', 1)
                               .arg(gap.activity.place, gap.opening ? QStringLiteral("opening") : QString(),
                                    eventTypeName(gap.activity.eventType), gap.activity.receiverClass,
                                    gap.activity.mark)
                               .toUtf8());
        }
    }
    return 0;
}
