// Medians of the deck store's hot paths:
//   build/bench/bench_store --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "dbwriter.h"

#include "store/database.h"
#include "store/pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

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

void addCards(Database &db, int count, bool withPictures)
{
    ResultSet cards;
    ResultSet keywords;
    (void)OpenResultSet(cards, db, QStringLiteral("Select * from tblCards"));
    (void)OpenResultSet(keywords, db, QStringLiteral("Select * from tblKeywords"));
    (void)db.beginTransaction();
    for (int k = 1; k <= count; ++k) {
        cards.addNew();
        cards.setField(QStringLiteral("ID"), k);
        cards.setField(QStringLiteral("Name"), QStringLiteral("Card %1").arg(k));
        cards.setField(QStringLiteral("Group"), k <= 22 ? 0 : 1 + (k - 23) / 14);
        cards.setField(QStringLiteral("normalmeaning"), QString(300, QLatin1Char('u')));
        cards.setField(QStringLiteral("reversedmeaning"), QString(300, QLatin1Char('r')));
        cards.setField(QStringLiteral("issaved"), withPictures);
        if (withPictures)
            cards.appendChunk(QStringLiteral("PictureData"), picture(350, 600, "jpg", k));
        (void)cards.update();
        for (int slot = 1; slot <= 7; ++slot) {
            keywords.addNew();
            keywords.setField(QStringLiteral("id"), 7 * (k - 1) + slot);
            keywords.setField(QStringLiteral("CardID"), k);
            keywords.setField(QStringLiteral("keyword"), QStringLiteral("keyword %1-%2").arg(k).arg(slot));
            keywords.setField(QStringLiteral("cardname"), QStringLiteral("Card %1").arg(k));
        }
        (void)keywords.update();
    }
    (void)db.commitTransaction();
}

void prepare()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    (void)dbwriter::createDeckDatabase(templatePath());
    QFile::copy(templatePath(), deckPath());
    Database db;
    (void)OpenDatabase(db, deckPath());
    addCards(db, 78, true);
    // Card 79 and 80: one large picture, stored as the BMP the program writes and as JPEG.
    ResultSet cards;
    (void)OpenResultSet(cards, db, QStringLiteral("Select * from tblCards"));
    cards.addNew();
    cards.setField(QStringLiteral("ID"), 79);
    cards.appendChunk(QStringLiteral("PictureData"), picture(1000, 1700, "bmp", 79));
    cards.addNew();
    cards.setField(QStringLiteral("ID"), 80);
    cards.appendChunk(QStringLiteral("PictureData"), picture(1000, 1700, "jpg", 80));
    (void)cards.update();
}

void BM_OpenDeckAndFirstQuery(benchmark::State &state)
{
    prepare();
    for (auto _ : state) {
        Database db;
        ResultSet header;
        if (!OpenDatabase(db, deckPath()) || !OpenResultSet(header, db, QStringLiteral("Select * from tblDeckNames")))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(header.recordCount());
    }
}
BENCHMARK(BM_OpenDeckAndFirstQuery)->Unit(benchmark::kMillisecond);

void BM_SelectCardsReadNames(benchmark::State &state)
{
    prepare();
    Database db;
    (void)OpenDatabase(db, deckPath());
    for (auto _ : state) {
        ResultSet cards;
        (void)OpenResultSet(cards, db, QStringLiteral("Select * from tblCards"));
        qsizetype total = 0;
        for (cards.moveFirst(); !cards.isEof(); cards.moveNext())
            total += cards.field(QStringLiteral("Name")).toString().size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_SelectCardsReadNames)->Unit(benchmark::kMillisecond);

void BM_LoadLargePictureAndTurn(benchmark::State &state)
{
    prepare();
    Database db;
    (void)OpenDatabase(db, deckPath());
    ResultSet cards;
    (void)OpenResultSet(cards, db, QStringLiteral("Select * from tblCards"));
    (void)cards.setFilter(QStringLiteral("ID=%1").arg(state.range(0)));
    for (auto _ : state) {
        PlainPictureHolder holder;
        if (!LoadPictureFromField(holder, cards, QStringLiteral("PictureData")))
            state.SkipWithError("no picture");
        const QImage turned = turnedHalf(holder.picture());
        benchmark::DoNotOptimize(turned.constBits());
    }
    state.SetLabel(state.range(0) == 79 ? "stored as BMP" : "stored as JPEG");
}
BENCHMARK(BM_LoadLargePictureAndTurn)->Arg(79)->Arg(80)->Unit(benchmark::kMillisecond);

void BM_Add78CardsAnd546Slots(benchmark::State &state)
{
    prepare();
    const QString target = folder().filePath(QStringLiteral("fill.vdk"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        QFile::copy(templatePath(), target);
        Database db;
        (void)OpenDatabase(db, target);
        state.ResumeTiming();
        addCards(db, 78, false);
    }
}
BENCHMARK(BM_Add78CardsAnd546Slots)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The program keeps freed memory for reuse (see runVelmora); so does the bench.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
