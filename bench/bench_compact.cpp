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
#include "scriptedprompter.h"

#include "app/services.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"
#include "exchange/deckexchange.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int kCards = 78;
const QString kDeck = QStringLiteral("Tutor2.vdk");

// Soft light over a few blurred shapes, and grain: JPEG at quality 92 makes
// about 600 KB of it, as of a photo from a camera or a scanner.
QByteArray photoLikeJpeg(int seed)
{
    QRandomGenerator dice{quint32(seed)};
    QImage image(QSize(1000, 1700), QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient light(0, 0, 1000, 1700);
    light.setColorAt(0, QColor::fromHsv(dice.bounded(360), 120, 230));
    light.setColorAt(1, QColor::fromHsv(dice.bounded(360), 200, 60));
    painter.fillRect(image.rect(), light);
    painter.setPen(Qt::NoPen);
    for (int shape = 0; shape < 14; ++shape) {
        const QPointF centre(dice.bounded(1000), dice.bounded(1700));
        const qreal radius = 80 + dice.bounded(300);
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, QColor::fromHsv(dice.bounded(360), 180, 240, 220));
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(dice.bounded(27)) - 13;
            const auto add = [grain](int channel) { return std::clamp(channel + grain, 0, 255); };
            line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
        }
    }
    return encodedPicture(image, "jpeg", 92);
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
