#include "store/catalog.h"

#include "store/paths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

using store::bindText;

const std::vector<TableColumns> kCatalogTables = {
    {"tblStoreDeck", {"deckname", "dbName", "iscomplete"}},
    {"tblUpdateDeck", {"Name", "Database", "lstDecks", "lstPictures"}},
};

QString columnText(sqlite3_stmt *stmt, int column)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return {};
    const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(stmt, column));
}

CatalogEntry entryAt(sqlite3_stmt *stmt)
{
    return {columnText(stmt, 0), columnText(stmt, 1), sqlite3_column_int(stmt, 2) != 0, sqlite3_column_int64(stmt, 3)};
}

} // namespace

bool Catalog::open(Access access, const QString &path)
{
    return file_.open(path.isEmpty() ? paths::catalogDatabase() : path, access, kCatalogTables,
                      QStringLiteral("catalog"));
}

std::optional<QVector<CatalogEntry>> Catalog::decks()
{
    auto *stmt = file_.prepare("SELECT substr(deckname, 1, 4000), substr(dbName, 1, 4000), iscomplete, rowid "
                               "FROM tblStoreDeck ORDER BY rowid");
    if (!stmt)
        return std::nullopt;
    QVector<CatalogEntry> entries;
    int step = SQLITE_ROW;
    while ((step = stmt->step()) == SQLITE_ROW)
        entries.append(entryAt(stmt->get()));
    stmt->reset();
    if (step != SQLITE_DONE) {
        (void)file_.fail(QCoreApplication::translate("Catalog", "Cannot read the deck list"), *stmt);
        return std::nullopt;
    }
    return entries;
}

std::optional<CatalogEntry> Catalog::deck(qint64 rowid)
{
    auto *stmt = file_.prepare("SELECT substr(deckname, 1, 4000), substr(dbName, 1, 4000), iscomplete, rowid "
                               "FROM tblStoreDeck WHERE rowid = ?");
    if (!stmt)
        return std::nullopt;
    sqlite3_bind_int64(stmt->get(), 1, rowid);
    std::optional<CatalogEntry> found;
    const int step = stmt->step();
    if (step == SQLITE_ROW)
        found = entryAt(stmt->get());
    stmt->reset();
    if (step == SQLITE_DONE)
        (void)notListed();
    else if (step != SQLITE_ROW)
        (void)file_.fail(QCoreApplication::translate("Catalog", "Cannot read the deck list"), *stmt);
    return found;
}

bool Catalog::notListed()
{
    file_.setError(QCoreApplication::translate("Catalog", "The deck is no longer in the list"));
    return false;
}

bool Catalog::addDeck(const QString &deckName, const QString &dbName)
{
    return file_.transaction([&] {
        auto *stmt = file_.prepare("INSERT INTO tblStoreDeck (deckname, dbName, iscomplete) VALUES (?, ?, 1)");
        if (!stmt)
            return false;
        bindText(stmt->get(), 1, deckName.trimmed());
        bindText(stmt->get(), 2, dbName);
        return stmt->step() == SQLITE_DONE ||
               file_.fail(QCoreApplication::translate("Catalog", "Cannot add the deck"), *stmt);
    });
}

bool Catalog::renameDeck(qint64 rowid, const QString &deckName)
{
    return file_.transaction([&] {
        auto *stmt = file_.prepare("UPDATE tblStoreDeck SET deckname = ? WHERE rowid = ?");
        if (!stmt)
            return false;
        bindText(stmt->get(), 1, deckName.trimmed());
        sqlite3_bind_int64(stmt->get(), 2, rowid);
        if (stmt->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Catalog", "Cannot rename the deck"), *stmt);
        return sqlite3_changes(file_.handle()) == 1 || notListed();
    });
}

bool Catalog::removeDeck(qint64 rowid)
{
    return file_.transaction([&] {
        auto *stmt = file_.prepare("DELETE FROM tblStoreDeck WHERE rowid = ?");
        if (!stmt)
            return false;
        sqlite3_bind_int64(stmt->get(), 1, rowid);
        if (stmt->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Catalog", "Cannot remove the deck"), *stmt);
        return sqlite3_changes(file_.handle()) == 1 || notListed();
    });
}

std::optional<RememberedPick> Catalog::pick()
{
    auto *stmt = file_.prepare("SELECT substr(Name, 1, 4000), substr(Database, 1, 4000), substr(lstDecks, 1, 4000), "
                               "lstPictures FROM tblUpdateDeck ORDER BY rowid LIMIT 1");
    if (!stmt)
        return std::nullopt;
    std::optional<RememberedPick> found;
    const int step = stmt->step();
    if (step == SQLITE_ROW)
        found = RememberedPick{columnText(stmt->get(), 0), columnText(stmt->get(), 1), columnText(stmt->get(), 2),
                               sqlite3_column_int(stmt->get(), 3)};
    else if (step != SQLITE_DONE)
        (void)file_.fail(QCoreApplication::translate("Catalog", "Cannot read the remembered deck"), *stmt);
    stmt->reset();
    return found;
}

bool Catalog::rememberPick(const RememberedPick &pick)
{
    return file_.transaction([&] { return writePick(pick); });
}

bool Catalog::rememberDeck(const QString &deckName, const QString &dbName)
{
    return file_.transaction([&] { return writeDeckPick(deckName, dbName); });
}

bool Catalog::addDeckAndRememberPick(const QString &deckName, const QString &dbName, qint64 *rowid)
{
    return file_.transaction([&] {
        auto *add = file_.prepare("INSERT INTO tblStoreDeck (deckname, dbName, iscomplete) VALUES (?1, ?2, 1)");
        if (!add)
            return false;
        bindText(add->get(), 1, deckName.trimmed());
        bindText(add->get(), 2, dbName);
        if (add->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Catalog", "Cannot add the deck"), *add);
        if (rowid)
            *rowid = sqlite3_last_insert_rowid(file_.handle());
        return writeDeckPick(deckName.trimmed(), dbName);
    });
}

// The pick lives in the first row of tblUpdateDeck; the row is made when the
// table is empty. Runs inside the caller's transaction.
bool Catalog::writePick(const RememberedPick &pick)
{
    return writePickRow(pick.name, pick.database, pick.listEntry, pick.cardPosition);
}

// The list entry is the deck's name; lstPictures belongs to the card editor.
bool Catalog::writeDeckPick(const QString &deckName, const QString &dbName)
{
    return writePickRow(deckName, dbName, deckName, std::nullopt);
}

// Without a card position the one stored stays (0 in a new row).
bool Catalog::writePickRow(const QString &name, const QString &database, const QString &listEntry,
                           std::optional<int> cardPosition)
{
    auto *update = file_.prepare("UPDATE tblUpdateDeck SET Name = ?1, Database = ?2, lstDecks = ?3, "
                                 "lstPictures = coalesce(?4, lstPictures) "
                                 "WHERE rowid = (SELECT min(rowid) FROM tblUpdateDeck)");
    auto *insert = file_.prepare("INSERT INTO tblUpdateDeck (Name, Database, lstDecks, lstPictures) "
                                 "SELECT ?1, ?2, ?3, coalesce(?4, 0) WHERE NOT EXISTS (SELECT 1 FROM tblUpdateDeck)");
    if (!update || !insert)
        return false;
    for (auto *stmt : {update, insert}) {
        bindText(stmt->get(), 1, name);
        bindText(stmt->get(), 2, database);
        bindText(stmt->get(), 3, listEntry);
        if (cardPosition)
            sqlite3_bind_int(stmt->get(), 4, *cardPosition);
        else
            sqlite3_bind_null(stmt->get(), 4);
        if (stmt->step() != SQLITE_DONE)
            return file_.fail(QCoreApplication::translate("Catalog", "Cannot remember the deck"), *stmt);
    }
    return true;
}

double lenientNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    qsizetype end = i;
    if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
        ++end;
    const qsizetype digitsStart = end;
    while (end < text.size() && text[end].isDigit())
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && text[end].isDigit())
            ++end;
    }
    if (end == digitsStart || (end == digitsStart + 1 && text[digitsStart] == QLatin1Char('.')))
        return 0;
    return text.mid(i, end - i).toDouble();
}

int deckNumberAfter(const QString &lastDbName)
{
    const QString digits = lastDbName.left(std::max<qsizetype>(0, lastDbName.size() - 4)).mid(5);
    const double number = std::floor(lenientNumber(digits));
    if (!(number >= 0 && number < 2.0e9))
        return 1;
    return int(number) + 1;
}

QString NextDeckFileName(const QVector<CatalogEntry> &decks)
{
    int number = decks.isEmpty() ? 1 : deckNumberAfter(decks.last().dbName);
    // A name already in the deck folder (the default deck's among them) is
    // never handed out again: the next free number is taken instead.
    number = std::max(number, 1);
    auto nameFor = [](int n) { return QStringLiteral("Tutor%1.vdk").arg(n); };
    while (QFileInfo::exists(paths::deckDatabase(nameFor(number))))
        ++number;
    return nameFor(number);
}

QString NextDeckFileName()
{
    Catalog catalog;
    // Without a readable catalog the rule starts from 1 and skips taken names.
    std::optional<QVector<CatalogEntry>> decks;
    if (catalog.open())
        decks = catalog.decks();
    return NextDeckFileName(decks.value_or(QVector<CatalogEntry>()));
}

} // namespace velmora
