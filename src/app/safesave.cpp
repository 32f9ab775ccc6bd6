#include "app/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + at, std::size_t(bytes.size() - at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        at += n;
    }
    return 0;
}

} // namespace

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    const QFileInfo target(path);
    if (target.isDir())
        return fail(QCoreApplication::translate("SafeSave", "The name belongs to a folder."));

    if (target.exists() && !target.isFile()) {
        // Renaming a new file over a device or pipe would replace the node itself.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return fail(file.errorString());
        if (file.write(bytes) != bytes.size() || !file.flush())
            return fail(file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError)
            return fail(file.errorString());
        return true;
    }

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // Written straight to the descriptor: commit() does not check a write
    // left in the buffer (Qt 6.4), and QFile names a write cut short by a
    // full disk "Unknown error".
    if (const int error = writeAll(int(file.handle()), bytes); error != 0) {
        file.cancelWriting();
        return fail(QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

ReplaceOutcome replaceFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat existing
    {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return {EISDIR, true};

    // New files of a write cut short by a crash or a kill bear the program's
    // own name: they go, and no other file is touched.
    const QFileInfo info(path);
    const QStringList leftovers =
        info.dir().entryList({QStringLiteral(".~velmora-*.new")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &leftover : leftovers)
        QFile::remove(info.dir().filePath(leftover));

    const QByteArray folder = QFile::encodeName(info.path());
    QByteArray made;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        made = folder + "/.~velmora-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".new";
        fd = ::open(made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return {errno, true};
    }
    if (fd < 0)
        return {EEXIST, true};
    // A file replaced keeps who may read it; anything else gives way to a
    // file with the usual permissions.
    if (exists && S_ISREG(existing.st_mode))
        (void)::fchmod(fd, existing.st_mode & 07777);
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(made.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(made.constData());
    return {error, false};
}

} // namespace velmora
