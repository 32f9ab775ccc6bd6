// Time to prepare one test question (card draw, picture, captions) at the
// advanced level, on the installed default deck when the build folder holds
// one, else on a 78-card deck with 350x600 JPEG pictures made here; and on a
// deck of 10,000 cards (70,000 different keywords) with small pictures.

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
#include <map>
#include <memory>
#include <utility>
#include <vector>

using namespace velmora;

namespace {

// A noisy card picture, so the JPEG is about as large as a scanned card.
QByteArray cardPicture(int id, QSize size = QSize(350, 600))
{
    QImage image(size, QImage::Format_RGB32);
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

// Cards numbered from 1 in the groups of a real deck, repeated past 78; every
// card has meanings and seven keywords of its own. Beyond 78 cards the
// pictures are small, so the file stays a few MB.
bool makeDeck(const QString &path, int cardCount)
{
    if (!dbwriter::createDeckDatabase(path))
        return false;
    Deck deck;
    if (!deck.open(path, Access::ReadWrite))
        return false;
    const QString meaning =
        QStringLiteral("A meaning of some length, as the card editor allows up to 360 letters. ").repeated(4);
    const bool large = cardCount <= 78;
    QVector<Card> cards;
    QVector<QStringList> keywordLists;
    QVector<QByteArray> pictures;
    for (int id = 1; id <= cardCount; ++id) {
        const int place = (id - 1) % 78 + 1;
        const int group = place <= 22 ? 0 : 1 + (place - 23) / 14;
        cards.append({id, QStringLiteral("Card %1").arg(id), group, meaning + QString::number(id),
                      meaning + QString::number(-id), true});
        QStringList words;
        for (int k = 1; k <= 7; ++k)
            words.append(QStringLiteral("word %1-%2").arg(id).arg(k));
        keywordLists.append(words);
        pictures.append(large ? cardPicture(id) : cardPicture(id, QSize(35, 60)));
    }
    return deck.appendCards(cards, keywordLists, pictures);
}

struct BenchDeck
{
    QTemporaryDir dir;
    QString path;
    QString label;

    // 0 cards: the installed default deck, else 78 generated ones.
    explicit BenchDeck(int cardCount)
    {
        const QString installedDeck = QStringLiteral(VELMORA_BUILD_DIR "/tutor/Tutor1.vdk");
        if (cardCount == 0 && QFile::exists(installedDeck)) {
            path = installedDeck;
            label = QStringLiteral("installed default deck");
            return;
        }
        const int count = cardCount == 0 ? 78 : cardCount;
        path = dir.filePath(QStringLiteral("Tutor1.vdk"));
        label = QStringLiteral("generated %1-card deck").arg(count);
        if (!makeDeck(path, count))
            path.clear();
    }
};

BenchDeck &benchDeck(int cardCount)
{
    static std::map<int, std::unique_ptr<BenchDeck>> decks;
    std::unique_ptr<BenchDeck> &deck = decks[cardCount];
    if (!deck)
        deck = std::make_unique<BenchDeck>(cardCount);
    return *deck;
}

// state.range(0): cards of the deck, 0 for the default deck.
void prepareQuestion(benchmark::State &state, TestType type)
{
    BenchDeck &source = benchDeck(int(state.range(0)));
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
    const TestOptions options{type, 2, true, {}, {}};
    // Presses within one test, so the numbers are those of a user going
    // through it; the first question of each test is kept apart, as it
    // reads what the run keeps for the whole test.
    std::vector<double> later;
    std::vector<double> first;
    bool startNeeded = true;
    for (auto _ : state) {
        bool firstOfTest = std::exchange(startNeeded, false);
        if (firstOfTest)
            run.start(clock);
        auto begin = std::chrono::steady_clock::now();
        PressOutcome outcome = run.press(cards, deck, options, {});
        if (outcome.kind == PressOutcome::Kind::Ended) {
            run.start(clock);
            firstOfTest = true;
            begin = std::chrono::steady_clock::now();
            outcome = run.press(cards, deck, options, {});
        }
        benchmark::DoNotOptimize(outcome);
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - begin;
        state.SetIterationTime(spent.count() / 1000.0);
        (firstOfTest ? first : later).push_back(spent.count());
        if (outcome.kind != PressOutcome::Kind::Question) {
            state.SkipWithError("no question prepared");
            return;
        }
    }
    const auto median = [](std::vector<double> &values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    };
    state.counters["first_ms"] = median(first);
    state.counters["median_ms"] = median(later);
    state.counters["p95_ms"] = later.empty() ? 0.0 : later[later.size() * 95 / 100];
    state.counters["cards"] = double(cards.size());
    state.SetLabel(source.label.toStdString());
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

BENCHMARK(BM_DescriptionQuestionAdvanced)
    ->Arg(0)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(300);
BENCHMARK(BM_KeywordQuestionAdvanced)
    ->Arg(0)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(300);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
