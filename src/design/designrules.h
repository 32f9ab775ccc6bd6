#pragma once

// The card editor's and picture loader's rules, without a window: the
// meaning limit, the group of the option buttons, the loader's slot count and
// list checks, which picture goes to which card, the preview's stretch rule
// and reading a picture file within the decode limits.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora {

inline constexpr int kMaxMeaningLength = 360;

enum class Meaning { Normal, Reversed };

// Characters as the user sees them: one outside the basic plane (an emoji)
// is two UTF-16 units but one character.
[[nodiscard]] qsizetype characterCount(QStringView text);

// The message for a meaning longer than the limit, in characters; nothing when it fits.
[[nodiscard]] std::optional<QString> meaningTooLong(Meaning which, const QString &text);

// The option buttons as the window shows them.
struct GroupOptions
{
    bool major = false;
    bool minor = false;
    bool cups = false;
    bool wands = false;
    bool pentacles = false;
    bool swords = false;
};

// Save's group: the first checked of Major (0), Cups, Wands, Pentacles, Swords.
[[nodiscard]] std::optional<int> groupForSave(const GroupOptions &options);
// Minor Arcana's group: the first checked suit, 1 to 4.
[[nodiscard]] std::optional<int> suitGroup(const GroupOptions &options);
// The options that show a stored group; nothing for a group outside 0..4.
[[nodiscard]] std::optional<GroupOptions> optionsForGroup(int group, const GroupOptions &current);

// The name box's text for a stored name: "Card 1" for a Null name.
[[nodiscard]] QString shownCardName(const QString &stored);

// The loader's list of chosen files and its free slots.
class PictureChoice
{
public:
    explicit PictureChoice(int freeSlots = 0) : freeSlots_(freeSlots), slotsAtOpening_(freeSlots) {}

    // Nothing when added, else the message (and its icon is the caller's).
    enum class Refusal { None, Limit, Duplicate };
    Refusal add(const QString &path);
    // False when the list is empty.
    bool remove(int index);
    void clear();

    [[nodiscard]] const QStringList &files() const { return files_; }
    [[nodiscard]] int freeSlots() const { return freeSlots_; }
    [[nodiscard]] int slotsAtOpening() const { return slotsAtOpening_; }

private:
    QStringList files_;
    int freeSlots_ = 0;
    int slotsAtOpening_ = 0;
};

[[nodiscard]] QString limitMessage(int slotsAtOpening);
[[nodiscard]] QString duplicateMessage();

// Which card (0-based position) receives chosen file i: the cards without a
// picture, in table order, one file each, as far as files last.
[[nodiscard]] QVector<int> pictureTargets(const QVector<bool> &cardHasPicture, int fileCount);

// Where the preview draws a picture of pictureSize in a box of boxSize: a
// picture smaller than the box in a direction is stretched to the fixed size
// (fixedSize) there; only one too high after the width step keeps its
// proportions. Sizes in one unit, comparisons strict.
[[nodiscard]] QRect fitPictureRect(QSizeF pictureSize, QSizeF boxSize, QSizeF fixedSize);

// The file list shows files ending in ".jpg", in any letter case.
[[nodiscard]] bool isListedPicture(const QString &fileName);

// How the loader stores pictures: as BMP files, or compact, where an upright
// JPEG file without bulk beyond its pixels keeps its own bytes and any other
// picture becomes a JPEG file, upright and without the original's metadata.
enum class StoredForm { Bmp, Compact };

// The JPEG file of a picture of this size carries no more than a camera's
// metadata and what its pixels need.
[[nodiscard]] bool isLeanJpeg(const QByteArray &bytes, QSize size);

// A picture file read within the decode limits, with the bytes to store.
struct PictureFile
{
    // Full size, except for a JPEG file stored as it is: decoded to fit
    // shownSize, as nothing else needs it larger.
    QImage image;
    QSize size; // the picture's own size, in pixels
    QByteArray stored;
    QString error; // why the file cannot be used; empty when image is valid
};

inline constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

[[nodiscard]] PictureFile readPictureFile(const QString &path, StoredForm form = StoredForm::Bmp, QSize shownSize = {});

// The closing message of a save that stored not every file.
[[nodiscard]] QString failedFilesMessage(const QStringList &failures);

} // namespace velmora
