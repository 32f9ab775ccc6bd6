#pragma once

// Deck files as a careless or malicious program could make them: every table
// present (so the opener's first checks pass) and then whatever SQL can put
// into the rows. Each kind is a few statements run past the store.

#include "dbwriter.h"
#include "sampledeck.h"

#include <QImage>
#include <QStringList>

namespace velmora::test {

// Rows 1..count of tblCards (group 0, plain texts) with seven slots each.
inline QString plainRowsSql(int count)
{
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO tblCards (ID, Name, \"Group\", normalmeaning, reversedmeaning, issaved) "
                          "SELECT i, 'Card ' || i, 0, 'up ' || i, 'down ' || i, 1 FROM n;"
                          "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1 * 7 - 1) "
                          "INSERT INTO tblKeywords (id, CardID, keyword, cardname) "
                          "SELECT i + 1, i / 7 + 1, 'word ' || i, 'Card ' || (i / 7 + 1) FROM n;"
                          "INSERT INTO tblDeckNames VALUES ('Hostile', %1, 'x', NULL, 'complete');"
                          "INSERT INTO tblType VALUES ('Tutor', 'Tutor', 0);")
        .arg(count);
}

// A BMP of 4 x 4 pixels whose header claims width x height.
inline QByteArray lyingBitmap(qint32 width, qint32 height)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes = encodedPicture(image, "bmp");
    memcpy(bytes.data() + 18, &width, 4);
    memcpy(bytes.data() + 22, &height, 4);
    return bytes;
}

struct HostileKind
{
    const char *name = "";
    QString sql; // run after plainRowsSql(cards)
    int cards = 22;
    QVector<QPair<int, QByteArray>> pictures; // card ID, PictureData
};

inline HostileKind hostileKind(const char *name, const QString &sql, int cards = 22,
                               const QVector<QPair<int, QByteArray>> &pictures = {})
{
    return {name, sql, cards, pictures};
}

inline QList<HostileKind> hostileKinds()
{
    const QString huge = QStringLiteral("printf('%.*c', 5000000, 'x')");
    QImage inflating(8000, 8000, QImage::Format_Mono); // kilobytes that decode to 256 MB
    inflating.fill(0);
    QImage large(3000, 4000, QImage::Format_RGB32); // 48 MB decoded, within the limit
    large.fill(Qt::darkGreen);
    return {
        hostileKind(
            "huge texts",
            QStringLiteral("UPDATE tblCards SET Name = %1, normalmeaning = %1, reversedmeaning = %1 WHERE ID = 1;"
                           "UPDATE tblKeywords SET keyword = %1, cardname = %1 WHERE CardID = 1;"
                           "UPDATE tblDeckNames SET deckname = %1, designedby = %1;")
                .arg(huge)),
        hostileKind(
            "wrong types",
            QStringLiteral("UPDATE tblCards SET Name = x'fffe00c3', \"Group\" = 'many', normalmeaning = 3.5e300,"
                           " reversedmeaning = x'00', issaved = 'yes', PictureData = 'not a picture' WHERE ID % 2 = 0;"
                           "UPDATE tblCards SET \"Group\" = 9223372036854775807 WHERE ID = 3;"
                           "UPDATE tblKeywords SET keyword = x'c0af', cardname = 42 WHERE CardID = 5;"
                           "UPDATE tblDeckNames SET maxcard = 'seventy', password = x'ff';"
                           "UPDATE tblType SET isdefault = 'maybe';")),
        hostileKind("nulls everywhere",
                    QStringLiteral("UPDATE tblCards SET Name = NULL, \"Group\" = NULL, normalmeaning = NULL,"
                                   " reversedmeaning = NULL, PictureData = NULL WHERE ID > 1;"
                                   "UPDATE tblKeywords SET keyword = NULL, cardname = NULL WHERE CardID > 1;"
                                   "UPDATE tblDeckNames SET deckname = NULL, maxcard = NULL, status = NULL;"
                                   "UPDATE tblType SET Type = NULL, software = NULL;")),
        hostileKind("card ID null", QStringLiteral("UPDATE tblCards SET ID = NULL WHERE ID = 4;")),
        hostileKind("slots doubled",
                    QStringLiteral("INSERT INTO tblKeywords SELECT * FROM tblKeywords WHERE CardID = 2;")),
        hostileKind("slots missing", QStringLiteral("DELETE FROM tblKeywords WHERE CardID = 7;")),
        hostileKind("slots of no card", QStringLiteral("INSERT INTO tblKeywords VALUES (9999, 500, 'stray', 'None');")),
        hostileKind("no header rows", QStringLiteral("DELETE FROM tblDeckNames; DELETE FROM tblType;")),
        hostileKind("header rows doubled", QStringLiteral("INSERT INTO tblDeckNames SELECT * FROM tblDeckNames;"
                                                          "INSERT INTO tblType SELECT * FROM tblType;")),
        hostileKind("no cards", QStringLiteral("DELETE FROM tblCards; DELETE FROM tblKeywords;")),
        hostileKind("10,000 cards", QString(), 10000),
        hostileKind("lying and inflating pictures", QString(), 22,
                    {{1, lyingBitmap(100000, 100000)},
                     {2, lyingBitmap(-2147483647 - 1, 1)},
                     {3, encodedPicture(inflating, "png")},
                     {4, encodedPicture(large, "jpg")},
                     {5, encodedPicture(large, "jpg").left(2000)},
                     {6, QByteArray(3'000'000, '\0')},
                     {7, QByteArray("GIF89a\xff\xff\xff\xff", 10)}}),
    };
}

// Writes the deck of the kind at path, a new file.
[[nodiscard]] inline bool makeHostileDeck(const QString &path, const HostileKind &kind)
{
    if (!dbwriter::createDeckDatabase(path) || !rawExec(path, plainRowsSql(kind.cards)))
        return false;
    if (!kind.sql.isEmpty() && !rawExec(path, kind.sql))
        return false;
    if (kind.pictures.isEmpty())
        return true;
    Deck deck;
    if (!deck.open(path, Access::ReadWrite))
        return false;
    for (const auto &[cardId, bytes] : kind.pictures) {
        if (!deck.savePicture(cardId, bytes))
            return false;
    }
    return true;
}

} // namespace velmora::test
