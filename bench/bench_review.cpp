// Medians of a grade in the review window on the default deck (78 cards,
// pictures of about 350x600) over a history of a year of tests, every answer
// a grade: from the grade key to the next card painted, and, for comparison,
// the grade's commit made on the screen thread.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_review --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true
#include "fakes.h"
#include "progress/history.h"
#include "review/frmreview.h"
#include "scriptedprompter.h"

#include "app/services.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 0));

struct Fixture
{
    Fixture()
    {
        const QString built = QStringLiteral(VELMORA_BUILD_DIR);
        if (!QFileInfo(built + QStringLiteral("/tutor/Tutor1.vdk")).isFile())
            qFatal("build the installed data first");
        qputenv("VELMORA_HOME", QFile::encodeName(built));
        Deck deck;
        if (!deck.open(paths::defaultDeck()) || !(cards = deck.cards().value_or(QVector<Card>())).size())
            qFatal("the default deck cannot be read");
        // Two tests a day for a year, half on keywords, half on meanings, a
        // card in six missed.
        progress::HistoryFile history;
        if (!history.open(historyPath()))
            qFatal("no history");
        for (int t = 0; t < 730; ++t) {
            progress::TestRecord test;
            test.taken = kNow.addDays(-365 + t / 2).addSecs(3600 * (t % 2));
            test.deckFile = QStringLiteral("Tutor1.vdk");
            test.deckName = QStringLiteral("Default");
            test.kind = t % 2 ? progress::TestKind::Description : progress::TestKind::Keywords;
            test.groups = {0, 1, 2, 3, 4};
            for (const Card &card : std::as_const(cards))
                test.questions.append({card.id, card.name, (card.id + t) % 3 == 0, (card.id * 7 + t) % 6 ? 1 : 0, 1});
            if (!history.record(test))
                qFatal("%s", qPrintable(history.errorText()));
        }
    }
    [[nodiscard]] QString historyPath() const { return folder.filePath(QStringLiteral("history.db")); }

    QTemporaryDir folder;
    QVector<Card> cards;
    QTemporaryDir settingsDir;
    SettingsStore settings{settingsDir.filePath(QStringLiteral("velmora.conf"))};
    ScriptedPrompter prompter;
    // Years after the last test, so that every facet is due.
    FixedClock clock{kNow.addYears(3)};
    StdRandomSource random;
    Services services{prompter, clock, random, settings};
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Each session starts from the same year of history.
std::unique_ptr<review::FrmReview> openReview(Fixture &f)
{
    const QString copy = f.folder.filePath(QStringLiteral("session.db"));
    QFile::remove(copy);
    if (!QFile::copy(f.historyPath(), copy))
        qFatal("the history could not be copied");
    review::ReviewSettings settings;
    settings.limits = {9999, 9999};
    auto window = std::make_unique<review::FrmReview>(
        f.services,
        review::ReviewRequest{paths::defaultDeck(), QStringLiteral("Default"), f.cards, true, settings, copy});
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!window->start())
        qFatal("the review did not start");
    window->resize(1366, 740);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the review window was not shown");
    window->repaint();
    return window;
}

// "3 Good" to the next card's picture and question painted; the grade's
// commit follows off the screen thread.
void BM_GradeToNextCard(benchmark::State &state)
{
    Fixture &f = fixture();
    std::unique_ptr<review::FrmReview> window = openReview(f);
    auto *reveal = window->findChild<QPushButton *>(QStringLiteral("cmdShowAnswer"));
    auto *good = window->findChild<QPushButton *>(QStringLiteral("cmdGradeGood"));
    int opened = 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (window->session()->finished()) {
            window.reset();
            window = openReview(f);
            ++opened;
            reveal = window->findChild<QPushButton *>(QStringLiteral("cmdShowAnswer"));
            good = window->findChild<QPushButton *>(QStringLiteral("cmdGradeGood"));
        }
        reveal->click();
        window->repaint();
        state.ResumeTiming();
        good->click();
        window->repaint();
    }
    state.counters["sessions"] = opened;
    if (!f.prompter.records().isEmpty())
        qFatal("unexpected message: %s", qPrintable(f.prompter.messageTexts().join(QLatin1Char('|'))));
}
BENCHMARK(BM_GradeToNextCard)->Unit(benchmark::kMillisecond)->Iterations(200);

// One grade committed on the calling thread: what the screen thread would
// wait for without the writer.
void BM_RecordReviewOnScreenThread(benchmark::State &state)
{
    Fixture &f = fixture();
    progress::HistoryFile history;
    if (!history.open(f.historyPath()))
        qFatal("no history");
    int i = 0;
    std::vector<double> took;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        const Card &card = f.cards[i++ % f.cards.size()];
        progress::ReviewRecord review{
            kNow, QStringLiteral("Tutor1.vdk"), card.id, review::Facet::Keywords, review::Grade::Good, {}, {}};
        review.after = review::Fsrs().next(review.before, kNow, review.grade).value();
        if (!history.recordReview(review))
            qFatal("%s", qPrintable(history.errorText()));
        took.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    // The slowest commits are those the screen would feel.
    std::sort(took.begin(), took.end());
    state.counters["p50_ms"] = took[took.size() / 2];
    state.counters["p99_ms"] = took[took.size() * 99 / 100];
    state.counters["max_ms"] = took.back();
}
BENCHMARK(BM_RecordReviewOnScreenThread)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
