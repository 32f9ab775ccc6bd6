#pragma once

// JPEG files that are valid to a decoder and hostile to the one who shows
// them: one scan repeated until decoding takes minutes, megabytes of metadata
// around a few pixels, and an orientation tag that turns the picture.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace velmora::test {

// A picture whose halves differ (dark upper half, light lower half), so that
// a turned copy can be told apart.
inline QImage twoToneImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(20, 20, 90));
    QPainter(&image).fillRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2,
                              QColor(240, 230, 200));
    return image;
}

inline QByteArray progressiveJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    return writer.write(image) ? bytes : QByteArray();
}

// A progressive JPEG whose last scan is repeated until it has `scans` scans:
// the decoder does the last scan's work each time.
inline QByteArray scanBombJpeg(QSize size, int scans)
{
    const QByteArray plain = progressiveJpeg(twoToneImage(size));
    const qsizetype last = plain.lastIndexOf(QByteArray("\xff\xda", 2));
    const qsizetype end = plain.lastIndexOf(QByteArray("\xff\xd9", 2));
    if (last < 0 || end < last)
        return {};
    const int own = int(plain.count(QByteArray("\xff\xda", 2)));
    const QByteArray scan = plain.mid(last, end - last);
    QByteArray bomb = plain.left(end);
    bomb.reserve(plain.size() + scan.size() * std::max(0, scans - own));
    for (int i = own; i < scans; ++i)
        bomb += scan;
    return bomb + QByteArray("\xff\xd9", 2);
}

// One APPn segment right after the start of image.
inline QByteArray withSegment(const QByteArray &jpeg, char marker, const QByteArray &payload)
{
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xff", 1);
    segment += marker;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

// EXIF data saying how the picture is to be turned (1 upright, 3 half a
// turn, 6 a quarter turn clockwise).
inline QByteArray withOrientation(const QByteArray &jpeg, int orientation)
{
    const char exif[] = {'E',  'x',  'i', 'f', 0, 0, 'M', 'M', 0, 0x2a, 0, 0, 0, 8, 0, 1,
                         0x01, 0x12, 0,   3,   0, 0, 0,   1,   0, 0,    0, 0, 0, 0, 0, 0};
    QByteArray payload(exif, sizeof exif);
    payload[25] = char(orientation);
    return withSegment(jpeg, '\xe1', payload);
}

// The JPEG carrying at least `bytes` of APP1 data that says nothing.
inline QByteArray withPadding(const QByteArray &jpeg, qint64 bytes)
{
    constexpr int kPerSegment = 65533;
    QByteArray padded = jpeg.left(2);
    padded.reserve(jpeg.size() + bytes + bytes / kPerSegment * 4 + 8);
    const QByteArray segment = QByteArray("\xff\xe1\xff\xff", 4) + QByteArray(kPerSegment, 'x');
    for (qint64 added = 0; added < bytes; added += kPerSegment)
        padded += segment;
    return padded + jpeg.mid(2);
}

} // namespace velmora::test
