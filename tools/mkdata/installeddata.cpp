#include "installeddata.h"

#include "cardart.h"
#include "dbwriter.h"

#include "store/database.h"
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

using Fields = QList<std::pair<QString, QVariant>>;

bool addRow(ResultSet &rs, const Fields &fields, QString *error, const QByteArray &picture = {})
{
    bool ok = rs.addNew();
    for (const auto &[name, value] : fields)
        ok = ok && rs.setField(name, value);
    if (ok && !picture.isEmpty())
        ok = rs.appendChunk(QStringLiteral("PictureData"), picture);
    ok = ok && rs.update();
    if (!ok && error)
        *error = rs.errorText();
    return ok;
}

bool openTable(Database &db, ResultSet &rs, const QString &table, QString *error)
{
    if (OpenResultSet(rs, db, QStringLiteral("Select * from ") + table))
        return true;
    if (error)
        *error = rs.errorText();
    return false;
}

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
    if (ok) {
        Database db;
        ok = OpenDatabase(db, partial);
        if (!ok && error)
            *error = db.errorText();
        ok = ok && db.beginTransaction();
        ok = ok && fill(db);
        ok = ok && db.commitTransaction();
        if (!ok)
            db.rollbackTransaction();
    }
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

bool writeTypeStamp(Database &db, bool isDefault, QString *error)
{
    ResultSet type;
    return openTable(db, type, QStringLiteral("tblType"), error) &&
           addRow(type,
                  {{QStringLiteral("Type"), QStringLiteral("Tutor")},
                   {QStringLiteral("software"), QStringLiteral("Tutor")},
                   {QStringLiteral("isdefault"), isDefault}},
                  error);
}

// The name a deck file carries in its header, empty when it cannot be read.
QString deckNameOf(const QString &deckPath)
{
    Database db;
    ResultSet header;
    if (!OpenDatabase(db, deckPath) || !OpenResultSet(header, db, QStringLiteral("Select * from tblDeckNames")) ||
        header.recordCount() == 0)
        return {};
    header.moveFirst();
    return header.field(QStringLiteral("deckname")).toString();
}

} // namespace

bool writeCatalog(const QString &path, const QString &defaultDeckName, QString *error)
{
    return buildFile(
        path, false,
        [&](Database &db) {
            ResultSet decks;
            return openTable(db, decks, QStringLiteral("tblStoreDeck"), error) &&
                   addRow(decks,
                          {{QStringLiteral("deckname"), defaultDeckName},
                           {QStringLiteral("dbName"), QString::fromLatin1(kDefaultDeckFile)},
                           {QStringLiteral("iscomplete"), true}},
                          error);
        },
        error);
}

bool writeTemplate(const QString &path, QString *error)
{
    return buildFile(
        path, true, [&](Database &db) { return writeTypeStamp(db, false, error); }, error);
}

bool writeDefaultDeck(const QString &path, const DeckText &deck, QString *error)
{
    return buildFile(
        path, true,
        [&](Database &db) {
            ResultSet header;
            if (!openTable(db, header, QStringLiteral("tblDeckNames"), error) ||
                !addRow(header,
                        {{QStringLiteral("deckname"), deck.deckName},
                         {QStringLiteral("maxcard"), int(deck.cards.size())},
                         {QStringLiteral("designedby"), deck.designer},
                         {QStringLiteral("password"), QString()},
                         {QStringLiteral("status"), QStringLiteral("Create")}},
                        error))
                return false;

            ResultSet cards;
            if (!openTable(db, cards, QStringLiteral("tblCards"), error))
                return false;
            for (const CardText &card : deck.cards) {
                const CardPlace &place = deckOrder()[card.id - 1];
                const QByteArray picture = encodeJpeg(drawCard({card.name, place.group, place.rank}));
                if (picture.isEmpty()) {
                    if (error)
                        *error = QStringLiteral("cannot encode the picture of ") + card.name;
                    return false;
                }
                if (!addRow(cards,
                            {{QStringLiteral("ID"), card.id},
                             {QStringLiteral("Name"), card.name},
                             {QStringLiteral("Group"), card.group},
                             {QStringLiteral("normalmeaning"), card.upright},
                             {QStringLiteral("reversedmeaning"), card.reversed},
                             {QStringLiteral("issaved"), true}},
                            error, picture))
                    return false;
            }

            ResultSet keywords;
            if (!openTable(db, keywords, QStringLiteral("tblKeywords"), error))
                return false;
            int slot = 0;
            for (const CardText &card : deck.cards) {
                for (const QString &keyword : card.keywords) {
                    if (!addRow(keywords,
                                {{QStringLiteral("id"), ++slot},
                                 {QStringLiteral("CardID"), card.id},
                                 {QStringLiteral("keyword"), keyword},
                                 {QStringLiteral("cardname"), card.name}},
                                error))
                        return false;
                }
            }
            return writeTypeStamp(db, true, error);
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
    Database db;
    ResultSet cards;
    if (!OpenDatabase(db, deckPath)) {
        if (error)
            *error = deckPath + QStringLiteral(": ") + db.errorText();
        return false;
    }
    if (!openTable(db, cards, QStringLiteral("tblCards"), error))
        return false;

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
    for (cards.moveFirst(); !cards.isEof(); cards.moveNext()) {
        const int group = cards.field(QStringLiteral("Group")).toInt();
        const int wrapAt = group == 0 ? kMajorArcanaCount / 2 : columns;
        if (group != lastGroup || column >= wrapAt) {
            ++row;
            column = 0;
        }
        lastGroup = group;
        const qint64 size = cards.actualSize(QStringLiteral("PictureData"));
        QImage picture = size > 0 ? decodePicture(cards.getChunk(QStringLiteral("PictureData"), size)) : QImage();
        placed.append(
            {picture.isNull() ? QImage() : picture.scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation), row,
             column++});
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
    Database db;
    ResultSet cards;
    if (!OpenDatabase(db, deckPath)) {
        if (error)
            *error = deckPath + QStringLiteral(": ") + db.errorText();
        return false;
    }
    if (!openTable(db, cards, QStringLiteral("tblCards"), error) || !QDir().mkpath(folder))
        return false;
    int written = 0;
    for (cards.moveFirst(); !cards.isEof(); cards.moveNext()) {
        const qint64 size = cards.actualSize(QStringLiteral("PictureData"));
        if (size <= 0)
            continue;
        const QByteArray bytes = cards.getChunk(QStringLiteral("PictureData"), size);
        const char *extension = bytes.startsWith("BM") ? "bmp" : bytes.startsWith("GIF") ? "gif" : "jpg";
        QString name = cards.field(QStringLiteral("Name")).toString().toLower();
        name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        const QString path =
            QDir(folder).filePath(QStringLiteral("%1-%2.%3")
                                      .arg(cards.field(QStringLiteral("ID")).toInt(), 2, 10, QLatin1Char('0'))
                                      .arg(name, QString::fromLatin1(extension)));
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
