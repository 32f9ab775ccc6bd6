#pragma once

// Card pictures inside the deck databases: the field holds the complete bytes
// of one image file. Transfers pass through a short-lived temporary file.

#include <QImage>
#include <QString>

namespace velmora {

class ResultSet;

// A screen element that shows one picture.
class PictureHolder
{
public:
    virtual ~PictureHolder() = default;
    // A null image means the holder shows no picture.
    [[nodiscard]] virtual QImage picture() const = 0;
    virtual void setPicture(const QImage &image) = 0;
};

// A holder without a screen, for code that only needs the image.
class PlainPictureHolder : public PictureHolder
{
public:
    [[nodiscard]] QImage picture() const override { return image_; }
    void setPicture(const QImage &image) override { image_ = image; }

private:
    QImage image_;
};

// The system temporary folder with a trailing '/', looked up once per process.
QString TempFolder();
// Appends the separator only when missing.
QString withTrailingSeparator(const QString &folder);

// Creates a new empty, uniquely named file in TempFolder() and returns its path
// (empty when no file could be created).
QString MakeTempFileName(const QString &prefix);

// Writes the holder's picture, as a BMP file's bytes, into the field of the
// current row. Leaves the row unsaved. False, and the field untouched, when
// the holder shows nothing or the picture cannot be written.
bool SavePictureToField(const PictureHolder &holder, ResultSet &rs, const QString &fieldName);

// Shows the picture of the current row's field. On false the holder shows no
// picture: a Null or empty field, or bytes that do not decode.
bool LoadPictureFromField(PictureHolder &holder, ResultSet &rs, const QString &fieldName);

// Decoded pictures larger than this many pixels are refused.
inline constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

// Decodes image file bytes in whatever format they hold; null when they do not decode.
QImage decodePicture(const QByteArray &bytes);

// The picture turned by half a turn, as the reversed card is shown.
QImage turnedHalf(const QImage &image);

} // namespace velmora
