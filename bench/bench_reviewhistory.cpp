// Spaced review at the size of a 10,000-card deck (30,000 facets) after a year
// of daily reviews, simulated once per run through the scheduler so that the
// states and the grades are what a learner would leave:
//   - the due list computed from the states held in memory, and read from the
//     history first, as a review session begins;
//   - the progress window opened on that history, its review tab shown
//     (built, read, shown and painted once), and the same just after the
//     file changed, when the history checks every page of it again.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_reviewhistory --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "fakes.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "review/duelist.h"
#include "review/fsrsoptimizer.h"
#include "review/reviewlog.h"
#include "sampledeck.h"
#include "scriptedprompter.h"
#include "testhome.h"

#include "app/services.h"
#include "store/historydb.h"

#include <QFile>
#include <QLabel>
#include <QTabWidget>

#include <benchmark/benchmark.h>
#include <limits>
#include <random>
#include <sqlite3.h>

using namespace velmora;
using namespace velmora::progress;
using namespace velmora::review;
using namespace velmora::test;

namespace {

constexpr int kCards = 10000;
constexpr int kFacets = 3 * kCards;
constexpr int kDays = 365;
// All 30,000 facets met within the first 300 days.
constexpr int kNewPerDay = kFacets / 300;
const QString kDeckFile = QStringLiteral("Tutor1.vdk");
const QDateTime kNow(QDate(2026, 12, 6), QTime(12, 0));

struct Simulation
{
    std::unique_ptr<TestHome> home;
    QString historyPath;
    std::vector<MemoryState> states;
    qint64 reviews = 0;
};

void bindState(sqlite3_stmt *statement, int first, const MemoryState &state)
{
    sqlite3_bind_int(statement, first, int(state.phase));
    sqlite3_bind_int(statement, first + 1, state.step);
    sqlite3_bind_double(statement, first + 2, state.stability);
    sqlite3_bind_double(statement, first + 3, state.difficulty);
    sqlite3_bind_int(statement, first + 4, state.scheduledDays);
    sqlite3_bind_int64(statement, first + 5, state.lastReview.toMSecsSinceEpoch());
    sqlite3_bind_int64(statement, first + 6, state.due.toMSecsSinceEpoch());
    sqlite3_bind_int(statement, first + 7, state.reps);
    sqlite3_bind_int(statement, first + 8, state.lapses);
}

void mustRun(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("%s: %s", sql, sqlite3_errmsg(db));
}

// A learner who recalls with the model's probability sits down at 9:00 each
// day, takes every due facet and the day's new ones, and repeats each step of
// minutes when it falls due. The rows go in one transaction (through
// HistoryFile one by one they would take minutes); the layout is the
// program's own.
const Simulation &simulation()
{
    static const Simulation simulated = [] {
        Simulation run;
        run.home = std::make_unique<TestHome>();
        run.home->makeFolders();
        QList<SampleCard> cards;
        for (int id = 1; id <= kCards; ++id)
            cards.append(plainCard(id, id % 5));
        if (!run.home->createDeck(QStringLiteral("tutor/") + kDeckFile) ||
            !writeCards(paths::deckDatabase(kDeckFile), cards))
            qFatal("could not write the deck");
        run.historyPath = run.home->filePath(QStringLiteral("history.db"));
        {
            HistoryFile history;
            if (!history.open(run.historyPath))
                qFatal("could not create the history");
        }
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(run.historyPath).constData(), &db);
        mustRun(db, "BEGIN");
        sqlite3_stmt *grade = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO reviews(reviewed, deck_file, card_id, facet, grade, was_phase, was_step, "
                           "was_stability, was_difficulty, was_scheduled_days, was_last_review, was_due, was_reps, "
                           "was_lapses) VALUES (?1, 'Tutor1.vdk', ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)",
                           -1, &grade, nullptr);
        // A short test a day, so the deck is listed as the learner's.
        sqlite3_stmt *test = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tests VALUES(NULL, ?1, 'Tutor1.vdk', 'Big deck', 0, 0, '0', 8, 10)", -1,
                           &test, nullptr);

        const Fsrs fsrs;
        std::mt19937_64 chance(2026);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        run.states.assign(kFacets, MemoryState());
        std::vector<qint64> dueMs(kFacets, std::numeric_limits<qint64>::max());
        int met = 0;
        const QDateTime firstDay = kNow.addDays(-kDays);
        for (int day = 0; day < kDays; ++day) {
            const QDateTime session(firstDay.date().addDays(day), QTime(9, 0));
            const qint64 dayEnd = QDateTime(session.date().addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
            sqlite3_bind_int64(test, 1, session.addSecs(-600).toMSecsSinceEpoch());
            sqlite3_step(test);
            sqlite3_reset(test);
            for (int i = 0; i < std::min(kFacets, met + kNewPerDay); ++i) {
                if (i < met && dueMs[size_t(i)] >= dayEnd)
                    continue;
                MemoryState &state = run.states[size_t(i)];
                QDateTime at = session;
                do {
                    if (state.due.isValid() && state.due > at)
                        at = state.due;
                    const double recall = state.phase == Phase::New ? 0.6 : fsrs.retrievability(state, at);
                    const double roll = uniform(chance);
                    const Grade answer = roll >= recall ? Grade::Again
                                         : roll < 0.1   ? Grade::Easy
                                         : roll < 0.2   ? Grade::Hard
                                                        : Grade::Good;
                    const MemoryState after = fsrs.next(state, at, answer).value();
                    sqlite3_bind_int64(grade, 1, at.toMSecsSinceEpoch());
                    sqlite3_bind_int(grade, 2, i / 3 + 1);
                    sqlite3_bind_int(grade, 3, i % 3);
                    sqlite3_bind_int(grade, 4, int(answer));
                    if (state.phase != Phase::New)
                        bindState(grade, 5, state);
                    sqlite3_step(grade);
                    sqlite3_reset(grade);
                    sqlite3_clear_bindings(grade);
                    ++run.reviews;
                    state = after;
                    at = at.addSecs(8);
                } while (state.due.toMSecsSinceEpoch() < dayEnd);
                dueMs[size_t(i)] = state.due.toMSecsSinceEpoch();
            }
            met = std::min(kFacets, met + kNewPerDay);
        }
        sqlite3_stmt *facet = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO facets VALUES('Tutor1.vdk', ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)",
                           -1, &facet, nullptr);
        for (int i = 0; i < kFacets; ++i) {
            sqlite3_bind_int(facet, 1, i / 3 + 1);
            sqlite3_bind_int(facet, 2, i % 3);
            bindState(facet, 3, run.states[size_t(i)]);
            sqlite3_step(facet);
            sqlite3_reset(facet);
        }
        for (sqlite3_stmt *statement : {grade, test, facet})
            sqlite3_finalize(statement);
        mustRun(db, "COMMIT");
        sqlite3_close(db);
        return run;
    }();
    return simulated;
}

// The states in UTC, as the history gives them: a local time would cost a
// time zone conversion per facet.
void BM_DueListOf30000Facets(benchmark::State &state)
{
    std::vector<MemoryState> states = simulation().states;
    for (MemoryState &facet : states) {
        facet.due = facet.due.toUTC();
        facet.lastReview = facet.lastReview.toUTC();
    }
    size_t due = 0;
    for (auto _ : state) {
        const std::vector<int> order = dueFacets(states, kNow, DailyLimits(), DayCount());
        due = order.size();
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["due"] = double(due);
}
BENCHMARK(BM_DueListOf30000Facets)->Unit(benchmark::kMillisecond);

// As a session begins: the states read from the history, then ordered.
void BM_DueListReadFromHistory(benchmark::State &state)
{
    HistoryFile history;
    if (!history.open(simulation().historyPath))
        qFatal("could not open the history");
    for (auto _ : state) {
        const QVector<FacetState> stored = history.facetStates(kDeckFile).value();
        std::vector<MemoryState> states;
        states.reserve(size_t(stored.size()));
        for (const FacetState &facet : stored)
            states.push_back(facet.state);
        const std::vector<int> order = dueFacets(states, kNow, DailyLimits(), DayCount());
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(BM_DueListReadFromHistory)->Unit(benchmark::kMillisecond);

// The services of the runs below.
struct Rig
{
    explicit Rig(const Simulation &run) : settings(run.home->filePath(QStringLiteral("velmora.conf"))) {}

    ScriptedPrompter prompter;
    FixedClock clock{kNow};
    ScriptedRandom random;
    SettingsStore settings;
    Services services{prompter, clock, random, settings};
};

// The progress window opened on its spaced review tab and painted.
std::unique_ptr<FrmProgress> openOnReviewTab(Services &services, const QString &historyPath)
{
    auto window = std::make_unique<FrmProgress>(services, historyPath);
    window->findChild<QTabWidget *>(QStringLiteral("tabProgressCharts"))->setCurrentIndex(1);
    // Checked and read on this thread, as that is what is measured: a large
    // history would be checked and read on workers, the window shown empty.
    window->setCheckAsideFrom(std::numeric_limits<qint64>::max());
    window->setReadAsideFrom(std::numeric_limits<qint64>::max());
    window->reload();
    window->show();
    (void)window->grab();
    return window;
}

void BM_OpenProgressWindowOnAYearOfReviews(benchmark::State &state)
{
    const Simulation &run = simulation();
    Rig rig(run);
    for (auto _ : state) {
        auto window = openOnReviewTab(rig.services, run.historyPath);
        state.PauseTiming();
        if (!window->findChild<QLabel *>(QStringLiteral("lblRetention"))->text().contains(QLatin1String("% of")))
            qFatal("no retention shown");
        window.reset();
        state.ResumeTiming();
    }
    state.counters["reviews"] = double(run.reviews);
}
BENCHMARK(BM_OpenProgressWindowOnAYearOfReviews)->Unit(benchmark::kMillisecond);

// The first opening after the file changed (a test recorded, say), when the
// history reads every page to check it again.
void BM_OpenProgressWindowAfterTheFileChanged(benchmark::State &state)
{
    const Simulation &run = simulation();
    Rig rig(run);
    QFile file(run.historyPath);
    QDateTime touched = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        state.PauseTiming();
        touched = touched.addSecs(1);
        if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(touched, QFileDevice::FileModificationTime))
            qFatal("could not touch the history");
        file.close();
        state.ResumeTiming();
        auto window = openOnReviewTab(rig.services, run.historyPath);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenProgressWindowAfterTheFileChanged)->Unit(benchmark::kMillisecond);

// Optimize on the settings tab, as its job does it: every grade read from the
// history, made into histories by learning day, fitted on four facets in five
// and judged on the fifth. Then the fit alone, on the histories in memory.
void BM_FitWeightsToAYearOfGrades(benchmark::State &state)
{
    const LearningDays days{QTimeZone::systemTimeZone(), 4};
    const Simulation &run = simulation();
    size_t grades = 0;
    OwnWeights own;
    for (auto _ : state) {
        store::HistoryDb history;
        if (!history.open(run.historyPath))
            qFatal("could not open the history");
        const std::vector<LoggedGrade> logged = ReviewLog(history).loggedGrades().value();
        grades = logged.size();
        own = fitOwnWeights(facetHistories(logged, days));
        benchmark::DoNotOptimize(own.weights.data());
    }
    state.counters["grades"] = double(grades);
    state.counters["predictions"] = double(own.predictions);
    state.counters["heldOutLoss"] = own.heldOutLoss;
    state.counters["heldOutDefaultLoss"] = own.heldOutDefaultLoss;
}
BENCHMARK(BM_FitWeightsToAYearOfGrades)->Unit(benchmark::kMillisecond);

void BM_ReadGradesOnly(benchmark::State &state)
{
    store::HistoryDb history;
    if (!history.open(simulation().historyPath))
        qFatal("could not open the history");
    for (auto _ : state) {
        const std::vector<LoggedGrade> logged = ReviewLog(history).loggedGrades().value();
        benchmark::DoNotOptimize(logged.data());
    }
}
BENCHMARK(BM_ReadGradesOnly)->Unit(benchmark::kMillisecond);

void BM_FitOnly(benchmark::State &state)
{
    store::HistoryDb history;
    if (!history.open(simulation().historyPath))
        qFatal("could not open the history");
    const std::vector<FacetHistory> histories =
        facetHistories(ReviewLog(history).loggedGrades().value(), LearningDays{QTimeZone::systemTimeZone(), 4});
    for (auto _ : state) {
        const OwnWeights own = fitOwnWeights(histories);
        benchmark::DoNotOptimize(own.weights.data());
    }
}
BENCHMARK(BM_FitOnly)->Unit(benchmark::kMillisecond);

} // namespace
