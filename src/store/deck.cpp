#include "store/deck.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>

#include <algorithm>

namespace velmora {

namespace {

using store::bindText;

const std::vector<TableColumns> kDeckTables = {
    {"tblDeckNames", {"deckname", "maxcard", "designedby", "password", "status"}},
    {"tblCards", {"ID", "Name", "Group", "normalmeaning", "reversedmeaning", "PictureData", "issaved"}},
    {"tblKeywords", {"id", "CardID", "keyword", "cardname"}},
    {"tblType", {"Type", "software", "isdefault"}},
};

// Texts are cut at a bound far beyond anything the screens show, so a crafted
// file cannot make a read take minutes or gigabytes.
#define BOUNDED(column) "substr(" column ", 1, 4000)"

constexpr char kCardColumns[] = "SELECT ID, " BOUNDED("Name") ", \"Group\", " BOUNDED("normalmeaning") ", " BOUNDED(
    "reversedmeaning") ", issaved FROM tblCards";

QString columnText(sqlite3_stmt *stmt, int column)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return {};
    const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(stmt, column));
}

Card cardFrom(sqlite3_stmt *stmt)
{
    Card card;
    card.id = sqlite3_column_int(stmt, 0);
    card.name = columnText(stmt, 1);
    card.group = sqlite3_column_int(stmt, 2);
    card.normalMeaning = columnText(stmt, 3);
    card.reversedMeaning = columnText(stmt, 4);
    card.isSaved = sqlite3_column_int(stmt, 5) != 0;
    return card;
}

// Up to kTextBound characters of a text value, of which only the first
// bytes are read: SQL's substr() would read all of it first, so a crafted
// field of megabytes would cost that at every card shown. Nothing when the
// value is no text.
std::optional<QString> boundedText(sqlite3 *db, const char *table, const char *column, sqlite3_int64 rowid)
{
    sqlite3_blob *blob = nullptr;
    if (sqlite3_blob_open(db, "main", table, column, rowid, 0, &blob) != SQLITE_OK) {
        sqlite3_blob_close(blob);
        return std::nullopt;
    }
    // A character takes at most three bytes per UTF-16 unit.
    const int size = std::min(sqlite3_blob_bytes(blob), 3 * store::kTextBound);
    QByteArray bytes(size, Qt::Uninitialized);
    const bool read = sqlite3_blob_read(blob, bytes.data(), size, 0) == SQLITE_OK;
    sqlite3_blob_close(blob);
    if (!read)
        return std::nullopt;
    return QString::fromUtf8(bytes).left(store::kTextBound);
}

// What was read of a deck file, kept for the file's state as its connection
// found it (DbFile::openedState()), one state per file: the last, so a long
// editing session does not pile up a state per save. An empty state (a file
// whose state cannot be told) keeps nothing.
template <typename T>
class KeptForState
{
public:
    std::optional<T> find(const QString &state)
    {
        if (state.isEmpty())
            return std::nullopt;
        const QMutexLocker lock(&mutex_);
        const auto found = byFile_.constFind(fileOf(state));
        if (found == byFile_.constEnd() || found->first != state)
            return std::nullopt;
        return found->second;
    }
    void keep(const QString &state, T value)
    {
        if (state.isEmpty())
            return;
        const QMutexLocker lock(&mutex_);
        byFile_.insert(fileOf(state), {state, std::move(value)});
    }
    void forget(const QString &state)
    {
        const QMutexLocker lock(&mutex_);
        const auto found = byFile_.find(fileOf(state));
        if (found != byFile_.end() && found->first == state)
            byFile_.erase(found);
    }

private:
    static QString fileOf(const QString &state) { return state.left(state.lastIndexOf(QLatin1Char('|'))); }

    QMutex mutex_;
    QHash<QString, std::pair<QString, T>> byFile_;
};

} // namespace

bool Deck::open(const QString &path, Access access)
{
    rowsRead_ = false;
    if (!file_.open(path, access, kDeckTables, QStringLiteral("deck")))
        return false;
    // The row checks read every row: a file that passed them and has not
    // changed since, as when pictures are read ahead card after card, is not
    // read through again.
    static KeptForState<bool> passed;
    const QString state = file_.openedState();
    if (passed.find(state))
        return true;
    if (!checkRows())
        return false;
    passed.keep(state, true);
    return true;
}

namespace {

// Where the rows of a file in a given state are, as a connection found them:
// reading through every row of a deck of thousands of cards takes longer
// than a key press may. The rows are a guide, not a promise: every look-up
// checks the row it is led to.
struct RowPlaces
{
    QHash<int, qint64> cardRows;
    QHash<int, QVector<qint64>> slotRows;
};
KeptForState<RowPlaces> &knownRowPlaces()
{
    static KeptForState<RowPlaces> known;
    return known;
}

// A row not where it was found: the file changed within the resolution of its
// time stamp, and the next connection finds the rows again.
void forgetRowPlaces(const QString &state)
{
    knownRowPlaces().forget(state);
}

} // namespace

bool Deck::readRows()
{
    if (rowsRead_)
        return true;
    const QString state = file_.isReadOnly() ? file_.openedState() : QString();
    if (std::optional<RowPlaces> known = knownRowPlaces().find(state)) {
        cardRows_ = std::move(known->cardRows);
        slotRows_ = std::move(known->slotRows);
        rowsRead_ = true;
        return true;
    }
    cardRows_.clear();
    slotRows_.clear();
    auto *cards = file_.prepare("SELECT ID, rowid FROM tblCards WHERE typeof(ID) = 'integer' ORDER BY rowid");
    if (!cards)
        return false;
    while (cards->step() == SQLITE_ROW)
        cardRows_.insert(sqlite3_column_int(cards->get(), 0), sqlite3_column_int64(cards->get(), 1));
    cards->reset();
    auto *keywordRows =
        file_.prepare("SELECT CardID, rowid FROM tblKeywords WHERE typeof(CardID) = 'integer' ORDER BY rowid");
    if (!keywordRows)
        return false;
    int step = SQLITE_ROW;
    while ((step = keywordRows->step()) == SQLITE_ROW)
        slotRows_[sqlite3_column_int(keywordRows->get(), 0)].append(sqlite3_column_int64(keywordRows->get(), 1));
    keywordRows->reset();
    rowsRead_ = step == SQLITE_DONE;
    if (rowsRead_)
        knownRowPlaces().keep(state, RowPlaces{cardRows_, slotRows_});
    return rowsRead_;
}

bool Deck::checkRows()
{
    const auto refuse = [this](const QString &text) { return file_.refuse(OpenFailure::NotOurs, text); };
    const auto unreadable = [&](const sqlite::Statement &failed) {
        return sqlite::isBusy(failed.errorCode())
                   ? file_.refuse(OpenFailure::Busy, file_.busyText())
                   : refuse(
                         QCoreApplication::translate("Deck", "The deck file is damaged: %1").arg(failed.errorText()));
    };
    sqlite::Statement duplicate(file_.handle(),
                                QStringLiteral("SELECT ID FROM tblCards GROUP BY ID HAVING count(*) > 1 LIMIT 1"));
    int step = duplicate.step();
    if (step == SQLITE_ROW)
        return refuse(QCoreApplication::translate(
                          "Deck", "The deck file holds card number %1 more than once, so it cannot be used.")
                          .arg(duplicate.text(0).left(20)));
    if (step != SQLITE_DONE)
        return unreadable(duplicate);
    sqlite::Statement keywordSlots(file_.handle(),
                                   QStringLiteral("SELECT c.ID FROM tblCards c LEFT JOIN (SELECT CardID, count(*) AS n "
                                                  "FROM tblKeywords GROUP BY CardID) k ON k.CardID = c.ID "
                                                  "WHERE coalesce(k.n, 0) <> 7 LIMIT 1"));
    step = keywordSlots.step();
    if (step == SQLITE_ROW && sqlite3_column_type(keywordSlots.get(), 0) == SQLITE_NULL)
        return refuse(
            QCoreApplication::translate("Deck", "A card of the deck file has no number, so the deck cannot be used."));
    if (step == SQLITE_ROW)
        return refuse(QCoreApplication::translate(
                          "Deck", "Card number %1 of the deck file does not have its seven keyword places, "
                                  "so the deck cannot be used.")
                          .arg(keywordSlots.text(0).left(20)));
    if (step != SQLITE_DONE)
        return unreadable(keywordSlots);
    return true;
}

std::optional<DeckHeader> Deck::header()
{
    auto *stmt = file_.prepare("SELECT " BOUNDED("deckname") ", maxcard, " BOUNDED("designedby") ", " BOUNDED(
        "password") ", " BOUNDED("status") " FROM tblDeckNames ORDER BY rowid LIMIT 1");
    if (!stmt)
        return std::nullopt;
    DeckHeader header;
    const int step = stmt->step();
    if (step == SQLITE_ROW) {
        sqlite3_stmt *s = stmt->get();
        header.deckName = columnText(s, 0);
        header.maxCard = sqlite3_column_int(s, 1);
        header.designedBy = columnText(s, 2);
        header.password = columnText(s, 3);
        header.status = columnText(s, 4);
    } else if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the deck header"), *stmt);
        return std::nullopt;
    }
    stmt->reset();
    return header;
}

std::optional<TypeStamp> Deck::typeStamp()
{
    // The texts of the last row read, and the default mark of any row: a
    // second row must not hide that a file is the default deck.
    auto *stmt = file_.prepare("SELECT " BOUNDED("Type") ", " BOUNDED(
        "software") ", EXISTS (SELECT 1 FROM tblType "
                    "WHERE CAST(isdefault AS INTEGER) <> 0) FROM tblType ORDER BY rowid DESC LIMIT 1");
    if (!stmt)
        return std::nullopt;
    TypeStamp stamp;
    const int step = stmt->step();
    if (step == SQLITE_ROW) {
        stamp.type = columnText(stmt->get(), 0);
        stamp.software = columnText(stmt->get(), 1);
        stamp.isDefault = sqlite3_column_int(stmt->get(), 2) != 0;
    } else if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the deck type"), *stmt);
        return std::nullopt;
    }
    stmt->reset();
    return stamp;
}

std::optional<QVector<Card>> Deck::cards()
{
    return cardsInGroups({});
}

std::optional<QVector<Card>> Deck::cardsInGroups(const QVector<int> &groups)
{
    // An empty list means every group; the groups are bound as a JSON-free
    // list of up to five numbers, -1 standing for an unused place.
    static const QByteArray all = QByteArray(kCardColumns) + " ORDER BY ID, rowid";
    static const QByteArray some = QByteArray(kCardColumns) + " WHERE \"Group\" IN (?, ?, ?, ?, ?) ORDER BY ID, rowid";
    auto *stmt = file_.prepare(groups.isEmpty() ? all.constData() : some.constData());
    if (!stmt)
        return std::nullopt;
    if (!groups.isEmpty()) {
        for (int i = 0; i < 5; ++i)
            sqlite3_bind_int(stmt->get(), i + 1, i < groups.size() ? groups[i] : groups.first());
    }
    QVector<Card> result;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW)
        result.append(cardFrom(stmt->get()));
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the cards"), *stmt);
        return std::nullopt;
    }
    return result;
}

std::optional<QVector<int>> Deck::cardIds()
{
    // The progress window counts a deck's facets against its cards at every
    // reload, and reading a deck of thousands of cards through to list them
    // costs a frame or more; the file rarely changes in between. One list is
    // kept per file, for the state it was read in. A connection that may
    // write has changed the file since it was opened, so it always reads.
    static KeptForState<QVector<int>> known;
    const QString state = file_.isReadOnly() ? file_.openedState() : QString();
    if (std::optional<QVector<int>> ids = known.find(state))
        return ids;
    auto *stmt = file_.prepare("SELECT ID FROM tblCards ORDER BY ID, rowid");
    if (!stmt)
        return std::nullopt;
    QVector<int> ids;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW)
        ids.append(sqlite3_column_int(stmt->get(), 0));
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the cards"), *stmt);
        return std::nullopt;
    }
    known.keep(state, ids);
    return ids;
}

std::optional<QVector<StoredPicture>> Deck::storedPictures()
{
    // length() of a blob is read from the row without its overflow pages;
    // the first two bytes are read through a blob handle, a page or two.
    auto *stmt = file_.prepare("SELECT ID, length(PictureData), rowid FROM tblCards "
                               "WHERE typeof(PictureData) = 'blob' AND length(PictureData) > 0 ORDER BY ID, rowid");
    if (!stmt)
        return std::nullopt;
    QVector<StoredPicture> pictures;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW) {
        StoredPicture picture{sqlite3_column_int(stmt->get(), 0), sqlite3_column_int64(stmt->get(), 1), false};
        sqlite3_blob *blob = nullptr;
        char head[2] = {};
        if (sqlite3_blob_open(file_.handle(), "main", "tblCards", "PictureData", sqlite3_column_int64(stmt->get(), 2),
                              0, &blob) == SQLITE_OK &&
            sqlite3_blob_bytes(blob) >= 2 && sqlite3_blob_read(blob, head, 2, 0) == SQLITE_OK)
            picture.bmp = head[0] == 'B' && head[1] == 'M';
        sqlite3_blob_close(blob);
        pictures.append(picture);
    }
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the pictures"), *stmt);
        return std::nullopt;
    }
    return pictures;
}

QByteArray Deck::picture(int cardId)
{
    // The row as it was found when the deck was read, or else the first of
    // the card's ID.
    auto *stmt = file_.prepare("SELECT CASE WHEN length(PictureData) <= ?2 THEN PictureData END FROM tblCards "
                               "WHERE ID = ?1 AND (?3 IS NULL OR rowid = ?3) ORDER BY rowid LIMIT 1");
    if (!stmt)
        return {};
    sqlite3_bind_int(stmt->get(), 1, cardId);
    sqlite3_bind_int64(stmt->get(), 2, kMaxPictureBytes);
    // A deck opened for one picture, as one read ahead, is not worth finding
    // every row for.
    const bool known = rowsRead_ && cardRows_.contains(cardId);
    if (known)
        sqlite3_bind_int64(stmt->get(), 3, cardRows_.value(cardId));
    int step = stmt->step();
    if (step == SQLITE_DONE && known) {
        rowsRead_ = false;
        forgetRowPlaces(file_.openedState());
        sqlite3_reset(stmt->get());
        sqlite3_bind_null(stmt->get(), 3);
        step = stmt->step();
    }
    QByteArray bytes;
    if (step == SQLITE_ROW && sqlite3_column_type(stmt->get(), 0) != SQLITE_NULL) {
        const void *data = sqlite3_column_blob(stmt->get(), 0);
        const int size = sqlite3_column_bytes(stmt->get(), 0);
        if (data && size > 0)
            bytes = QByteArray(static_cast<const char *>(data), size);
    }
    stmt->reset();
    return bytes;
}

std::optional<QStringList> Deck::keywords(int cardId)
{
    if (!readRows() || !slotRows_.contains(cardId))
        return keywordsByScan(cardId);
    QStringList result;
    for (const qint64 rowid : slotRows_.value(cardId)) {
        const std::optional<QString> keyword = slotKeyword(rowid, cardId);
        if (!keyword) {
            rowsRead_ = false;
            forgetRowPlaces(file_.openedState());
            return keywordsByScan(cardId);
        }
        result.append(*keyword);
    }
    return result;
}

std::optional<QString> Deck::slotKeyword(qint64 rowid, int cardId)
{
    // typeof() reads no more of a value than its header says.
    auto *stmt = file_.prepare("SELECT CardID, typeof(keyword), "
                               "CASE WHEN typeof(keyword) NOT IN ('text', 'blob') THEN keyword END "
                               "FROM tblKeywords WHERE rowid = ?");
    if (!stmt)
        return std::nullopt;
    sqlite3_bind_int64(stmt->get(), 1, rowid);
    std::optional<QString> keyword;
    if (stmt->step() == SQLITE_ROW && sqlite3_column_type(stmt->get(), 0) == SQLITE_INTEGER &&
        sqlite3_column_int(stmt->get(), 0) == cardId) {
        const QString type = stmt->text(1);
        keyword = type == QLatin1String("text") || type == QLatin1String("blob")
                      ? boundedText(file_.handle(), "tblKeywords", "keyword", rowid)
                      : columnText(stmt->get(), 2);
    }
    stmt->reset();
    return keyword;
}

std::optional<QStringList> Deck::keywordsByScan(int cardId)
{
    auto *stmt = file_.prepare("SELECT " BOUNDED("keyword") " FROM tblKeywords WHERE CardID = ? ORDER BY rowid");
    if (!stmt)
        return std::nullopt;
    sqlite3_bind_int(stmt->get(), 1, cardId);
    QStringList result;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW)
        result.append(columnText(stmt->get(), 0));
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the keywords"), *stmt);
        return std::nullopt;
    }
    return result;
}

std::optional<QVector<KeywordSlot>> Deck::keywordSlots()
{
    auto *stmt = file_.prepare("SELECT CardID, " BOUNDED("keyword") " FROM tblKeywords ORDER BY rowid");
    if (!stmt)
        return std::nullopt;
    QVector<KeywordSlot> result;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW)
        result.append(KeywordSlot{sqlite3_column_int(stmt->get(), 0), columnText(stmt->get(), 1)});
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Deck", "Cannot read the keywords"), *stmt);
        return std::nullopt;
    }
    return result;
}

namespace {

struct KeywordGaps
{
    bool missing = false; // some slot's keyword is Null or empty
    bool empty = false;   // some slot holds empty text in keyword, cardname, id or CardID
};

// Either check reads every slot through the cipher, 70,000 of them on a deck
// of 10,000 cards: one read answers both, and is kept for the file's state
// while the connection only reads, as choosing a deck and then practising it
// ask one after the other. As in a WHERE clause, a comparison with Null finds
// nothing.
std::optional<KeywordGaps> keywordGaps(store::DbFile &file)
{
    static KeptForState<KeywordGaps> known;
    const QString state = file.isReadOnly() ? file.openedState() : QString();
    if (std::optional<KeywordGaps> gaps = known.find(state))
        return gaps;
    auto *stmt = file.prepare("SELECT coalesce(max(keyword IS NULL OR keyword = ''), 0), "
                              "coalesce(max(keyword = '' OR cardname = '' OR id = '' OR CardID = ''), 0) "
                              "FROM tblKeywords");
    if (!stmt)
        return std::nullopt;
    if (stmt->step() != SQLITE_ROW) {
        (void)file.fail(QCoreApplication::translate("Deck", "Cannot read the keywords"), *stmt);
        return std::nullopt;
    }
    const KeywordGaps gaps{sqlite3_column_int(stmt->get(), 0) != 0, sqlite3_column_int(stmt->get(), 1) != 0};
    stmt->reset();
    known.keep(state, gaps);
    return gaps;
}

} // namespace

std::optional<bool> Deck::hasMissingKeyword()
{
    const std::optional<KeywordGaps> gaps = keywordGaps(file_);
    return gaps ? std::optional<bool>(gaps->missing) : std::nullopt;
}

std::optional<bool> Deck::hasEmptyKeywordField()
{
    const std::optional<KeywordGaps> gaps = keywordGaps(file_);
    return gaps ? std::optional<bool>(gaps->empty) : std::nullopt;
}

bool Deck::writable()
{
    if (!file_.isOpen() || file_.isReadOnly()) {
        file_.setError(QCoreApplication::translate("Deck", "The deck is not open for writing"));
        return false;
    }
    return true;
}

bool Deck::saveHeader(const DeckHeader &header)
{
    return writable() && file_.transaction([&] {
        auto *update = file_.prepare("UPDATE tblDeckNames SET deckname = ?1, maxcard = ?2, designedby = ?3, "
                                     "password = ?4, status = ?5 WHERE rowid = (SELECT min(rowid) FROM tblDeckNames)");
        if (!update)
            return false;
        for (int pass = 0; pass < 2; ++pass) {
            sqlite3_stmt *s = update->get();
            bindText(s, 1, header.deckName);
            sqlite3_bind_int(s, 2, header.maxCard);
            bindText(s, 3, header.designedBy);
            bindText(s, 4, header.password);
            bindText(s, 5, header.status);
            if (update->step() != SQLITE_DONE)
                return file_.fail(QCoreApplication::translate("Deck", "Cannot save the deck header"), *update);
            const bool done = sqlite3_changes(file_.handle()) > 0;
            update->reset();
            if (done)
                return true;
            auto *insert = file_.prepare("INSERT INTO tblDeckNames (deckname, maxcard, designedby, password, status) "
                                         "VALUES (?1, ?2, ?3, ?4, ?5)");
            if (!insert)
                return false;
            update = insert;
        }
        return true;
    });
}

bool Deck::saveTypeStamp(const TypeStamp &stamp)
{
    return writable() && file_.transaction([&] {
        auto *remove = file_.prepare("DELETE FROM tblType");
        auto *insert = file_.prepare("INSERT INTO tblType (Type, software, isdefault) VALUES (?, ?, ?)");
        if (!remove || !insert)
            return false;
        if (remove->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot save the deck type"), *remove);
        bindText(insert->get(), 1, stamp.type);
        bindText(insert->get(), 2, stamp.software);
        sqlite3_bind_int(insert->get(), 3, stamp.isDefault ? 1 : 0);
        return insert->step() == SQLITE_DONE ||
               file_.fail(QCoreApplication::translate("Deck", "Cannot save the deck type"), *insert);
    });
}

bool Deck::saveCard(const Card &card, const QStringList &keywordSlots)
{
    if (keywordSlots.size() != kSlotsPerCard) {
        file_.setError(QCoreApplication::translate("Deck", "A card has seven keyword places"));
        return false;
    }
    return saveCardChanges(card, kCardName | kCardGroup | kCardNormalMeaning | kCardReversedMeaning, keywordSlots,
                           (1u << kSlotsPerCard) - 1);
}

bool Deck::saveCardFields(const Card &card, unsigned fields)
{
    return writable() && file_.transaction([&] { return writeFields(card, fields); });
}

bool Deck::saveKeywordSlot(int cardId, int slot, const QString &keyword, const QString &cardName)
{
    return writable() && file_.transaction([&] { return writeSlot(cardId, slot, keyword, cardName); });
}

bool Deck::saveCardChanges(const Card &card, unsigned fields, const QStringList &keywordSlots, unsigned slotMask)
{
    return writable() && file_.transaction([&] {
        if (!writeFields(card, fields))
            return false;
        for (int k = 0; k < kSlotsPerCard; ++k) {
            if ((slotMask & (1u << k)) && !writeSlot(card.id, k, keywordSlots.value(k), card.name))
                return false;
        }
        return true;
    });
}

bool Deck::writeFields(const Card &card, unsigned fields)
{
    if (fields == 0)
        return true;
    // One statement whatever the fields: SQLite rewrites the whole record,
    // picture included, at every UPDATE of the row, so two would cost twice.
    auto *row = file_.prepare("UPDATE tblCards SET "
                              "Name = CASE WHEN ?6 & 1 THEN ?2 ELSE Name END, "
                              "\"Group\" = CASE WHEN ?6 & 2 THEN ?3 ELSE \"Group\" END, "
                              "normalmeaning = CASE WHEN ?6 & 4 THEN ?4 ELSE normalmeaning END, "
                              "reversedmeaning = CASE WHEN ?6 & 8 THEN ?5 ELSE reversedmeaning END "
                              "WHERE ID = ?1");
    if (!row)
        return false;
    sqlite3_bind_int(row->get(), 1, card.id);
    bindText(row->get(), 2, card.name);
    sqlite3_bind_int(row->get(), 3, card.group);
    bindText(row->get(), 4, card.normalMeaning);
    bindText(row->get(), 5, card.reversedMeaning);
    sqlite3_bind_int(row->get(), 6, int(fields));
    if (row->step() != SQLITE_DONE)
        return file_.fail(QCoreApplication::translate("Deck", "Cannot save the card"), *row);
    if (sqlite3_changes(file_.handle()) != 1) {
        file_.setError(QCoreApplication::translate("Deck", "The deck has no card number %1").arg(card.id));
        return false;
    }
    return true;
}

bool Deck::writeSlot(int cardId, int slot, const QString &keyword, const QString &cardName)
{
    if (slot < 0 || slot >= kSlotsPerCard) {
        file_.setError(QCoreApplication::translate("Deck", "A card has seven keyword places"));
        return false;
    }
    auto *stmt = file_.prepare("UPDATE tblKeywords SET keyword = ?3, cardname = ?4 WHERE rowid = "
                               "(SELECT rowid FROM tblKeywords WHERE CardID = ?1 ORDER BY rowid LIMIT 1 OFFSET ?2)");
    if (!stmt)
        return false;
    sqlite3_bind_int(stmt->get(), 1, cardId);
    sqlite3_bind_int(stmt->get(), 2, slot);
    bindText(stmt->get(), 3, keyword.isNull() ? QStringLiteral("") : keyword);
    bindText(stmt->get(), 4, cardName);
    if (stmt->step() != SQLITE_DONE)
        return file_.fail(QCoreApplication::translate("Deck", "Cannot save the keyword"), *stmt);
    if (sqlite3_changes(file_.handle()) != 1) {
        file_.setError(
            QCoreApplication::translate("Deck", "Card number %1 does not have its seven keyword places").arg(cardId));
        return false;
    }
    return true;
}

bool Deck::savePicture(int cardId, const QByteArray &imageFile)
{
    return writePicture(cardId, imageFile, true);
}

bool Deck::replacePicture(int cardId, const QByteArray &imageFile)
{
    return writePicture(cardId, imageFile, false);
}

bool Deck::writePicture(int cardId, const QByteArray &imageFile, bool markSaved)
{
    return writable() && file_.transaction([&] {
        auto *stmt = file_.prepare(markSaved ? "UPDATE tblCards SET PictureData = ?2, issaved = 1 WHERE ID = ?1"
                                             : "UPDATE tblCards SET PictureData = ?2 WHERE ID = ?1");
        if (!stmt)
            return false;
        sqlite3_bind_int(stmt->get(), 1, cardId);
        sqlite3_bind_blob64(stmt->get(), 2, imageFile.constData(), sqlite3_uint64(imageFile.size()), SQLITE_STATIC);
        if (stmt->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot save the picture"), *stmt);
        if (sqlite3_changes(file_.handle()) != 1) {
            file_.setError(QCoreApplication::translate("Deck", "The deck has no card number %1").arg(cardId));
            return false;
        }
        return true;
    });
}

void Deck::eraseFreedPages(bool erase)
{
    if (file_.isOpen())
        (void)sqlite3_exec(file_.handle(), erase ? "PRAGMA secure_delete = 1" : "PRAGMA secure_delete = 0", nullptr,
                           nullptr, nullptr);
}

bool Deck::shrinkFile()
{
    if (!writable())
        return false;
    // VACUUM keeps the cipher's key and settings; its statement is not kept.
    sqlite::Statement vacuum(file_.handle(), QStringLiteral("VACUUM"));
    if (!vacuum.get() || vacuum.step() != SQLITE_DONE)
        return file_.fail(QCoreApplication::translate("Deck", "Cannot shrink the deck file"), vacuum);
    return true;
}

bool Deck::clearCardContent(int cardId)
{
    return writable() && file_.transaction([&] {
        auto *stmt = file_.prepare("UPDATE tblCards SET PictureData = NULL, normalmeaning = '', "
                                   "reversedmeaning = '', \"Group\" = 0, issaved = 0 WHERE ID = ?1");
        if (!stmt)
            return false;
        sqlite3_bind_int(stmt->get(), 1, cardId);
        if (stmt->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot delete the card's content"), *stmt);
        if (sqlite3_changes(file_.handle()) != 1) {
            file_.setError(QCoreApplication::translate("Deck", "The deck has no card number %1").arg(cardId));
            return false;
        }
        return true;
    });
}

bool Deck::appendCards(const QVector<Card> &cards, const QVector<QStringList> &keywordSlots,
                       const QVector<QByteArray> &pictures)
{
    rowsRead_ = false;
    if (keywordSlots.size() != cards.size()) {
        file_.setError(QCoreApplication::translate("Deck", "Every card needs its keyword places"));
        return false;
    }
    return writable() && file_.transaction([&] {
        auto *last = file_.prepare("SELECT coalesce(max(id), 0) FROM tblKeywords");
        auto *card = file_.prepare("INSERT INTO tblCards (ID, Name, \"Group\", normalmeaning, reversedmeaning, "
                                   "issaved, PictureData) VALUES (?, ?, ?, ?, ?, ?, ?)");
        auto *slot = file_.prepare("INSERT INTO tblKeywords (id, CardID, keyword, cardname) VALUES (?, ?, ?, ?)");
        if (!last || !card || !slot)
            return false;
        if (last->step() != SQLITE_ROW)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot add cards"), *last);
        qint64 slotId = sqlite3_column_int64(last->get(), 0);
        last->reset();
        for (qsizetype i = 0; i < cards.size(); ++i) {
            const Card &c = cards[i];
            const QByteArray picture = pictures.value(i);
            card->reset();
            sqlite3_bind_int(card->get(), 1, c.id);
            bindText(card->get(), 2, c.name);
            sqlite3_bind_int(card->get(), 3, c.group);
            bindText(card->get(), 4, c.normalMeaning);
            bindText(card->get(), 5, c.reversedMeaning);
            sqlite3_bind_int(card->get(), 6, c.isSaved ? 1 : 0);
            if (!picture.isEmpty())
                sqlite3_bind_blob64(card->get(), 7, picture.constData(), sqlite3_uint64(picture.size()), SQLITE_STATIC);
            if (card->step() != SQLITE_DONE)
                return file_.fail(QCoreApplication::translate("Deck", "Cannot add a card"), *card);
            const QStringList &cardSlots = keywordSlots[i];
            if (cardSlots.size() != kSlotsPerCard) {
                file_.setError(QCoreApplication::translate("Deck", "A card has seven keyword places"));
                return false;
            }
            for (const QString &keyword : cardSlots) {
                slot->reset();
                sqlite3_bind_int64(slot->get(), 1, ++slotId);
                sqlite3_bind_int(slot->get(), 2, c.id);
                bindText(slot->get(), 3, keyword);
                // cardname comes with a keyword, as the card editor writes
                // them; a slot without one is left as creation makes it.
                bindText(slot->get(), 4, keyword.isEmpty() ? keyword : c.name);
                if (slot->step() != SQLITE_DONE)
                    return file_.fail(QCoreApplication::translate("Deck", "Cannot add a keyword place"), *slot);
            }
        }
        return true;
    });
}

bool Deck::writeTogether(const std::function<bool()> &writes)
{
    return writable() && file_.transaction(writes);
}

bool Deck::truncateCards(int keep)
{
    rowsRead_ = false;
    return writable() && file_.transaction([&] {
        auto *cut = file_.prepare("SELECT ID FROM tblCards ORDER BY ID, rowid LIMIT 1 OFFSET ?");
        if (!cut)
            return false;
        sqlite3_bind_int(cut->get(), 1, std::max(0, keep));
        const int step = cut->step();
        if (step == SQLITE_DONE)
            return true;
        if (step != SQLITE_ROW)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot remove cards"), *cut);
        const int firstRemoved = sqlite3_column_int(cut->get(), 0);
        cut->reset();
        auto *keywordSlots = file_.prepare("DELETE FROM tblKeywords WHERE CardID >= ?");
        auto *cards = file_.prepare("DELETE FROM tblCards WHERE ID >= ?");
        if (!keywordSlots || !cards)
            return false;
        sqlite3_bind_int(keywordSlots->get(), 1, firstRemoved);
        sqlite3_bind_int(cards->get(), 1, firstRemoved);
        if (keywordSlots->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Deck", "Cannot remove cards"), *keywordSlots);
        return cards->step() == SQLITE_DONE ||
               file_.fail(QCoreApplication::translate("Deck", "Cannot remove cards"), *cards);
    });
}

} // namespace velmora
