#pragma once

// Decks with cards, keywords and pictures written through the program's own
// store, for tests and measurements.

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
    QStringList keywords; // one keyword row per entry, Null for a null QString
    QByteArray picture;   // image file bytes; none when empty
};

// The bytes of a JPEG file of the given size in one colour, with a mark in its
// upper left quarter so that turned pictures can be told apart.
inline QByteArray jpegPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height() / 2), Qt::white);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// A full deck: 22 Major Arcana (ID 1..22), then 14 cards of each suit, every
// card with seven keywords, two meanings and a picture of the given size.
inline QList<SampleCard> fullDeck(QSize pictureSize = QSize(350, 600))
{
    QList<SampleCard> cards;
    const QStringList groupNames{QStringLiteral("Major"), QStringLiteral("Cups"), QStringLiteral("Wands"),
                                 QStringLiteral("Pentacles"), QStringLiteral("Swords")};
    int id = 1;
    for (int group = 0; group < 5; ++group) {
        const int count = group == 0 ? 22 : 14;
        for (int n = 1; n <= count; ++n, ++id) {
            SampleCard card;
            card.id = id;
            card.group = group;
            card.name = QStringLiteral("%1 %2").arg(groupNames[group]).arg(n);
            card.normalMeaning = QStringLiteral("Upright meaning of card %1. ").arg(id).repeated(8);
            card.reversedMeaning = QStringLiteral("Reversed meaning of card %1. ").arg(id).repeated(8);
            for (int k = 1; k <= 7; ++k)
                card.keywords.append(QStringLiteral("word%1-%2").arg(id).arg(k));
            card.picture = jpegPicture(pictureSize, QColor::fromHsv((id * 37) % 360, 200, 200));
            cards.append(card);
        }
    }
    return cards;
}

// Adds the cards and their keyword rows to an existing deck database.
inline bool writeCards(const QString &deckPath, const QList<SampleCard> &cards)
{
    Database deck;
    ResultSet rows;
    ResultSet keywords;
    if (!OpenDatabase(deck, deckPath) || !OpenResultSet(rows, deck, QStringLiteral("Select * from tblCards")) ||
        !OpenResultSet(keywords, deck, QStringLiteral("Select * from tblKeywords")))
        return false;
    if (!deck.beginTransaction())
        return false;
    int keywordId = 1;
    for (const SampleCard &card : cards) {
        bool ok = rows.addNew() && rows.setField(QStringLiteral("ID"), card.id) &&
                  rows.setField(QStringLiteral("Name"), card.name) &&
                  rows.setField(QStringLiteral("Group"), card.group) &&
                  rows.setField(QStringLiteral("normalmeaning"), card.normalMeaning) &&
                  rows.setField(QStringLiteral("reversedmeaning"), card.reversedMeaning);
        if (ok && !card.picture.isEmpty())
            ok = rows.appendChunk(QStringLiteral("PictureData"), card.picture);
        if (!ok || !rows.update())
            return false;
        for (const QString &keyword : card.keywords) {
            const QVariant value = keyword.isNull() ? QVariant() : QVariant(keyword);
            if (!keywords.addNew() || !keywords.setField(QStringLiteral("id"), keywordId++) ||
                !keywords.setField(QStringLiteral("CardID"), card.id) ||
                !keywords.setField(QStringLiteral("keyword"), value) ||
                !keywords.setField(QStringLiteral("cardname"), card.name) || !keywords.update())
                return false;
        }
    }
    return deck.commitTransaction();
}

// Appends a row to the catalog of the current program folder.
inline bool addCatalogRow(const QString &deckName, const QString &dbName)
{
    Database catalog;
    ResultSet decks;
    return OpenDatabase(catalog, paths::catalogDatabase()) &&
           OpenResultSet(decks, catalog, QStringLiteral("Select * from tblStoreDeck")) && decks.addNew() &&
           decks.setField(QStringLiteral("deckname"), deckName) && decks.setField(QStringLiteral("dbName"), dbName) &&
           decks.setField(QStringLiteral("iscomplete"), true) && decks.update();
}

} // namespace velmora::test
