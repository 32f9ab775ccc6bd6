// Medians over a history of 10,000 recorded tests of 78 questions: recording
// one more test, and opening the progress window on it (built, read, shown
// and painted once):
//   QT_QPA_PLATFORM=offscreen build/bench/bench_progress --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "fakes.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "scriptedprompter.h"

#include "app/services.h"

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <limits>
#include <sqlite3.h>

using namespace velmora;
using namespace velmora::progress;
using namespace velmora::test;

namespace {

constexpr int kTests = 10000;
constexpr int kQuestions = 78;

TestRecord fullTest(const QDateTime &taken, int seed)
{
    TestRecord record{
        taken, QStringLiteral("Tutor1.vdk"), QStringLiteral("Classic"), TestKind::Keywords, 1, {0, 1, 2, 3, 4}, {}};
    for (int i = 0; i < kQuestions; ++i)
        record.questions.append(
            QuestionRecord{i + 1, QStringLiteral("Card number %1").arg(i + 1), false, (seed + i) % 6, 5});
    return record;
}

// The file laid down once per run: the layout through HistoryFile, the rows
// in one transaction (recording them one by one would take minutes).
const QString &filledHistory()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("history.db"));
        {
            HistoryFile history;
            if (!history.open(file))
                qFatal("could not create the history");
        }
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *test = nullptr;
        sqlite3_stmt *question = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tests VALUES(?1, ?2, ?3, ?4, ?5, 1, '0,1,2,3,4', ?6, 390)", -1, &test,
                           nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO questions VALUES(?1, ?2, ?3, ?4, ?5, ?6, 5)", -1, &question, nullptr);
        const qint64 start = QDateTime(QDate(2024, 1, 1), QTime(8, 0)).toMSecsSinceEpoch();
        for (int t = 1; t <= kTests; ++t) {
            const bool second = t % 3 == 0;
            sqlite3_bind_int(test, 1, t);
            sqlite3_bind_int64(test, 2, start + qint64(t) * 2 * 3600 * 1000);
            sqlite3_bind_text(test, 3, second ? "Tutor2.vdk" : "Tutor1.vdk", -1, SQLITE_STATIC);
            sqlite3_bind_text(test, 4, second ? "Second deck" : "Classic", -1, SQLITE_STATIC);
            sqlite3_bind_int(test, 5, t % 2);
            sqlite3_bind_int(test, 6, 200 + t % 190);
            sqlite3_step(test);
            sqlite3_reset(test);
            for (int q = 1; q <= kQuestions; ++q) {
                const QByteArray name = "Card number " + QByteArray::number(q);
                sqlite3_bind_int(question, 1, t);
                sqlite3_bind_int(question, 2, q);
                sqlite3_bind_int(question, 3, q);
                sqlite3_bind_text(question, 4, name.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(question, 5, (t + q) % 2);
                sqlite3_bind_int(question, 6, (t * 7 + q * 13) % 6);
                sqlite3_step(question);
                sqlite3_reset(question);
            }
        }
        sqlite3_finalize(test);
        sqlite3_finalize(question);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            qFatal("could not fill the history");
        sqlite3_close(db);
        return file;
    }();
    return path;
}

void BM_RecordOneTest(benchmark::State &state)
{
    HistoryFile history;
    if (!history.open(filledHistory()))
        qFatal("could not open the history");
    QDateTime taken(QDate(2026, 12, 1), QTime(8, 0));
    int seed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const TestRecord record = fullTest(taken = taken.addSecs(60), ++seed);
        state.ResumeTiming();
        if (!history.record(record))
            qFatal("recording failed: %s", qPrintable(history.errorText()));
    }
}
BENCHMARK(BM_RecordOneTest)->Unit(benchmark::kMillisecond);

void BM_OpenProgressWindow(benchmark::State &state)
{
    const QString path = filledHistory();
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("velmora.conf")));
    Services services{prompter, clock, random, settings};
    for (auto _ : state) {
        auto window = std::make_unique<FrmProgress>(services, path);
        // Checked and read on this thread, as that is what is measured: a large
        // history would be checked and read on workers, the window shown empty.
        window->setCheckAsideFrom(std::numeric_limits<qint64>::max());
        window->setReadAsideFrom(std::numeric_limits<qint64>::max());
        window->reload();
        window->show();
        (void)window->grab();
        state.PauseTiming();
        if (window->findChild<QTableWidget *>()->rowCount() == 0)
            qFatal("no missed card shown");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond);

} // namespace
