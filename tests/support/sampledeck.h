#pragma once

// Decks written through the program's own store, the way the card editor
// writes them, for tests and measurements.

#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <sqlite3.h>

namespace velmora::test {

struct SampleCard
{
    int id = 0;
    QString name;
    int group = 0;
    QString normalMeaning;
    QString reversedMeaning;
    QStringList keywords; // one tblKeywords row each, Null for a null QString
    QByteArray picture;   // image file bytes; none when empty
};

// The image as the bytes of a file of that format.
inline QByteArray encodedPicture(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format, quality) ? bytes : QByteArray();
}

// JPEG bytes of one colour with a light upper left quarter, so that turned
// pictures can be told apart.
inline QByteArray jpegPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(QRect(QPoint(), size / 2), Qt::white);
    return encodedPicture(image, "JPG", 90);
}

// "Card <id>" with meanings "normal <id>" / "reversed <id>" and keywords
// "k<id>-1".."k<id>-<keywordCount>", without a picture.
inline SampleCard plainCard(int id, int group = 0, int keywordCount = 7)
{
    SampleCard card{id,
                    QStringLiteral("Card %1").arg(id),
                    group,
                    QStringLiteral("normal %1").arg(id),
                    QStringLiteral("reversed %1").arg(id),
                    {},
                    {}};
    for (int k = 1; k <= keywordCount; ++k)
        card.keywords.append(QStringLiteral("k%1-%2").arg(id).arg(k));
    return card;
}

// A full deck of plain cards with pictures: 22 Major Arcana "Major 1".."Major 22"
// (ID 1..22), then "Cups 1".."Cups 14", Wands, Pentacles and Swords.
inline QList<SampleCard> fullDeck(QSize pictureSize = QSize(350, 600))
{
    const char *const groupNames[] = {"Major", "Cups", "Wands", "Pentacles", "Swords"};
    QList<SampleCard> cards;
    for (int id = 1; id <= 78; ++id) {
        const int group = id <= 22 ? 0 : 1 + (id - 23) / 14;
        SampleCard card = plainCard(id, group);
        card.name =
            QStringLiteral("%1 %2").arg(QLatin1String(groupNames[group])).arg(id <= 22 ? id : (id - 23) % 14 + 1);
        card.picture = jpegPicture(pictureSize, QColor::fromHsv((id * 37) % 360, 200, 200));
        cards.append(card);
    }
    return cards;
}

// Cards 4 to 8, each with a 1000 x 1700 BMP picture: 25 MB of BMP in all.
inline QList<SampleCard> largeBmpCards()
{
    QList<SampleCard> cards;
    for (int id = 4; id <= 8; ++id) {
        QImage image(QSize(1000, 1700), QImage::Format_RGB32);
        image.fill(QColor::fromHsv(id * 40, 150, 200));
        cards.append(plainCard(id));
        cards.last().picture = encodedPicture(image, "bmp");
    }
    return cards;
}

// Adds the cards and their seven keyword slots each (missing slots empty,
// Null where the keyword is a null QString) to an open deck in one transaction.
[[nodiscard]] inline bool addCards(Deck &deck, const QList<SampleCard> &cards)
{
    QVector<Card> rows;
    QVector<QStringList> slotLists;
    QVector<QByteArray> pictures;
    for (const SampleCard &card : cards) {
        rows.append(
            {card.id, card.name, card.group, card.normalMeaning, card.reversedMeaning, !card.picture.isEmpty()});
        QStringList keywords = card.keywords.mid(0, kSlotsPerCard);
        while (keywords.size() < kSlotsPerCard)
            keywords.append(QStringLiteral(""));
        slotLists.append(keywords);
        pictures.append(card.picture);
    }
    return deck.appendCards(rows, slotLists, pictures);
}

[[nodiscard]] inline bool writeCards(const QString &deckPath, const QList<SampleCard> &cards)
{
    Deck deck;
    return deck.open(deckPath, Access::ReadWrite) && addCards(deck, cards);
}

// Runs SQL on a database file as another program would, past every check of
// the store: for crafting files the store must refuse.
[[nodiscard]] inline bool rawExec(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    const QByteArray file = path.toUtf8();
    const QByteArray text = sql.toUtf8();
    bool ok = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_key(db, "Q8Lmt5vNxe2rrH6p73", 18) == SQLITE_OK &&
              sqlite3_exec(db, text.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        qWarning("rawExec: %s", db ? sqlite3_errmsg(db) : "no connection");
    sqlite3_close_v2(db);
    return ok;
}

// What the sqlcipher shell prints for the SQL run on the file with the text
// key, as another installation would read it; null when no shell is installed.
inline QString sqlcipherShell(const QString &file, const QString &sql)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (shell.isEmpty())
        return {};
    QProcess process;
    process.start(shell, {file});
    if (!process.waitForStarted())
        return QStringLiteral("no shell");
    process.write("PRAGMA key='Q8Lmt5vNxe2rrH6p73';\n" + sql.toUtf8() + '\n');
    process.closeWriteChannel();
    process.waitForFinished(30000);
    const QString output =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
    return output.isNull() ? QStringLiteral("") : output;
}

// The first column of the first row a query gives, as text, past the store.
[[nodiscard]] inline QString rawText(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr;
    QString text;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_key(db, "Q8Lmt5vNxe2rrH6p73", 18) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return text;
}

// Another program holding a lock on a database file until destroyed:
// "BEGIN IMMEDIATE" its write lock (reading goes on, writing waits and fails),
// "BEGIN EXCLUSIVE" every access, "BEGIN; SELECT ..." a read that keeps
// writes from finishing.
class HeldLock
{
public:
    HeldLock(const QString &path, const char *sql)
    {
        const QByteArray file = path.toUtf8();
        if (sqlite3_open_v2(file.constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
            sqlite3_key(db_, "Q8Lmt5vNxe2rrH6p73", 18) != SQLITE_OK ||
            sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            qWarning("HeldLock: %s", db_ ? sqlite3_errmsg(db_) : "no connection");
    }
    ~HeldLock()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db_);
    }
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;

private:
    sqlite3 *db_ = nullptr;
};

// Appends a row to the catalog of the current program folder.
[[nodiscard]] inline bool addCatalogRow(const QString &deckName, const QString &dbName)
{
    Catalog catalog;
    return catalog.open(Access::ReadWrite) && catalog.addDeck(deckName, dbName);
}

} // namespace velmora::test
