#include "flashcards/csv.h"

namespace velmora::flashcards {

QByteArray csvText(const QVector<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &field : row) {
            if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
                fields.append(QLatin1Char('"') + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                              QLatin1Char('"'));
            else
                fields.append(field);
        }
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::optional<QVector<QStringList>> parseCsv(const QByteArray &utf8, QString &error)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the field had quotes, so only a separator may follow them
    int line = 1;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endField();
        rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
            ++line;
        } else if (wasQuoted) {
            error = QCoreApplication::translate("Csv", "line %1: text after a closing quote").arg(line);
            return std::nullopt;
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else {
            field.append(c);
        }
    }
    if (quoted) {
        error = QCoreApplication::translate("Csv", "line %1: a quote is never closed").arg(line);
        return std::nullopt;
    }
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted)
        endRow();
    return rows;
}

} // namespace velmora::flashcards
