#pragma once

// The pictures of the default deck, drawn by hand in vector shapes: a frame,
// the card's number at the top, an emblem in the middle and the name in a
// band at the bottom, so that a card turned over is plain to see.

#include <QImage>
#include <QSize>
#include <QString>

namespace velmora::mkdata {

inline constexpr QSize kCardPictureSize{350, 600};

struct CardFace
{
    QString name;
    int group = 0; // 0 Major Arcana, 1 Cups, 2 Wands, 3 Pentacles, 4 Swords
    int rank = 0;  // 0 to 21 for the Major Arcana, 1 Ace to 14 King in a suit
};

// Roman numerals for the Major Arcana ("0" for the Fool), "ACE", "2" to "10"
// and the court rank for a suit.
[[nodiscard]] QString cardNumberText(const CardFace &face);
[[nodiscard]] QString romanNumeral(int number);

// Needs a QGuiApplication for its fonts.
[[nodiscard]] QImage drawCard(const CardFace &face);

// The picture as JPEG file bytes; empty when encoding fails.
[[nodiscard]] QByteArray encodeJpeg(const QImage &image, int quality = 85);

} // namespace velmora::mkdata
