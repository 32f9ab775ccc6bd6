// Medians of flashcard package exchange for 78-card decks: export of a deck
// of small pictures (as the default deck's), of 78 photo-like 1000 x 1700
// JPEG pictures, of the same as BMP (each encoded as JPEG on the way), and
// import of the photo package as a new deck; sizes and the processor time of
// all threads (cpu_ms, which a loaded machine does not stretch) as counters:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_flashcards --benchmark_repetitions=3
//   --benchmark_report_aggregates_only=true

#include "cputime.h"
#include "deckhome.h"
#include "flashcards/flashcardexchange.h"
#include "photolike.h"

#include "store/pictures.h"

#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr qint64 kNow = 1'765'000'000'000LL;

struct Bench
{
    DeckHome home;
    QTemporaryDir share;
    QString photoPackage;

    Bench()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!home.make() ||
            !DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Default"), 0, {}, {}, true))
            qFatal("no program folder");
        const char *const decks[] = {"Tutor2.vdk", "Tutor3.vdk", "Tutor4.vdk"};
        QList<SampleCard> small = fullDeck();
        QList<SampleCard> photos = fullDeck();
        QList<SampleCard> bmps = fullDeck();
        for (int i = 0; i < photos.size(); ++i) {
            const QImage image = photoLike(i);
            photos[i].picture = encodedPicture(image, "jpeg", 92);
            bmps[i].picture = bmpFileBytes(image);
        }
        const QList<SampleCard> *contents[] = {&small, &photos, &bmps};
        for (int d = 0; d < 3; ++d) {
            const QString file = QString::fromLatin1(decks[d]);
            if (!DeckHome::addDeck(file, QStringLiteral("Deck %1").arg(d), 0) ||
                !writeCards(paths::deckDatabase(file), *contents[d]))
                qFatal("no deck");
        }
        const ExchangeOutcome exported = flashcards::exportPackage(QStringLiteral("Tutor3.vdk"), share.path(), kNow);
        if (!exported.ok)
            qFatal("no package");
        photoPackage = exported.exportedPath;
    }
};

Bench &bench()
{
    static Bench instance;
    return instance;
}

void exportDeck(benchmark::State &state, const char *deckFileName)
{
    const QString deckFile = QString::fromLatin1(deckFileName);
    for (auto _ : state) {
        QTemporaryDir out;
        const CpuTimer cpu;
        const ExchangeOutcome outcome = flashcards::exportPackage(deckFile, out.path(), kNow);
        state.counters["cpu_ms"] = double(cpu.elapsed());
        if (!outcome.ok)
            state.SkipWithError("export failed");
        state.counters["package_MB"] = double(QFileInfo(outcome.exportedPath).size()) / (1 << 20);
        state.counters["deck_MB"] = double(QFileInfo(paths::deckDatabase(deckFile)).size()) / (1 << 20);
    }
}

void importPhotoPackage(benchmark::State &state)
{
    for (auto _ : state) {
        const CpuTimer cpu;
        flashcards::PackageReader reader;
        if (!reader.open(bench().photoPackage, paths::exchangeFolder()))
            state.SkipWithError("package refused");
        const ExchangeOutcome outcome = flashcards::importPackage(reader, flashcards::guessChoice(reader));
        state.counters["cpu_ms"] = double(cpu.elapsed());
        if (!outcome.ok)
            state.SkipWithError("import failed");
        state.counters["package_MB"] = double(QFileInfo(bench().photoPackage).size()) / (1 << 20);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    (void)bench();
    benchmark::RegisterBenchmark("ExportSmallPictures", exportDeck, "Tutor2.vdk")
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExportPhotosJpeg", exportDeck, "Tutor3.vdk")
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExportPhotosBmp", exportDeck, "Tutor4.vdk")
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ImportPhotoPackage", importPhotoPackage)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
