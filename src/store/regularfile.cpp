#include "store/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::store {

namespace {

// One sentence per kind, since the article of the kind follows its word in
// other languages.
QString notAFileText(mode_t mode, const QString &name)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("RegularFile", "%1 is a folder, not a file, so it is not read.").arg(name);
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("RegularFile", "%1 is a pipe, not a file, so it is not read.").arg(name);
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("RegularFile", "%1 is a socket, not a file, so it is not read.").arg(name);
    return QCoreApplication::translate("RegularFile", "%1 is a device, not a file, so it is not read.").arg(name);
}

} // namespace

RegularFile::~RegularFile()
{
    close();
}

void RegularFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool RegularFile::open(const QString &path)
{
    close();
    missing_ = false;
    error_.clear();
    const QString name = QFileInfo(path).fileName();
    const QByteArray native = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat link
        {};
        if (error == ENOENT && ::lstat(native.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
            error_ =
                QCoreApplication::translate("RegularFile", "%1 is a link to a file that does not exist.").arg(name);
            return false;
        }
        missing_ = error == ENOENT;
        error_ = QCoreApplication::translate("RegularFile", "%1 cannot be read: %2.")
                     .arg(name, QString::fromLocal8Bit(std::strerror(error)));
        return false;
    }
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error_ = notAFileText(info.st_mode, name);
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fd_ = fd;
    size_ = info.st_size;
    return true;
}

bool RegularFile::read(qint64 maxBytes, QByteArray &out)
{
    out.clear();
    constexpr qint64 kChunk = 1 << 20;
    while (out.size() < maxBytes) {
        const qint64 want = std::min(kChunk, maxBytes - out.size());
        const qsizetype at = out.size();
        out.resize(at + want);
        const ssize_t n = ::read(fd_, out.data() + at, std::size_t(want));
        if (n < 0 && errno == EINTR) {
            out.resize(at);
            continue;
        }
        if (n < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            out.clear();
            return false;
        }
        out.resize(at + n);
        if (n == 0)
            break;
    }
    return true;
}

BoundedRead readRegularFile(const QString &path, qint64 bound)
{
    BoundedRead result;
    RegularFile file;
    if (!file.open(path)) {
        result.missing = file.missing();
        result.error = file.errorText();
        return result;
    }
    // One byte past the bound tells a file that holds more.
    if (!file.read(bound + 1, result.bytes)) {
        result.error = QCoreApplication::translate("RegularFile", "%1 cannot be read: %2.")
                           .arg(QFileInfo(path).fileName(), file.errorText());
        return result;
    }
    result.cut = result.bytes.size() > bound;
    if (result.cut)
        result.bytes.truncate(bound);
    result.ok = true;
    return result;
}

} // namespace velmora::store
