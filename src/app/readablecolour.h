#pragma once

// Text colours that stay readable on the desktop's palette, light or dark:
// a colour chosen for its meaning (green for done, red for a warning) is
// moved in lightness, keeping its hue, until it reaches the contrast that
// WCAG 2 asks of text (4.5:1).

#include <QColor>
#include <QPalette>

namespace velmora {

inline constexpr double kTextContrast = 4.5;

// WCAG 2 contrast ratio, 1 to 21.
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// `wanted` itself when it reaches `ratio` on `background`, else the nearest
// colour of its hue that does, darker on a light background and lighter on a
// dark one.
[[nodiscard]] QColor readableOn(const QColor &wanted, const QColor &background, double ratio = kTextContrast);

// The palette's link colour, made readable on the palette's background of
// that role (many dark themes keep a dark blue link).
[[nodiscard]] QColor readableLink(const QPalette &palette, QPalette::ColorRole background = QPalette::Window);

} // namespace velmora
