#pragma once

// The catalog database: the decks in catalog order and the remembered pick.

#include "store/dbfile.h"

#include <QString>
#include <QVector>

#include <optional>

namespace velmora {

struct CatalogEntry
{
    QString deckName;
    QString dbName;
    bool isComplete = false;
    // The row's identity: names repeat, and positions shift when rows are
    // hidden or removed.
    qint64 rowid = 0;
};

// The single row of tblUpdateDeck.
struct RememberedPick
{
    QString name;
    QString database;
    QString listEntry;
    int cardPosition = 0;
};

class Catalog
{
public:
    // The program folder's catalog unless a path is given.
    [[nodiscard]] bool open(Access access = Access::ReadOnly, const QString &path = {});
    [[nodiscard]] bool isOpen() const { return file_.isOpen(); }
    [[nodiscard]] QString errorText() const { return file_.errorText(); }
    [[nodiscard]] OpenFailure failure() const { return file_.failure(); }

    // Every row in catalog order.
    [[nodiscard]] std::optional<QVector<CatalogEntry>> decks();
    // The row of that identity; nothing when it is gone or unreadable.
    [[nodiscard]] std::optional<CatalogEntry> deck(qint64 rowid);
    [[nodiscard]] bool addDeck(const QString &deckName, const QString &dbName);
    [[nodiscard]] bool renameDeck(qint64 rowid, const QString &deckName);
    [[nodiscard]] bool removeDeck(qint64 rowid);

    [[nodiscard]] std::optional<RememberedPick> pick();
    // Fills the first row, adding it when the table has none.
    [[nodiscard]] bool rememberPick(const RememberedPick &pick);
    // The deck part of the pick; the card editor's remembered card stays.
    [[nodiscard]] bool rememberDeck(const QString &deckName, const QString &dbName);
    // A new deck's row and the pick of it, in one transaction: both or neither.
    [[nodiscard]] bool addDeckAndRememberPick(const QString &deckName, const QString &dbName, qint64 *rowid = nullptr);

private:
    [[nodiscard]] bool writePick(const RememberedPick &pick);
    [[nodiscard]] bool writeDeckPick(const QString &deckName, const QString &dbName);
    [[nodiscard]] bool writePickRow(const QString &name, const QString &database, const QString &listEntry,
                                    std::optional<int> cardPosition);
    [[nodiscard]] bool notListed();

    store::DbFile file_;
};

// The naming rule for new deck files: the number of the catalog's last row
// plus one, moved on past any name already taken in the deck folder.
[[nodiscard]] QString NextDeckFileName();
[[nodiscard]] QString NextDeckFileName(const QVector<CatalogEntry> &decks);
// The rule applied to a given last dbName, without looking at any file.
[[nodiscard]] int deckNumberAfter(const QString &lastDbName);
// Leading blanks skipped, longest leading number used, 0 when none.
[[nodiscard]] double lenientNumber(const QString &text);

} // namespace velmora
