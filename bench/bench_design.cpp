// Medians of the card editor on a 78-card deck whose pictures are 1000 x 1700
// (stored as BMP, as the picture loader stores them): choosing a card until
// its picture shows, one auto-save keystroke in a keyword box and in the
// normal meaning, and the loader storing all 78 pictures from JPEG files:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_design --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "designhome.h"
#include "fakes.h"
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
        QPointer<FrmLoadPictures> loader;
        auto connection = QObject::connect(editor.get(), &FrmDeckDesign::loaderOpened,
                                           [&loader](FrmLoadPictures *opened) { loader = opened; });
        editor->insertPictures();
        QObject::disconnect(connection);
        loader->showFolder(pictureFolder.path());
        for (int i = 0; i < loader->filSelected->count(); ++i) {
            loader->filSelected->setCurrentRow(i);
            loader->addPicture();
        }
        QElapsedTimer timer;
        timer.start();
        loader->savePictures();
        while (loader)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return timer.elapsed() / 1000.0;
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

void BM_ChooseCardWithPicture(benchmark::State &state)
{
    Bench &b = bench();
    int card = 10;
    for (auto _ : state) {
        card = card == 10 ? 11 : 10;
        b.editor->chooseCard(card);
        b.editor->cardPage()->repaint();
    }
    if (!b.editor->cardPage()->hasPicture())
        state.SkipWithError("no picture shown");
}
BENCHMARK(BM_ChooseCardWithPicture)->Unit(benchmark::kMillisecond);

void BM_AutoSaveKeywordKeystroke(benchmark::State &state)
{
    Bench &b = bench();
    b.editor->chooseCard(20);
    QLineEdit *box = b.editor->cardPage()->txtKeyword[2];
    box->setFocus();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        type = !type;
    }
}
BENCHMARK(BM_AutoSaveKeywordKeystroke)->Unit(benchmark::kMillisecond);

void BM_AutoSaveMeaningKeystroke(benchmark::State &state)
{
    Bench &b = bench();
    b.editor->chooseCard(21);
    QPlainTextEdit *box = b.editor->cardPage()->txtNormalMeaning;
    box->setFocus();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(box, type ? Qt::Key_A : Qt::Key_Backspace);
        type = !type;
    }
}
BENCHMARK(BM_AutoSaveMeaningKeystroke)->Unit(benchmark::kMillisecond);

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
