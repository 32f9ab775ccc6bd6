#include "installeddata.h"

#include "cardart.h"
#include "dbwriter.h"

#include "store/catalog.h"
#include "store/deck.h"
#include "store/pictures.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>

#include <utility>

namespace velmora::mkdata {

namespace {

// Builds a database under a temporary name and moves it into place when fill
// succeeded; an interrupted or failed run leaves no file at the target.
template <typename Fill>
bool buildFile(const QString &path, bool deckTables, Fill fill, QString *error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = path + QStringLiteral(" exists already");
        return false;
    }
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    bool ok =
        deckTables ? dbwriter::createDeckDatabase(partial, error) : dbwriter::createCatalogDatabase(partial, error);
    if (ok)
        ok = fill(partial);
    if (ok && !QFile::rename(partial, path)) {
        ok = false;
        if (error)
            *error = QStringLiteral("cannot move ") + partial + QStringLiteral(" to ") + path;
    }
    if (!ok) {
        QFile::remove(partial);
        if (error)
            *error = path + QStringLiteral(": ") + *error;
    }
    return ok;
}

// Opens the file for the writes of fill; false with the reason in error.
template <typename Store>
bool failed(const Store &store, QString *error)
{
    if (error)
        *error = store.errorText();
    return false;
}

bool writeTypeStamp(Deck &deck, bool isDefault, QString *error)
{
    return deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), isDefault}) || failed(deck, error);
}

// The name a deck file carries in its header, empty when it cannot be read.
QString deckNameOf(const QString &deckPath)
{
    Deck deck;
    if (!deck.open(deckPath))
        return {};
    const auto header = deck.header();
    return header ? header->deckName : QString();
}

} // namespace

bool writeCatalog(const QString &path, const QString &defaultDeckName, QString *error)
{
    return buildFile(
        path, false,
        [&](const QString &partial) {
            Catalog catalog;
            return (catalog.open(Access::ReadWrite, partial) &&
                    catalog.addDeck(defaultDeckName, QString::fromLatin1(kDefaultDeckFile))) ||
                   failed(catalog, error);
        },
        error);
}

bool writeTemplate(const QString &path, QString *error)
{
    return buildFile(
        path, true,
        [&](const QString &partial) {
            Deck deck;
            return deck.open(partial, Access::ReadWrite) ? writeTypeStamp(deck, false, error) : failed(deck, error);
        },
        error);
}

bool writeDefaultDeck(const QString &path, const DeckText &deck, QString *error)
{
    return buildFile(
        path, true,
        [&](const QString &partial) {
            Deck written;
            if (!written.open(partial, Access::ReadWrite) ||
                !written.saveHeader(
                    {deck.deckName, int(deck.cards.size()), deck.designer, QString(), QStringLiteral("Create")}))
                return failed(written, error);
            QVector<Card> cards;
            QVector<QStringList> keywordSlots;
            QVector<QByteArray> pictures;
            for (const CardText &card : deck.cards) {
                const CardPlace &place = deckOrder()[card.id - 1];
                const QByteArray picture = encodeJpeg(drawCard({card.name, place.group, place.rank}));
                if (picture.isEmpty()) {
                    if (error)
                        *error = QStringLiteral("cannot encode the picture of ") + card.name;
                    return false;
                }
                cards.append({card.id, card.name, card.group, card.upright, card.reversed, true});
                keywordSlots.append(card.keywords);
                pictures.append(picture);
            }
            return (written.appendCards(cards, keywordSlots, pictures) || failed(written, error)) &&
                   writeTypeStamp(written, true, error);
        },
        error);
}

bool layDownInstalledData(const QString &programFolder, const QString &sourcePath, QStringList *log, QString *error)
{
    const QDir folder(programFolder);
    for (const QString &sub : {QStringLiteral("tutor"), QStringLiteral("temp")}) {
        if (folder.exists(sub))
            continue;
        if (!folder.mkpath(sub)) {
            if (error)
                *error = QStringLiteral("cannot create the folder ") + folder.filePath(sub);
            return false;
        }
        if (log)
            log->append(folder.filePath(sub));
    }

    const QString catalog = folder.filePath(QStringLiteral("update.vdk"));
    const QString templ = folder.filePath(QStringLiteral("tutor.vdk"));
    const QString deck = folder.filePath(QStringLiteral("tutor/") + QString::fromLatin1(kDefaultDeckFile));
    const bool needCatalog = !QFileInfo::exists(catalog);
    const bool needDeck = !QFileInfo::exists(deck);

    std::optional<DeckText> text;
    if (needDeck || needCatalog) {
        text = readDeckText(sourcePath, error);
        if (!text)
            return false;
    }
    const auto done = [log](const QString &path) {
        if (log)
            log->append(path);
        return true;
    };
    if (!QFileInfo::exists(templ) && !(writeTemplate(templ, error) && done(templ)))
        return false;
    if (needDeck && !(writeDefaultDeck(deck, *text, error) && done(deck)))
        return false;
    if (needCatalog) {
        // A catalog laid down beside a deck the user has renamed lists it by its present name.
        QString name = needDeck ? QString() : deckNameOf(deck);
        if (name.isEmpty())
            name = text->deckName;
        if (!(writeCatalog(catalog, name, error) && done(catalog)))
            return false;
    }
    return true;
}

bool writeContactSheet(const QString &deckPath, const QString &imagePath, QString *error)
{
    Deck deck;
    const auto cards = deck.open(deckPath) ? deck.cards() : std::nullopt;
    if (!cards) {
        if (error)
            *error = deckPath + QStringLiteral(": ") + deck.errorText();
        return false;
    }

    const QSize cell(kCardPictureSize.width() / 2, kCardPictureSize.height() / 2);
    const int gap = 8;
    const int columns = kSuitSize;
    struct Placed
    {
        QImage image;
        int row;
        int column;
    };
    QVector<Placed> placed;
    int row = -1;
    int column = columns;
    int lastGroup = -1;
    for (const Card &card : *cards) {
        const int group = card.group;
        const int wrapAt = group == 0 ? kMajorArcanaCount / 2 : columns;
        if (group != lastGroup || column >= wrapAt) {
            ++row;
            column = 0;
        }
        lastGroup = group;
        const QImage picture = decodePicture(deck.picture(card.id), cell);
        placed.append({picture, row, column++});
    }
    QImage sheet(columns * (cell.width() + gap) + gap, (row + 1) * (cell.height() + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x34));
    QPainter painter(&sheet);
    for (const Placed &card : placed) {
        const QPoint at(gap + card.column * (cell.width() + gap), gap + card.row * (cell.height() + gap));
        if (card.image.isNull())
            painter.fillRect(QRect(at, cell), Qt::red);
        else
            painter.drawImage(at, card.image);
    }
    painter.end();
    if (!sheet.save(imagePath, "png")) {
        if (error)
            *error = QStringLiteral("cannot write ") + imagePath;
        return false;
    }
    return true;
}

bool extractPictures(const QString &deckPath, const QString &folder, int *count, QString *error)
{
    Deck deck;
    const auto cards = deck.open(deckPath) ? deck.cards() : std::nullopt;
    if (!cards) {
        if (error)
            *error = deckPath + QStringLiteral(": ") + deck.errorText();
        return false;
    }
    if (!QDir().mkpath(folder))
        return false;
    int written = 0;
    for (const Card &card : *cards) {
        const QByteArray bytes = deck.picture(card.id);
        if (bytes.isEmpty())
            continue;
        const char *extension = bytes.startsWith("BM") ? "bmp" : bytes.startsWith("GIF") ? "gif" : "jpg";
        QString name = card.name.toLower();
        name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1-%2.%3").arg(card.id, 2, 10, QLatin1Char('0')).arg(name, QString::fromLatin1(extension)));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            if (error)
                *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        ++written;
    }
    if (count)
        *count = written;
    return true;
}

} // namespace velmora::mkdata
