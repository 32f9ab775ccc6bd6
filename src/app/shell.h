#pragma once

// The program's way out, the installed-data check of the start screen and the
// one-instance-per-user rule.

#include <QString>

#include <functional>
#include <memory>

class QLockFile;
class QWidget;

namespace velmora {

// Closes every window of the program, shown or hidden, one after the other,
// those on screen first; each finishes its work in its close handling (writes
// flushed, a failed save tried again) or asks the user. When one refuses to
// close, the ending stops there: the answer is false and the other windows
// stay. Otherwise the process ender runs and the answer is true. A window
// whose own close handling ends the program while the windows are being
// closed does not start a second round.
// With mayAsk false (a desktop session that ends without leave to ask the
// user) no window asks: one that would have to keeps what it holds and
// refuses instead.
bool endProgramInOrder(bool mayAsk = true);
// The same, for the program's Exit commands and close boxes.
void EndProgram();

// Closes every window of the program without ending the process itself.
void UnloadAllForms();

// True while EndProgram or UnloadAllForms is closing the windows, so that a
// window's close handling can tell a closing of all windows from its own.
[[nodiscard]] bool closingAllWindows();

// False while the windows are being closed without leave to ask the user; a
// window's close handling that would ask refuses to close instead.
[[nodiscard]] bool closingMayAsk();

// True when a window other than except is on screen (tooltips and pop-up
// menus aside).
[[nodiscard]] bool anyOtherWindowVisible(const QWidget *except = nullptr);

// The last step of EndProgram, once every window has closed. Until one is
// installed it exits at once (the refusal of a second copy, before any
// window exists); the program installs one that ends the event loop, tests
// one that records the call.
void setProcessEnder(std::function<void()> ender);

// Once set, UnloadAllForms ends the event loop when it leaves no window on
// screen, so that the process cannot linger with nothing to show.
void setQuitWhenNoWindowLeft(bool enabled);

// The installed data the start screen needs: the default deck, the catalog
// and the template database as files, the deck and exchange folders as
// folders. All five are tested.
struct RequiredPath
{
    QString path;
    bool folder = false;
};
[[nodiscard]] QList<RequiredPath> requiredPaths();
[[nodiscard]] bool requiredFilesPresent();

// The folder of the single-instance lock, one that only the user can write:
// XDG_RUNTIME_DIR when it is the user's own and closed to others, else
// "velmora" in the user's cache folder, made with mode 0700 and checked.
// Empty when no such folder can be had.
[[nodiscard]] QString singleInstanceLockFolder();

// One running copy per user and program folder: copies installed in
// different folders run side by side.
class SingleInstanceLock
{
public:
    SingleInstanceLock();
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // False when another running copy holds the lock. A copy that died holds
    // nothing any more.
    [[nodiscard]] bool tryAcquire();
    void release();
    // Empty when there is no safe folder for it: then every copy may run.
    [[nodiscard]] QString lockFilePath() const;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_; // where there is no flock()
    int fd_ = -1;
};

} // namespace velmora
