#pragma once

// Flashcard packages (.apkg): a zip of an SQLite collection in the legacy
// schema 11 layout (collection.anki2), a "media" map from zip entry names to
// file names, and the media files. Widget-free.

#include "flashcards/packagezip.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QTemporaryDir;

namespace velmora::flashcards {

// Upper bounds on what is read from a package.
inline constexpr int kMaxFieldBytes = 1024 * 1024; // one value of the collection
inline constexpr int kMaxNotesRead = 5000;
inline constexpr qint64 kMaxCollectionBytes = 256LL * 1024 * 1024;

inline constexpr char kNewerFormat[] = QT_TRANSLATE_NOOP(
    "Package", "This flashcard package keeps its collection in the newer compressed format (collection.anki21b, "
               "zstd-compressed), which Velmora cannot read. Export it again with the option for older versions "
               "(legacy package) ticked, and import that file.");

struct NoteType
{
    qint64 id = 0;
    QString name;
    QStringList fields;
};

struct PackageNote
{
    qint64 id = 0;
    qint64 typeId = 0;
    QStringList fields; // markup, as stored
    QStringList tags;
};

// Where the learner stands with one facet, as the format's card keeps it.
struct ExportReview
{
    int phase = 0; // 0 new, 1 learning, 2 review, 3 relearning
    double stability = 0.0;
    double difficulty = 0.0;
    int scheduledDays = 0;
    qint64 dueSec = 0; // seconds since the epoch
    int reps = 0;
    int lapses = 0;
};

// One card of a deck as an exported note carries it.
struct ExportCard
{
    int id = 0;
    QString name;
    int group = 0;
    QStringList keywords;
    QString upright;
    QString reversed;
    QByteArray picture; // image file bytes; JPEG, PNG or GIF
    // Per facet (keywords, upright, reversed): the review state to carry, if any.
    std::array<std::optional<ExportReview>, 3> review;
};

// Bytes done of bytes in all.
using PackageProgress = std::function<void(qint64 done, qint64 total)>;

// Writes the package of a deck into `path`, which must not exist; empty, or
// the reason. Ids come from the deck's name and the card's ID, so a second
// export of the deck updates the notes of the first wherever it is imported.
// The collection is made in a fresh folder inside `workFolder` first.
[[nodiscard]] QString writePackage(const QString &path, const QString &workFolder, const QString &deckName,
                                   const QVector<ExportCard> &cards, qint64 nowMs,
                                   const PackageProgress &progress = {});

// The stable ids of one deck's notes, exposed for the tests that check them.
[[nodiscard]] qint64 noteId(const QString &deckName, int cardId);
[[nodiscard]] QString noteGuid(const QString &deckName, int cardId);

class PackageReader
{
public:
    PackageReader();
    ~PackageReader();
    PackageReader(const PackageReader &) = delete;
    PackageReader &operator=(const PackageReader &) = delete;

    // Opens the package and reads its notes; the collection is unpacked into
    // a fresh folder inside `workFolder`, removed with the reader. False,
    // with errorText() saying why in words for the user.
    [[nodiscard]] bool open(const QString &path, const QString &workFolder);
    [[nodiscard]] const QString &errorText() const { return error_; }

    [[nodiscard]] const QVector<NoteType> &noteTypes() const { return types_; }
    [[nodiscard]] const QVector<PackageNote> &notes() const { return notes_; }
    // Notes past kMaxNotesRead, counted but not read.
    [[nodiscard]] qint64 notesNotRead() const { return notesNotRead_; }
    // The name of the deck most notes are in; else the file's name.
    [[nodiscard]] const QString &deckName() const { return deckName_; }
    // The named media file's bytes; empty when the package has no such file
    // or it cannot be read within the bounds.
    [[nodiscard]] QByteArray mediaFile(const QString &fileName);

private:
    [[nodiscard]] bool readCollection(const QString &collectionPath);

    PackageZipReader zip_;
    std::unique_ptr<QTemporaryDir> work_;
    QHash<QString, QString> media_; // file name -> entry name
    QVector<NoteType> types_;
    QVector<PackageNote> notes_;
    qint64 notesNotRead_ = 0;
    QString deckName_;
    QString error_;
};

} // namespace velmora::flashcards
