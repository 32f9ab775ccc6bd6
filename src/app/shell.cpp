#include "app/shell.h"

#include "store/paths.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

bool g_closingAll = false;
bool g_closingMayAsk = true;
bool g_quitWhenNoWindowLeft = false;

void endAtOnce()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

std::function<void()> &processEnder()
{
    static std::function<void()> ender = endAtOnce;
    return ender;
}

// Closing one window may delete or open others; work from a snapshot and
// skip what is gone by the time its turn comes. The windows on screen go
// first: that is where the user works, and one that still holds work may
// refuse before a hidden one (the start screen to go back to) is gone.
// False when a window refused; stopOnRefusal then leaves the rest open.
bool closeEveryWindow(bool stopOnRefusal)
{
    QList<QPointer<QWidget>> shown;
    QList<QPointer<QWidget>> hidden;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow())
            (widget->isVisible() ? shown : hidden).append(widget);
    }
    bool allClosed = true;
    for (const QPointer<QWidget> &window : shown + hidden) {
        if (window && !window->close()) {
            allClosed = false;
            if (stopOnRefusal)
                break;
        }
    }
    return allClosed;
}

} // namespace

bool endProgramInOrder(bool mayAsk)
{
    if (g_closingAll)
        return false;
    g_closingAll = true;
    g_closingMayAsk = mayAsk;
    const bool allClosed = closeEveryWindow(true);
    g_closingAll = false;
    g_closingMayAsk = true;
    if (!allClosed)
        return false;
    processEnder()();
    return true;
}

void EndProgram()
{
    (void)endProgramInOrder();
}

void UnloadAllForms()
{
    if (g_closingAll)
        return;
    g_closingAll = true;
    (void)closeEveryWindow(false);
    g_closingAll = false;
    if (g_quitWhenNoWindowLeft && !anyOtherWindowVisible())
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

bool closingMayAsk()
{
    return g_closingMayAsk;
}

bool anyOtherWindowVisible(const QWidget *except)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget == except || !widget->isWindow() || !widget->isVisible())
            continue;
        const Qt::WindowType type = widget->windowType();
        if (type != Qt::ToolTip && type != Qt::Popup)
            return true;
    }
    return false;
}

bool closingAllWindows()
{
    return g_closingAll;
}

void setProcessEnder(std::function<void()> ender)
{
    processEnder() = ender ? std::move(ender) : std::function<void()>(endAtOnce);
}

void setQuitWhenNoWindowLeft(bool enabled)
{
    g_quitWhenNoWindowLeft = enabled;
}

QList<RequiredPath> requiredPaths()
{
    return {
        {paths::defaultDeck(), false}, {paths::catalogDatabase(), false}, {paths::templateDatabase(), false},
        {paths::deckFolder(), true},   {paths::exchangeFolder(), true},
    };
}

bool requiredFilesPresent()
{
    bool present = true;
    for (const RequiredPath &required : requiredPaths()) {
        const QFileInfo info(required.path);
        if (!(required.folder ? info.isDir() : info.isFile()))
            present = false;
    }
    return present;
}

namespace {

#ifdef Q_OS_UNIX
// A folder that only this user can change: owned by the user, no symbolic
// link, and no write permission for group or others.
bool onlyOwnerCanWrite(const QString &folder)
{
    struct stat info
    {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}
#endif

} // namespace

QString singleInstanceLockFolder()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && onlyOwnerCanWrite(runtime))
        return runtime;
    // Without a runtime folder of the user's own, a folder of the program's
    // under the user's cache folder: a shared folder such as /tmp would let
    // another user take the lock's name first and keep the program out.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString folder = cache + QStringLiteral("/velmora");
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return onlyOwnerCanWrite(folder) ? folder : QString();
#else
    return QDir::tempPath();
#endif
}

namespace {

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

SingleInstanceLock::SingleInstanceLock()
{
    QString program = QFileInfo(paths::programFolder()).canonicalFilePath();
    if (program.isEmpty())
        program = QDir::cleanPath(QDir(paths::programFolder()).absolutePath());
    const QByteArray folderHash = QCryptographicHash::hash(program.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString folder = singleInstanceLockFolder();
    if (folder.isEmpty())
        return;
    path_ = folder + QStringLiteral("/velmora-") + userTag() + QLatin1Char('-') + QString::fromLatin1(folderHash) +
            QStringLiteral(".lock");
}

SingleInstanceLock::~SingleInstanceLock()
{
    release();
}

#ifdef Q_OS_UNIX
// A kernel lock on the file: it goes with the process however the process
// ends, so a copy that died never keeps the next one out, and taking it
// writes nothing to disk.
bool SingleInstanceLock::tryAcquire()
{
    if (fd_ >= 0)
        return true;
    if (path_.isEmpty())
        return true; // no safe place for a lock: better a second copy than none
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void SingleInstanceLock::release()
{
    if (fd_ < 0)
        return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}
#else
bool SingleInstanceLock::tryAcquire()
{
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // A running copy may hold the lock for weeks: only a dead holder makes
    // the lock stale, never its age.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

void SingleInstanceLock::release()
{
    if (lock_)
        lock_->unlock();
}
#endif

QString SingleInstanceLock::lockFilePath() const
{
    return path_;
}

} // namespace velmora
