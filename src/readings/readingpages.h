#pragma once

// Readings as pages to keep or share: a self-contained HTML file with the
// card pictures inside it, and a PDF laid out from the same text. Everything
// a deck or the learner wrote is escaped, so none of it is read as markup.
// No window here.

#include "readings/reading.h"

#include <QByteArray>
#include <QImage>

#include <functional>

namespace velmora::readings {

// The upright picture of a reading's card, or a null image.
using ReadingPicture = std::function<QImage(const Reading &reading, const ReadingCard &card)>;

// The longer side of a picture on the page, in pixels.
inline constexpr int kPagePictureSide = 240;

// A whole HTML document; reversed cards' pictures are turned.
[[nodiscard]] QString readingsHtml(const QVector<Reading> &readings, const ReadingPicture &picture);
// The same readings as a PDF on A4 pages.
[[nodiscard]] QByteArray readingsPdf(const QVector<Reading> &readings, const ReadingPicture &picture);

// What an export's save dialog offers, and the file for the name chosen:
// PDF for .pdf, a web page for .html or .htm, else Markdown.
[[nodiscard]] QString exportFilter();
[[nodiscard]] QByteArray exportedBytes(const QString &path, const QVector<Reading> &readings);

// The pictures of a reading's cards from its deck, while the deck file in the
// deck folder still holds the same cards.
[[nodiscard]] ReadingPicture deckFolderPictures();

} // namespace velmora::readings
