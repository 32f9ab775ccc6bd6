#include "exchange/deckexchange.h"

#include "store/catalog.h"
#include "store/deck.h"
#include "store/integrity.h"
#include "store/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <optional>
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
    const QString text = QString::fromLatin1(kUnknownStructure);
    return why.isEmpty() ? text : text + QStringLiteral("\r\n\r\n") + why;
}

// Removes the working copy in the exchange folder when the operation ends.
// Files there at the start were left by an operation that a crash or a kill
// cut short (the folder takes nothing else, and one program runs per
// program folder): they go first, or each would keep a deck's size of disk.
class ExchangeCopy
{
public:
    explicit ExchangeCopy(const QString &fileName) : path_(QDir(paths::exchangeFolder()).filePath(fileName))
    {
        const QFileInfoList leftovers =
            QDir(paths::exchangeFolder()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo &leftover : leftovers)
            QFile::remove(leftover.filePath());
    }
    ~ExchangeCopy() { QFile::remove(path_); }
    ExchangeCopy(const ExchangeCopy &) = delete;
    ExchangeCopy &operator=(const ExchangeCopy &) = delete;
    [[nodiscard]] const QString &path() const { return path_; }

private:
    QString path_;
};

QString temporaryNameBeside(const QString &target)
{
    const QFileInfo info(target);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".part"));
}

struct Checked
{
    std::optional<ExchangeOutcome> refusal;
    QString deckName;
};

// A deck made elsewhere is checked like any untrusted deck: the store's
// checks on opening, the type stamp, then every page of the file.
Checked checkImportable(const QString &path)
{
    Deck deck;
    if (!deck.open(path))
        return {refusal(unknownStructure(deck.errorText()), PromptIcon::Critical), {}};
    const auto stamp = deck.typeStamp();
    if (stamp && stamp->isDefault)
        return {refusal(QString::fromLatin1(kDefaultNoImport), PromptIcon::Warning), {}};
    if (!stamp || stamp->type != kTutor || stamp->software != kTutor)
        return {refusal(unknownStructure(QStringLiteral("The file's type stamp does not name a deck of this program.")),
                        PromptIcon::Critical),
                {}};
    const auto header = deck.header();
    if (!header)
        return {refusal(unknownStructure(deck.errorText()), PromptIcon::Critical), {}};
    deck.close();
    if (const QString problem = deckFileIntegrityProblem(path); !problem.isEmpty())
        return {refusal(unknownStructure(problem), PromptIcon::Critical), {}};
    return {std::nullopt, header->deckName};
}

} // namespace

bool folderHoldsExactName(const QString &folder, const QString &fileName)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return names.contains(fileName, Qt::CaseSensitive);
}

QString copyComplete(const QString &source, const QString &target, const ExchangeProgress &progress, qint64 doneBefore,
                     qint64 total)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("The file %1 cannot be read: %2.").arg(source, in.errorString());
    if (total < 0)
        total = in.size();
    if (QFileInfo::exists(target))
        return QStringLiteral("The file %1 is there already.").arg(target);
    const QString temporary = temporaryNameBeside(target);
    QFile::remove(temporary);
    QFile out(temporary);
    const QString folder = QFileInfo(target).absolutePath();
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return QStringLiteral("The folder %1 cannot be written to: %2.").arg(folder, out.errorString());
    const auto fail = [&](const QString &reason) {
        out.close();
        QFile::remove(temporary);
        return QStringLiteral("The file %1 could not be written in %2: %3.")
            .arg(QFileInfo(target).fileName(), folder, reason);
    };
    qint64 done = 0;
    QByteArray chunk;
    while (!in.atEnd()) {
        chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(in.errorString());
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
    if (in.error() != QFileDevice::NoError)
        return fail(in.errorString());
    if (!out.flush())
        return fail(out.errorString());
    if (::fsync(out.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    out.close();
    if (out.error() != QFileDevice::NoError)
        return fail(out.errorString());
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        return QStringLiteral("The file %1 could not be put in place in %2.").arg(QFileInfo(target).fileName(), folder);
    }
    return {};
}

ExchangeOutcome exportDeck(const QString &deckFileName, const QString &destinationFolder,
                           const ExchangeProgress &progress)
{
    const QString name = deckFileName.trimmed();
    const QString folder = destinationFolder.trimmed();
    const auto notSelected = [] { return refusal(QString::fromLatin1(kNotSelected), PromptIcon::Information); };
    if (name.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir())
        return notSelected();
    if (folderHoldsExactName(folder, name))
        return refusal(QString::fromLatin1(kTwice), PromptIcon::Critical);
    const QString source = paths::deckDatabase(name);
    if (!QFileInfo(source).isFile())
        return notSelected();

    {
        Deck deck;
        if (!deck.open(source))
            return refusal(QStringLiteral("The deck cannot be exported: %1").arg(deck.errorText()),
                           PromptIcon::Information);
        const auto stamp = deck.typeStamp();
        if (!stamp)
            return refusal(QStringLiteral("The deck cannot be exported: %1").arg(deck.errorText()),
                           PromptIcon::Information);
        if (stamp->isDefault)
            return refusal(QString::fromLatin1(kDefaultNoExport), PromptIcon::Warning);
    }

    const qint64 size = QFileInfo(source).size();
    const ExchangeCopy copy(name);
    QString problem = copyComplete(source, copy.path(), progress, 0, 2 * size);
    const QString target = QDir(folder).absoluteFilePath(name);
    if (problem.isEmpty())
        problem = copyComplete(copy.path(), target, progress, size, 2 * size);
    if (!problem.isEmpty())
        return refusal(QStringLiteral("The deck was not exported. ") + problem, PromptIcon::Information);

    ExchangeOutcome outcome;
    outcome.ok = true;
    outcome.fileName = name;
    outcome.exportedPath = QDir::cleanPath(target);
    return outcome;
}

ExchangeOutcome importDeck(const QString &sourcePath, const ExchangeProgress &progress)
{
    const QFileInfo sourceInfo(sourcePath.trimmed());
    if (sourcePath.trimmed().isEmpty() || !sourceInfo.isFile())
        return refusal(QString::fromLatin1(kNotSelected), PromptIcon::Information);
    const qint64 size = sourceInfo.size();
    const qint64 total = 2 * size;
    const ExchangeCopy copy(sourceInfo.fileName());
    if (const QString problem = copyComplete(sourceInfo.absoluteFilePath(), copy.path(), progress, 0, total);
        !problem.isEmpty())
        return refusal(QStringLiteral("The deck was not imported. ") + problem, PromptIcon::Information);

    // The checks read the whole file, seconds for a large deck: they run on
    // a thread of their own while this one reports progress, so a window
    // keeps painting. Only the store is touched there, never a widget.
    auto checked = std::async(std::launch::async, [path = copy.path()] { return checkImportable(path); });
    while (checked.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (progress)
            progress(size, total);
    }
    const Checked found = checked.get();
    if (found.refusal)
        return *found.refusal;
    const QString deckName = found.deckName;

    Catalog catalog;
    if (!catalog.open(Access::ReadWrite))
        return refusal(QStringLiteral("The deck was not imported: %1").arg(catalog.errorText()),
                       PromptIcon::Information);
    const auto decks = catalog.decks();
    if (!decks || decks->isEmpty())
        return refusal(QStringLiteral("The deck was not imported: the catalog of decks cannot be read or lists "
                                      "no deck."),
                       PromptIcon::Information);
    const QString newName = NextDeckFileName(*decks);
    const QString target = paths::deckDatabase(newName);

    // Within one file system the checked copy is moved beside its place and
    // renamed into it; across file systems it is copied the same safe way.
    QString problem;
    const QString temporary = temporaryNameBeside(target);
    QFile::remove(temporary);
    if (std::rename(QFile::encodeName(copy.path()).constData(), QFile::encodeName(temporary).constData()) == 0) {
        if (!QFile::rename(temporary, target)) {
            QFile::remove(temporary);
            problem = QStringLiteral("The file %1 could not be put in the deck folder.").arg(newName);
        }
    } else {
        problem = copyComplete(copy.path(), target, progress, size, total);
    }
    if (!problem.isEmpty())
        return refusal(QStringLiteral("The deck was not imported. ") + problem, PromptIcon::Information);
    if (progress)
        progress(total, total);

    if (!catalog.addDeck(deckName, newName)) {
        const QString why = catalog.errorText();
        QFile::remove(target);
        return refusal(QStringLiteral("The deck was not imported: %1").arg(why), PromptIcon::Information);
    }
    ExchangeOutcome outcome = refusal(QString::fromLatin1(kImported), PromptIcon::Information);
    outcome.ok = true;
    outcome.fileName = newName;
    return outcome;
}

QString exportMessageText(const QString &fileName, const QString &exportedPath, const QString &helpUrl)
{
    const QStringList lines{
        QStringLiteral("Your Deck has been exported."),
        QStringLiteral("The name of the Deck is ") + fileName,
        QStringLiteral("It is located at ") + exportedPath,
        QStringLiteral("You can go to ") + exportedPath + QStringLiteral(" and start ") +
            QStringLiteral("sending your deck to your friends, ") + QStringLiteral("family or others."),
        QStringLiteral("Click here for more help. ") + helpUrl,
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
