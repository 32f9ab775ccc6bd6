#pragma once

// The default deck's readable source: a header block with the deck's name and
// designer, then one "key: value" record per card in deck order.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora::mkdata {

inline constexpr int kDeckSize = 78;
inline constexpr int kMajorArcanaCount = 22;
inline constexpr int kSuitSize = 14;

// Where a card stands in the deck: its name, its group and its rank within the
// group (0 to 21 for the Major Arcana, 1 Ace to 14 King for a suit).
struct CardPlace
{
    QString name;
    int group = 0;
    int rank = 0;
};

// The 78 places in deck order; index 0 is the card with ID 1.
[[nodiscard]] const QVector<CardPlace> &deckOrder();

struct CardText
{
    int id = 0;
    QString name;
    int group = 0;
    QStringList keywords;
    QString upright;
    QString reversed;
};

struct DeckText
{
    QString deckName;
    QString designer;
    QVector<CardText> cards;
};

// Reads and checks the whole source. On a fault returns nothing and sets error
// to one line that names the source line and, inside a card record, the card.
[[nodiscard]] std::optional<DeckText> parseDeckText(const QString &text, const QString &sourceName, QString *error);
[[nodiscard]] std::optional<DeckText> readDeckText(const QString &path, QString *error);

} // namespace velmora::mkdata
