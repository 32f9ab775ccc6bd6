// A deck to CSV with a folder of pictures beside it, and such a CSV to a new deck.

#include "flashcards/csv.h"
#include "flashcards/flashcardexchange.h"

#include "store/paths.h"
#include "store/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace velmora::flashcards {

namespace {

// A spreadsheet of more is no deck of 78 cards.
constexpr qint64 kMaxCsvBytes = 16LL * 1024 * 1024;

ExchangeOutcome said(const QString &text, PromptIcon icon = PromptIcon::Information)
{
    ExchangeOutcome outcome;
    outcome.message = Prompt{text, icon, PromptButtons::Ok, QString::fromLatin1(kAppTitle)};
    return outcome;
}

const QStringList kColumns{QStringLiteral("Name"),    QStringLiteral("Group"),    QStringLiteral("Keywords"),
                           QStringLiteral("Upright"), QStringLiteral("Reversed"), QStringLiteral("Picture")};

QString picturesFolderName(const QString &csvName)
{
    return QFileInfo(csvName).completeBaseName() + QStringLiteral(" pictures");
}

// Only a plain name in the folder beside: never a way out of it.
bool plainFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.startsWith(QLatin1Char('.'));
}

} // namespace

ExchangeOutcome exportCsv(const QString &deckFileName, const QString &destinationFolder)
{
    const QString name = deckFileName.trimmed();
    const QString folder = destinationFolder.trimmed();
    if (name.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir() ||
        !QFileInfo(paths::deckDatabase(name)).isFile())
        return said(QString::fromLatin1(exchange::kNotSelected));
    Deck deck;
    if (!deck.open(paths::deckDatabase(name)))
        return said(
            QCoreApplication::translate("FlashcardExchange", "The deck cannot be exported: %1").arg(deck.errorText()));
    const QString deckName = deck.header().value_or(DeckHeader()).deckName;
    QString error;
    const QVector<ExportCard> cards = exportCards(deck, error);
    if (!error.isEmpty())
        return said(QCoreApplication::translate("FlashcardExchange", "The deck cannot be exported: %1").arg(error));
    deck.close();

    QString csvName = packageFileName(deckName);
    csvName.chop(int(qstrlen(".apkg")));
    csvName += QStringLiteral(".csv");
    const QDir destination(folder);
    const QString csvPath = destination.absoluteFilePath(csvName);
    const QString picturesPath = destination.absoluteFilePath(picturesFolderName(csvName));
    for (const QString &path : {csvPath, picturesPath})
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            return said(
                QCoreApplication::translate("FlashcardExchange", "The CSV was not written: %1 is there already.")
                    .arg(QDir::toNativeSeparators(path)));

    // Made whole in a folder of its own beside them, then moved into place.
    QTemporaryDir work(destination.filePath(QStringLiteral(".~velmora-csv-XXXXXX")));
    if (!work.isValid())
        return said(QCoreApplication::translate("FlashcardExchange",
                                                "The CSV was not written: the folder %1 cannot be written to.")
                        .arg(folder));
    const QString workPictures = work.filePath(QStringLiteral("pictures"));
    if (!QDir().mkdir(workPictures))
        return said(QCoreApplication::translate("FlashcardExchange",
                                                "The CSV was not written: the folder %1 cannot be written to.")
                        .arg(folder));
    QVector<QStringList> rows{kColumns};
    bool anyPicture = false;
    for (const ExportCard &card : cards) {
        QString pictureName;
        if (!card.picture.isEmpty()) {
            QString safe = packageFileName(card.name);
            safe.chop(int(qstrlen(".apkg")));
            pictureName = QStringLiteral("%1 %2.%3")
                              .arg(card.id)
                              .arg(safe)
                              .arg(card.picture.startsWith("\x89PNG") ? QStringLiteral("png")
                                   : card.picture.startsWith("GIF8")  ? QStringLiteral("gif")
                                                                      : QStringLiteral("jpg"));
            QFile file(QDir(workPictures).filePath(pictureName));
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
                file.write(card.picture) != card.picture.size())
                return said(QCoreApplication::translate("FlashcardExchange", "The CSV was not written: %1")
                                .arg(file.errorString()));
            anyPicture = true;
        }
        rows.append({card.name, groupName(card.group), card.keywords.join(QStringLiteral("; ")), card.upright,
                     card.reversed, pictureName});
    }
    QFile csv(work.filePath(QStringLiteral("deck.csv")));
    const QByteArray text = csvText(rows);
    if (!csv.open(QIODevice::WriteOnly | QIODevice::NewOnly) || csv.write(text) != text.size() || !csv.flush())
        return said(
            QCoreApplication::translate("FlashcardExchange", "The CSV was not written: %1").arg(csv.errorString()));
    csv.close();
    if (anyPicture && !QDir().rename(workPictures, picturesPath))
        return said(QCoreApplication::translate("FlashcardExchange",
                                                "The CSV was not written: the folder %1 could not be made.")
                        .arg(picturesPath));
    if (!QFile::rename(csv.fileName(), csvPath)) {
        if (anyPicture)
            QDir(picturesPath).removeRecursively();
        return said(QCoreApplication::translate("FlashcardExchange", "The CSV was not written: %1 could not be made.")
                        .arg(csvPath));
    }
    ExchangeOutcome outcome;
    outcome.ok = true;
    outcome.fileName = csvName;
    outcome.exportedPath = QDir::cleanPath(csvPath);
    return outcome;
}

ExchangeOutcome importCsv(const QString &path, const ExchangeProgress &progress)
{
    const store::BoundedRead read = store::readRegularFile(path, kMaxCsvBytes);
    if (!read.ok)
        return said(QCoreApplication::translate("FlashcardExchange", "The CSV cannot be read: %1").arg(read.error),
                    PromptIcon::Critical);
    if (read.cut)
        return said(
            QCoreApplication::translate("FlashcardExchange", "The CSV cannot be imported: it is larger than %1 MB.")
                .arg(kMaxCsvBytes >> 20),
            PromptIcon::Critical);
    QString error;
    const auto rows = parseCsv(read.bytes, error);
    if (!rows)
        return said(QCoreApplication::translate("FlashcardExchange", "The CSV cannot be imported: %1.").arg(error),
                    PromptIcon::Critical);
    if (rows->size() < 2)
        return said(QCoreApplication::translate(
                        "FlashcardExchange", "The CSV cannot be imported: it needs a header row and a row per card."),
                    PromptIcon::Critical);
    PackageChoice choice;
    choice.mapping = guessMapping(rows->first());
    if (choice.mapping.name < 0)
        return said(QCoreApplication::translate("FlashcardExchange",
                                                "The CSV cannot be imported: its header row names no column."),
                    PromptIcon::Critical);
    choice.deckName = QFileInfo(path).completeBaseName();
    QVector<PackageNote> notes;
    for (qsizetype i = 1; i < rows->size(); ++i) {
        PackageNote note;
        for (const QString &cell : rows->at(i))
            note.fields.append(plainTextToHtml(cell));
        if (note.fields.size() == 1 && note.fields.first().isEmpty())
            continue; // a blank line
        notes.append(note);
    }
    const QDir beside = QFileInfo(path).absoluteDir();
    const QDir pictures(beside.filePath(picturesFolderName(path)));
    const PictureFiles files = [beside, pictures](const QString &name) -> QByteArray {
        if (!plainFileName(name))
            return {};
        for (const QDir &dir : {pictures, beside}) {
            const store::BoundedRead file = store::readRegularFile(dir.filePath(name), kMaxEntryBytes);
            if (file.ok && !file.cut)
                return file.bytes;
        }
        return {};
    };
    return importCards(
        [&notes, &choice, &files](const PackageProgress &built) { return buildCards(notes, choice, files, 0, built); },
        choice.deckName,
        //: Fills %1 of "The %1 holds no card that can be imported."
        QCoreApplication::translate("FlashcardExchange", "CSV"), progress);
}

} // namespace velmora::flashcards
