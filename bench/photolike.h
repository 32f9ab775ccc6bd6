#pragma once

// A photo-like 1000 x 1700 picture: soft light over a few blurred shapes,
// and grain. JPEG at quality 92 makes about 600 KB of it, as of a photo from
// a camera or a scanner; the seed makes each card's its own.

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace velmora::test {

inline QImage photoLike(int seed)
{
    QRandomGenerator dice{quint32(seed)};
    QImage image(QSize(1000, 1700), QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient light(0, 0, 1000, 1700);
    light.setColorAt(0, QColor::fromHsv(dice.bounded(360), 120, 230));
    light.setColorAt(1, QColor::fromHsv(dice.bounded(360), 200, 60));
    painter.fillRect(image.rect(), light);
    painter.setPen(Qt::NoPen);
    for (int shape = 0; shape < 14; ++shape) {
        const QPointF centre(dice.bounded(1000), dice.bounded(1700));
        const qreal radius = 80 + dice.bounded(300);
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, QColor::fromHsv(dice.bounded(360), 180, 240, 220));
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(dice.bounded(27)) - 13;
            const auto add = [grain](int channel) { return std::clamp(channel + grain, 0, 255); };
            line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
        }
    }
    return image;
}

} // namespace velmora::test
