#pragma once

// Decks written through the program's own store, the way the card editor
// writes them, for tests and measurements.

#include "store/database.h"
#include "store/paths.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QStringList>

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

// JPEG bytes of one colour with a light upper left quarter, so that turned
// pictures can be told apart.
inline QByteArray jpegPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(QRect(QPoint(), size / 2), Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPG", 90) ? bytes : QByteArray();
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

// Adds the cards and their keyword rows to an open deck in one transaction.
[[nodiscard]] inline bool addCards(Database &deck, const QList<SampleCard> &cards)
{
    ResultSet rows;
    ResultSet keywords;
    if (!OpenResultSet(rows, deck, QStringLiteral("Select * from tblCards")) ||
        !OpenResultSet(keywords, deck, QStringLiteral("Select * from tblKeywords")) || !deck.beginTransaction())
        return false;
    int keywordId = keywords.recordCount();
    for (const SampleCard &card : cards) {
        bool ok = rows.addNew() && rows.setField(QStringLiteral("ID"), card.id) &&
                  rows.setField(QStringLiteral("Name"), card.name) &&
                  rows.setField(QStringLiteral("Group"), card.group) &&
                  rows.setField(QStringLiteral("normalmeaning"), card.normalMeaning) &&
                  rows.setField(QStringLiteral("reversedmeaning"), card.reversedMeaning) &&
                  rows.setField(QStringLiteral("issaved"), !card.picture.isEmpty());
        if (ok && !card.picture.isEmpty())
            ok = rows.appendChunk(QStringLiteral("PictureData"), card.picture);
        ok = ok && rows.update();
        for (const QString &keyword : card.keywords) {
            ok = ok && keywords.addNew() && keywords.setField(QStringLiteral("id"), ++keywordId) &&
                 keywords.setField(QStringLiteral("CardID"), card.id) &&
                 keywords.setField(QStringLiteral("keyword"), keyword.isNull() ? QVariant() : QVariant(keyword)) &&
                 keywords.setField(QStringLiteral("cardname"), card.name) && keywords.update();
        }
        if (!ok)
            return false;
    }
    return deck.commitTransaction();
}

[[nodiscard]] inline bool writeCards(const QString &deckPath, const QList<SampleCard> &cards)
{
    Database deck;
    return OpenDatabase(deck, deckPath) && addCards(deck, cards);
}

// Appends a row to the catalog of the current program folder.
[[nodiscard]] inline bool addCatalogRow(const QString &deckName, const QString &dbName)
{
    Database catalog;
    ResultSet decks;
    return OpenDatabase(catalog, paths::catalogDatabase()) &&
           OpenResultSet(decks, catalog, QStringLiteral("Select * from tblStoreDeck")) && decks.addNew() &&
           decks.setField(QStringLiteral("deckname"), deckName) && decks.setField(QStringLiteral("dbName"), dbName) &&
           decks.setField(QStringLiteral("iscomplete"), true) && decks.update();
}

} // namespace velmora::test
