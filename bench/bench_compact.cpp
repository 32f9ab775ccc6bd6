// Medians for a deck of 78 photo-like 1000 x 1700 pictures, stored compact
// (the JPEG files themselves) and as BMP, side by side: storing the 78 files
// through the picture loader (with the deck's size after it), exporting and
// importing the deck, one meaning keystroke until written, and choosing a card
// far down the list right after the card editor opened:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_compact --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
// The pictures are made once per run in a temporary folder.

#include "designhome.h"
#include "fakes.h"
#include "loaderrun.h"
#include "photolike.h"
#include "scriptedprompter.h"

#include "app/services.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"
#include "decks/deckexchange.h"

#include <QApplication>
#include <QElapsedTimer>
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
const QString kDeck = QStringLiteral("Tutor2.vdk");

QByteArray photoLikeJpeg(int seed)
{
    return encodedPicture(photoLike(seed), "jpeg", 92);
}

struct Bench
{
    DeckHome home;
    QTemporaryDir pictureFolder;
    QTemporaryDir share;
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    SettingsStore settings;
    Services services{prompter, clock, random, settings};
    std::unique_ptr<FrmDeckDesign> editor;
    qint64 pictureBytes = 0;

    Bench() : settings(QDir::temp().filePath(QStringLiteral("velmora-bench-compact.conf")))
    {
        QList<SampleCard> cards;
        for (int id = 1; id <= kCards; ++id)
            cards.append(plainCard(id));
        if (!home.make() || !makeDesignDeck(kDeck, cards))
            qFatal("no deck");
        for (int id = 1; id <= kCards; ++id) {
            QFile file(pictureFolder.filePath(QStringLiteral("card%1.jpg").arg(id, 2, 10, QLatin1Char('0'))));
            const QByteArray bytes = photoLikeJpeg(id);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("no picture");
            pictureBytes += bytes.size();
        }
    }

    void openEditor()
    {
        editor = std::make_unique<FrmDeckDesign>(services, DeckHandOff{kDeck, QStringLiteral("Design"), kCards},
                                                 QVector<bool>(kCards, true));
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor.get()))
            qFatal("no editor");
    }

    // Stores all pictures through the loader in the given form; the seconds it took.
    double storeAll(bool compact)
    {
        editor.reset();
        settings.setValue(QLatin1String(kCompactPicturesKey),
                          compact ? QStringLiteral("True") : QStringLiteral("False"));
        if (!rawExec(paths::deckDatabase(kDeck),
                     QStringLiteral("UPDATE tblCards SET PictureData = NULL, issaved = 0")) ||
            !rawExec(paths::deckDatabase(kDeck), QStringLiteral("VACUUM")))
            qFatal("no reset");
        editor = std::make_unique<FrmDeckDesign>(services, DeckHandOff{kDeck, QStringLiteral("Design"), kCards},
                                                 QVector<bool>(kCards, false));
        editor->show();
        const double seconds = storeAllThroughLoader(*editor, pictureFolder.path());
        editor.reset();
        return seconds;
    }
};

std::unique_ptr<Bench> instance;

Bench &bench()
{
    if (!instance)
        instance = std::make_unique<Bench>();
    return *instance;
}

double megabytes(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

void storeSeventyEight(benchmark::State &state, bool compact)
{
    for (auto _ : state)
        state.SetIterationTime(bench().storeAll(compact));
    state.counters["deck_MB"] = megabytes(QFileInfo(paths::deckDatabase(kDeck)).size());
    state.counters["files_MB"] = megabytes(bench().pictureBytes);
}

void exportDeck(benchmark::State &state)
{
    const QString exported = QDir(bench().share.path()).filePath(kDeck);
    for (auto _ : state) {
        const ExchangeOutcome outcome = exchange::exportDeck(kDeck, bench().share.path());
        state.PauseTiming();
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.message.text));
        QFile::remove(exported);
        state.ResumeTiming();
    }
}

void importDeck(benchmark::State &state)
{
    const QString exported = QDir(bench().share.path()).filePath(kDeck);
    if (!exchange::exportDeck(kDeck, bench().share.path()).ok)
        state.SkipWithError("no export");
    for (auto _ : state) {
        const ExchangeOutcome outcome = exchange::importDeck(exported);
        state.PauseTiming();
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.message.text));
        QFile::remove(paths::deckDatabase(outcome.fileName));
        state.ResumeTiming();
    }
    QFile::remove(exported);
}

void meaningKeystrokeWritten(benchmark::State &state)
{
    Bench &b = bench();
    b.openEditor();
    b.editor->chooseCard(21);
    QPlainTextEdit *box = b.editor->cardPage()->txtNormalMeaning;
    box->setFocus();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        b.editor->waitForWrites();
        type = !type;
    }
}

void chooseCardRightAfterOpening(benchmark::State &state)
{
    test::chooseCardRightAfterOpening(state, bench(), kCards);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    // Registered in run order: each form's figures are taken on the deck its
    // store left behind.
    for (const bool compact : {true, false}) {
        const std::string form = compact ? "Compact/" : "Bmp/";
        const auto timed = [&form](const char *name, void (*run)(benchmark::State &), int iterations) {
            benchmark::RegisterBenchmark((form + name).c_str(), run)
                ->Iterations(iterations)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        };
        benchmark::RegisterBenchmark((form + "StoreSeventyEightPictures").c_str(), storeSeventyEight, compact)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        timed("Export", exportDeck, 1);
        timed("Import", importDeck, 1);
        timed("MeaningKeystrokeWritten", meaningKeystrokeWritten, 20);
        timed("ChooseCardRightAfterOpening", chooseCardRightAfterOpening, 10);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    instance.reset();
    return 0;
}
