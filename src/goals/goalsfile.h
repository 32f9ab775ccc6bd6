#pragma once

// The goal record, the goals file "goals.txt" and its line format:
//   "name",#yyyy-mm-dd#,#yyyy-mm-dd#,"description",#TRUE#|#FALSE#,percentage CR LF

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

namespace velmora::goals {

struct GoalRecord
{
    QString name;
    QDate startingDate;
    QDate endingDate;
    QString description;
    bool achieved = false;
    qint16 percentage = 0; // 0 to 100

    friend bool operator==(const GoalRecord &, const GoalRecord &) = default;
};

// The goals of the process in file order; a record's position is its index.
// Empty stands for "absent": no goal read and none added.
using GoalTable = QList<GoalRecord>;

// A text as it can be written between double quotes: each double quote
// becomes two single quotes, so that what is saved reads back as saved.
[[nodiscard]] QString quotableText(const QString &text);

// One line of the file, CR LF included.
[[nodiscard]] QString goalLine(const GoalRecord &goal);
void appendGoalLine(QString &out, const GoalRecord &goal);

// UTF-8 text, or Latin-1 when the bytes are not valid UTF-8.
[[nodiscard]] QString decodeGoalsText(const QByteArray &bytes);

struct ParsedGoals
{
    GoalTable goals; // every record read before a fault
    bool faulty = false;
    int faultLine = 0; // 1-based line where the unreadable record starts
    bool cut = false;  // more goals than the bound were there and were left unread
};

// What one reading takes of a goals file at most: a larger file is read up
// to these bounds, so its goals cannot take minutes and gigabytes to show.
inline constexpr qint64 kMaxGoalsFileBytes = 16LL * 1024 * 1024;
inline constexpr int kMaxGoals = 100000;

// Blank lines between records are skipped; anything else that does not
// follow the line format ends the reading, and so do maxGoals records.
[[nodiscard]] ParsedGoals parseGoals(QStringView text, int maxGoals = kMaxGoals);

// The program folder + "/goals.txt".
[[nodiscard]] QString goalsFilePath();

struct ReadOutcome
{
    bool exists = false;
    ParsedGoals parsed;
    QByteArray original; // the file's bytes, kept when it was faulty and read whole
};

[[nodiscard]] ReadOutcome readGoals(const QString &path);

struct WriteOutcome
{
    bool written = false; // false also when the table is absent
    QString error;        // empty when nothing failed
    [[nodiscard]] bool failed() const { return !error.isEmpty(); }
};

// Rewrites the file whole from the table, leaving out the given indexes; all
// or nothing. An absent table leaves the file untouched. A goals file the
// user linked elsewhere (a synchronised folder) stays linked: the file the
// link names is replaced.
[[nodiscard]] WriteOutcome writeGoals(const QString &path, const GoalTable &table, const QSet<int> &except = {});

// The first name beside the goals file that no file or link takes yet:
// "goals.txt.bak", then "goals.txt.bak2"...
[[nodiscard]] QString nextBackupPath(const QString &path);
// Writes bytes under nextBackupPath(). Returns the path, empty on failure.
[[nodiscard]] QString keepBeside(const QString &path, const QByteArray &bytes);
// The same with the file's own bytes, copied without holding them in memory.
[[nodiscard]] QString copyBeside(const QString &path);

} // namespace velmora::goals
