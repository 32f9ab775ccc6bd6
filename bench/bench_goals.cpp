// Medians of loading 10,000 goals into the goals page and of saving them:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_goals --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "fakes.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "app/services.h"
#include "goals/goalscontroller.h"
#include "goals/goalsfile.h"
#include "goals/goalspage.h"

#include <QFile>

#include <benchmark/benchmark.h>

using namespace velmora;
using namespace velmora::goals;
using namespace velmora::test;

namespace {

constexpr int kGoals = 10000;

GoalTable tenThousandGoals()
{
    GoalTable table;
    for (int i = 0; i < kGoals; ++i)
        table.append({QStringLiteral("Goal number %1 of the long list").arg(i), QDate(2009, 3, 1).addDays(i % 300),
                      QDate(2009, 6, 1).addDays(i % 300),
                      QStringLiteral("A description, with a comma,\nand a second line for goal %1").arg(i), i % 3 == 0,
                      qint16(i % 101)});
    return table;
}

void BM_LoadGoalsIntoPage(benchmark::State &state)
{
    TestHome home;
    if (writeGoals(goalsFilePath(), tenThousandGoals()).failed())
        qFatal("could not write the goals file");
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    SettingsStore settings(home.filePath(QStringLiteral("velmora.conf")));
    Services services{prompter, clock, random, settings};
    // Only load() is timed: the page is built with the window, before it.
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<QWidget>();
        auto *controller = new GoalsController(services, window.get());
        state.ResumeTiming();
        controller->load();
        state.PauseTiming();
        if (controller->page()->entryCount() == 0)
            qFatal("no goal shown");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadGoalsIntoPage)->Unit(benchmark::kMillisecond);

void BM_SaveGoals(benchmark::State &state)
{
    TestHome home;
    const GoalTable table = tenThousandGoals();
    for (auto _ : state) {
        if (writeGoals(goalsFilePath(), table).failed())
            qFatal("could not write the goals file");
    }
}
BENCHMARK(BM_SaveGoals)->Unit(benchmark::kMillisecond);

} // namespace
