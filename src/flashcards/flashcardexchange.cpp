#include "flashcards/flashcardexchange.h"

#include "progress/history.h"

#include "design/designrules.h"
#include "store/backgroundjob.h"
#include "store/paths.h"
#include "store/pictures.h"
#include "store/workfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <memory>

namespace velmora::flashcards {

namespace {

ExchangeOutcome told(const QString &text, PromptIcon icon = PromptIcon::Information)
{
    ExchangeOutcome outcome;
    outcome.message = Prompt{text, icon, PromptButtons::Ok, QString::fromLatin1(kAppTitle)};
    return outcome;
}

// At most this many names are listed per kind of skip; the rest are counted.
constexpr int kNamesListed = 5;

void reportNames(QStringList &report, const QString &what, const QStringList &names)
{
    if (names.isEmpty())
        return;
    QStringList shown = names.mid(0, kNamesListed);
    QString line =
        QCoreApplication::translate("FlashcardExchange", "%1: %2").arg(what, shown.join(QStringLiteral(", ")));
    if (names.size() > kNamesListed)
        line = QCoreApplication::translate("FlashcardExchange", "%1 and %2 more")
                   .arg(line, QString::number(names.size() - kNamesListed));
    report.append(line + QLatin1Char('.'));
}

QString cut(const QString &text, int characters, bool &wasCut)
{
    if (characterCount(text) <= characters)
        return text;
    wasCut = true;
    QString kept;
    int count = 0;
    for (qsizetype i = 0; i < text.size() && count < characters; ++i, ++count) {
        kept.append(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            kept.append(text[++i]);
    }
    return kept;
}

// JPEG, GIF and BMP files are kept as they are, as every reader of decks
// decodes those; other formats become JPEG. Empty when it does not decode.
QByteArray deckPicture(const QByteArray &bytes)
{
    // Those kept need only show that they decode, which a small decode
    // shows at a fraction of the cost (a JPEG decodes scaled).
    if (isJpegFile(bytes) || bytes.startsWith("GIF8") || bytes.startsWith("BM"))
        return decodePicture(bytes, QSize(16, 16)).isNull() ? QByteArray() : bytes;
    const QImage image = decodePicture(bytes);
    return image.isNull() ? QByteArray() : jpegFileBytes(image);
}

// A picture as a note carries it: a BMP photo would not fit on a phone, so it
// travels as JPEG; the others as they are, once they show they decode.
QByteArray exportedPicture(Deck &deck, const StoredPicture &stored)
{
    const QByteArray bytes = deck.picture(stored.cardId);
    if (stored.bmp)
        return jpegFileBytes(decodePicture(bytes));
    return decodePicture(bytes, QSize(16, 16)).isNull() ? QByteArray() : bytes;
}

} // namespace

QVector<ExportCard> exportCards(Deck &deck, QString &error, const PackageProgress &progress)
{
    const auto cards = deck.cards();
    const auto keywordSlots = deck.keywordSlots();
    const auto pictures = deck.storedPictures();
    if (!cards || !keywordSlots || !pictures) {
        error = deck.errorText();
        return {};
    }
    QHash<int, QStringList> keywords;
    for (const KeywordSlot &slot : *keywordSlots)
        if (!slot.keyword.trimmed().isEmpty())
            keywords[slot.cardId].append(slot.keyword.trimmed());
    QHash<int, StoredPicture> stored;
    for (const StoredPicture &picture : *pictures)
        stored.insert(picture.cardId, picture);
    QVector<ExportCard> out;
    QVector<StoredPicture> toRead; // one for each card of `out` with a picture, in order
    QVector<int> readFor;
    for (const Card &card : *cards) {
        out.append(ExportCard{card.id,
                              card.name.trimmed(),
                              card.group,
                              keywords.value(card.id),
                              card.normalMeaning,
                              card.reversedMeaning,
                              {},
                              {}});
        if (const auto it = stored.constFind(card.id); it != stored.constEnd() && it->bytes > 0) {
            toRead.append(*it);
            readFor.append(int(out.size()) - 1);
        }
    }
    // Reading the pictures through the cipher, and decoding and encoding
    // them, take nearly all of the time: each processor takes pictures of
    // its own, this thread through the deck given, each other through a
    // connection it opens.
    const QString path = deck.path();
    const QVector<QByteArray> read = inParallel<QByteArray>(
        int(toRead.size()),
        [&deck, &toRead, &path](int thread) -> std::function<QByteArray(int)> {
            if (thread == 0)
                return [&deck, &toRead](int i) { return exportedPicture(deck, toRead[i]); };
            auto own = std::make_shared<Deck>();
            // The rows as this deck finds them, so each picture is its card's.
            if (!own->open(path) || !own->cards())
                return {};
            return [own, &toRead](int i) { return exportedPicture(*own, toRead[i]); };
        },
        [&progress, total = toRead.size()](int done) {
            if (progress)
                progress(done, total);
        });
    for (qsizetype i = 0; i < read.size(); ++i)
        out[readFor[i]].picture = read[i];
    return out;
}

QString packageFileName(const QString &deckName)
{
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = deckName.trimmed().replace(unsafe, QStringLiteral("_"));
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.left(120).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("deck");
    return name + QStringLiteral(".apkg");
}

namespace {

// The review history is kept by deck file name; a deck that was never
// reviewed, or a program folder without a history, carries nothing.
QString addReviewStates(QVector<ExportCard> &cards, const QString &deckFile)
{
    if (!QFileInfo::exists(progress::historyPath()))
        return {};
    progress::HistoryFile history;
    if (!history.open(progress::historyPath()))
        return history.errorText();
    const auto states = history.facetStates(deckFile);
    if (!states)
        return history.errorText();
    QHash<int, int> index;
    for (int i = 0; i < cards.size(); ++i)
        index.insert(cards[i].id, i);
    for (const progress::FacetState &facet : *states) {
        const int at = index.value(facet.cardId, -1);
        const int ord = int(facet.facet);
        if (at < 0 || ord < 0 || ord > 2 || facet.state.phase == review::Phase::New)
            continue;
        const review::MemoryState &m = facet.state;
        cards[at].review[std::size_t(ord)] = ExportReview{
            int(m.phase), m.stability, m.difficulty, m.scheduledDays, m.due.isValid() ? m.due.toSecsSinceEpoch() : 0,
            m.reps,       m.lapses};
    }
    return {};
}

} // namespace

QString exportPackageFile(const QString &deckPath, const QString &target, qint64 nowMs, const PackageProgress &progress,
                          bool withReviewState)
{
    Deck deck;
    if (!deck.open(deckPath))
        return QCoreApplication::translate("FlashcardExchange", "The deck cannot be read: %1").arg(deck.errorText());
    const auto header = deck.header();
    if (!header)
        return QCoreApplication::translate("FlashcardExchange", "The deck cannot be read: %1").arg(deck.errorText());
    QString error;
    // Pictures take nearly all of the time.
    const auto share = [&progress](qint64 from, qint64 span) -> PackageProgress {
        if (!progress)
            return {};
        return [progress, from, span](qint64 done, qint64 total) {
            progress(from + (total > 0 ? std::min(done, total) * span / total : span), 1000);
        };
    };
    QVector<ExportCard> cards = exportCards(deck, error, share(0, 800));
    if (!error.isEmpty())
        return QCoreApplication::translate("FlashcardExchange", "The deck cannot be read: %1").arg(error);
    if (withReviewState) {
        if (const QString problem = addReviewStates(cards, QFileInfo(deckPath).fileName()); !problem.isEmpty())
            return QCoreApplication::translate("FlashcardExchange", "The review history cannot be read: %1")
                .arg(problem);
    }
    deck.close();
    const QString folder =
        QDir(paths::exchangeFolder()).exists() ? paths::exchangeFolder() : QFileInfo(target).absolutePath();
    return writePackage(target, folder, header->deckName.trimmed(), cards, nowMs, share(800, 200));
}

ExchangeOutcome exportPackage(const QString &deckFileName, const QString &destinationFolder, qint64 nowMs,
                              const PackageProgress &progress, bool withReviewState)
{
    const QString name = deckFileName.trimmed();
    const QString folder = destinationFolder.trimmed();
    if (name.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir() ||
        !QFileInfo(paths::deckDatabase(name)).isFile())
        return told(QString::fromLatin1(exchange::kNotSelected));
    QString deckName;
    {
        Deck deck;
        if (!deck.open(paths::deckDatabase(name)))
            return told(QCoreApplication::translate("FlashcardExchange", "The deck cannot be exported: %1")
                            .arg(deck.errorText()));
        deckName = deck.header().value_or(DeckHeader()).deckName;
    }
    const QString target = QDir(folder).absoluteFilePath(packageFileName(deckName));
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return told(QCoreApplication::translate("FlashcardExchange",
                                                "The flashcard package was not written: the file %1 is there already.")
                        .arg(QDir::toNativeSeparators(target)));
    const QString problem = exportPackageFile(
        paths::deckDatabase(name), target, nowMs,
        [&progress](qint64 done, qint64 total) {
            if (progress)
                progress(total > 0 ? done * 1000 / total : 0, 1000);
        },
        withReviewState);
    if (!problem.isEmpty())
        return told(
            QCoreApplication::translate("FlashcardExchange", "The flashcard package was not written. %1").arg(problem));
    ExchangeOutcome outcome;
    outcome.ok = true;
    outcome.fileName = QFileInfo(target).fileName();
    outcome.exportedPath = QDir::cleanPath(target);
    return outcome;
}

PackageChoice guessChoice(const PackageReader &reader)
{
    QHash<qint64, int> counts;
    for (const PackageNote &note : reader.notes())
        ++counts[note.typeId];
    PackageChoice choice;
    int best = -1;
    for (const NoteType &type : reader.noteTypes()) {
        if (counts.value(type.id) > best) {
            best = counts.value(type.id);
            choice.noteType = type.id;
        }
    }
    QVector<QStringList> samples;
    QStringList fields;
    for (const NoteType &type : reader.noteTypes())
        if (type.id == choice.noteType)
            fields = type.fields;
    for (const PackageNote &note : reader.notes()) {
        if (note.typeId == choice.noteType && samples.size() < 10)
            samples.append(note.fields);
    }
    choice.mapping = guessMapping(fields, samples);
    choice.deckName = reader.deckName();
    return choice;
}

BuiltCards buildCards(PackageReader &reader, const PackageChoice &choice, const PackageProgress &progress)
{
    return buildCards(
        reader.notes(), choice, [&reader](const QString &name) { return reader.mediaFile(name); },
        reader.notesNotRead(), progress);
}

BuiltCards buildCards(const QVector<PackageNote> &notes, const PackageChoice &choice, const PictureFiles &pictures,
                      qint64 notesNotRead, const PackageProgress &progress)
{
    BuiltCards built;
    QStringList unnamed, beyond, otherType, noPicture, keywordsCut, textCut;
    QVector<int> named;        // the cards that name a picture
    QVector<QByteArray> files; // and the bytes of the file each names
    const FieldMapping &m = choice.mapping;
    int position = 0;
    for (const PackageNote &note : notes) {
        ++position;
        const auto field = [&note](int index) { return index >= 0 ? note.fields.value(index) : QString(); };
        const QString label = QCoreApplication::translate("FlashcardExchange", "note %1").arg(position);
        if (note.typeId != choice.noteType) {
            otherType.append(label);
            continue;
        }
        bool wasCut = false;
        const QString name = cut(htmlToPlainText(field(m.name)).simplified(), kMaxCardName, wasCut);
        if (name.isEmpty()) {
            unnamed.append(label);
            continue;
        }
        if (built.cards.size() >= kMaxCards) {
            beyond.append(name);
            continue;
        }
        Card card;
        card.id = int(built.cards.size()) + 1;
        card.name = name;
        card.group = groupFromText(field(m.group)).value_or(-1);
        if (card.group < 0) {
            card.group = 0;
            for (const QString &tag : note.tags)
                if (const auto group = groupFromText(tag)) {
                    card.group = *group;
                    break;
                }
        }
        card.normalMeaning = cut(htmlToPlainText(field(m.upright)), kMaxMeaningLength, wasCut);
        card.reversedMeaning = cut(htmlToPlainText(field(m.reversed)), kMaxMeaningLength, wasCut);
        if (wasCut)
            textCut.append(name);
        const SplitKeywords split = splitKeywords(htmlToPlainText(field(m.keywords)));
        if (split.dropped > 0)
            keywordsCut.append(name);
        QStringList cardSlots;
        for (const QString &keyword : split.keywords) {
            bool keywordCut = false;
            cardSlots.append(cut(keyword, kMaxCardName, keywordCut));
        }
        while (cardSlots.size() < kSlotsPerCard)
            cardSlots.append(QStringLiteral(""));
        QString source = firstImageSource(field(m.picture));
        // A CSV names the file itself.
        if (source.isEmpty() && !field(m.picture).contains(QLatin1Char('<')))
            source = htmlToPlainText(field(m.picture));
        // The files are read here, one after the other, as a package's zip
        // is read by one thread; they are decoded below.
        if (!source.isEmpty()) {
            named.append(int(built.cards.size()));
            files.append(pictures(source));
        }
        built.cards.append(card);
        built.keywordSlots.append(cardSlots);
        built.pictures.append(QByteArray());
    }
    // Decoding takes nearly all of the time, a picture on each processor.
    const QVector<QByteArray> decoded = inParallel<QByteArray>(
        int(files.size()),
        [&files](int) -> std::function<QByteArray(int)> { return [&files](int i) { return deckPicture(files[i]); }; },
        [&progress, total = files.size()](int done) {
            if (progress)
                progress(done, total);
        });
    for (qsizetype i = 0; i < named.size(); ++i) {
        const int at = named[i];
        built.pictures[at] = decoded[i];
        built.cards[at].isSaved = !decoded[i].isEmpty();
        if (decoded[i].isEmpty())
            noPicture.append(built.cards[at].name);
    }
    if (notesNotRead > 0)
        built.report.append(QCoreApplication::translate("FlashcardExchange",
                                                        "%n notes after the first %1 were not read.", nullptr,
                                                        int(notesNotRead))
                                .arg(kMaxNotesRead));
    reportNames(built.report,
                QCoreApplication::translate("FlashcardExchange", "Skipped, more than %1 cards").arg(kMaxCards), beyond);
    reportNames(built.report, QCoreApplication::translate("FlashcardExchange", "Skipped, no card name"), unnamed);
    reportNames(built.report, QCoreApplication::translate("FlashcardExchange", "Skipped, another note type"),
                otherType);
    reportNames(
        built.report,
        QCoreApplication::translate("FlashcardExchange", "Without picture, the image is missing or does not decode"),
        noPicture);
    reportNames(built.report, QCoreApplication::translate("FlashcardExchange", "Only the first seven keywords kept"),
                keywordsCut);
    reportNames(built.report,
                QCoreApplication::translate("FlashcardExchange", "Text shortened to fit (%1 characters a meaning)")
                    .arg(kMaxMeaningLength),
                textCut);
    return built;
}

namespace {

// How far the import is, in thousandths: making the cards, then writing them
// into a deck of their own, then taking that in as any deck file.
constexpr qint64 kBuilt = 400;
constexpr qint64 kWritten = 700;
constexpr qint64 kWhole = 1000;

// Runs `work`, reporting it from `from` to `to` of kWhole as it goes.
template <typename T>
T reportedFromTo(const std::function<T(const PackageProgress &)> &work, const ExchangeProgress &progress, qint64 from,
                 qint64 to)
{
    return work([&progress, from, to](qint64 done, qint64 total) {
        const qint64 permille = total > 0 ? done * 1000 / total : 1000;
        if (progress)
            progress(from + (to - from) * std::clamp<qint64>(permille, 0, 1000) / 1000, kWhole);
    });
}

// A new deck from the template in `path`, holding the cards.
QString writeDeck(const QString &path, const BuiltCards &built, const QString &deckName)
{
    if (const QString problem = exchange::copyComplete(paths::templateDatabase(), path, {}); !problem.isEmpty())
        return QCoreApplication::translate("FlashcardExchange", "The deck was not imported. %1").arg(problem);
    QString problem;
    {
        Deck deck;
        if (!deck.open(path, Access::ReadWrite))
            return QCoreApplication::translate("FlashcardExchange", "The deck was not imported: %1")
                .arg(deck.errorText());
        DeckHeader header;
        header.deckName = deckName;
        header.maxCard = int(built.cards.size());
        header.designedBy = QStringLiteral("");
        header.status = QStringLiteral("Create");
        if (!deck.writeTogether([&] {
                return deck.saveHeader(header) && deck.appendCards(built.cards, built.keywordSlots, built.pictures);
            }))
            problem =
                QCoreApplication::translate("FlashcardExchange", "The deck was not imported: %1").arg(deck.errorText());
    }
    // The connection goes with the thread that made it.
    store::closeIdleConnections(path);
    return problem;
}

} // namespace

ExchangeOutcome importCards(const CardBuilder &build, const QString &deckName, const QString &what,
                            const ExchangeProgress &progress)
{
    const auto built = reportedFromTo<BuiltCards>(build, progress, 0, kBuilt);
    if (built.cards.isEmpty())
        return told(
            QCoreApplication::translate("FlashcardExchange", "The %1 holds no card that can be imported.").arg(what) +
                QStringLiteral("\r\n") + built.report.join(QStringLiteral("\r\n")),
            PromptIcon::Critical);

    // The new deck is made from the template in a folder of its own, then
    // taken in as any deck file made elsewhere is.
    const QTemporaryDir work(store::packageWorkTemplate(paths::exchangeFolder()));
    if (!work.isValid())
        return told(QCoreApplication::translate("FlashcardExchange",
                                                "The deck was not imported: the folder %1 cannot be written to.")
                        .arg(paths::exchangeFolder()));
    const QString path = work.filePath(QStringLiteral("deck.vdk"));
    // Encrypting the pictures into the deck takes about as long as decoding them.
    if (const auto problem = reportedFromTo<QString>(
            [&path, &built, &deckName](const PackageProgress &) { return writeDeck(path, built, deckName); }, progress,
            kBuilt, kWritten);
        !problem.isEmpty())
        return told(problem);
    ExchangeOutcome outcome = exchange::importDeck(path, [&progress](qint64 done, qint64 total) {
        if (progress)
            progress(kWritten + (kWhole - kWritten) *
                                    (total > 0 ? std::clamp<qint64>(done, 0, total) * 1000 / total : 1000) / 1000,
                     kWhole);
    });
    store::closeIdleConnections(path);
    if (outcome.ok && !built.report.isEmpty())
        outcome.message.text += QStringLiteral("\r\n\r\n") + built.report.join(QStringLiteral("\r\n"));
    return outcome;
}

ExchangeOutcome importPackage(PackageReader &reader, const PackageChoice &choice, const ExchangeProgress &progress)
{
    const QString deckName = choice.deckName.simplified();
    if (deckName.isEmpty())
        return told(QCoreApplication::translate("FlashcardExchange", "The deck needs a name."));
    return importCards([&reader, &choice](const PackageProgress &built) { return buildCards(reader, choice, built); },
                       deckName,
                       //: Fills %1 of "The %1 holds no card that can be imported."
                       QCoreApplication::translate("FlashcardExchange", "flashcard package"), progress);
}

} // namespace velmora::flashcards
