#pragma once

// Reading a file someone else may have put in place: only a regular file is
// read, the open never waits on a pipe or a device, and no more than a bound
// is read, whatever size the file claimed beforehand.

#include <QByteArray>
#include <QString>

namespace velmora::store {

// A descriptor of a regular file opened for reading, closed with it.
class RegularFile
{
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    // Opens without blocking, then checks the opened file itself: a folder, a
    // device, a pipe, a socket or a link to nothing is refused, with
    // errorText() saying which. missing() tells a path that names nothing.
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] int handle() const { return fd_; }
    // The size when it was opened.
    [[nodiscard]] qint64 size() const { return size_; }
    [[nodiscard]] bool missing() const { return missing_; }
    [[nodiscard]] const QString &errorText() const { return error_; }
    // Reads up to maxBytes (or to the end); false on a read error, with
    // errorText() set.
    [[nodiscard]] bool read(qint64 maxBytes, QByteArray &out);
    void close();

private:
    int fd_ = -1;
    qint64 size_ = 0;
    bool missing_ = false;
    QString error_;
};

struct BoundedRead
{
    bool ok = false;      // the file was read, wholly or up to the bound
    bool missing = false; // nothing at the path
    bool cut = false;     // more than the bound was there and was left unread
    QByteArray bytes;
    QString error; // why nothing was read
};

// At most `bound` bytes of a regular file.
[[nodiscard]] BoundedRead readRegularFile(const QString &path, qint64 bound);

} // namespace velmora::store
