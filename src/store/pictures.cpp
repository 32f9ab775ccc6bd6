#include "store/pictures.h"

#include "store/deck.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <mutex>

namespace velmora {

QByteArray bmpFileBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&buffer, "bmp");
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray jpegFileBytes(const QImage &image, int quality)
{
    if (image.isNull())
        return {};
    QImage opaque = image;
    // JPEG has no transparency: what shows through is what the picture box
    // would show behind it, white, not the black of the bare pixels.
    if (image.hasAlphaChannel()) {
        opaque = QImage(image.size(), QImage::Format_RGB32);
        if (opaque.isNull())
            return {};
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    return writer.write(opaque) ? bytes : QByteArray();
}

bool isJpegFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return buffer.open(QIODevice::ReadOnly) && QImageReader::imageFormat(&buffer) == "jpeg";
}

QImage decodePicture(const QByteArray &bytes, QSize shownSize)
{
    if (bytes.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kPictureAllocationLimitMb); });
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() * 4 > qint64(kPictureAllocationLimitMb) << 20)
        return {};
    const bool shrink = shownSize.isValid() && !shownSize.isEmpty() &&
                        (size.width() > shownSize.width() || size.height() > shownSize.height());
    const QSize target = size.scaled(shownSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // A format that cannot decode at a smaller size (BMP, as pictures are
    // stored) is decoded whole; smoothing all of it down would cost more than
    // decoding, so it is first thinned to twice the size, then smoothed.
    const bool scalesItself = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (shrink && scalesItself)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image))
        return {};
    if (shrink && !scalesItself) {
        if (image.width() > 2 * target.width() && image.height() > 2 * target.height())
            image = image.scaled(target * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

QImage turnedHalf(const QImage &image)
{
    if (image.isNull())
        return image;
    // Half a turn of a 32-bit picture is its pixels in reverse order, several
    // times faster than Qt's general mirroring.
    const QImage source = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return {};
    QImage turned(source.size(), source.format());
    if (turned.isNull())
        return {};
    const auto *first = reinterpret_cast<const quint32 *>(source.constBits());
    const qsizetype pixels = qsizetype(source.width()) * source.height();
    if (source.bytesPerLine() != source.width() * 4)
        return source.mirrored(true, true);
    std::reverse_copy(first, first + pixels, reinterpret_cast<quint32 *>(turned.bits()));
    return turned;
}

bool SavePictureToField(const PictureHolder &holder, Deck &deck, int cardId)
{
    const QByteArray bytes = bmpFileBytes(holder.picture());
    return !bytes.isEmpty() && deck.savePicture(cardId, bytes);
}

bool LoadPictureFromField(PictureHolder &holder, Deck &deck, int cardId, QSize shownSize)
{
    const QImage image = decodePicture(deck.picture(cardId), shownSize);
    holder.setPicture(image);
    return !image.isNull();
}

} // namespace velmora
