#include "store/workfolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::store {

namespace {

// Working folders hold a collection or a deck and its journal: a folder
// deeper or fuller than this was not made here, and is left as it is found.
constexpr int kMaxDepth = 4;
constexpr int kMaxEntries = 1000;

// Calls `visit(name)` for each entry of the directory `fd` (kept open) but
// the dot entries; false once `visit` says so.
template <typename Visit>
bool eachEntry(int fd, Visit visit)
{
    const int own = ::dup(fd);
    DIR *dir = own >= 0 ? ::fdopendir(own) : nullptr;
    if (!dir) {
        if (own >= 0)
            ::close(own);
        return false;
    }
    // The copy shares the position of `fd`, which an earlier walk left at the end.
    ::rewinddir(dir);
    bool ok = true;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (!visit(entry->d_name)) {
            ok = false;
            break;
        }
    }
    ::closedir(dir);
    return ok;
}

// Empties the directory `fd` depth first. Each entry is looked at without
// following it and entered through its own descriptor opened with
// O_NOFOLLOW, so a link is removed as a link even if it took a folder's
// place between the look and the removal.
bool empty(int fd, int depth, int &budget)
{
    return eachEntry(fd, [fd, depth, &budget](const char *name) {
        if (--budget < 0)
            return false;
        struct stat info
        {};
        if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        if (!S_ISDIR(info.st_mode))
            return ::unlinkat(fd, name, 0) == 0;
        if (depth >= kMaxDepth)
            return false;
        const int child = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0)
            return false;
        const bool emptied = empty(child, depth + 1, budget);
        ::close(child);
        return emptied && ::unlinkat(fd, name, AT_REMOVEDIR) == 0;
    });
}

// The latest time the directory `fd` or what it holds directly was written,
// in seconds since the epoch; -1 when it cannot all be read.
qint64 lastChange(int fd)
{
    struct stat info
    {};
    if (::fstat(fd, &info) != 0)
        return -1;
    qint64 latest = info.st_mtime;
    int budget = kMaxEntries;
    const bool read = eachEntry(fd, [fd, &latest, &budget](const char *name) {
        struct stat entry
        {};
        if (--budget < 0 || ::fstatat(fd, name, &entry, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        latest = std::max<qint64>(latest, entry.st_mtime);
        return true;
    });
    return read ? latest : -1;
}

} // namespace

QString packageWorkTemplate(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(kPackageWorkFolder) + QStringLiteral("XXXXXX"));
}

int sweepPackageWorkFolders(const QString &folder, const QDateTime &before)
{
    const int top = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (top < 0)
        return 0;
    static const QRegularExpression ours(
        QStringLiteral("^%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(QString::fromLatin1(kPackageWorkFolder))));
    QByteArrayList names;
    int budget = kMaxEntries;
    (void)eachEntry(top, [&names, &budget](const char *name) {
        if (ours.match(QFile::decodeName(name)).hasMatch())
            names.append(QByteArray(name));
        return --budget > 0;
    });
    const qint64 cutoff = before.toSecsSinceEpoch();
    int removed = 0;
    for (const QByteArray &name : names) {
        const int fd = ::openat(top, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue; // a link, or no longer a folder
        struct stat info
        {};
        const qint64 changed = lastChange(fd);
        int entries = kMaxEntries;
        const bool sweep = ::fstat(fd, &info) == 0 && info.st_uid == ::getuid() && changed >= 0 && changed < cutoff;
        if (sweep && empty(fd, 1, entries) && ::unlinkat(top, name.constData(), AT_REMOVEDIR) == 0)
            ++removed;
        ::close(fd);
    }
    ::close(top);
    return removed;
}

} // namespace velmora::store
