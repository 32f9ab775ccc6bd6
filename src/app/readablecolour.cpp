#include "app/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background, double ratio)
{
    if (contrastRatio(wanted, background) >= ratio)
        return wanted;
    // Towards black or white, whichever stands further from the background.
    const bool darken = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background);
    const QColor hsl = wanted.toHsl();
    QColor moved = wanted;
    for (int step = 1; step <= 100; ++step) {
        const double lightness = darken ? hsl.lightnessF() * (1.0 - step / 100.0)
                                        : hsl.lightnessF() + (1.0 - hsl.lightnessF()) * step / 100.0;
        moved = QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF(), lightness).toRgb();
        if (contrastRatio(moved, background) >= ratio)
            break;
    }
    return moved;
}

QColor readableLink(const QPalette &palette, QPalette::ColorRole background)
{
    return readableOn(palette.color(QPalette::Link), palette.color(background));
}

} // namespace velmora
