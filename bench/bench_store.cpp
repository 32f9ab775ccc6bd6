// Medians of the deck store's hot paths:
//   build/bench/bench_store --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "dbwriter.h"

#include "store/deck.h"
#include "store/pictures.h"
#include "store/readahead.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

using namespace velmora;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString deckPath()
{
    return folder().filePath(QStringLiteral("Tutor1.vdk"));
}
QString templatePath()
{
    return folder().filePath(QStringLiteral("tutor.vdk"));
}

QByteArray picture(int width, int height, const char *format, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 120, 200));
    gradient.setColorAt(1, QColor::fromHsv(seed * 53 % 360, 200, 90));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 11 + i * 29) % 360, 180, 230));
        painter.drawEllipse(QPoint((i * 97 + seed) % width, (i * 61 + seed * 7) % height), width / 12, width / 12);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(85);
    writer.write(image);
    return bytes;
}

QVector<Card> plainCards(int count)
{
    QVector<Card> cards;
    for (int k = 1; k <= count; ++k)
        cards.append({k, QStringLiteral("Card %1").arg(k), k <= 22 ? 0 : 1 + (k - 23) / 14,
                      QString(300, QLatin1Char('u')), QString(300, QLatin1Char('r')), false});
    return cards;
}

QVector<QStringList> slotLists(int count)
{
    QVector<QStringList> lists;
    for (int k = 1; k <= count; ++k) {
        QStringList keywords;
        for (int slot = 1; slot <= kSlotsPerCard; ++slot)
            keywords.append(QStringLiteral("keyword %1-%2").arg(k).arg(slot));
        lists.append(keywords);
    }
    return lists;
}

QString bmpDeckPath()
{
    return folder().filePath(QStringLiteral("Tutor2.vdk"));
}

void prepare()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    (void)dbwriter::createDeckDatabase(templatePath());
    QFile::copy(templatePath(), deckPath());
    Deck deck;
    QVector<QByteArray> pictures;
    for (int k = 1; k <= 78; ++k)
        pictures.append(picture(350, 600, "jpg", k));
    if (!deck.open(deckPath(), Access::ReadWrite) || !deck.appendCards(plainCards(78), slotLists(78), pictures))
        qFatal("cannot write the deck: %s", qPrintable(deck.errorText()));
}

// 78 pictures of 1000 x 1700 pixels stored as BMP, as the picture loader writes them.
void prepareBmpDeck()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    prepare();
    QFile::copy(templatePath(), bmpDeckPath());
    Deck deck;
    if (!deck.open(bmpDeckPath(), Access::ReadWrite))
        qFatal("cannot open the deck");
    const QVector<Card> cards = plainCards(78);
    const QVector<QStringList> lists = slotLists(78);
    for (int k = 0; k < 78; ++k) {
        if (!deck.appendCards({cards[k]}, {lists[k]}, {picture(1000, 1700, "bmp", k)}))
            qFatal("cannot write the deck: %s", qPrintable(deck.errorText()));
    }
}

QString largeDeckPath()
{
    return folder().filePath(QStringLiteral("Tutor3.vdk"));
}

// 10,000 cards without pictures, seven keyword slots each.
void prepareLargeDeck()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    prepare();
    QFile::copy(templatePath(), largeDeckPath());
    Deck deck;
    if (!deck.open(largeDeckPath(), Access::ReadWrite) || !deck.appendCards(plainCards(10000), slotLists(10000)))
        qFatal("cannot write the deck: %s", qPrintable(deck.errorText()));
}

// The checks of a deck chosen on the settings tab (0) and before a practice
// (1), and the practice's cards of every group (2), on 10,000 cards, each on
// a file state of its own, so that nothing found before is taken.
void BM_LargeDeckChecks(benchmark::State &state)
{
    prepareLargeDeck();
    QDateTime changed = QDateTime::currentDateTime();
    for (auto _ : state) {
        state.PauseTiming();
        {
            QFile file(largeDeckPath());
            if (!file.open(QIODevice::ReadWrite) ||
                !file.setFileTime(changed = changed.addSecs(1), QFileDevice::FileModificationTime))
                state.SkipWithError("cannot touch the deck");
        }
        Deck deck;
        if (!deck.open(largeDeckPath()))
            state.SkipWithError("open failed");
        state.ResumeTiming();
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(deck.hasMissingKeyword());
        else if (state.range(0) == 1)
            benchmark::DoNotOptimize(deck.hasEmptyKeywordField());
        else
            benchmark::DoNotOptimize(deck.cardsInGroups({0, 1, 2, 3, 4}));
    }
}
BENCHMARK(BM_LargeDeckChecks)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// (a) After the first open of a file, as every handler opens it again.
void BM_OpenDeckAndFirstQuery(benchmark::State &state)
{
    prepare();
    {
        Deck first;
        (void)first.open(deckPath());
    }
    for (auto _ : state) {
        Deck deck;
        if (!deck.open(deckPath()))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(deck.header());
    }
}
BENCHMARK(BM_OpenDeckAndFirstQuery)->Unit(benchmark::kMicrosecond);

// (b)
void BM_Read78CardRows(benchmark::State &state)
{
    prepare();
    Deck deck;
    (void)deck.open(deckPath());
    for (auto _ : state) {
        const auto cards = deck.cards();
        if (!cards || cards->size() != 78)
            state.SkipWithError("cards missing");
        benchmark::DoNotOptimize(cards);
    }
}
BENCHMARK(BM_Read78CardRows)->Unit(benchmark::kMicrosecond);

// (c) The card editor's autosave on each keystroke.
void BM_SaveCardAndSevenSlots(benchmark::State &state)
{
    prepare();
    Deck deck;
    (void)deck.open(deckPath(), Access::ReadWrite);
    const QStringList keywords = slotLists(1).first();
    int n = 0;
    for (auto _ : state) {
        const Card card{5,
                        QStringLiteral("Card 5 ") + QString::number(++n),
                        0,
                        QString(300, QLatin1Char('u')),
                        QString(300, QLatin1Char('r')),
                        false};
        if (!deck.saveCard(card, keywords))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveCardAndSevenSlots)->Unit(benchmark::kMicrosecond);

// (d) A new deck's rows, on a fresh copy of the template (opened untimed).
void BM_New78CardDeckRowsAndSlots(benchmark::State &state)
{
    prepare();
    const QString target = folder().filePath(QStringLiteral("fill.vdk"));
    const QVector<Card> cards = plainCards(78);
    const QVector<QStringList> lists = slotLists(78);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        QFile::copy(templatePath(), target);
        Deck deck;
        (void)deck.open(target, Access::ReadWrite);
        state.ResumeTiming();
        if (!deck.appendCards(cards, lists))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_New78CardDeckRowsAndSlots)->Unit(benchmark::kMillisecond);

// (e) What "Next >>" costs the window on the BMP deck: the picture read ahead
// while the user looked at the previous card is taken and turned, and the
// next one is started. The time the user looks is left out of the figure.
void BM_NextWithReadAhead(benchmark::State &state)
{
    prepareBmpDeck();
    const QSize shown(1000, 1700);
    PictureReadAhead ahead;
    ahead.setDeck(bmpDeckPath());
    int id = 1;
    ahead.start(id, shown);
    for (auto _ : state) {
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(150)); // the user looks at the card
        state.ResumeTiming();
        std::optional<QImage> picture = ahead.take(id, shown);
        if (!picture || picture->isNull())
            state.SkipWithError("no picture");
        const QImage turned = turnedHalf(*picture);
        benchmark::DoNotOptimize(turned.constBits());
        id = id % 78 + 1;
        ahead.start(id, shown);
    }
}
BENCHMARK(BM_NextWithReadAhead)->Iterations(30)->Unit(benchmark::kMillisecond);

// The same step without read-ahead: read, decode and turn on the spot.
void BM_NextWithoutReadAhead(benchmark::State &state)
{
    prepareBmpDeck();
    Deck deck;
    (void)deck.open(bmpDeckPath());
    int id = 1;
    for (auto _ : state) {
        const QImage picture = decodePicture(deck.picture(id), QSize(1000, 1700));
        if (picture.isNull())
            state.SkipWithError("no picture");
        const QImage turned = turnedHalf(picture);
        benchmark::DoNotOptimize(turned.constBits());
        id = id % 78 + 1;
    }
}
BENCHMARK(BM_NextWithoutReadAhead)->Unit(benchmark::kMillisecond);

// The first open of a file in the process: SQLCipher derives the key.
void BM_FirstOpenDerivesTheKey(benchmark::State &state)
{
    prepare();
    const QString target = folder().filePath(QStringLiteral("fresh.vdk"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        QFile::copy(deckPath(), target);
        state.ResumeTiming();
        Deck deck;
        if (!deck.open(target))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(deck.header());
    }
}
BENCHMARK(BM_FirstOpenDerivesTheKey)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
