// Medians of flashcard package exchange for 78-card decks: export of a deck
// of small pictures (as the default deck's), of 78 photo-like 1000 x 1700
// JPEG pictures, of the same as BMP (each encoded as JPEG on the way), and
// import of the photo package as a new deck; sizes as counters:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_flashcards --benchmark_repetitions=3
//   --benchmark_report_aggregates_only=true

#include "deckhome.h"
#include "flashcards/flashcardexchange.h"

#include "store/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr qint64 kNow = 1'765'000'000'000LL;

// Blurred light and grain, about 600 KB as JPEG: as a scanned card.
QImage photoLike(int seed)
{
    QRandomGenerator dice{quint32(seed)};
    QImage image(QSize(1000, 1700), QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient light(0, 0, 1000, 1700);
    light.setColorAt(0, QColor::fromHsv(dice.bounded(360), 120, 230));
    light.setColorAt(1, QColor::fromHsv(dice.bounded(360), 200, 60));
    painter.fillRect(image.rect(), light);
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(dice.bounded(27)) - 13;
            const auto add = [grain](int channel) { return std::clamp(channel + grain, 0, 255); };
            line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
        }
    }
    return image;
}

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
        const ExchangeOutcome outcome = flashcards::exportPackage(deckFile, out.path(), kNow);
        if (!outcome.ok)
            state.SkipWithError("export failed");
        state.counters["package_MB"] = double(QFileInfo(outcome.exportedPath).size()) / (1 << 20);
        state.counters["deck_MB"] = double(QFileInfo(paths::deckDatabase(deckFile)).size()) / (1 << 20);
    }
}

void importPhotoPackage(benchmark::State &state)
{
    for (auto _ : state) {
        flashcards::PackageReader reader;
        if (!reader.open(bench().photoPackage, paths::exchangeFolder()))
            state.SkipWithError("package refused");
        const ExchangeOutcome outcome = flashcards::importPackage(reader, flashcards::guessChoice(reader));
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
