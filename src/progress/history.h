#pragma once

// The learner's test history: one plain SQLite file in the program folder
// with a row per finished test and a row per question asked. It is the
// program's own file but lies on disk where anything may happen to it, so
// everything read from it is bounded and a damaged file is refused, never
// overwritten.

#include "progress/progressrules.h"
#include "review/duelist.h"
#include "review/fsrs.h"
#include "review/reviewsettings.h"
#include "review/reviewstats.h"

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

// One grade of spaced review, with the state it replaced.
struct ReviewRecord
{
    QDateTime reviewed;
    QString deckFile;
    int cardId = 0;
    review::Facet facet = review::Facet::Keywords;
    review::Grade grade = review::Grade::Good;
    review::MemoryState before; // New: the facet had no state
    review::MemoryState after;
};

struct FacetState
{
    int cardId = 0;
    review::Facet facet = review::Facet::Keywords;
    review::MemoryState state;
};

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

inline constexpr char kHistoryFileName[] = "history.db";
// history.db in the program folder.
[[nodiscard]] QString historyPath();
// HistoryFile::retireDeckFile on the program folder's history, when there is one.
[[nodiscard]] bool retireDeckHistory(const QString &deckFile, QString *error = nullptr);

// Bounds of what one query reads.
inline constexpr int kMaxScorePoints = 100000;
inline constexpr int kMaxExportRows = 1000000;
inline constexpr int kMaxFacets = 300000;

class HistoryFile
{
public:
    // The layout this program writes. Older files are brought up to it in
    // place when opened; newer ones are refused.
    static constexpr int kSchemaVersion = 6;

    HistoryFile();
    ~HistoryFile();
    HistoryFile(HistoryFile &&other) noexcept;
    HistoryFile &operator=(HistoryFile &&other) noexcept;
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    // Opens the file, creating it when missing, and upgrades its layout.
    // Refuses, with errorText() set, a file that is not a history of ours.
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] QString errorText() const { return error_; }
    void close();
    // The open file's connection, for the journal of readings kept beside
    // the tests; it stays the file's.
    [[nodiscard]] sqlite3 *connection() const;

    // One transaction: on false nothing of the test is stored. An answer
    // grades its card's facet (see answerGrade) where feed lets it and the
    // facet is not new or the answer a success; such grades use none of the
    // daily caps, and one earlier than the facet's last review is not made.
    [[nodiscard]] bool record(const TestRecord &test, const review::Fsrs &fsrs = review::Fsrs(),
                              review::TestFeed feed = review::TestFeed::NotDue);
    // The tests of a deck file whose deck is gone keep their scores under a
    // name no deck file can have (the file's name, "/" and a number), so that
    // a new deck given that file name later starts without them.
    [[nodiscard]] bool retireDeckFile(const QString &deckFile);

    // One transaction: the facet's new state and the grade, or nothing.
    [[nodiscard]] bool recordReview(const ReviewRecord &review);
    // Puts back the state the deck's latest grade replaced and forgets the
    // grade, in one transaction. `undone` is the grade, or nothing when the
    // deck had none.
    [[nodiscard]] bool undoLastReview(const QString &deckFile, std::optional<ReviewRecord> &undone);
    // Every facet of the deck with a state, at most kMaxFacets; a facet
    // without one is new. Rows no grade could have written are left out.
    [[nodiscard]] std::optional<QVector<FacetState>> facetStates(const QString &deckFile);
    // What the deck's session grades from `since` on used of the daily caps.
    [[nodiscard]] std::optional<review::DayCount> reviewsSince(const QString &deckFile, const QDateTime &since);
    // The same facets, only what the progress window counts of them.
    [[nodiscard]] std::optional<QVector<review::FacetDue>> facetDues(const QString &deckFile);
    // The grades the filter takes of facets that were in review, counted by
    // SQLite: a year of grades is never read row by row.
    [[nodiscard]] std::optional<review::Retention> retention(const HistoryFilter &filter);

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
    [[nodiscard]] bool refuse(const QString &text);
    // Why `failed`, or else the connection's latest exec, failed.
    [[nodiscard]] bool fail(const QString &context, const sqlite::Statement *failed = nullptr);
    [[nodiscard]] bool upgrade(int fromVersion);
    // Both within the caller's transaction.
    [[nodiscard]] bool writeReview(const ReviewRecord &review, bool byTest = false);
    [[nodiscard]] std::optional<review::MemoryState> storedState(const QString &deckFile, int cardId,
                                                                 review::Facet facet);

    struct Handles;
    std::unique_ptr<Handles> handles_;
    QString path_;
    QString error_;
};

} // namespace velmora::progress
