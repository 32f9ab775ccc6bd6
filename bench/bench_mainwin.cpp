// Medians of the main window's opening, of "Next >>" in memorize mode and of
// "Next Question" at the advanced level, on the default deck (78 cards,
// pictures of about 350x600) with every group chosen, and of "Next >>" on a
// deck of 10,000 cards:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_mainwin --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true
#include "dbwriter.h"
#include "fakes.h"
#include "hostiledeck.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "app/services.h"
#include "learn/frmmain.h"
#include "store/catalog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace velmora;
using namespace velmora::test;

namespace {

// A picture that compresses like a scanned card rather than a flat colour.
QByteArray cardPicture(int seed)
{
    QImage image(350, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 350, 600);
    gradient.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 120, 200));
    gradient.setColorAt(1, QColor::fromHsv(seed * 53 % 360, 200, 90));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 11 + i * 29) % 360, 180, 230));
        painter.drawEllipse(QPoint((i * 97 + seed) % 350, (i * 61 + seed * 7) % 600), 30, 30);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

// The installed data laid down beside the program in the build folder; a deck
// of the same shape is generated when it is not there.
struct Fixture
{
    Fixture()
    {
        const QString built = QStringLiteral(VELMORA_BUILD_DIR);
        if (QFileInfo(built + QStringLiteral("/tutor/Tutor1.vdk")).isFile() &&
            QFileInfo(built + QStringLiteral("/update.vdk")).isFile()) {
            qputenv("VELMORA_HOME", QFile::encodeName(built));
            deckSource = "installed default deck";
            return;
        }
        home.makeFolders();
        QList<SampleCard> cards = fullDeck(QSize(1, 1));
        for (SampleCard &card : cards)
            card.picture = cardPicture(card.id);
        if (!home.createCatalog() || !home.createDeck(QStringLiteral("tutor/Tutor1.vdk")) ||
            !writeCards(home.filePath(QStringLiteral("tutor/Tutor1.vdk")), cards) ||
            !addCatalogRow(QStringLiteral("Default deck"), QStringLiteral("Tutor1.vdk")))
            qFatal("could not lay down the deck");
        deckSource = "generated deck";
    }
    TestHome home;
    const char *deckSource = "";
    QTemporaryDir settingsDir;
    SettingsStore settings{settingsDir.filePath(QStringLiteral("velmora.conf"))};
    ScriptedPrompter prompter;
    FixedClock clock;
    StdRandomSource random;
    Services services{prompter, clock, random, settings};
    QWidget startScreen;
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// From the start screen's button to the settings tab painted on screen, and
// back to the start screen.
void BM_OpenMainWindow(benchmark::State &state)
{
    Fixture &f = fixture();
    f.startScreen.show();
    for (auto _ : state) {
        auto *window = new FrmMain(f.services, &f.startScreen);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (window->load() != Opening::Show)
            qFatal("the main window did not open");
        window->show();
        f.startScreen.hide();
        if (!QTest::qWaitForWindowExposed(window))
            qFatal("the main window did not open");
        window->repaint();
        state.PauseTiming();
        window->cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond);

// Opens the window on screen at a large size, where pictures cost the most to paint.
void showLarge(FrmMain &window)
{
    if (window.load() != Opening::Show)
        qFatal("the main window did not open");
    window.resize(1600, 1000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the main window was not shown");
}

// "Next >>": the next card's name, both pictures, keywords and meanings,
// painted at a large window size.
void BM_NextCard(benchmark::State &state)
{
    Fixture &f = fixture();
    FrmMain window(f.services);
    showLarge(window);
    auto *list = window.findChild<QComboBox *>(QStringLiteral("cboTutors"));
    list->setCurrentIndex(0);
    window.cmdSetOption_Click();
    window.repaint();
    state.SetLabel(f.deckSource);
    if (int(window.cardSet().size()) != 78)
        qFatal("the deck holds %d cards", int(window.cardSet().size()));
    for (auto _ : state) {
        if (window.cardPosition() >= int(window.cardSet().size())) {
            state.PauseTiming();
            window.selectTab(TabSettings);
            window.cmdSetOption_Click();
            window.repaint();
            state.ResumeTiming();
        }
        window.cmdNext_Click();
        window.repaint();
    }
    if (!f.prompter.records().isEmpty())
        qFatal("unexpected message: %s", qPrintable(f.prompter.messageTexts().join(QLatin1Char('|'))));
}
BENCHMARK(BM_NextCard)->Unit(benchmark::kMillisecond);

// "Next >>" on a deck of 10,000 cards without pictures, in a program folder
// of its own: a step should cost what it costs on 78 cards.
void BM_NextCardLargeDeck(benchmark::State &state)
{
    Fixture &f = fixture();
    TestHome home;
    home.makeFolders();
    if (!home.createCatalog() || !makeHostileDeck(paths::defaultDeck(), hostileKind("large", {}, 10000)) ||
        !addCatalogRow(QStringLiteral("Large"), QStringLiteral("Tutor1.vdk")))
        qFatal("could not lay down the large deck");
    FrmMain window(f.services);
    showLarge(window);
    window.findChild<QComboBox *>(QStringLiteral("cboTutors"))->setCurrentIndex(0);
    window.cmdSetOption_Click();
    window.repaint();
    if (int(window.cardSet().size()) != 10000)
        qFatal("the deck holds %d cards", int(window.cardSet().size()));
    for (auto _ : state) {
        window.cmdNext_Click();
        window.repaint();
    }
    if (!f.prompter.records().isEmpty())
        qFatal("unexpected message: %s", qPrintable(f.prompter.messageTexts().join(QLatin1Char('|'))));
}
BENCHMARK(BM_NextCardLargeDeck)->Unit(benchmark::kMillisecond)->Iterations(300);

// Answers the question on screen: the first option shown, or the boxes the
// card's keywords went to.
void answer(FrmMain &window)
{
    const TestRun &run = window.testRun();
    if (window.testType() == TestType::Description) {
        window.findChild<QRadioButton *>(QStringLiteral("optAnswer%1").arg(run.firstAnswer()))->click();
        return;
    }
    for (int slot : run.correctKeywordSlots())
        window.findChild<QCheckBox *>(QStringLiteral("chkKeywords%1").arg(slot))->click();
}

struct TestWindow
{
    explicit TestWindow(int testType)
    {
        showLarge(window);
        window.findChild<QRadioButton *>(QStringLiteral("optTestType%1").arg(testType))->click();
        window.findChild<QRadioButton *>(QStringLiteral("optDifficulty2"))->click();
        window.findChild<QComboBox *>(QStringLiteral("cboTutors"))->setCurrentIndex(0);
    }
    void start()
    {
        window.cmdStartTest2_Click();
        window.repaint();
        if (int(window.cardSet().size()) != 78)
            qFatal("the deck holds %d cards", int(window.cardSet().size()));
    }
    FrmMain window{fixture().services};
};

// "Next Question" at the advanced level: scoring the answer, drawing the next
// card and preparing its question, painted. The press that ends the test is
// left out.
void BM_NextQuestion(benchmark::State &state)
{
    Fixture &f = fixture();
    TestWindow test(int(state.range(0)));
    test.start();
    state.SetLabel(f.deckSource);
    for (auto _ : state) {
        if (test.window.testRun().questionNumber() >= 78) {
            state.PauseTiming();
            answer(test.window);
            test.window.cmdNextQuestion_Click();
            f.prompter.clear();
            test.start();
            state.ResumeTiming();
        }
        state.PauseTiming();
        answer(test.window);
        // The answer's own repaint happens before the user gets to the button.
        QCoreApplication::processEvents();
        state.ResumeTiming();
        test.window.cmdNextQuestion_Click();
        test.window.repaint();
    }
}
BENCHMARK(BM_NextQuestion)
    ->Arg(int(TestType::Description))
    ->Arg(int(TestType::Keywords))
    ->Unit(benchmark::kMillisecond);

// A whole keyword test at the advanced level, from "Test Me" to the report.
void BM_WholeKeywordTest(benchmark::State &state)
{
    Fixture &f = fixture();
    TestWindow test(int(TestType::Keywords));
    for (auto _ : state) {
        f.prompter.clear();
        test.start();
        while (test.window.currentTab() == TabTest) {
            answer(test.window);
            test.window.cmdNextQuestion_Click();
        }
        test.window.repaint();
        if (f.prompter.messageTexts() != QStringList{QStringLiteral("Test Complete")} ||
            test.window.testRun().askedCardIds().size() != 78)
            qFatal("the test did not end as it should");
    }
}
BENCHMARK(BM_WholeKeywordTest)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        // The first opening of a database file in a run derives its key; the
        // main window's first opening in a run pays that once for the catalog.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fresh.vdk"));
        if (!dbwriter::createCatalogDatabase(path))
            qFatal("could not create a catalog");
        QElapsedTimer timer;
        timer.start();
        Catalog catalog;
        const bool opened = catalog.open(Access::ReadOnly, path);
        std::printf("first opening of a database file in this run: %.1f ms (%s)\n", timer.nsecsElapsed() / 1e6,
                    opened ? "opened" : "failed");
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
