#pragma once

// Fills a deck database through the store, the way the card editor writes it.

#include "store/database.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace velmora::test {

struct CardRow
{
    int id = 0;
    QString name;
    int group = 0;
    QString normalMeaning;
    QString reversedMeaning;
    QStringList keywords; // one tblKeywords row each
    QByteArray picture;   // image file bytes, or empty
};

// Cards named "Card <id>" with meanings "normal <id>" / "reversed <id>" and
// keywords "k<id>-1".."k<id>-7".
inline CardRow plainCard(int id, int group = 0, int keywordCount = 7)
{
    CardRow card;
    card.id = id;
    card.name = QStringLiteral("Card ") + QString::number(id);
    card.group = group;
    card.normalMeaning = QStringLiteral("normal ") + QString::number(id);
    card.reversedMeaning = QStringLiteral("reversed ") + QString::number(id);
    for (int k = 1; k <= keywordCount; ++k)
        card.keywords.append(QStringLiteral("k%1-%2").arg(id).arg(k));
    return card;
}

[[nodiscard]] inline bool addCards(Database &deck, const QVector<CardRow> &cards)
{
    ResultSet cardRows;
    ResultSet keywordRows;
    if (!OpenResultSet(cardRows, deck, QStringLiteral("Select * from tblCards")) ||
        !OpenResultSet(keywordRows, deck, QStringLiteral("Select * from tblKeywords")))
        return false;
    if (!deck.beginTransaction())
        return false;
    int keywordId = keywordRows.recordCount();
    for (const CardRow &card : cards) {
        bool ok = cardRows.addNew() && cardRows.setField(QStringLiteral("ID"), card.id) &&
                  cardRows.setField(QStringLiteral("Name"), card.name) &&
                  cardRows.setField(QStringLiteral("Group"), card.group) &&
                  cardRows.setField(QStringLiteral("normalmeaning"), card.normalMeaning) &&
                  cardRows.setField(QStringLiteral("reversedmeaning"), card.reversedMeaning) &&
                  cardRows.setField(QStringLiteral("issaved"), !card.picture.isEmpty());
        if (ok && !card.picture.isEmpty())
            ok = cardRows.appendChunk(QStringLiteral("PictureData"), card.picture);
        ok = ok && cardRows.update();
        for (const QString &keyword : card.keywords) {
            ok = ok && keywordRows.addNew() && keywordRows.setField(QStringLiteral("id"), ++keywordId) &&
                 keywordRows.setField(QStringLiteral("CardID"), card.id) &&
                 keywordRows.setField(QStringLiteral("keyword"), keyword) &&
                 keywordRows.setField(QStringLiteral("cardname"), card.name) && keywordRows.update();
        }
        if (!ok) {
            deck.rollbackTransaction();
            return false;
        }
    }
    return deck.commitTransaction();
}

} // namespace velmora::test
