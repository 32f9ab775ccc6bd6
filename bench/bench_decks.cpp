// Medians of the deck manager: opening with 200 decks in the catalog, picking
// a deck until its header shows, and creating a 78-card deck from the click to
// the card editor's list:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_decks --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "deckhome.h"
#include "fakes.h"
#include "scriptedprompter.h"

#include "app/services.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int kDecks = 200;

struct Bench
{
    DeckHome home;
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    SettingsStore settings;
    Services services{prompter, clock, random, settings};
    QWidget startScreen;
    std::unique_ptr<FrmDeckDesign> editor;

    Bench() : settings(QDir::temp().filePath(QStringLiteral("velmora-bench-decks.conf")))
    {
        if (!home.make())
            qFatal("no program folder");
        for (int i = 1; i <= kDecks; ++i) {
            const QString dbName = QStringLiteral("Tutor%1.vdk").arg(i);
            const bool ok = i <= 3 ? DeckHome::addDeck(dbName, QStringLiteral("Deck number %1").arg(i), 78, QString(),
                                                       QStringLiteral("Designer"))
                                   : addCatalogRow(QStringLiteral("Deck number %1").arg(i), dbName);
            if (!ok)
                qFatal("could not lay down the decks");
        }
    }

    std::unique_ptr<FrmDeck> window()
    {
        return std::make_unique<FrmDeck>(services, &startScreen,
                                         [this](const DeckHandOff &handOff, const QVector<bool> &marks) {
                                             editor = std::make_unique<FrmDeckDesign>(services, handOff, marks);
                                             editor->show();
                                             return true;
                                         });
    }
};

void BM_OpenWith200Decks(benchmark::State &state)
{
    Bench bench;
    for (auto _ : state) {
        auto window = bench.window();
        window->Form_Load();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        if (window->findChild<QTreeWidget *>(QStringLiteral("lstDeckNames"))->topLevelItemCount() != kDecks)
            qFatal("decks missing");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWith200Decks)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PickShowsHeader(benchmark::State &state)
{
    Bench bench;
    auto window = bench.window();
    window->Form_Load();
    window->show();
    QApplication::processEvents();
    auto *list = window->findChild<QTreeWidget *>(QStringLiteral("lstDeckNames"));
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 3;
        list->setCurrentItem(list->topLevelItem(row));
        QApplication::processEvents();
        state.PauseTiming();
        if (window->findChild<QLineEdit *>(QStringLiteral("txtCards"))->text() != QLatin1String("78"))
            qFatal("no header shown");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PickShowsHeader)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Create78CardDeck(benchmark::State &state)
{
    Bench bench;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = bench.window();
        window->Form_Load();
        window->show();
        window->cmdCreateDeck_Click();
        window->findChild<QLineEdit *>(QStringLiteral("txtDeckName"))->setText(QStringLiteral("New deck"));
        window->findChild<QLineEdit *>(QStringLiteral("txtCards"))->setText(QStringLiteral("78"));
        QApplication::processEvents();
        state.ResumeTiming();
        window->cmdCreateDeck_Click();
        QApplication::processEvents();
        state.PauseTiming();
        if (!bench.editor || bench.editor->cardList()->lstPictures->topLevelItemCount() != 78)
            qFatal("no card list");
        bench.editor.reset();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Create78CardDeck)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
