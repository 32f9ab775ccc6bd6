// Time to prepare one test question (card draw, picture, captions) at the
// advanced level, on the installed default deck when the build folder holds
// one, else on a 78-card deck with 350x600 JPEG pictures made here.

#include "dbwriter.h"

#include "app/services.h"
#include "learn/testrun.h"
#include "store/deck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace velmora;

namespace {

QByteArray cardPicture(int id)
{
    // Gradients and noise, so the JPEG is about as large as a scanned card.
    QImage image(350, 600, QImage::Format_RGB32);
    QRandomGenerator noise{quint32(id)};
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(noise.bounded(48));
            line[x] = qRgb((x + id * 7) % 200 + n, (y / 3 + id) % 200 + n, (x + y) % 200 + n);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

bool makeDeck(const QString &path)
{
    if (!dbwriter::createDeckDatabase(path))
        return false;
    Deck deck;
    if (!deck.open(path, Access::ReadWrite))
        return false;
    const QString meaning =
        QStringLiteral("A meaning of some length, as the card editor allows up to 360 letters. ").repeated(4);
    QVector<Card> cards;
    QVector<QStringList> keywordLists;
    QVector<QByteArray> pictures;
    for (int id = 1; id <= 78; ++id) {
        const int group = id <= 22 ? 0 : 1 + (id - 23) / 14;
        cards.append({id, QStringLiteral("Card %1").arg(id), group, meaning + QString::number(id),
                      meaning + QString::number(-id), true});
        QStringList words;
        for (int k = 1; k <= 7; ++k)
            words.append(QStringLiteral("word %1-%2").arg(id).arg(k));
        keywordLists.append(words);
        pictures.append(cardPicture(id));
    }
    return deck.appendCards(cards, keywordLists, pictures);
}

struct BenchDeck
{
    QTemporaryDir dir;
    QString path;
    bool installed = false;

    BenchDeck()
    {
        const QString installedDeck = QStringLiteral(VELMORA_BUILD_DIR "/tutor/Tutor1.vdk");
        if (QFile::exists(installedDeck)) {
            path = installedDeck;
            installed = true;
        } else {
            path = dir.filePath(QStringLiteral("Tutor1.vdk"));
            if (!makeDeck(path))
                path.clear();
        }
    }
};

BenchDeck &benchDeck()
{
    static BenchDeck deck;
    return deck;
}

void prepareQuestion(benchmark::State &state, TestType type)
{
    BenchDeck &source = benchDeck();
    Deck deck;
    const QVector<Card> cards =
        !source.path.isEmpty() && deck.open(source.path) ? deck.cards().value_or(QVector<Card>()) : QVector<Card>();
    if (cards.isEmpty()) {
        state.SkipWithError("no deck to measure");
        return;
    }
    StdRandomSource random;
    SystemClock clock;
    TestRun run(random);
    const TestOptions options{type, 2, true};
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        run.start(clock);
        PressOutcome outcome = run.press(cards, deck, options, {});
        benchmark::DoNotOptimize(outcome);
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - begin;
        state.SetIterationTime(spent.count() / 1000.0);
        milliseconds.push_back(spent.count());
        if (outcome.kind != PressOutcome::Kind::Question) {
            state.SkipWithError("no question prepared");
            return;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["p95_ms"] = milliseconds[milliseconds.size() * 95 / 100];
    state.counters["cards"] = double(cards.size());
    state.SetLabel(source.installed ? "installed default deck" : "generated 78-card deck");
}

void BM_DescriptionQuestionAdvanced(benchmark::State &state)
{
    prepareQuestion(state, TestType::Description);
}

void BM_KeywordQuestionAdvanced(benchmark::State &state)
{
    prepareQuestion(state, TestType::Keywords);
}

} // namespace

BENCHMARK(BM_DescriptionQuestionAdvanced)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_KeywordQuestionAdvanced)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
