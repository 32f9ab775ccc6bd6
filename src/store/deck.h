#pragma once

// One deck database: its header, type stamp, cards and keyword slots, read
// with bound SQL and written one user action per transaction.

#include "store/dbfile.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora {

struct DeckHeader
{
    QString deckName;
    int maxCard = 0;
    QString designedBy;
    QString password; // null or empty: the deck has no password
    QString status;
};

struct TypeStamp
{
    QString type;
    QString software;
    bool isDefault = false;
};

// A card row without its picture, which is read on demand.
struct Card
{
    int id = 0;
    QString name;
    int group = 0;
    QString normalMeaning;
    QString reversedMeaning;
    bool isSaved = false;
};

inline constexpr int kSlotsPerCard = 7;

// Which of a card row's text and group fields a write touches.
enum CardField : unsigned {
    kCardName = 1u << 0,
    kCardGroup = 1u << 1,
    kCardNormalMeaning = 1u << 2,
    kCardReversedMeaning = 1u << 3,
};

// A card's stored picture as a whole: its size and whether it is a BMP file.
struct StoredPicture
{
    int cardId = 0;
    qint64 bytes = 0;
    bool bmp = false;
};

struct KeywordSlot
{
    int cardId = 0;
    QString keyword;
};

class Deck
{
public:
    // Opens and checks the file; refuses, with failure() and errorText() set,
    // a missing, damaged or foreign file, a schema with a trigger or view,
    // duplicate card IDs and cards without their seven keyword slots.
    [[nodiscard]] bool open(const QString &path, Access access = Access::ReadOnly);
    [[nodiscard]] bool isOpen() const { return file_.isOpen(); }
    [[nodiscard]] QString errorText() const { return file_.errorText(); }
    [[nodiscard]] OpenFailure failure() const { return file_.failure(); }
    [[nodiscard]] QString path() const { return file_.path(); }
    void close()
    {
        file_.close();
        rowsRead_ = false;
    }

    [[nodiscard]] std::optional<DeckHeader> header();
    [[nodiscard]] std::optional<TypeStamp> typeStamp();
    // In ID order.
    [[nodiscard]] std::optional<QVector<Card>> cards();
    // The cards of the given groups, in ID order.
    [[nodiscard]] std::optional<QVector<Card>> cardsInGroups(const QVector<int> &groups);
    // The IDs of cards(), in the same order. A read-only opening of a file
    // in the state of the last such read takes them from that read.
    [[nodiscard]] std::optional<QVector<int>> cardIds();
    // The stored image file bytes; empty for no picture or one too large to show.
    [[nodiscard]] QByteArray picture(int cardId);
    // Every stored picture, in ID order, read without reading the pictures.
    [[nodiscard]] std::optional<QVector<StoredPicture>> storedPictures();
    // The card's slots in slot order, empty ones included.
    [[nodiscard]] std::optional<QStringList> keywords(int cardId);
    // Every slot of the deck in slot order, with the card it belongs to: one
    // read for callers that would otherwise look up card after card.
    [[nodiscard]] std::optional<QVector<KeywordSlot>> keywordSlots();
    // Finds where every card's row and slots are, as the first look-up by
    // card does, for a connection that will look cards up soon: what is found
    // serves every read-only connection to the file as it is now.
    [[nodiscard]] bool findRows() { return readRows(); }
    // Some slot's keyword is Null or empty.
    [[nodiscard]] std::optional<bool> hasMissingKeyword();
    // Some slot holds empty text in keyword, cardname, id or CardID.
    [[nodiscard]] std::optional<bool> hasEmptyKeywordField();

    // Each write is one transaction: on false nothing of it is stored.
    [[nodiscard]] bool saveHeader(const DeckHeader &header);
    [[nodiscard]] bool saveTypeStamp(const TypeStamp &stamp);
    // The card's row fields (not its picture) and its seven slots, whose
    // cardname follows the card's name.
    [[nodiscard]] bool saveCard(const Card &card, const QStringList &keywordSlots);
    // Only the given fields of the card's row; the picture and slots stay.
    [[nodiscard]] bool saveCardFields(const Card &card, unsigned fields);
    // Slot `slot` (0 to 6, in the card's own slot order) of the card: its
    // keyword and cardname, nothing else.
    [[nodiscard]] bool saveKeywordSlot(int cardId, int slot, const QString &keyword, const QString &cardName);
    // The given fields and the slots named in slotMask (bit k: slot k, whose
    // cardname becomes card.name) in one transaction.
    [[nodiscard]] bool saveCardChanges(const Card &card, unsigned fields, const QStringList &keywordSlots,
                                       unsigned slotMask);
    // Replaces the picture by exactly these bytes and marks the card saved.
    [[nodiscard]] bool savePicture(int cardId, const QByteArray &imageFile);
    // Replaces the picture by exactly these bytes; nothing else of the card changes.
    [[nodiscard]] bool replacePicture(int cardId, const QByteArray &imageFile);
    // Whether this connection overwrites freed pages with zeros, as it does
    // from opening. Rewriting a card row rewrites its picture, so zeroing
    // the row's old pages doubles what every edit writes; a connection that
    // only replaces rows by versions of themselves may leave them, and must
    // turn it back on before it is closed for others to use.
    void eraseFreedPages(bool erase);
    // Gives the pages freed by smaller pictures back to the disk: the file
    // shrinks to what it holds. Not inside writeTogether.
    [[nodiscard]] bool shrinkFile();
    // Removes the picture and the meanings, sets the group to 0 and the card
    // unsaved; name and keyword slots stay.
    [[nodiscard]] bool clearCardContent(int cardId);
    // Appends cards (with their slots, seven each, numbered on from the last)
    // after the last; a picture per card may be given. A slot's cardname is
    // the card's name where the slot has a keyword, else empty.
    [[nodiscard]] bool appendCards(const QVector<Card> &cards, const QVector<QStringList> &keywordSlots,
                                   const QVector<QByteArray> &pictures = {});
    // Removes the cards after the first `keep` ones, with their slots.
    [[nodiscard]] bool truncateCards(int keep);
    // Runs several of the writes above as one transaction: all are stored or
    // none, even when the process dies between two of them.
    [[nodiscard]] bool writeTogether(const std::function<bool()> &writes);

private:
    [[nodiscard]] bool checkRows();
    [[nodiscard]] bool writeFields(const Card &card, unsigned fields);
    [[nodiscard]] bool writeSlot(int cardId, int slot, const QString &keyword, const QString &cardName);
    [[nodiscard]] bool writePicture(int cardId, const QByteArray &imageFile, bool markSaved);
    [[nodiscard]] bool writable();
    [[nodiscard]] bool readRows();
    [[nodiscard]] std::optional<QString> slotKeyword(qint64 rowid, int cardId);
    [[nodiscard]] std::optional<QStringList> keywordsByScan(int cardId);

    store::DbFile file_;
    // Where each card's row and its slots are, read once per opening: the
    // tables have no index, so a look-up by card ID would read every row,
    // which on a deck of thousands of cards is felt at every card shown.
    // A row found changed since is looked up the slow way.
    QHash<int, qint64> cardRows_;
    QHash<int, QVector<qint64>> slotRows_;
    bool rowsRead_ = false;
};

// Decoded pictures may not exceed this many bytes (and so this many pixels / 4).
inline constexpr qint64 kMaxPictureBytes = 300LL * 1024 * 1024;

} // namespace velmora
