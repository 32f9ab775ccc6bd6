#pragma once

// Comma-separated values as RFC 4180 has them: fields with a comma, a quote
// or a line break are quoted, quotes inside doubled, lines end in CR LF.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace velmora::flashcards {

[[nodiscard]] QByteArray csvText(const QVector<QStringList> &rows);

// The rows of UTF-8 text (a byte order mark is passed over; LF alone ends a
// line too). Nothing, with `error` set, for a quote left open or text after a
// closing quote.
[[nodiscard]] std::optional<QVector<QStringList>> parseCsv(const QByteArray &utf8, QString &error);

} // namespace velmora::flashcards
