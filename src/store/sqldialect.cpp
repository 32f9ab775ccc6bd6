#include "store/sqldialect.h"

#include <QSet>

namespace velmora::sql {

namespace {

const QSet<QString> &keywords()
{
    static const QSet<QString> words{
        QStringLiteral("SELECT"), QStringLiteral("DISTINCT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
        QStringLiteral("ORDER"),  QStringLiteral("BY"),       QStringLiteral("ASC"),  QStringLiteral("DESC"),
        QStringLiteral("AND"),    QStringLiteral("OR"),       QStringLiteral("NOT"),  QStringLiteral("IS"),
        QStringLiteral("NULL"),   QStringLiteral("LIKE"),     QStringLiteral("TRUE"), QStringLiteral("FALSE"),
        QStringLiteral("IN"),     QStringLiteral("BETWEEN"),
    };
    return words;
}

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

std::optional<QList<Token>> tokenize(const QString &text, QString *error)
{
    QList<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto failAt = [&](const QString &what) {
        if (error)
            *error = what + QStringLiteral(" at position ") + QString::number(i);
        return std::nullopt;
    };
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace() || c == QLatin1Char(';')) {
            ++i;
        } else if (isIdentifierStart(c)) {
            const qsizetype start = i;
            while (i < n && isIdentifierPart(text[i]))
                ++i;
            const QString word = text.mid(start, i - start);
            const QString upper = word.toUpper();
            if (keywords().contains(upper))
                tokens.append({Token::Kind::Keyword, upper});
            else
                tokens.append({Token::Kind::Identifier, word});
        } else if (c == QLatin1Char('[') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            const qsizetype end = text.indexOf(close, i + 1);
            if (end < 0)
                return failAt(QStringLiteral("unterminated name"));
            tokens.append({Token::Kind::Identifier, text.mid(i + 1, end - i - 1)});
            i = end + 1;
        } else if (c.isDigit()) {
            const qsizetype start = i;
            while (i < n && (text[i].isDigit() || text[i] == QLatin1Char('.')))
                ++i;
            tokens.append({Token::Kind::Number, text.mid(start, i - start)});
        } else if (c == QLatin1Char('\'')) {
            QString value;
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('\'')) {
                        value += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                value += text[i++];
            }
            if (!closed)
                return failAt(QStringLiteral("unterminated text"));
            tokens.append({Token::Kind::String, value});
        } else {
            static const QStringList twoChar{QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>")};
            const QString pair = text.mid(i, 2);
            if (twoChar.contains(pair)) {
                tokens.append({Token::Kind::Symbol, pair});
                i += 2;
            } else if (QStringLiteral("=<>()*,+-").contains(c)) {
                tokens.append({Token::Kind::Symbol, QString(c)});
                ++i;
            } else {
                return failAt(QStringLiteral("unexpected character '") + c + QLatin1Char('\''));
            }
        }
    }
    return tokens;
}

bool isKeyword(const Token &t, const char *word)
{
    return t.kind == Token::Kind::Keyword && t.text == QLatin1String(word);
}

} // namespace

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::optional<Select> parseSelect(const QString &text, QString *error)
{
    const auto tokens = tokenize(text, error);
    if (!tokens)
        return std::nullopt;
    const QList<Token> &t = *tokens;
    auto fail = [&](const char *what) {
        if (error)
            *error = QString::fromLatin1(what) + QStringLiteral(": ") + text;
        return std::nullopt;
    };
    qsizetype i = 0;
    Select select;
    if (i >= t.size() || !isKeyword(t[i], "SELECT"))
        return fail("only SELECT statements are supported");
    ++i;
    if (i < t.size() && isKeyword(t[i], "DISTINCT")) {
        select.distinct = true;
        ++i;
    }
    if (i >= t.size() || t[i].kind != Token::Kind::Symbol || t[i].text != QLatin1String("*"))
        return fail("only SELECT * is supported");
    ++i;
    if (i >= t.size() || !isKeyword(t[i], "FROM"))
        return fail("FROM expected");
    ++i;
    if (i >= t.size() || t[i].kind != Token::Kind::Identifier)
        return fail("table name expected");
    select.table = t[i++].text;

    QList<Token> *clause = nullptr;
    for (; i < t.size(); ++i) {
        if (isKeyword(t[i], "WHERE") && clause == nullptr) {
            clause = &select.where;
            continue;
        }
        if (isKeyword(t[i], "ORDER") && i + 1 < t.size() && isKeyword(t[i + 1], "BY")) {
            if (clause == &select.orderBy)
                return fail("ORDER BY given twice");
            clause = &select.orderBy;
            ++i;
            continue;
        }
        if (!clause)
            return fail("WHERE or ORDER BY expected");
        clause->append(t[i]);
    }
    if (clause == &select.where && select.where.isEmpty())
        return fail("empty WHERE clause");
    if ((!select.orderBy.isEmpty() || clause == &select.orderBy) && select.orderBy.isEmpty())
        return fail("empty ORDER BY clause");
    return select;
}

std::optional<QString> render(const QList<Token> &tokens, const ColumnLookup &lookup, QString *error)
{
    QStringList parts;
    parts.reserve(tokens.size());
    for (const Token &token : tokens) {
        switch (token.kind) {
        case Token::Kind::Identifier: {
            const auto column = lookup(token.text);
            if (!column) {
                if (error)
                    *error = QStringLiteral("unknown field name '") + token.text + QLatin1Char('\'');
                return std::nullopt;
            }
            parts.append(*column);
            break;
        }
        case Token::Kind::Keyword:
            // Booleans are stored as 1 and 0.
            if (token.text == QLatin1String("TRUE"))
                parts.append(QStringLiteral("1"));
            else if (token.text == QLatin1String("FALSE"))
                parts.append(QStringLiteral("0"));
            else
                parts.append(token.text);
            break;
        case Token::Kind::String: {
            QString escaped = token.text;
            escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
            parts.append(QLatin1Char('\'') + escaped + QLatin1Char('\''));
            break;
        }
        case Token::Kind::Number:
        case Token::Kind::Symbol:
            parts.append(token.text);
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace velmora::sql
