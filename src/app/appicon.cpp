#include "app/appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace velmora {

QPixmap appIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    // A card standing upright: deep violet face, gold rim.
    const QRectF card(12, 3, 40, 58);
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, QColor(72, 38, 120));
    face.setColorAt(1, QColor(28, 16, 64));
    painter.setPen(QPen(QColor(222, 178, 74), 3));
    painter.setBrush(face);
    painter.drawRoundedRect(card, 6, 6);

    // A crescent over an eight-pointed star.
    // The crescent is a full moon with a bite of the night taken out.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(244, 226, 160));
    painter.drawEllipse(QPointF(32, 20), 9, 9);
    painter.setBrush(QColor(60, 32, 106));
    painter.drawEllipse(QPointF(36, 17), 8, 8);

    QPainterPath star;
    const QPointF centre(32, 43);
    for (int i = 0; i < 16; ++i) {
        const double angle = i * std::numbers::pi / 8 - std::numbers::pi / 2;
        const double radius = (i % 2 == 0) ? (i % 4 == 0 ? 12.0 : 7.5) : 3.0;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setBrush(QColor(222, 178, 74));
    painter.drawPath(star);
    return pixmap;
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32, 48, 64})
            made.addPixmap(appIconPixmap(size));
        return made;
    }();
    return icon;
}

} // namespace velmora
