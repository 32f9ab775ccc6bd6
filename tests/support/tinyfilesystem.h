#pragma once

// A tiny file system of its own, mounted for a test and gone after it; only
// where the test runs as root and tmpfs can be mounted.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace velmora::test {

class TinyFileSystem
{
public:
    explicit TinyFileSystem(const QString &size = QStringLiteral("64k"))
    {
        if (::geteuid() != 0 || !dir_.isValid())
            return;
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=") + size, QStringLiteral("tmpfs"), dir_.path()}) == 0;
    }
    ~TinyFileSystem()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {dir_.path()});
    }
    TinyFileSystem(const TinyFileSystem &) = delete;
    TinyFileSystem &operator=(const TinyFileSystem &) = delete;

    [[nodiscard]] bool mounted() const { return mounted_; }
    [[nodiscard]] QString path() const { return dir_.path(); }
    [[nodiscard]] QString filePath(const QString &name) const { return dir_.filePath(name); }

    // Writes a filler file until the file system has no byte left, then
    // gives `spare` bytes of it back.
    [[nodiscard]] bool fill(qint64 spare = 0) const
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
        return filler.error() != QFileDevice::NoError && filler.resize(qMax<qint64>(0, filler.size() - spare));
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace velmora::test
