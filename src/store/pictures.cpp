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

JpegLayout jpegLayout(const QByteArray &bytes)
{
    JpegLayout layout;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xff || data[1] != 0xd8)
        return layout;
    // Segments are skipped by their lengths; between them (in entropy-coded
    // data) a marker is any 0xff not followed by a stuffed zero, a restart
    // or another 0xff, as the decoder finds them.
    qsizetype at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xff) {
            ++at;
            continue;
        }
        const uchar marker = data[at + 1];
        if (marker == 0xff) {
            ++at;
            continue;
        }
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += 2;
            continue;
        }
        if (marker == 0xd9 || at + 3 >= size)
            break;
        const int length = (data[at + 2] << 8) | data[at + 3];
        if (marker == 0xda)
            ++layout.scans;
        else if ((marker >= 0xe0 && marker <= 0xef) || marker == 0xfe)
            layout.metadataBytes += length + 2;
        at += 2 + std::max(length, 2);
    }
    return layout;
}

QImage decodePicture(const QByteArray &bytes, QSize shownSize)
{
    if (bytes.isEmpty())
        return {};
    if (jpegLayout(bytes).scans > kMaxJpegScans)
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kPictureAllocationLimitMb); });
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A phone photo is stored as the sensor saw it, with a tag saying how to
    // hold it.
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid() || qint64(stored.width()) * stored.height() * 4 > qint64(kPictureAllocationLimitMb) << 20)
        return {};
    const bool quarterTurned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize size = quarterTurned ? stored.transposed() : stored;
    const bool shrink = shownSize.isValid() && !shownSize.isEmpty() &&
                        (size.width() > shownSize.width() || size.height() > shownSize.height());
    const QSize target = size.scaled(shownSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // A format that cannot decode at a smaller size (BMP, as pictures are
    // stored) is decoded whole; smoothing all of it down would cost more than
    // decoding, so it is first thinned to twice the size, then smoothed.
    const bool scalesItself = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (shrink && scalesItself) // the decoder scales before it turns
        reader.setScaledSize(quarterTurned ? target.transposed() : target);
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
