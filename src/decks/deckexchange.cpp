#include "decks/deckexchange.h"

#include "store/catalog.h"
#include "store/dbfile.h"
#include "store/deck.h"
#include "store/integrity.h"
#include "store/paths.h"
#include "store/pictures.h"
#include "store/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace velmora::exchange {

namespace {

// Small enough that a window painting between two chunks never waits long.
constexpr qint64 kChunk = 1024 * 1024;

const QString kTutor = QStringLiteral("Tutor");

ExchangeOutcome refusal(const QString &text, PromptIcon icon)
{
    ExchangeOutcome outcome;
    outcome.message = Prompt{text, icon, PromptButtons::Ok, QString::fromLatin1(kAppTitle)};
    return outcome;
}

QString unknownStructure(const QString &why)
{
    const QString text = QCoreApplication::translate("DeckExchange", kUnknownStructure);
    return why.isEmpty() ? text : text + QStringLiteral("\r\n\r\n") + why;
}

// Every file the program makes on its way, in the exchange folder or beside
// a target, is named with this, so that it never takes or removes a file
// someone else put there.
const QString kWorkingName = QStringLiteral("~velmora-");

// The working copy in the exchange folder, removed when the operation ends.
// Working copies there at the start were left by an operation that a crash
// or a kill cut short (one program runs per program folder): they go first,
// or each would keep a deck's size of disk. Other files are the user's.
class ExchangeCopy
{
public:
    explicit ExchangeCopy(const QString &operation)
        : path_(QDir(paths::exchangeFolder()).filePath(kWorkingName + operation + QStringLiteral(".vdk")))
    {
        const QFileInfoList leftovers =
            QDir(paths::exchangeFolder()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo &leftover : leftovers) {
            if (leftover.fileName().startsWith(kWorkingName) ||
                leftover.fileName().startsWith(QLatin1Char('.') + kWorkingName))
                QFile::remove(leftover.filePath());
        }
    }
    ~ExchangeCopy()
    {
        // A connection kept for reuse would hold the removed file open, and
        // its disk space taken, until the next export.
        store::closeIdleConnections(path_);
        QFile::remove(path_);
    }
    ExchangeCopy(const ExchangeCopy &) = delete;
    ExchangeCopy &operator=(const ExchangeCopy &) = delete;
    [[nodiscard]] const QString &path() const { return path_; }

private:
    QString path_;
};

// The program empties what it makes in the exchange folder: through a link
// that would be whatever folder the link names.
QString exchangeFolderProblem()
{
    const QFileInfo folder(paths::exchangeFolder());
    if (!folder.isSymLink())
        return {};
    return QCoreApplication::translate(
               "DeckExchange", "The exchange folder %1 is a link. The program makes and removes its working copies "
                               "there, so it must be a folder of its own: replace the link with an empty folder.")
        .arg(folder.filePath());
}

// A new file of the program's own name beside `target`, opened for writing.
// The name does not grow with the target's, which may be as long as a file
// name can be.
bool openBeside(const QString &target, QFile &out)
{
    const QDir folder = QFileInfo(target).dir();
    for (int attempt = 0; attempt < 100; ++attempt) {
        out.setFileName(folder.filePath(QLatin1Char('.') + kWorkingName +
                                        QString::number(QRandomGenerator::global()->generate64(), 36) +
                                        QStringLiteral(".part")));
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (out.error() != QFileDevice::OpenError || !QFileInfo::exists(out.fileName()))
            return false;
    }
    return false;
}

// Renames without ever replacing what is at `to`, a link included; 0, or
// the system's error.
int renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without that rename: a hard link never replaces either,
    // and where there are none, a name found free is taken.
    if (::link(source.constData(), target.constData()) == 0)
        return ::unlink(source.constData()) == 0 ? 0 : errno;
    struct stat present
    {};
    if (errno == EEXIST || ::lstat(target.constData(), &present) == 0)
        return EEXIST;
    return std::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}

// The copy goes to the exchange folder and from there to the deck folder
// (moved on one disk, copied across two): each must have room for it, or a
// full disk would be found half-way.
QString spaceProblem(qint64 size)
{
    // Room to spare for the catalog's row and whatever else is written meanwhile.
    constexpr qint64 kMargin = 1024 * 1024;
    const auto megabytes = [](qint64 bytes) { return QString::number((bytes + (1 << 20) - 1) >> 20); };
    for (const QString &folder : {paths::exchangeFolder(), paths::deckFolder()}) {
        struct statvfs space
        {};
        if (::statvfs(QFile::encodeName(folder).constData(), &space) != 0)
            continue;
        const qint64 free = qint64(space.f_bavail) * qint64(space.f_frsize);
        if (free < size + kMargin)
            return QCoreApplication::translate("DeckExchange",
                                               "The disk of the folder %1 has %2 MB free, and the deck needs %3 MB.")
                .arg(QDir::toNativeSeparators(folder), megabytes(free), megabytes(size + kMargin));
    }
    return {};
}

} // namespace

ImportCheck checkImportable(const QString &path)
{
    Deck deck;
    if (!deck.open(path))
        return {refusal(unknownStructure(deck.errorText()), PromptIcon::Critical), {}};
    const auto stamp = deck.typeStamp();
    if (stamp && stamp->isDefault)
        return {refusal(QCoreApplication::translate("DeckExchange", kDefaultNoImport), PromptIcon::Warning), {}};
    if (!stamp || stamp->type != kTutor || stamp->software != kTutor)
        return {refusal(unknownStructure(QCoreApplication::translate(
                            "DeckExchange", "The file's type stamp does not name a deck of this program.")),
                        PromptIcon::Critical),
                {}};
    const auto header = deck.header();
    if (!header)
        return {refusal(unknownStructure(deck.errorText()), PromptIcon::Critical), {}};
    // It would be listed as a blank entry no one can tell from another.
    if (header->deckName.trimmed().isEmpty())
        return {refusal(unknownStructure(QCoreApplication::translate(
                            "DeckExchange", "The deck in the file has no name: its header row is missing "
                                            "or its name is empty.")),
                        PromptIcon::Critical),
                {}};
    deck.close();
    if (const QString problem = deckFileIntegrityProblem(path); !problem.isEmpty())
        return {refusal(unknownStructure(problem), PromptIcon::Critical), {}};
    return {std::nullopt, header->deckName};
}

bool folderHoldsExactName(const QString &folder, const QString &fileName)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return names.contains(fileName, Qt::CaseSensitive);
}

namespace {
// Empty once the file's data is on the disk, else the reason.
QString flushToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool flushed = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    return flushed ? QString()
                   : QCoreApplication::translate("DeckExchange", "The file %1 could not be written: %2.")
                         .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(error)));
}
} // namespace

QString copyComplete(const QString &source, const QString &target, const ExchangeProgress &progress, qint64 doneBefore,
                     qint64 total, bool flushNow)
{
    store::RegularFile in;
    if (!in.open(source))
        return in.errorText();
    // What the file held when it was opened is copied, however it grows.
    const qint64 size = in.size();
    if (total < 0)
        total = size;
    if (QFileInfo::exists(target))
        return QCoreApplication::translate("DeckExchange", "The file %1 is there already.").arg(target);
    QFile out;
    const QString folder = QFileInfo(target).absolutePath();
    if (!openBeside(target, out))
        return QCoreApplication::translate("DeckExchange", "The folder %1 cannot be written to: %2.")
            .arg(folder, out.errorString());
    const QString temporary = out.fileName();
    const auto fail = [&](const QString &reason) {
        out.close();
        QFile::remove(temporary);
        return QCoreApplication::translate("DeckExchange", "The file %1 could not be written in %2: %3.")
            .arg(QFileInfo(target).fileName(), folder, reason);
    };
    qint64 done = 0;
    QByteArray chunk;
    while (done < size) {
        if (!in.read(std::min(kChunk, size - done), chunk))
            return fail(in.errorText());
        if (chunk.isEmpty())
            break;
        // Written straight to the descriptor: a short write is retried, so
        // the error that stops it (a full disk, a size limit) is the one named.
        for (qint64 at = 0; at < chunk.size();) {
            const ssize_t n = ::write(out.handle(), chunk.constData() + at, std::size_t(chunk.size() - at));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return fail(QString::fromLocal8Bit(std::strerror(n < 0 ? errno : EIO)));
            at += n;
        }
        // The disk takes the copy as it comes, a chunk behind, so that the
        // closing fsync does not hold the window for a deck's size of writing.
        (void)::sync_file_range(out.handle(), done, chunk.size(), SYNC_FILE_RANGE_WRITE);
        if (done > 0)
            (void)::sync_file_range(out.handle(), done - kChunk, kChunk,
                                    SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
        done += chunk.size();
        if (progress)
            progress(doneBefore + done, total);
    }
    if (!out.flush())
        return fail(out.errorString());
    if (flushNow && ::fsync(out.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    out.close();
    if (out.error() != QFileDevice::NoError)
        return fail(out.errorString());
    if (const int error = renameNoReplace(temporary, target); error != 0) {
        QFile::remove(temporary);
        return QCoreApplication::translate("DeckExchange", "The file %1 could not be put in place in %2: %3.")
            .arg(QFileInfo(target).fileName(), folder, QString::fromLocal8Bit(std::strerror(error)));
    }
    return {};
}

namespace {

// Why the deck may not be exported there; nothing when it may.
std::optional<ExchangeOutcome> exportRefusal(const QString &name, const QString &folder)
{
    const auto notSelected = [] {
        return refusal(QCoreApplication::translate("DeckExchange", kNotSelected), PromptIcon::Information);
    };
    if (name.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir())
        return notSelected();
    if (folderHoldsExactName(folder, name))
        return refusal(QCoreApplication::translate("DeckExchange", kTwice), PromptIcon::Critical);
    const QString source = paths::deckDatabase(name);
    if (!QFileInfo(source).isFile())
        return notSelected();
    Deck deck;
    if (!deck.open(source))
        return refusal(
            QCoreApplication::translate("DeckExchange", "The deck cannot be exported: %1").arg(deck.errorText()),
            PromptIcon::Information);
    const auto stamp = deck.typeStamp();
    if (!stamp)
        return refusal(
            QCoreApplication::translate("DeckExchange", "The deck cannot be exported: %1").arg(deck.errorText()),
            PromptIcon::Information);
    if (stamp->isDefault)
        return refusal(QCoreApplication::translate("DeckExchange", kDefaultNoExport), PromptIcon::Warning);
    return std::nullopt;
}

QString megabytes(qint64 bytes)
{
    return QString::number(std::max<qint64>(1, (bytes + (1 << 19)) >> 20));
}

// Turns the working copy's BMP pictures into JPEG files and shrinks the file
// to them. Each picture is encoded on a thread of its own while this one
// reports progress, so a window keeps painting. A picture that does not
// decode stays as it is: it shows nowhere either way. Empty, or the reason.
QString makeCompact(const QString &path, const ExchangeProgress &progress)
{
    Deck deck;
    if (!deck.open(path, Access::ReadWrite))
        return deck.errorText();
    const auto pictures = deck.storedPictures();
    if (!pictures)
        return deck.errorText();
    qint64 total = 0;
    for (const StoredPicture &picture : *pictures)
        total += picture.bmp ? picture.bytes : 0;
    qint64 done = 0;
    for (const StoredPicture &picture : *pictures) {
        if (!picture.bmp)
            continue;
        const QByteArray jpeg = jpegFileBytes(decodePicture(deck.picture(picture.cardId)));
        if (!jpeg.isEmpty() && !deck.replacePicture(picture.cardId, jpeg))
            return deck.errorText();
        done += picture.bytes;
        if (progress)
            progress(done, total);
    }
    if (!deck.shrinkFile())
        return deck.errorText();
    return {};
}

// Reports a stage's own progress as its share [from, from + span) of a thousand.
ExchangeProgress stage(const ExchangeProgress &progress, qint64 from, qint64 span)
{
    if (!progress)
        return {};
    return [progress, from, span](qint64 done, qint64 total) {
        progress(from + (total > 0 ? std::min(done, total) * span / total : 0), 1000);
    };
}

} // namespace

std::optional<CompactOffer> compactOffer(const QString &deckFileName, const QString &destinationFolder)
{
    const QString name = deckFileName.trimmed();
    if (exportRefusal(name, destinationFolder.trimmed()))
        return std::nullopt;
    Deck deck;
    if (!deck.open(paths::deckDatabase(name)))
        return std::nullopt;
    CompactOffer offer;
    offer.deckBytes = QFileInfo(paths::deckDatabase(name)).size();
    const QVector<StoredPicture> pictures = deck.storedPictures().value_or(QVector<StoredPicture>());
    const StoredPicture *largest = nullptr;
    for (const StoredPicture &picture : pictures) {
        if (!picture.bmp)
            continue;
        offer.bmpBytes += picture.bytes;
        if (!largest || picture.bytes > largest->bytes)
            largest = &picture;
    }
    if (offer.bmpBytes <= kCompactOfferBytes || !largest)
        return std::nullopt;
    // The largest picture says how well this deck's pictures compress; the
    // other pictures are taken to be alike.
    const qint64 jpegBytes = jpegFileBytes(decodePicture(deck.picture(largest->cardId))).size();
    const double ratio = jpegBytes > 0 ? double(jpegBytes) / double(largest->bytes) : 1.0;
    offer.compactBytes = offer.deckBytes - offer.bmpBytes + qint64(double(offer.bmpBytes) * ratio);
    return offer;
}

Prompt compactOfferPrompt(const CompactOffer &offer)
{
    const QString text =
        QCoreApplication::translate(
            "DeckExchange", "The pictures of this deck are stored as BMP files, so the exported deck takes %1 MB: "
                            "more than most mail can carry.\n\n"
                            "A compact copy, with its pictures as JPEG files, takes about %2 MB. The deck you keep "
                            "stays as it is.\n\n"
                            "Yes: export a compact copy (about %2 MB).\n"
                            "No: export the deck as it is (%1 MB).")
            .arg(megabytes(offer.deckBytes), megabytes(offer.compactBytes));
    return Prompt{text, PromptIcon::Question, PromptButtons::YesNoCancel, QString::fromLatin1(kAppTitle),
                  PromptAnswer::Yes};
}

ExchangeOutcome exportDeck(const QString &deckFileName, const QString &destinationFolder,
                           const ExchangeProgress &progress, ExportForm form)
{
    const QString name = deckFileName.trimmed();
    const QString folder = destinationFolder.trimmed();
    if (auto refused = exportRefusal(name, folder))
        return *refused;
    const QString source = paths::deckDatabase(name);

    if (const QString problem = exchangeFolderProblem(); !problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not exported. %1").arg(problem),
                       PromptIcon::Information);
    const qint64 size = QFileInfo(source).size();
    const ExchangeCopy copy(QStringLiteral("export"));
    const QString target = QDir(folder).absoluteFilePath(name);
    QString problem;
    if (form == ExportForm::Compact) {
        // Re-encoding takes most of the time; the copies are quick.
        problem = copyComplete(source, copy.path(), stage(progress, 0, 100), 0, -1, false);
        if (problem.isEmpty())
            problem = makeCompact(copy.path(), stage(progress, 100, 800));
        if (problem.isEmpty())
            problem = copyComplete(copy.path(), target, stage(progress, 900, 100));
    } else {
        problem = copyComplete(source, copy.path(), progress, 0, 2 * size);
        if (problem.isEmpty())
            problem = copyComplete(copy.path(), target, progress, size, 2 * size);
    }
    if (!problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not exported. %1").arg(problem),
                       PromptIcon::Information);

    ExchangeOutcome outcome;
    outcome.ok = true;
    outcome.fileName = name;
    outcome.exportedPath = QDir::cleanPath(target);
    return outcome;
}

ExchangeOutcome importDeck(const QString &sourcePath, const ExchangeProgress &progress)
{
    const QFileInfo sourceInfo(sourcePath.trimmed());
    // Anything else that is there (a pipe, a device, a link to nothing) is
    // refused by the copy, with what it is.
    if (sourcePath.trimmed().isEmpty() || (!sourceInfo.exists() && !sourceInfo.isSymLink()) || sourceInfo.isDir())
        return refusal(QCoreApplication::translate("DeckExchange", kNotSelected), PromptIcon::Information);
    if (const QString problem = exchangeFolderProblem(); !problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported. %1").arg(problem),
                       PromptIcon::Information);
    const qint64 size = sourceInfo.size();
    const qint64 total = 2 * size;
    if (const QString problem = spaceProblem(size); !problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported. %1").arg(problem),
                       PromptIcon::Information);
    const ExchangeCopy copy(QStringLiteral("import"));
    if (const QString problem = copyComplete(sourceInfo.absoluteFilePath(), copy.path(), progress, 0, total, false);
        !problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported. %1").arg(problem),
                       PromptIcon::Information);

    // The checks read the whole file, seconds for a large deck; the copy's
    // flush, on a slow disk, can take as long. A window calls this on a job
    // of its own (its progress stands still meanwhile), so it keeps painting.
    const auto check = [path = copy.path()] {
        if (const QString problem = flushToDisk(path); !problem.isEmpty())
            return ImportCheck{
                refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported. %1").arg(problem),
                        PromptIcon::Information),
                {}};
        return checkImportable(path);
    };
    if (progress)
        progress(size, total);
    const ImportCheck found = check();
    if (found.refusal)
        return *found.refusal;
    const QString deckName = found.deckName;

    Catalog catalog;
    if (!catalog.open(Access::ReadWrite))
        return refusal(
            QCoreApplication::translate("DeckExchange", "The deck was not imported: %1").arg(catalog.errorText()),
            PromptIcon::Information);
    const auto decks = catalog.decks();
    if (!decks || decks->isEmpty())
        return refusal(QCoreApplication::translate(
                           "DeckExchange", "The deck was not imported: the catalog of decks cannot be read or lists "
                                           "no deck."),
                       PromptIcon::Information);
    const QString newName = NextDeckFileName(*decks);
    const QString target = paths::deckDatabase(newName);

    // Within one file system the checked copy is moved into its place, never
    // over a file there; where that cannot be done it is copied the same safe way.
    QString problem;
    if (renameNoReplace(copy.path(), target) != 0)
        problem = copyComplete(copy.path(), target, progress, size, total);
    if (!problem.isEmpty())
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported. %1").arg(problem),
                       PromptIcon::Information);
    if (progress)
        progress(total, total);

    if (!catalog.addDeck(deckName, newName)) {
        const QString why = catalog.errorText();
        QFile::remove(target);
        return refusal(QCoreApplication::translate("DeckExchange", "The deck was not imported: %1").arg(why),
                       PromptIcon::Information);
    }
    ExchangeOutcome outcome = refusal(QCoreApplication::translate("DeckExchange", kImported), PromptIcon::Information);
    outcome.ok = true;
    outcome.fileName = newName;
    return outcome;
}

QString exportMessageText(const QString &fileName, const QString &exportedPath, const QString &helpUrl)
{
    const QStringList lines{
        QCoreApplication::translate("DeckExchange", "Your Deck has been exported."),
        QCoreApplication::translate("DeckExchange", "The name of the Deck is %1").arg(fileName),
        QCoreApplication::translate("DeckExchange", "It is located at %1").arg(exportedPath),
        QCoreApplication::translate("DeckExchange",
                                    "You can go to %1 and start sending your deck to your friends, family or others.")
            .arg(exportedPath),
        QCoreApplication::translate("DeckExchange", "Click here for more help. %1").arg(helpUrl),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString linkedHtml(const QString &text)
{
    // An address starts a word: a path that merely contains "http:" or
    // "www." somewhere inside it is not one.
    static const QRegularExpression address(QStringLiteral(R"((?<![^\s])((?:https?|ftp)://[^\s<>"]+|www\.[^\s<>"]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList htmlLines;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        QString html;
        qsizetype at = 0;
        auto it = address.globalMatch(line);
        while (it.hasNext()) {
            const auto match = it.next();
            QString link = match.captured(1);
            while (!link.isEmpty() && QStringLiteral(".,;:!?)'").contains(link.back()))
                link.chop(1);
            if (link.isEmpty())
                continue;
            html += line.mid(at, match.capturedStart(1) - at).toHtmlEscaped();
            const QString href =
                link.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ? QStringLiteral("http://") + link : link;
            html += QStringLiteral("<a href=\"") + href.toHtmlEscaped() + QStringLiteral("\">") + link.toHtmlEscaped() +
                    QStringLiteral("</a>");
            at = match.capturedStart(1) + link.size();
        }
        html += line.mid(at).toHtmlEscaped();
        htmlLines.append(html);
    }
    return htmlLines.join(QStringLiteral("<br>"));
}

} // namespace velmora::exchange
