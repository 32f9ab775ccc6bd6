#pragma once

// Whole files read and written by tests, for set-up and for checking what was saved.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <sys/stat.h>

namespace velmora::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file with the bytes, making its folder first; false unless all were written.
[[nodiscard]] inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Puts at path what a careless or hostile hand could: "pipe" (a FIFO that
// no one writes), "device" (a link to /dev/zero, endless bytes of size 0) or
// "dangling" (a link to nothing).
[[nodiscard]] inline bool makeSpecialFile(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return QFile::link(kind == QLatin1String("device") ? QStringLiteral("/dev/zero") : path + QStringLiteral(".gone"),
                       path);
}

} // namespace velmora::test
