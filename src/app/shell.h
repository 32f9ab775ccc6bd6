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
// then ends the process at once. A window whose own close handling calls
// EndProgram again while the windows are being closed does not start a second
// round: the outer call ends the process.
void EndProgram();

// Closes every window of the program without ending the process itself.
void UnloadAllForms();

// True while EndProgram or UnloadAllForms is closing the windows, so that a
// window's close handling can tell a closing of all windows from its own.
[[nodiscard]] bool closingAllWindows();

// True when a window other than except is on screen (tooltips and pop-up
// menus aside).
[[nodiscard]] bool anyOtherWindowVisible(const QWidget *except = nullptr);

// The last step of EndProgram. The program installs one that saves what must
// be saved and exits; tests install one that records the call.
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
