#pragma once

// The tests of the learner's history file (store/historydb.h): a row per
// finished test and a row per question asked. Everything read from it is
// bounded.

#include "progress/progressrules.h"
#include "review/duelist.h"
#include "review/fsrs.h"
#include "review/reviewlog.h"
#include "review/reviewsettings.h"
#include "review/reviewstats.h"

#include "store/historydb.h"

#include <QDateTime>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;

namespace velmora::sqlite {
class Statement;
}

namespace velmora::progress {

struct QuestionRecord
{
    int cardId = 0;
    QString cardName;
    bool reversed = false;
    int score = 0;
    int maximum = 0;
};

struct TestRecord
{
    QDateTime taken;
    QString deckFile; // the deck file's name in the deck folder, e.g. Tutor1.vdk
    QString deckName;
    TestKind kind = TestKind::Keywords;
    int level = 0;
    QVector<int> groups; // card groups of the practice, rising
    QVector<QuestionRecord> questions;
};

// Which tests a query takes: one deck file or all (empty), from a moment on
// or all (invalid).
struct HistoryFilter
{
    QString deckFile;
    QDateTime since;
};

struct ScorePoint
{
    qint64 takenMs = 0; // since the epoch: thousands of points are read at a time
    QString deckFile;
    QString deckName;
    TestKind kind = TestKind::Keywords;
    int score = 0;
    int maximum = 0;
};

struct DeckEntry
{
    QString deckFile;
    QString deckName; // as the latest test recorded it
};

struct QuestionRow
{
    QDateTime taken;
    QString deckFile;
    QString deckName;
    TestKind kind = TestKind::Keywords;
    int level = 0;
    QString groups; // as stored: group numbers separated by commas
    int position = 0;
    QuestionRecord question;
};

// The review part of the history is the review subsystem's; the names
// stay here for the callers that reach it through the history.
using ReviewRecord = review::ReviewRecord;
using FacetState = review::FacetState;
using review::kMaxFacets;

// A guess earns no grade. A test shows the answer among choices, so the
// chance that ticking at random gives the answer decides what it says of
// memory:
// - anything short of all right is a lapse (Again);
// - all right is a success (Good) only where a random answer is all right
//   less than once in kGuessOdds answers: all seven keywords at the
//   advanced level (once in 77,520);
// - any other right answer, a pick among at most seven meanings or three of
//   seven and five of twelve keywords (once in 35 and 792), is no grade: a
//   learner who knows nothing would collect a few such each week.
// Nothing: the answer leaves the facet's state as it is.
inline constexpr double kGuessOdds = 10000.0;
[[nodiscard]] double guessChance(TestKind kind, int level, int maximum);
[[nodiscard]] std::optional<review::Grade> answerGrade(TestKind kind, int level, int score, int maximum);

using store::historyPath;
using store::kHistoryFileName;
// HistoryFile::retireDeckFile on the program folder's history, when there is one.
[[nodiscard]] bool retireDeckHistory(const QString &deckFile, QString *error = nullptr);

// Bounds of what one query reads.
inline constexpr int kMaxScorePoints = 100000;
inline constexpr int kMaxExportRows = 1000000;

// The tests of the history file, and the one way in to the rest of it for
// the windows above the review subsystem.
class HistoryFile
{
public:
    static constexpr int kSchemaVersion = store::HistoryDb::kSchemaVersion;

    HistoryFile();
    ~HistoryFile();
    HistoryFile(HistoryFile &&other) noexcept;
    HistoryFile &operator=(HistoryFile &&other) noexcept;
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    // See store::HistoryDb::open.
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] bool isOpen() const { return db_.isOpen(); }
    [[nodiscard]] QString errorText() const { return db_.errorText(); }
    void close();
    // The open file's connection; it stays the file's.
    [[nodiscard]] sqlite3 *connection() const { return db_.connection(); }
    [[nodiscard]] store::HistoryDb &db() { return db_; }

    // One transaction: on false nothing of the test is stored. An answer
    // grades its card's facet (see answerGrade) where feed lets it and the
    // facet is not new or the answer a success; such grades use none of the
    // daily caps, and one earlier than the facet's last review is not made.
    [[nodiscard]] bool record(const TestRecord &test, const review::Fsrs &fsrs = review::Fsrs(),
                              review::TestFeed feed = review::TestFeed::NotDue);
    // See store::HistoryDb::retireDeckFile.
    [[nodiscard]] bool retireDeckFile(const QString &deckFile) { return db_.retireDeckFile(deckFile); }

    // The review states and grades: review::ReviewLog over this file.
    [[nodiscard]] review::ReviewLog reviews() { return review::ReviewLog(db_); }
    [[nodiscard]] bool recordReview(const ReviewRecord &review) { return reviews().recordReview(review); }
    [[nodiscard]] bool undoLastReview(const QString &deckFile, std::optional<ReviewRecord> &undone)
    {
        return reviews().undoLastReview(deckFile, undone);
    }
    [[nodiscard]] std::optional<QVector<FacetState>> facetStates(const QString &deckFile)
    {
        return reviews().facetStates(deckFile);
    }
    [[nodiscard]] std::optional<review::DayCount> reviewsSince(const QString &deckFile, const QDateTime &since)
    {
        return reviews().reviewsSince(deckFile, since);
    }
    [[nodiscard]] std::optional<QVector<review::FacetDue>> facetDues(const QString &deckFile)
    {
        return reviews().facetDues(deckFile);
    }
    [[nodiscard]] std::optional<review::Retention> retention(const HistoryFilter &filter)
    {
        return reviews().retention(filter.deckFile, filter.since);
    }

    [[nodiscard]] std::optional<QVector<DeckEntry>> decks();
    // In the order taken; at most kMaxScorePoints, the latest ones.
    [[nodiscard]] std::optional<QVector<ScorePoint>> scores(const HistoryFilter &filter);
    // Per deck, card and orientation over the latest `recentTests` tests the
    // filter takes; unranked.
    [[nodiscard]] std::optional<QVector<CardTally>> cardTallies(const HistoryFilter &filter, int recentTests);
    // Every question the filter takes, in the order asked, at most
    // kMaxExportRows; the number of rows given, or nothing on a read error.
    [[nodiscard]] std::optional<int> forEachQuestion(const HistoryFilter &filter,
                                                     const std::function<void(const QuestionRow &)> &take);

private:
    [[nodiscard]] bool fail(const QString &context, const sqlite::Statement *failed = nullptr)
    {
        return db_.fail(context, failed);
    }

    struct Statements;
    // Declared first: the statements are finalized before the connection closes.
    store::HistoryDb db_;
    std::unique_ptr<Statements> statements_;
};

} // namespace velmora::progress
