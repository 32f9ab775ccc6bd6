#pragma once

// Card pictures inside the deck databases: PictureData holds the complete
// bytes of one image file. Pictures pass between deck and screen in memory.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace velmora {

class Deck;

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

// Decoding may allocate at most this many megabytes, so a picture and its
// half-turned copy stay under 300 MB; larger pictures are refused.
inline constexpr int kPictureAllocationLimitMb = 128;

// Writes the holder's picture as a BMP file into the card's PictureData,
// replacing what was there, in one transaction. False, and the card untouched,
// when the holder shows nothing or the write fails (the deck's errorText says why).
[[nodiscard]] bool SavePictureToField(const PictureHolder &holder, Deck &deck, int cardId);

// Shows the card's picture, decoded to fit within shownSize when that is valid.
// On false the holder shows no picture: none stored, or bytes that do not decode.
bool LoadPictureFromField(PictureHolder &holder, Deck &deck, int cardId, QSize shownSize = {});

// The picture as a BMP file's bytes; empty when it cannot be written.
[[nodiscard]] QByteArray bmpFileBytes(const QImage &image);

// Compact pictures are JPEG files at this quality: a tenth of a BMP's size
// for a photo, with no loss the eye sees at the sizes cards are shown.
inline constexpr int kCompactJpegQuality = 92;

// The picture as a JPEG file's bytes, transparency on white; empty when it
// cannot be written.
[[nodiscard]] QByteArray jpegFileBytes(const QImage &image, int quality = kCompactJpegQuality);

// Image file bytes hold a JPEG file, as readers tell it from the bytes.
[[nodiscard]] bool isJpegFile(const QByteArray &bytes);

// What a JPEG decoder would walk through, found from the markers alone.
struct JpegLayout
{
    int scans = 0;            // start-of-scan markers before the end of image
    qint64 metadataBytes = 0; // application and comment segments
};
[[nodiscard]] JpegLayout jpegLayout(const QByteArray &bytes);

// Each scan of a progressive JPEG costs the decoder a pass over the whole
// picture, however few bytes it takes: a file of one scan repeated decodes
// for hours. Encoders write about ten; more than this is refused.
inline constexpr int kMaxJpegScans = 100;

// Decodes image file bytes in whatever format they hold, scaled down to fit
// within shownSize when that is valid, turned as their orientation tag says;
// null when they do not decode, would need more memory than the allocation
// limit, or hold more JPEG scans than allowed.
[[nodiscard]] QImage decodePicture(const QByteArray &bytes, QSize shownSize = {});

// The picture turned by half a turn, as the reversed card is shown; null when
// memory for it cannot be had.
[[nodiscard]] QImage turnedHalf(const QImage &image);

} // namespace velmora
