#include "design/designrules.h"

#include "store/pictures.h"
#include "store/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace velmora {

qsizetype characterCount(QStringView text)
{
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --count;
    }
    return count;
}

std::optional<QString> meaningTooLong(Meaning which, const QString &text)
{
    if (characterCount(text) <= kMaxMeaningLength)
        return std::nullopt;
    return which == Meaning::Normal ? QCoreApplication::translate("velmora::FrmDeckDesign",
                                                                  "Normal Meaning can be maximum of 360 characters")
                                    : QCoreApplication::translate("velmora::FrmDeckDesign",
                                                                  "Reverse Meaning can be maximum of 360 characters");
}

std::optional<int> groupForSave(const GroupOptions &options)
{
    if (options.major)
        return 0;
    return suitGroup(options);
}

std::optional<int> suitGroup(const GroupOptions &options)
{
    const bool suits[] = {options.cups, options.wands, options.pentacles, options.swords};
    for (int i = 0; i < 4; ++i) {
        if (suits[i])
            return i + 1;
    }
    return std::nullopt;
}

std::optional<GroupOptions> optionsForGroup(int group, const GroupOptions &current)
{
    if (group < 0 || group > 4)
        return std::nullopt;
    GroupOptions shown = current;
    shown.major = group == 0;
    shown.minor = group != 0;
    if (group != 0) {
        shown.cups = group == 1;
        shown.wands = group == 2;
        shown.pentacles = group == 3;
        shown.swords = group == 4;
    }
    return shown;
}

QString shownCardName(const QString &stored)
{
    return stored.isNull() ? QStringLiteral("Card 1") : stored;
}

PictureChoice::Refusal PictureChoice::add(const QString &path)
{
    if (freeSlots_ <= 0)
        return Refusal::Limit;
    for (const QString &file : std::as_const(files_)) {
        if (file.compare(path, Qt::CaseInsensitive) == 0)
            return Refusal::Duplicate;
    }
    files_.append(path);
    --freeSlots_;
    return Refusal::None;
}

bool PictureChoice::remove(int index)
{
    if (files_.isEmpty())
        return false;
    if (index >= 0 && index < files_.size()) {
        files_.removeAt(index);
        ++freeSlots_;
    }
    return true;
}

void PictureChoice::clear()
{
    freeSlots_ += int(files_.size());
    files_.clear();
}

QString limitMessage(int slotsAtOpening)
{
    return QCoreApplication::translate("velmora::FrmLoadPictures",
                                       "%n Pictures already added\nYou cannot add any more pictures", nullptr,
                                       slotsAtOpening);
}

QString duplicateMessage()
{
    return QCoreApplication::translate("velmora::FrmLoadPictures",
                                       "This Picture has already been added.\nPlease select another picture");
}

QVector<int> pictureTargets(const QVector<bool> &cardHasPicture, int fileCount)
{
    QVector<int> targets;
    for (int i = 0; i < cardHasPicture.size() && targets.size() < fileCount; ++i) {
        if (!cardHasPicture[i])
            targets.append(i);
    }
    return targets;
}

QRect fitPictureRect(QSizeF pictureSize, QSizeF boxSize, QSizeF fixedSize)
{
    const double sw = boxSize.width();
    const double sh = boxSize.height();
    double w = pictureSize.width();
    double h = pictureSize.height();
    double outW = 0;
    double outH = 0;
    if (w > sw) {
        outW = sw;
        h = h * sw / w;
    } else {
        outW = fixedSize.width();
    }
    if (h > sh) {
        outH = sh;
        outW = outW * sh / h;
    } else {
        outH = fixedSize.height();
    }
    return QRectF((sw - outW) / 2, (sh - outH) / 2, outW, outH).toRect();
}

bool isListedPicture(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

bool isLeanJpeg(const QByteArray &bytes, QSize size)
{
    // Room for a camera's EXIF block and a colour profile; a JPEG's own data
    // never needs more than the raw pixels would.
    constexpr qint64 kMetadataRoom = 64 * 1024;
    if (!size.isValid())
        return false;
    const JpegLayout layout = jpegLayout(bytes);
    return layout.metadataBytes <= kMetadataRoom &&
           bytes.size() <= qint64(size.width()) * size.height() * 3 + kMetadataRoom;
}

PictureFile readPictureFile(const QString &path, StoredForm form, QSize shownSize)
{
    const QString name = QFileInfo(path).fileName();
    const store::BoundedRead file = store::readRegularFile(path, kMaxPictureFileBytes);
    if (!file.ok)
        return {{}, {}, {}, file.error};
    if (file.cut)
        return {{},
                {},
                {},
                QCoreApplication::translate("velmora::FrmLoadPictures", "%1: the file is larger than %2 MB")
                    .arg(name, QString::number(kMaxPictureFileBytes >> 20))};
    const QByteArray &bytes = file.bytes;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead())
        return {{}, {}, {}, QCoreApplication::translate("velmora::FrmLoadPictures", "%1: not a picture").arg(name)};
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > qint64(kPictureAllocationLimitMb) * 1024 * 1024)
        return {{},
                {},
                {},
                QCoreApplication::translate("velmora::FrmLoadPictures", "%1: the picture is too large (%2 x %3 pixels)")
                    .arg(name, QString::number(size.width()), QString::number(size.height()))};
    const bool turned = reader.transformation() != QImageIOHandler::TransformationNone;
    const bool keepBytes = form == StoredForm::Compact && isJpegFile(bytes) && !turned && isLeanJpeg(bytes, size);
    // Kept bytes are decoded all the same: a file that does not decode is refused.
    QImage image = decodePicture(bytes, keepBytes ? shownSize : QSize());
    if (image.isNull())
        return {{},
                {},
                {},
                QCoreApplication::translate("velmora::FrmLoadPictures",
                                            "%1: the picture cannot be decoded within the memory limit")
                    .arg(name)};
    const QSize ownSize = !size.isValid()                                                     ? image.size()
                          : reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed()
                                                                                              : size;
    PictureFile read{std::move(image), ownSize, {}, {}};
    read.stored = keepBytes                     ? bytes
                  : form == StoredForm::Compact ? jpegFileBytes(read.image)
                                                : bmpFileBytes(read.image);
    if (read.stored.isEmpty())
        read.error = QCoreApplication::translate("velmora::FrmLoadPictures", "%1: cannot be written as %2")
                         .arg(name, QLatin1String(form == StoredForm::Compact ? "JPEG" : "BMP"));
    return read;
}

QString failedFilesMessage(const QStringList &failures)
{
    return QCoreApplication::translate("velmora::FrmLoadPictures", "These pictures were not stored:\n%1")
        .arg(failures.join(QLatin1Char('\n')));
}

} // namespace velmora
