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

    // Every row in catalog order; a deck's position is its index.
    [[nodiscard]] std::optional<QVector<CatalogEntry>> decks();
    [[nodiscard]] bool addDeck(const QString &deckName, const QString &dbName);
    [[nodiscard]] bool renameDeck(int position, const QString &deckName);
    [[nodiscard]] bool removeDeck(int position);

    [[nodiscard]] std::optional<RememberedPick> pick();
    // Fills the first row, adding it when the table has none.
    [[nodiscard]] bool rememberPick(const RememberedPick &pick);
    // A new deck's row and the pick of it, in one transaction: both or neither.
    [[nodiscard]] bool addDeckAndRememberPick(const QString &deckName, const QString &dbName,
                                              const RememberedPick &pick);

private:
    [[nodiscard]] std::optional<qint64> rowidAt(int position);
    [[nodiscard]] bool writePick(const RememberedPick &pick);

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
