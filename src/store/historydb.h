#pragma once

// The learner's history file: one plain SQLite file in the program folder
// that keeps the tests, the review states and their log, the journal of
// readings and the own meanings. This type owns the one connection, the
// layout and its upgrades; the types that read and write each part work over
// it. It is the program's own file but lies on disk where anything may happen
// to it, so a damaged file is refused, never overwritten.

#include <QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace velmora::sqlite {
class Statement;
}

namespace velmora::store {

inline constexpr char kHistoryFileName[] = "history.db";
// history.db in the program folder.
[[nodiscard]] QString historyPath();

// Every text column of the history is NOT NULL: a null string is stored
// empty. Names come from decks others made: cut to what is read back, so no
// row nears the length limit that would make the history unreadable.
void bindKeptText(sqlite3_stmt *statement, int index, const QString &text);
// A text column as read back, bounded.
[[nodiscard]] QString boundedText(const sqlite::Statement &statement, int column);

class HistoryDb
{
public:
    // The layout this program writes. Older files are brought up to it in
    // place when opened; newer ones are refused.
    static constexpr int kSchemaVersion = 6;

    HistoryDb();
    ~HistoryDb();
    HistoryDb(HistoryDb &&other) noexcept;
    HistoryDb &operator=(HistoryDb &&other) noexcept;
    HistoryDb(const HistoryDb &) = delete;
    HistoryDb &operator=(const HistoryDb &) = delete;

    // Opens the file, creating it when missing, and upgrades its layout.
    // Refuses, with errorText() set, a file that is not a history of ours.
    [[nodiscard]] bool open(const QString &path);
    // True when the file exists and has changed since it last passed the
    // check of every page, or never did: opening it reads the whole file.
    [[nodiscard]] static bool checkDue(const QString &path);
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] QString errorText() const { return error_; }
    void setErrorText(const QString &text) { error_ = text; }
    void close();
    // The open connection; it stays this object's.
    [[nodiscard]] sqlite3 *connection() const;

    // Always false, with the error text saying why `failed`, or else the
    // connection's latest exec, failed.
    [[nodiscard]] bool fail(const QString &context, const sqlite::Statement *failed = nullptr);
    // Runs one statement of the connection; false (without an error text) when it fails.
    [[nodiscard]] bool exec(const char *sql) const;

    // The tests, grades and readings of a deck file whose deck is gone keep
    // their rows under a name no deck file can have (the file's name, "/" and
    // a number), so that a new deck given that file name later starts without
    // them; the review states of the file are forgotten.
    [[nodiscard]] bool retireDeckFile(const QString &deckFile);

private:
    [[nodiscard]] bool refuse(const QString &text);
    [[nodiscard]] bool upgrade(int fromVersion);

    struct Handles;
    std::unique_ptr<Handles> handles_;
    QString error_;
};

} // namespace velmora::store
