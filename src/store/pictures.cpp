#include "store/pictures.h"

#include "store/database.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>

#include <algorithm>

namespace velmora {

namespace {

// Deletes the temporary file on every way out of a transfer.
class TempFileGuard
{
public:
    explicit TempFileGuard(QString path) : path_(std::move(path)) {}
    ~TempFileGuard()
    {
        if (!path_.isEmpty())
            QFile::remove(path_);
    }
    TempFileGuard(const TempFileGuard &) = delete;
    TempFileGuard &operator=(const TempFileGuard &) = delete;
    [[nodiscard]] const QString &path() const { return path_; }

private:
    QString path_;
};

QImage decodeFrom(QImageReader &reader)
{
    QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024LL * 1024)));
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

} // namespace

QString withTrailingSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString TempFolder()
{
    static const QString folder = withTrailingSeparator(QDir::tempPath());
    return folder;
}

QString MakeTempFileName(const QString &prefix)
{
    QTemporaryFile file(TempFolder() + prefix + QStringLiteral("XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

QImage decodePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decodeFrom(reader);
}

QImage turnedHalf(const QImage &image)
{
    if (image.isNull())
        return image;
    // Half a turn of a 32-bit picture is its pixels in reverse order, several
    // times faster than Qt's general mirroring.
    const QImage source = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    QImage turned(source.size(), source.format());
    const auto *first = reinterpret_cast<const quint32 *>(source.constBits());
    const qsizetype pixels = qsizetype(source.width()) * source.height();
    std::reverse_copy(first, first + pixels, reinterpret_cast<quint32 *>(turned.bits()));
    return turned;
}

bool SavePictureToField(const PictureHolder &holder, ResultSet &rs, const QString &fieldName)
{
    const QImage image = holder.picture();
    if (image.isNull())
        return false;
    const TempFileGuard temp(MakeTempFileName(QStringLiteral("TMP")));
    if (temp.path().isEmpty())
        return false;
    QImageWriter writer(temp.path(), "bmp");
    if (!writer.write(image))
        return false;
    QFile file(temp.path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty())
        return false;
    return rs.appendChunk(fieldName, bytes);
}

bool LoadPictureFromField(PictureHolder &holder, ResultSet &rs, const QString &fieldName)
{
    const TempFileGuard temp(MakeTempFileName(QStringLiteral("TMP")));
    const qint64 size = rs.actualSize(fieldName);
    QImage image;
    if (!temp.path().isEmpty() && size > 0) {
        const QByteArray bytes = rs.getChunk(fieldName, size);
        QFile file(temp.path());
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
            file.close();
            QImageReader reader(temp.path());
            image = decodeFrom(reader);
        }
    }
    holder.setPicture(image);
    return !image.isNull();
}

} // namespace velmora
