// Medians over a journal of 10,000 readings of three cards: opening the
// journal file alone, opening the journal window on it (built, read, shown
// and painted once), one search typed into it (filtered and painted), and
// its patterns over a year read, counted and painted:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_readings --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true

#include "fakes.h"
#include "readings/frmjournal.h"
#include "readings/journalmodel.h"
#include "scriptedprompter.h"

#include "app/services.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace velmora;
using namespace velmora::readings;
using namespace velmora::test;

namespace {

constexpr int kReadings = 10000;

// The layout through Journal, the rows in one transaction.
const QString &filledJournal()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("history.db"));
        {
            Journal journal;
            if (!journal.open(file))
                qFatal("could not create the journal");
        }
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *reading = nullptr;
        sqlite3_stmt *card = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO readings VALUES(?1, ?2, 'Tutor1.vdk', 'Classic', 3, ?3, ?4)", -1, &reading,
                           nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO reading_cards VALUES(?1, ?2, ?3, ?4, 0, 'one, two, three', ?5)", -1, &card,
                           nullptr);
        const qint64 start = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).toMSecsSinceEpoch();
        const QByteArray meaning = QByteArray("A meaning of a few sentences, as decks write them. ").repeated(6);
        for (int r = 1; r <= kReadings; ++r) {
            const QByteArray question = "What does week " + QByteArray::number(r) + " ask of me at work?";
            const QByteArray interpretation =
                QByteArray("The past card speaks of effort, the present of rest, the future of a choice. ")
                    .repeated(4) +
                (r % 10 == 0 ? "Patience." : "Courage.");
            sqlite3_bind_int(reading, 1, r);
            sqlite3_bind_int64(reading, 2, start + qint64(r) * 6 * 3600 * 1000);
            sqlite3_bind_text(reading, 3, question.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(reading, 4, interpretation.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(reading);
            sqlite3_reset(reading);
            for (int position = 0; position < 3; ++position) {
                const QByteArray name = "Card number " + QByteArray::number(r % 78 + position);
                sqlite3_bind_int(card, 1, r);
                sqlite3_bind_int(card, 2, position);
                sqlite3_bind_int(card, 3, r % 78 + position);
                sqlite3_bind_text(card, 4, name.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(card, 5, meaning.constData(), -1, SQLITE_STATIC);
                sqlite3_step(card);
                sqlite3_reset(card);
            }
        }
        sqlite3_finalize(reading);
        sqlite3_finalize(card);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            qFatal("could not fill the journal");
        sqlite3_close(db);
        return file;
    }();
    return path;
}

struct Rig
{
    ScriptedPrompter prompter;
    FixedClock clock;
    ScriptedRandom random;
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("velmora.conf"))};
    Services services{prompter, clock, random, settings};
};

// The file's part of the opening: its checks and the listing.
void BM_OpenJournalFile(benchmark::State &state)
{
    const QString path = filledJournal();
    for (auto _ : state) {
        Journal journal;
        if (!journal.open(path) || journal.list().value_or(QVector<Reading>()).size() != kReadings)
            qFatal("the journal did not open");
    }
}
BENCHMARK(BM_OpenJournalFile)->Unit(benchmark::kMillisecond);

void BM_OpenJournal(benchmark::State &state)
{
    const QString path = filledJournal();
    Rig rig;
    for (auto _ : state) {
        auto window = std::make_unique<FrmJournal>(rig.services, path);
        window->reload();
        window->show();
        (void)window->grab();
        state.PauseTiming();
        if (window->model()->rowCount() != kReadings)
            qFatal("the journal did not list every reading");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenJournal)->Unit(benchmark::kMillisecond);

void BM_SearchJournal(benchmark::State &state)
{
    Rig rig;
    FrmJournal window(rig.services, filledJournal());
    window.reload();
    window.show();
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("txtSearch"));
    int round = 0;
    for (auto _ : state) {
        // A word one reading in ten holds, then two words no reading holds together.
        search->setText(++round % 2 ? QStringLiteral("patience") : QStringLiteral("week choice Wednesday"));
        (void)window.grab();
        state.PauseTiming();
        if (window.model()->rowCount() != (round % 2 ? kReadings / 10 : 0))
            qFatal("the search found the wrong readings");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SearchJournal)->Unit(benchmark::kMillisecond);

// What the patterns view computes over its longest period, the clock just
// after the last reading: the year's cards and the days practised read from
// the open file, the cards counted and the streak taken.
void BM_JournalPatterns(benchmark::State &state)
{
    const QDateTime now = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(qint64(kReadings) * 6 * 3600 + 3600);
    Journal journal;
    if (!journal.open(filledJournal()))
        qFatal("the journal did not open");
    for (auto _ : state) {
        const QVector<DrawnCard> drawn = journal.drawnSince(now.date().addDays(-364).startOfDay()).value();
        const QSet<QDate> days = journal.practiceDays(now.date().addDays(-3660).startOfDay()).value();
        const QVector<CardPattern> patterns = cardPatterns(drawn, now.date().addDays(-364));
        const int streak = currentStreak(days, now.date());
        state.PauseTiming();
        // A reading every six hours since the first: every day in the streak.
        if (streak != QDate(2020, 1, 1).daysTo(now.date()) + 1 || patterns.size() != 80 || drawn.size() < 4000)
            qFatal("wrong patterns: streak %d, %d cards", streak, int(patterns.size()));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_JournalPatterns)->Unit(benchmark::kMillisecond);

} // namespace
