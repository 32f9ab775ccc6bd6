#pragma once

// The program's SQL is the dialect of its original database engine: field
// names such as Group go unquoted and names ignore case. This turns the few
// statement shapes the program issues into SQLite text over real column names.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velmora::sql {

struct Token
{
    enum class Kind { Identifier, Keyword, Number, String, Symbol };
    Kind kind;
    QString text; // keywords upper-cased, identifiers as written (brackets removed)
};

struct Select
{
    bool distinct = false;
    QString table;
    QList<Token> where;   // empty when there is no WHERE clause
    QList<Token> orderBy; // empty when there is no ORDER BY clause
};

// SELECT [DISTINCT] * FROM table [WHERE condition] [ORDER BY field [ASC|DESC], ...]
[[nodiscard]] std::optional<Select> parseSelect(const QString &text, QString *error);

// Maps a field name to its real, quoted column, or nothing when unknown.
using ColumnLookup = std::function<std::optional<QString>(const QString &name)>;

// Renders a condition or an order list as SQLite text; nothing when a name is
// not a field of the table.
[[nodiscard]] std::optional<QString> render(const QList<Token> &tokens, const ColumnLookup &lookup, QString *error);

[[nodiscard]] QString quoteIdentifier(const QString &name);

} // namespace velmora::sql
