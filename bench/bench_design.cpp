// Medians of the card editor on a 78-card deck whose pictures are 1000 x 1700
// (stored as BMP, as the picture loader stores them): choosing a card until
// its picture shows (first time, next in order, shown before), one auto-save
// keystroke in a keyword box and in the normal meaning (as typed, and until
// written), and the loader storing all 78 pictures from JPEG files:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_design --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "designhome.h"
#include "fakes.h"
#include "loaderrun.h"
#include "scriptedprompter.h"

#include "app/services.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int kCards = 78;

struct Bench
{
    DeckHome home;
    QTemporaryDir pictureFolder;
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    SettingsStore settings;
    Services services{prompter, clock, random, settings};
    std::unique_ptr<FrmDeckDesign> editor;

    Bench() : settings(QDir::temp().filePath(QStringLiteral("velmora-bench-design.conf")))
    {
        QList<SampleCard> cards;
        for (int id = 1; id <= kCards; ++id)
            cards.append(plainCard(id));
        if (!home.make() || !makeDesignDeck(QStringLiteral("Tutor2.vdk"), cards))
            qFatal("no deck");
        for (int id = 1; id <= kCards; ++id) {
            QFile file(pictureFolder.filePath(QStringLiteral("card%1.jpg").arg(id, 2, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(jpegPicture(QSize(1000, 1700), QColor::fromHsv(id * 4, 200, 200))) <= 0)
                qFatal("no picture");
        }
        openEditor();
    }

    void openEditor()
    {
        editor = std::make_unique<FrmDeckDesign>(
            services, DeckHandOff{QStringLiteral("Tutor2.vdk"), QStringLiteral("Design"), kCards},
            QVector<bool>(kCards, false));
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor.get()))
            qFatal("no editor");
    }

    // Stores all pictures through the loader; the seconds it took.
    double storeAll()
    {
        if (!rawExec(paths::deckDatabase(QStringLiteral("Tutor2.vdk")),
                     QStringLiteral("UPDATE tblCards SET PictureData = NULL, issaved = 0")))
            qFatal("no reset");
        return storeAllThroughLoader(*editor, pictureFolder.path());
    }
};

std::unique_ptr<Bench> instance;

Bench &bench()
{
    if (!instance)
        instance = std::make_unique<Bench>();
    return *instance;
}

void BM_StoreSeventyEightPictures(benchmark::State &state)
{
    for (auto _ : state) {
        const double seconds = bench().storeAll();
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StoreSeventyEightPictures)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A card never shown before and not the next in order, chosen 0.3 s after the
// last: what the background reading of the deck's pictures has got to.
void BM_ChooseCardFirstTime(benchmark::State &state)
{
    Bench &b = bench();
    b.openEditor();
    QTest::qWait(200);
    int card = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTest::qWait(300); // a click after a pause, as a user clicks
        state.ResumeTiming();
        card = (card + 7) % kCards;
        b.editor->chooseCard(card);
        b.editor->cardPage()->repaint();
    }
    if (!b.editor->cardPage()->hasPicture())
        state.SkipWithError("no picture shown");
}
BENCHMARK(BM_ChooseCardFirstTime)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_ChooseCardRightAfterOpening(benchmark::State &state)
{
    test::chooseCardRightAfterOpening(state, bench(), kCards);
}
BENCHMARK(BM_ChooseCardRightAfterOpening)->Iterations(10)->Unit(benchmark::kMillisecond);

// The next card in list order after a pause of a reader's length (0.3 s,
// not timed): its picture was read ahead.
void BM_ChooseNextCard(benchmark::State &state)
{
    Bench &b = bench();
    b.openEditor();
    int card = 0;
    b.editor->chooseCard(card);
    for (auto _ : state) {
        state.PauseTiming();
        QTest::qWait(300);
        state.ResumeTiming();
        b.editor->chooseCard(++card);
        b.editor->cardPage()->repaint();
    }
    if (!b.editor->cardPage()->hasPicture())
        state.SkipWithError("no picture shown");
}
BENCHMARK(BM_ChooseNextCard)->Iterations(30)->Unit(benchmark::kMillisecond);

// A card shown before in this editor.
void BM_ChooseCardShownBefore(benchmark::State &state)
{
    Bench &b = bench();
    int card = 10;
    b.editor->chooseCard(11);
    b.editor->chooseCard(10);
    for (auto _ : state) {
        card = card == 10 ? 11 : 10;
        b.editor->chooseCard(card);
        b.editor->cardPage()->repaint();
    }
}
BENCHMARK(BM_ChooseCardShownBefore)->Unit(benchmark::kMillisecond);

// One keystroke as the user waits for it; `written` adds the wait until the
// writer thread has stored it.
template <typename Box>
void keystrokes(benchmark::State &state, Box *box, bool written)
{
    Bench &b = bench();
    box->setFocus();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        if (written)
            b.editor->waitForWrites();
        type = !type;
        if (!written) {
            state.PauseTiming();
            b.editor->waitForWrites();
            state.ResumeTiming();
        }
    }
}

void BM_AutoSaveKeywordKeystroke(benchmark::State &state)
{
    bench().editor->chooseCard(20);
    keystrokes(state, bench().editor->cardPage()->txtKeyword[2], state.range(0) != 0);
}
// Untimed waits make the library's own choice of a count run for ever.
BENCHMARK(BM_AutoSaveKeywordKeystroke)
    ->ArgName("written")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_AutoSaveMeaningKeystroke(benchmark::State &state)
{
    bench().editor->chooseCard(21);
    keystrokes(state, bench().editor->cardPage()->txtNormalMeaning, state.range(0) != 0);
}
BENCHMARK(BM_AutoSaveMeaningKeystroke)
    ->ArgName("written")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    bench().storeAll(); // every card has its picture before the editor's figures
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    instance.reset();
    return 0;
}
