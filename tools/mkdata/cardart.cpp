#include "cardart.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <functional>

namespace velmora::mkdata {

namespace {

constexpr qreal kWidth = kCardPictureSize.width();
constexpr qreal kHeight = kCardPictureSize.height();
// The emblem's window; emblems draw around its centre.
const QRectF kPanel(34, 100, 282, 372);

const QColor kInk(0x3b, 0x24, 0x12);
const QColor kGoldLight(0xfb, 0xe9, 0xa0);
const QColor kGold(0xd4, 0xa5, 0x37);
const QColor kGoldDark(0x8a, 0x62, 0x12);
const QColor kParchment(0xf6, 0xec, 0xd2);
const QColor kSkin(0xf1, 0xd0, 0xaa);

struct Palette
{
    QColor top;
    QColor bottom;
    QColor glow;
    QColor accent; // robes, plumes and banners of the suit
};

Palette paletteFor(int group)
{
    switch (group) {
    case 1:
        return {QColor(0x2a, 0x6f, 0xa3), QColor(0x0b, 0x25, 0x40), QColor(0x9a, 0xd8, 0xf0), QColor(0x2f, 0x86, 0xc4)};
    case 2:
        return {QColor(0xb5, 0x4a, 0x1e), QColor(0x3d, 0x12, 0x08), QColor(0xff, 0xc0, 0x7a), QColor(0xc8, 0x3b, 0x1c)};
    case 3:
        return {QColor(0x4a, 0x84, 0x3c), QColor(0x14, 0x30, 0x0f), QColor(0xe3, 0xee, 0xa6), QColor(0x3d, 0x7a, 0x2e)};
    case 4:
        return {QColor(0x64, 0x7a, 0x94), QColor(0x1c, 0x24, 0x31), QColor(0x9c, 0xb4, 0xd2), QColor(0x55, 0x6d, 0x8c)};
    default:
        return {QColor(0x3a, 0x27, 0x78), QColor(0x0e, 0x0a, 0x2a), QColor(0xc9, 0xb8, 0xff), QColor(0x6b, 0x3f, 0xa0)};
    }
}

QLinearGradient gold(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.45, kGold);
    g.setColorAt(0.8, kGoldDark);
    g.setColorAt(1.0, kGold);
    return g;
}

QLinearGradient goldOver(const QRectF &box)
{
    return gold(box.topLeft(), box.bottomRight());
}

QLinearGradient silverOver(const QRectF &box)
{
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0.0, QColor(0x9a, 0xa4, 0xb0));
    g.setColorAt(0.45, QColor(0xf4, 0xf7, 0xfb));
    g.setColorAt(1.0, QColor(0x70, 0x7a, 0x88));
    return g;
}

QPen ink(qreal width = 2.0)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points, qreal turnDegrees = -90)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = qDegreesToRadians(turnDegrees + i * 180.0 / points);
        const QPointF p(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void rays(QPainter &p, QPointF centre, qreal from, qreal to, int count, const QColor &colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal a = 2 * M_PI * i / count;
        p.drawLine(QPointF(centre.x() + from * qCos(a), centre.y() + from * qSin(a)),
                   QPointF(centre.x() + to * qCos(a), centre.y() + to * qSin(a)));
    }
    p.restore();
}

void glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient g(centre, radius);
    QColor inner = colour;
    inner.setAlpha(170);
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void cloud(QPainter &p, QPointF c, qreal size)
{
    p.setPen(QPen(QColor(0x9d, 0xa7, 0xb8), 1.5));
    p.setBrush(QColor(0xf2, 0xf4, 0xf8));
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(c + QPointF(-size * 0.55, 0), size * 0.45, size * 0.32);
    path.addEllipse(c + QPointF(0, -size * 0.15), size * 0.5, size * 0.42);
    path.addEllipse(c + QPointF(size * 0.55, 0), size * 0.45, size * 0.32);
    p.drawPath(path.simplified());
}

// ------------------------------------------------------------ suit symbols
// Each fills the height of its box and keeps its own proportions.

void drawCup(QPainter &p, const QRectF &box)
{
    const qreal h = box.height();
    const qreal w = std::min(box.width(), h * 0.78);
    const qreal cx = box.center().x();
    const qreal top = box.top() + h * 0.08;
    const QRectF bowl(cx - w / 2, top - h * 0.42, w, h * 0.84);
    QPainterPath cup;
    cup.moveTo(bowl.left(), top);
    cup.arcTo(bowl, 180, 180);
    cup.closeSubpath();
    const qreal stemW = w * 0.12;
    const QRectF stem(cx - stemW / 2, top + h * 0.4, stemW, h * 0.34);
    const QRectF knot(cx - w * 0.13, top + h * 0.5, w * 0.26, h * 0.08);
    QPainterPath base;
    base.moveTo(cx - stemW / 2, box.bottom() - h * 0.14);
    base.lineTo(cx + stemW / 2, box.bottom() - h * 0.14);
    base.lineTo(cx + w * 0.36, box.bottom() - h * 0.02);
    base.lineTo(cx - w * 0.36, box.bottom() - h * 0.02);
    base.closeSubpath();
    p.setPen(ink(std::max(1.0, h / 60)));
    p.setBrush(gold(QPointF(cx - w / 2, 0), QPointF(cx + w / 2, 0)));
    p.drawRect(stem);
    p.drawPath(base);
    p.drawPath(cup);
    p.drawEllipse(knot);
    p.setBrush(QColor(0x5f, 0xb4, 0xe6));
    p.drawEllipse(QRectF(cx - w / 2, top - h * 0.06, w, h * 0.12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 130));
    p.drawEllipse(QRectF(cx - w * 0.3, top + h * 0.1, w * 0.1, h * 0.2));
}

void drawWand(QPainter &p, const QRectF &box)
{
    const qreal h = box.height();
    const qreal w = h * 0.15;
    const qreal cx = box.center().x();
    QPainterPath staff;
    staff.moveTo(cx - w * 0.4, box.top() + h * 0.02);
    staff.lineTo(cx + w * 0.4, box.top() + h * 0.02);
    staff.lineTo(cx + w * 0.55, box.bottom());
    staff.lineTo(cx - w * 0.55, box.bottom());
    staff.closeSubpath();
    QLinearGradient wood(QPointF(cx - w, 0), QPointF(cx + w, 0));
    wood.setColorAt(0, QColor(0x6b, 0x3e, 0x1c));
    wood.setColorAt(0.5, QColor(0xc0, 0x86, 0x4c));
    wood.setColorAt(1, QColor(0x55, 0x2f, 0x12));
    p.setPen(ink(std::max(1.0, h / 70)));
    p.setBrush(wood);
    p.drawPath(staff);
    p.setBrush(QColor(0x4e, 0x2b, 0x10));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, box.top() + h * 0.55), w * 0.22, w * 0.35);
    // Green shoots, alternating sides.
    p.setPen(QPen(QColor(0x1f, 0x5a, 0x1a), std::max(0.8, h / 110)));
    p.setBrush(QColor(0x5c, 0xb3, 0x3c));
    const std::array<qreal, 3> at{0.18, 0.36, 0.72};
    for (size_t i = 0; i < at.size(); ++i) {
        const qreal side = i % 2 == 0 ? 1 : -1;
        p.save();
        p.translate(cx + side * w * 0.45, box.top() + h * at[i]);
        p.rotate(side * 50);
        p.drawEllipse(QRectF(-w * 0.25, -w * 1.1, w * 0.5, w * 1.1));
        p.restore();
    }
}

void drawPentacle(QPainter &p, const QRectF &box)
{
    const qreal r = std::min(box.width(), box.height()) / 2 * 0.96;
    const QPointF c = box.center();
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(ink(std::max(1.0, r / 30)));
    p.setBrush(goldOver(disc));
    p.drawEllipse(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldDark, std::max(1.0, r / 18)));
    p.drawEllipse(c, r * 0.82, r * 0.82);
    // The star is drawn as one line through every second point.
    QPainterPath star;
    for (int i = 0; i <= 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 144.0);
        const QPointF pt(c.x() + r * 0.74 * qCos(a), c.y() + r * 0.74 * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    p.setPen(QPen(kInk, std::max(1.0, r / 14), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(star);
}

void drawSword(QPainter &p, const QRectF &box)
{
    const qreal h = box.height();
    const qreal w = h * 0.13;
    const qreal cx = box.center().x();
    const qreal guardY = box.top() + h * 0.72;
    QPainterPath blade;
    blade.moveTo(cx, box.top());
    blade.lineTo(cx + w / 2, box.top() + h * 0.1);
    blade.lineTo(cx + w / 2, guardY);
    blade.lineTo(cx - w / 2, guardY);
    blade.lineTo(cx - w / 2, box.top() + h * 0.1);
    blade.closeSubpath();
    p.setPen(ink(std::max(1.0, h / 80)));
    p.setBrush(silverOver(QRectF(cx - w / 2, box.top(), w, h)));
    p.drawPath(blade);
    p.setPen(QPen(QColor(0x6b, 0x75, 0x82), std::max(0.8, h / 150)));
    p.drawLine(QPointF(cx, box.top() + h * 0.12), QPointF(cx, guardY - h * 0.04));
    p.setPen(ink(std::max(1.0, h / 80)));
    const QRectF guard(cx - w * 1.9, guardY, w * 3.8, h * 0.05);
    p.setBrush(goldOver(guard));
    p.drawRoundedRect(guard, h * 0.02, h * 0.02);
    p.setBrush(QColor(0x5a, 0x32, 0x18));
    p.drawRect(QRectF(cx - w * 0.35, guardY + h * 0.05, w * 0.7, h * 0.15));
    p.setBrush(goldOver(QRectF(cx - w, box.bottom() - 2 * w, 2 * w, 2 * w)));
    p.drawEllipse(QPointF(cx, box.bottom() - h * 0.05), w * 0.6, h * 0.05);
}

void drawSuitSymbol(QPainter &p, int suit, const QRectF &box)
{
    p.save();
    switch (suit) {
    case 1:
        drawCup(p, box);
        break;
    case 2:
        drawWand(p, box);
        break;
    case 3:
        drawPentacle(p, box);
        break;
    case 4:
        drawSword(p, box);
        break;
    default:
        break;
    }
    p.restore();
}

QRectF boxAround(QPointF c, qreal size)
{
    return QRectF(c.x() - size / 2, c.y() - size / 2, size, size);
}

// ------------------------------------------------------------ suit cards

void drawAce(QPainter &p, int suit, const Palette &palette)
{
    const QPointF c = kPanel.center();
    glow(p, c, 150, palette.glow);
    rays(p, c, 70, 128, 24, QColor(kGoldLight.red(), kGoldLight.green(), kGoldLight.blue(), 200), 2.5);
    rays(p, c, 80, 112, 48, QColor(kGoldLight.red(), kGoldLight.green(), kGoldLight.blue(), 110), 1.2);
    drawSuitSymbol(p, suit, boxAround(c, 220));
}

// Pip positions in the emblem window, as fractions of its width and height.
QVector<QPointF> pipLayout(int count)
{
    const qreal l = 0.27;
    const qreal m = 0.5;
    const qreal r = 0.73;
    switch (count) {
    case 2:
        return {{m, 0.25}, {m, 0.75}};
    case 3:
        return {{m, 0.17}, {m, 0.5}, {m, 0.83}};
    case 4:
        return {{l, 0.25}, {r, 0.25}, {l, 0.75}, {r, 0.75}};
    case 5:
        return {{l, 0.2}, {r, 0.2}, {m, 0.5}, {l, 0.8}, {r, 0.8}};
    case 6:
        return {{l, 0.17}, {r, 0.17}, {l, 0.5}, {r, 0.5}, {l, 0.83}, {r, 0.83}};
    case 7:
        return {{l, 0.15}, {r, 0.15}, {m, 0.33}, {l, 0.5}, {r, 0.5}, {l, 0.85}, {r, 0.85}};
    case 8:
        return {{l, 0.14}, {r, 0.14}, {m, 0.32}, {l, 0.5}, {r, 0.5}, {m, 0.68}, {l, 0.86}, {r, 0.86}};
    case 9:
        return {{l, 0.13}, {r, 0.13}, {l, 0.38}, {r, 0.38}, {m, 0.5}, {l, 0.62}, {r, 0.62}, {l, 0.87}, {r, 0.87}};
    case 10:
        return {{l, 0.12}, {r, 0.12}, {m, 0.25}, {l, 0.38}, {r, 0.38},
                {l, 0.62}, {r, 0.62}, {m, 0.75}, {l, 0.88}, {r, 0.88}};
    default:
        return {{m, 0.5}};
    }
}

void drawPips(QPainter &p, int suit, int count, const Palette &palette)
{
    glow(p, kPanel.center(), 170, palette.glow);
    const qreal narrow = suit == 2 || suit == 4 ? 1.25 : 1.0;
    const qreal size = narrow * (count <= 3 ? 104 : count <= 6 ? 92 : count <= 8 ? 80 : 74);
    for (const QPointF &at : pipLayout(count)) {
        const QPointF c(kPanel.left() + at.x() * kPanel.width(), kPanel.top() + at.y() * kPanel.height());
        drawSuitSymbol(p, suit, boxAround(c, size));
    }
}

// Court figures: a bust of distinct shape per rank, with the suit's symbol.
void drawCourt(QPainter &p, int suit, int rank, const Palette &palette)
{
    const QPointF c = kPanel.center();
    glow(p, c + QPointF(0, -40), 150, palette.glow);
    const qreal headY = kPanel.top() + 130;
    const QPointF head(c.x(), headY);

    // Throne behind the Queen and the King, ground for the Page and the Knight.
    if (rank >= 13) {
        const QRectF back(c.x() - 95, kPanel.top() + 30, 190, 300);
        QLinearGradient stone(back.topLeft(), back.topRight());
        stone.setColorAt(0, QColor(0x8d, 0x86, 0x7a));
        stone.setColorAt(0.5, QColor(0xc9, 0xc1, 0xb2));
        stone.setColorAt(1, QColor(0x7a, 0x73, 0x68));
        p.setPen(ink(2));
        p.setBrush(stone);
        QPainterPath arch;
        arch.moveTo(back.left(), back.bottom());
        arch.lineTo(back.left(), back.top() + 80);
        arch.arcTo(QRectF(back.left(), back.top(), back.width(), 160), 180, -180);
        arch.lineTo(back.right(), back.bottom());
        arch.closeSubpath();
        p.drawPath(arch);
        p.setBrush(goldOver(back));
        p.drawEllipse(QPointF(c.x(), back.top() + 26), 12, 12);
    } else {
        p.setPen(Qt::NoPen);
        QColor ground = palette.bottom.lighter(140);
        p.setBrush(ground);
        p.drawEllipse(QRectF(kPanel.left() - 40, kPanel.bottom() - 60, kPanel.width() + 80, 140));
    }

    // Hair behind the head.
    if (rank == 13) {
        p.setPen(ink(2));
        p.setBrush(QColor(0x5a, 0x33, 0x1c));
        QPainterPath hair;
        hair.moveTo(c.x() - 38, headY - 10);
        hair.cubicTo(c.x() - 62, headY + 40, c.x() - 60, headY + 90, c.x() - 48, headY + 110);
        hair.lineTo(c.x() + 48, headY + 110);
        hair.cubicTo(c.x() + 60, headY + 90, c.x() + 62, headY + 40, c.x() + 38, headY - 10);
        hair.closeSubpath();
        p.drawPath(hair);
    }

    // Robe and shoulders.
    QPainterPath robe;
    const qreal shoulderY = headY + 70;
    robe.moveTo(c.x() - 40, headY + 45);
    robe.cubicTo(c.x() - 110, shoulderY, c.x() - 120, shoulderY + 60, c.x() - 118, kPanel.bottom() - 4);
    robe.lineTo(c.x() + 118, kPanel.bottom() - 4);
    robe.cubicTo(c.x() + 120, shoulderY + 60, c.x() + 110, shoulderY, c.x() + 40, headY + 45);
    robe.closeSubpath();
    QLinearGradient cloth(QPointF(c.x() - 120, 0), QPointF(c.x() + 120, 0));
    cloth.setColorAt(0, palette.accent.darker(160));
    cloth.setColorAt(0.5, palette.accent.lighter(125));
    cloth.setColorAt(1, palette.accent.darker(170));
    p.setPen(ink(2));
    p.setBrush(rank == 12 ? silverOver(QRectF(c.x() - 120, 0, 240, 10)) : QBrush(cloth));
    p.drawPath(robe);
    if (rank == 12) {
        // Pauldrons of the armoured knight.
        p.setBrush(silverOver(QRectF(c.x() - 110, 0, 60, 10)));
        p.drawEllipse(QPointF(c.x() - 80, shoulderY + 12), 36, 24);
        p.setBrush(silverOver(QRectF(c.x() + 50, 0, 60, 10)));
        p.drawEllipse(QPointF(c.x() + 80, shoulderY + 12), 36, 24);
    }
    if (rank == 14) {
        // Ermine collar.
        p.setBrush(QColor(0xfb, 0xfa, 0xf5));
        QPainterPath collar;
        collar.addRoundedRect(QRectF(c.x() - 78, headY + 52, 156, 34), 17, 17);
        p.drawPath(collar);
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        for (int i = -3; i <= 3; ++i)
            p.drawEllipse(QPointF(c.x() + i * 20, headY + 69 + (i % 2) * 6), 2.2, 3.5);
        p.setPen(ink(2));
    }

    // Neck and head.
    p.setBrush(kSkin);
    p.drawRect(QRectF(c.x() - 12, headY + 25, 24, 30));
    if (rank == 12) {
        // A great helm hides the knight's face.
        const QRectF helm(c.x() - 40, headY - 44, 80, 92);
        QPainterPath shape;
        shape.moveTo(helm.left(), helm.bottom());
        shape.lineTo(helm.left(), helm.top() + 40);
        shape.arcTo(QRectF(helm.left(), helm.top(), helm.width(), 80), 180, -180);
        shape.lineTo(helm.right(), helm.bottom());
        shape.closeSubpath();
        p.setBrush(silverOver(helm));
        p.drawPath(shape);
        p.setPen(QPen(QColor(0x1c, 0x1c, 0x22), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(helm.left() + 12, headY - 4), QPointF(helm.right() - 12, headY - 4));
        p.setPen(ink(1.5));
        p.drawLine(QPointF(c.x(), headY + 4), QPointF(c.x(), helm.bottom() - 8));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(c.x() + 16, headY + 14 + i * 7), 1.6, 1.6);
        // Plume in the suit's colour.
        p.setPen(ink(1.5));
        p.setBrush(palette.accent.lighter(130));
        QPainterPath plume;
        plume.moveTo(c.x(), helm.top() + 4);
        plume.cubicTo(c.x() + 20, helm.top() - 60, c.x() + 90, helm.top() - 40, c.x() + 100, helm.top() + 10);
        plume.cubicTo(c.x() + 70, helm.top() - 18, c.x() + 30, helm.top() - 16, c.x(), helm.top() + 4);
        p.drawPath(plume);
    } else {
        p.drawEllipse(head, 34, 40);
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x() - 12, headY - 4), 3, 3.5);
        p.drawEllipse(QPointF(c.x() + 12, headY - 4), 3, 3.5);
        p.setPen(QPen(QColor(0xa0, 0x4a, 0x3a), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 9, headY + 8, 18, 10), 200 * 16, 140 * 16);
        p.setPen(ink(2));
    }

    if (rank == 11) {
        // Page: a soft cap with a feather.
        p.setBrush(palette.accent.darker(120));
        QPainterPath cap;
        cap.addEllipse(QRectF(c.x() - 44, headY - 52, 88, 34));
        p.drawPath(cap);
        p.setBrush(kParchment);
        QPainterPath feather;
        feather.moveTo(c.x() + 30, headY - 40);
        feather.cubicTo(c.x() + 60, headY - 90, c.x() + 90, headY - 96, c.x() + 104, headY - 92);
        feather.cubicTo(c.x() + 80, headY - 70, c.x() + 60, headY - 50, c.x() + 30, headY - 40);
        p.drawPath(feather);
    } else if (rank == 13 || rank == 14) {
        // Crowns: the Queen's with pearls on rounded tips, the King's pointed.
        const qreal base = headY - 30;
        QPainterPath crown;
        crown.moveTo(c.x() - 38, base);
        const int tips = rank == 13 ? 3 : 5;
        const qreal height = rank == 13 ? 34 : 46;
        for (int i = 0; i < tips; ++i) {
            const qreal x0 = c.x() - 38 + 76.0 * i / tips;
            const qreal x1 = c.x() - 38 + 76.0 * (i + 1) / tips;
            if (rank == 13) {
                crown.quadTo(QPointF((x0 + x1) / 2, base - height * 1.4), QPointF(x1, base));
            } else {
                crown.lineTo((x0 + x1) / 2, base - height);
                crown.lineTo(x1, base - 12);
            }
        }
        crown.lineTo(c.x() + 38, base + 12);
        crown.lineTo(c.x() - 38, base + 12);
        crown.closeSubpath();
        p.setBrush(goldOver(QRectF(c.x() - 40, base - height, 80, height + 12)));
        p.drawPath(crown);
        p.setBrush(rank == 13 ? QColor(0xfb, 0xf8, 0xf0) : QColor(0xc0, 0x1c, 0x2c));
        for (int i = 0; i < tips; ++i) {
            const qreal x = c.x() - 38 + 76.0 * (i + 0.5) / tips;
            p.drawEllipse(QPointF(x, rank == 13 ? base - height * 0.62 : base - height + 4), 4.5, 4.5);
        }
        if (rank == 14) {
            // Beard.
            p.setBrush(QColor(0x8a, 0x5a, 0x32));
            QPainterPath beard;
            beard.moveTo(c.x() - 32, headY + 6);
            beard.cubicTo(c.x() - 30, headY + 50, c.x() - 10, headY + 64, c.x(), headY + 66);
            beard.cubicTo(c.x() + 10, headY + 64, c.x() + 30, headY + 50, c.x() + 32, headY + 6);
            beard.cubicTo(c.x() + 16, headY + 18, c.x() - 16, headY + 18, c.x() - 32, headY + 6);
            p.drawPath(beard);
        }
    }

    // The suit's symbol, held before the figure or at its side.
    const qreal narrow = suit == 2 || suit == 4 ? 1.45 : 1.0;
    switch (rank) {
    case 11:
        drawSuitSymbol(p, suit, boxAround(QPointF(c.x(), kPanel.bottom() - 80 * narrow), 110 * narrow));
        break;
    case 12:
        drawSuitSymbol(p, suit, boxAround(QPointF(c.x() + 88, kPanel.bottom() - 96 * narrow), 130 * narrow));
        break;
    case 13:
        drawSuitSymbol(p, suit, boxAround(QPointF(c.x() - 70, kPanel.bottom() - 70 * narrow), 104 * narrow));
        break;
    default:
        drawSuitSymbol(p, suit, boxAround(QPointF(c.x() + 70, kPanel.bottom() - 70 * narrow), 104 * narrow));
        break;
    }
}

// ------------------------------------------------------------ Major Arcana
// Drawn around the emblem window's centre: x within -135..135, y within -180..180.

void lemniscate(QPainter &p, QPointF c, qreal a, qreal width)
{
    QPainterPath path;
    for (int i = 0; i <= 120; ++i) {
        const qreal t = 2 * M_PI * i / 120;
        const qreal d = 1 + qSin(t) * qSin(t);
        const QPointF pt(c.x() + a * qCos(t) / d, c.y() + a * qSin(t) * qCos(t) / d);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldDark, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kGoldLight, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void sun(QPainter &p, QPointF c, qreal r, bool face)
{
    glow(p, c, r * 2.2, QColor(0xff, 0xd8, 0x60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf7, 0xb5, 0x2c));
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 22.5);
        QPainterPath ray;
        const qreal len = i % 2 == 0 ? r * 1.7 : r * 1.4;
        ray.moveTo(-r * 0.18, -r * 0.9);
        ray.lineTo(0, -len);
        ray.lineTo(r * 0.18, -r * 0.9);
        ray.closeSubpath();
        p.drawPath(ray);
        p.restore();
    }
    QRadialGradient disc(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    disc.setColorAt(0, QColor(0xff, 0xf6, 0xb0));
    disc.setColorAt(1, QColor(0xf2, 0xa0, 0x1c));
    p.setPen(QPen(QColor(0xb8, 0x6a, 0x0a), 2));
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    if (face) {
        p.setBrush(QColor(0x8a, 0x4a, 0x0a));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(-r * 0.32, -r * 0.15), r * 0.08, r * 0.1);
        p.drawEllipse(c + QPointF(r * 0.32, -r * 0.15), r * 0.08, r * 0.1);
        p.setPen(QPen(QColor(0x8a, 0x4a, 0x0a), std::max(1.5, r / 22), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r * 0.4, c.y() - r * 0.1, r * 0.8, r * 0.55), 200 * 16, 140 * 16);
    }
}

void crescent(QPainter &p, QPointF c, qreal r, qreal shift, const QColor &colour)
{
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(shift, 0), r * 0.9, r * 0.9);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawPath(moon.subtracted(cut));
}

void tower(QPainter &p, const QRectF &body, const QColor &stone)
{
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, stone.darker(130));
    g.setColorAt(0.5, stone.lighter(115));
    g.setColorAt(1, stone.darker(150));
    p.setPen(ink(2));
    p.setBrush(g);
    QPainterPath path;
    const qreal merlon = body.width() / 5;
    path.moveTo(body.left(), body.bottom());
    path.lineTo(body.left(), body.top());
    for (int i = 0; i < 5; ++i) {
        const qreal x = body.left() + i * merlon;
        if (i % 2 == 0) {
            path.lineTo(x + merlon, body.top());
            path.lineTo(x + merlon, body.top() + merlon * 0.8);
        } else {
            path.lineTo(x + merlon, body.top() + merlon * 0.8);
            path.lineTo(x + merlon, body.top());
        }
    }
    path.lineTo(body.right(), body.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void water(QPainter &p, const QRectF &pool)
{
    QLinearGradient g(pool.topLeft(), pool.bottomLeft());
    g.setColorAt(0, QColor(0x6f, 0xb6, 0xe0));
    g.setColorAt(1, QColor(0x1d, 0x4e, 0x80));
    p.setPen(QPen(QColor(0x14, 0x3c, 0x66), 2));
    p.setBrush(g);
    p.drawEllipse(pool);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const QRectF ring = pool.adjusted(pool.width() * (0.15 + 0.1 * i), pool.height() * (0.25 + 0.1 * i),
                                          -pool.width() * (0.15 + 0.1 * i), -pool.height() * (0.25 + 0.1 * i));
        p.drawArc(ring, 200 * 16, 140 * 16);
    }
}

void mountains(QPainter &p, qreal baseY, const QColor &colour)
{
    p.setPen(ink(1.5));
    p.setBrush(colour);
    QPainterPath range;
    range.moveTo(-141, baseY);
    range.lineTo(-90, baseY - 70);
    range.lineTo(-50, baseY - 30);
    range.lineTo(10, baseY - 110);
    range.lineTo(70, baseY - 40);
    range.lineTo(100, baseY - 70);
    range.lineTo(141, baseY - 20);
    range.lineTo(141, 186);
    range.lineTo(-141, 186);
    range.closeSubpath();
    p.drawPath(range);
    p.setBrush(QColor(0xfa, 0xfb, 0xff));
    QPainterPath snow;
    snow.moveTo(10, baseY - 110);
    snow.lineTo(-15, baseY - 76);
    snow.lineTo(0, baseY - 82);
    snow.lineTo(12, baseY - 72);
    snow.lineTo(24, baseY - 84);
    snow.lineTo(34, baseY - 74);
    snow.closeSubpath();
    p.drawPath(snow);
}

void leaf(QPainter &p, QPointF at, qreal angle, qreal size, const QColor &colour)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(colour.darker(170), 1));
    p.setBrush(colour);
    QPainterPath shape;
    shape.moveTo(0, -size);
    shape.quadTo(size * 0.45, 0, 0, size);
    shape.quadTo(-size * 0.45, 0, 0, -size);
    p.drawPath(shape);
    p.restore();
}

void wheatEar(QPainter &p, QPointF base, qreal lean)
{
    p.save();
    p.translate(base);
    p.rotate(lean);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x1a), 2));
    p.drawLine(QPointF(0, 0), QPointF(0, -110));
    for (int i = 0; i < 6; ++i) {
        leaf(p, QPointF(-6, -50 - i * 11), -25, 9, QColor(0xe8, 0xc0, 0x4a));
        leaf(p, QPointF(6, -50 - i * 11), 25, 9, QColor(0xe8, 0xc0, 0x4a));
    }
    leaf(p, QPointF(0, -118), 0, 10, QColor(0xe8, 0xc0, 0x4a));
    p.restore();
}

void key(QPainter &p, qreal angle, const QBrush &metal)
{
    p.save();
    p.rotate(angle);
    p.setPen(ink(1.5));
    p.setBrush(metal);
    p.drawRect(QRectF(-4, -60, 8, 120));
    p.drawEllipse(QPointF(0, 68), 16, 16);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 68), 7, 7);
    p.setBrush(metal);
    p.drawRect(QRectF(4, -60, 16, 10));
    p.drawRect(QRectF(4, -44, 12, 8));
    p.restore();
}

void heart(QPainter &p, QPointF c, qreal size, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + size * 0.9);
    path.cubicTo(c.x() - size * 1.4, c.y(), c.x() - size * 0.9, c.y() - size, c.x(), c.y() - size * 0.45);
    path.cubicTo(c.x() + size * 0.9, c.y() - size, c.x() + size * 1.4, c.y(), c.x(), c.y() + size * 0.9);
    QRadialGradient g(c - QPointF(size * 0.3, size * 0.3), size * 1.3);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(200), 2));
    p.setBrush(g);
    p.drawPath(path);
}

void wing(QPainter &p, QPointF root, int side)
{
    p.setPen(QPen(QColor(0xb0, 0x98, 0x70), 1.2));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(root);
        p.rotate(side * (-70 + i * 18));
        p.setBrush(i % 2 ? QColor(0xff, 0xf4, 0xe0) : QColor(0xf4, 0xd8, 0xb0));
        p.drawEllipse(QRectF(side > 0 ? 0 : -100 + i * 8, -9, 100 - i * 8, 18));
        p.restore();
    }
}

void figure(QPainter &p, QPointF feet, qreal height, bool armsUp, const QColor &colour)
{
    const qreal h = height;
    p.setPen(QPen(colour, h * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF hip(feet.x(), feet.y() - h * 0.4);
    const QPointF neck(feet.x(), feet.y() - h * 0.78);
    p.drawLine(hip, neck);
    p.drawLine(hip, feet + QPointF(-h * 0.12, 0));
    p.drawLine(hip, feet + QPointF(h * 0.12, 0));
    const qreal armY = armsUp ? -h * 0.25 : h * 0.2;
    p.drawLine(neck, neck + QPointF(-h * 0.22, armY));
    p.drawLine(neck, neck + QPointF(h * 0.22, armY));
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(neck.x(), neck.y() - h * 0.1), h * 0.1, h * 0.1);
}

void chain(QPainter &p, QPointF from, QPointF to)
{
    const int links = 7;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xb8, 0xbc, 0xc4), 2.5));
    for (int i = 0; i < links; ++i) {
        const QPointF at = from + (to - from) * ((i + 0.5) / links);
        const qreal angle = qRadiansToDegrees(qAtan2(to.y() - from.y(), to.x() - from.x()));
        p.save();
        p.translate(at);
        p.rotate(angle + (i % 2 ? 0 : 0));
        if (i % 2)
            p.drawEllipse(QRectF(-8, -2.5, 16, 5));
        else
            p.drawEllipse(QRectF(-8, -5, 16, 10));
        p.restore();
    }
}

void drawMajor(QPainter &p, int number, const Palette &palette)
{
    p.save();
    p.translate(kPanel.center());
    const QColor stone(0x9a, 0x94, 0x8a);
    switch (number) {
    case 0: { // The Fool: a bundle on a stick, a white rose, the cliff's edge under a bright sun
        sun(p, QPointF(-78, -118), 30, false);
        p.setPen(ink(2));
        p.setBrush(QColor(0x8a, 0x7a, 0x66));
        QPainterPath cliff;
        cliff.moveTo(-141, 70);
        cliff.lineTo(40, 70);
        cliff.lineTo(30, 100);
        cliff.lineTo(52, 130);
        cliff.lineTo(36, 186);
        cliff.lineTo(-141, 186);
        cliff.closeSubpath();
        p.drawPath(cliff);
        p.setPen(QPen(QColor(0x6b, 0x3e, 0x1c), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-90, 60), QPointF(30, -60));
        p.setPen(ink(2));
        QRadialGradient bundle(QPointF(30, -80), 40);
        bundle.setColorAt(0, QColor(0xe0, 0x4a, 0x3a));
        bundle.setColorAt(1, QColor(0x8a, 0x1c, 0x14));
        p.setBrush(bundle);
        p.drawEllipse(QPointF(40, -78), 34, 28);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(28, -58), 6, 6);
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 72);
            p.setBrush(QColor(0xfc, 0xfc, 0xf6));
            p.drawEllipse(QPointF(-70 + 14 * qCos(a), 20 + 14 * qSin(a)), 11, 11);
        }
        p.setBrush(QColor(0xf0, 0xc0, 0x30));
        p.drawEllipse(QPointF(-70, 20), 7, 7);
        leaf(p, QPointF(-46, 36), 60, 12, QColor(0x4c, 0x9a, 0x3a));
        break;
    }
    case 1: { // The Magician: the endless sign above a raised wand and the four tools
        glow(p, QPointF(0, -40), 150, palette.glow);
        lemniscate(p, QPointF(0, -140), 64, 6);
        p.setPen(ink(2));
        p.setBrush(QColor(0xfa, 0xfa, 0xf2));
        p.drawRoundedRect(QRectF(-7, -100, 14, 120), 5, 5);
        p.setBrush(goldOver(QRectF(-10, -110, 20, 20)));
        p.drawEllipse(QPointF(0, -104), 10, 10);
        p.drawEllipse(QPointF(0, 24), 10, 10);
        QLinearGradient table(QPointF(0, 100), QPointF(0, 140));
        table.setColorAt(0, QColor(0xa8, 0x6c, 0x38));
        table.setColorAt(1, QColor(0x5a, 0x32, 0x14));
        p.setBrush(table);
        p.drawRect(QRectF(-130, 100, 260, 26));
        p.drawRect(QRectF(-118, 126, 14, 56));
        p.drawRect(QRectF(104, 126, 14, 56));
        drawSuitSymbol(p, 1, boxAround(QPointF(-96, 70), 56));
        drawSuitSymbol(p, 2, boxAround(QPointF(-36, 70), 58));
        drawSuitSymbol(p, 3, boxAround(QPointF(36, 72), 50));
        drawSuitSymbol(p, 4, boxAround(QPointF(96, 70), 58));
        break;
    }
    case 2: { // The High Priestess: the dark and the light pillar, the veil and the triple moon
        p.setPen(ink(1.5));
        p.setBrush(QColor(0x3b, 0x5a, 0x8a));
        p.drawRect(QRectF(-76, -130, 152, 250));
        p.setBrush(QColor(0xc0, 0x2a, 0x3a));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QPointF(-44 + col * 44 + (row % 2) * 22 - 11, -90 + row * 60), 9, 11);
        for (int side = -1; side <= 1; side += 2) {
            const QRectF pillar(side * 100 - 20, -150, 40, 330);
            p.setPen(ink(2));
            p.setBrush(side < 0 ? QColor(0x22, 0x20, 0x28) : QColor(0xf0, 0xec, 0xe0));
            p.drawRect(pillar);
            p.setBrush(goldOver(pillar));
            p.drawRect(QRectF(pillar.left() - 6, -168, pillar.width() + 12, 20));
            p.drawRect(QRectF(pillar.left() - 6, 168, pillar.width() + 12, 14));
        }
        glow(p, QPointF(0, -40), 90, QColor(0xe8, 0xf0, 0xff));
        const QColor silver(0xec, 0xf0, 0xf6);
        p.setPen(QPen(silver.darker(140), 1.5));
        p.setBrush(silver);
        p.drawEllipse(QPointF(0, -40), 26, 26);
        crescent(p, QPointF(-44, -40), 24, 14, silver);
        crescent(p, QPointF(44, -40), 24, -14, silver);
        p.setPen(ink(1.5));
        p.setBrush(kParchment);
        p.drawRoundedRect(QRectF(-30, 40, 60, 84), 6, 6);
        p.drawEllipse(QRectF(-34, 34, 68, 14));
        p.drawEllipse(QRectF(-34, 116, 68, 14));
        break;
    }
    case 3: { // The Empress: the sign of Venus crowned with twelve stars, with ripe wheat
        glow(p, QPointF(0, -20), 140, QColor(0xff, 0xd0, 0xe0));
        for (int i = 0; i < 12; ++i) {
            const qreal a = qDegreesToRadians(200.0 + i * (140.0 / 11));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0xf4, 0xc0));
            p.drawPath(starPath(QPointF(108 * qCos(a), -40 + 108 * qSin(a)), 9, 4, 6));
        }
        wheatEar(p, QPointF(-92, 180), -8);
        wheatEar(p, QPointF(-70, 180), 6);
        wheatEar(p, QPointF(92, 180), 8);
        wheatEar(p, QPointF(70, 180), -6);
        const QColor copper(0x3f, 0xa0, 0x80);
        p.setBrush(Qt::NoBrush);
        for (const auto &[colour, width] : {std::pair{kInk, 22.0}, std::pair{copper, 16.0}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
            p.drawEllipse(QPointF(0, -40), 52, 52);
            p.drawLine(QPointF(0, 12), QPointF(0, 120));
            p.drawLine(QPointF(-44, 66), QPointF(44, 66));
        }
        break;
    }
    case 4: { // The Emperor: a stone throne with ram's horns and a golden ankh
        const QRectF throne(-96, -120, 192, 300);
        QLinearGradient g(throne.topLeft(), throne.topRight());
        g.setColorAt(0, stone.darker(140));
        g.setColorAt(0.5, stone.lighter(120));
        g.setColorAt(1, stone.darker(160));
        p.setPen(ink(2));
        p.setBrush(g);
        p.drawRect(throne);
        p.drawRect(QRectF(-120, 60, 240, 26));
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath horn;
            const QPointF c(side * 96, -120);
            for (int i = 0; i <= 60; ++i) {
                const qreal t = i / 60.0 * 3.2 * M_PI;
                const qreal r = 34 * (1 - i / 75.0);
                const QPointF pt(c.x() + side * r * qCos(t + M_PI), c.y() + r * qSin(t + M_PI));
                if (i == 0)
                    horn.moveTo(pt);
                else
                    horn.lineTo(pt);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xe8, 0xdc, 0xc0), 9, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(horn);
            p.setPen(QPen(kInk, 1.5));
            p.drawPath(horn);
        }
        glow(p, QPointF(0, -40), 100, QColor(0xff, 0x90, 0x40));
        QPainterPath ankh;
        ankh.addEllipse(QPointF(0, -90), 26, 36);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, -90), 13, 22);
        ankh = ankh.subtracted(hole);
        ankh.setFillRule(Qt::WindingFill);
        ankh.addRect(QRectF(-56, -52, 112, 18));
        ankh.addRect(QRectF(-10, -56, 20, 170));
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-56, -126, 112, 240)));
        p.drawPath(ankh.simplified());
        break;
    }
    case 5: { // The Hierophant: the triple cross over two crossed keys
        glow(p, QPointF(0, -60), 130, palette.glow);
        QPainterPath cross;
        cross.setFillRule(Qt::WindingFill);
        cross.addRect(QRectF(-8, -170, 16, 230));
        cross.addRect(QRectF(-30, -148, 60, 14));
        cross.addRect(QRectF(-44, -118, 88, 14));
        cross.addRect(QRectF(-58, -88, 116, 14));
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-58, -170, 116, 230)));
        p.drawPath(cross.simplified());
        p.save();
        p.translate(0, 100);
        key(p, -35, goldOver(QRectF(-20, -60, 40, 140)));
        key(p, 35, silverOver(QRectF(-20, -60, 40, 140)));
        p.restore();
        break;
    }
    case 6: { // The Lovers: two hearts beneath a winged sun
        sun(p, QPointF(0, -120), 30, false);
        wing(p, QPointF(-22, -70), -1);
        wing(p, QPointF(22, -70), 1);
        heart(p, QPointF(-32, 70), 62, QColor(0xd8, 0x2a, 0x3a));
        heart(p, QPointF(34, 84), 58, QColor(0xf0, 0x7a, 0x9a));
        break;
    }
    case 7: { // The Chariot: a starry canopy over a stone car, two sphinxes before it
        p.setPen(ink(2));
        p.setBrush(QColor(0xc8, 0xc0, 0xb0));
        p.drawRect(QRectF(-86, -96, 10, 120));
        p.drawRect(QRectF(76, -96, 10, 120));
        p.setBrush(QColor(0x24, 0x3c, 0x78));
        QPainterPath canopy;
        canopy.setFillRule(Qt::WindingFill);
        canopy.moveTo(-110, -96);
        canopy.lineTo(110, -96);
        canopy.quadTo(0, -150, -110, -96);
        canopy.addRect(QRectF(-110, -120, 220, 24));
        p.drawPath(canopy.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf2, 0xb0));
        for (int i = 0; i < 7; ++i)
            p.drawPath(starPath(QPointF(-90 + i * 30, -108), 7, 3, 6));
        p.setPen(ink(2));
        QLinearGradient body(QPointF(-100, 0), QPointF(100, 0));
        body.setColorAt(0, stone.darker(150));
        body.setColorAt(0.5, stone.lighter(120));
        body.setColorAt(1, stone.darker(150));
        p.setBrush(body);
        p.drawRect(QRectF(-100, 24, 200, 80));
        wing(p, QPointF(-10, 60), -1);
        wing(p, QPointF(10, 60), 1);
        p.setBrush(goldOver(QRectF(-16, 44, 32, 32)));
        p.drawEllipse(QPointF(0, 60), 14, 14);
        for (int side = -1; side <= 1; side += 2) {
            p.setBrush(QColor(0x6a, 0x4a, 0x2a));
            p.drawEllipse(QPointF(side * 110, 110), 26, 26);
            p.setBrush(goldOver(QRectF(side * 110 - 8, 102, 16, 16)));
            p.drawEllipse(QPointF(side * 110, 110), 8, 8);
            QPainterPath sphinx;
            const qreal x = side * 54;
            sphinx.moveTo(x - side * 40, 180);
            sphinx.lineTo(x - side * 40, 150);
            sphinx.quadTo(x, 136, x + side * 10, 146);
            sphinx.lineTo(x + side * 10, 124);
            sphinx.quadTo(x + side * 24, 110, x + side * 38, 124);
            sphinx.lineTo(x + side * 38, 180);
            sphinx.closeSubpath();
            p.setBrush(side < 0 ? QColor(0x1e, 0x1c, 0x22) : QColor(0xf4, 0xf0, 0xe6));
            p.drawPath(sphinx);
        }
        break;
    }
    case 8: { // Strength: the endless sign above a calm lion's head
        lemniscate(p, QPointF(0, -140), 54, 5);
        const QPointF c(0, 30);
        QRadialGradient mane(c, 130);
        mane.setColorAt(0, QColor(0xf0, 0x9a, 0x2a));
        mane.setColorAt(1, QColor(0x9a, 0x4a, 0x10));
        p.setPen(ink(2));
        p.setBrush(mane);
        p.drawPath(starPath(c, 128, 92, 18));
        p.setBrush(QColor(0xf4, 0xc8, 0x6a));
        p.drawEllipse(c + QPointF(-56, -58), 18, 18);
        p.drawEllipse(c + QPointF(56, -58), 18, 18);
        p.drawEllipse(c, 76, 84);
        p.setBrush(QColor(0xfa, 0xe4, 0xb0));
        p.drawEllipse(c + QPointF(0, 40), 40, 30);
        p.setBrush(kInk);
        p.drawEllipse(c + QPointF(-28, -18), 7, 5);
        p.drawEllipse(c + QPointF(28, -18), 7, 5);
        QPainterPath nose;
        nose.moveTo(c + QPointF(-14, 18));
        nose.lineTo(c + QPointF(14, 18));
        nose.lineTo(c + QPointF(0, 32));
        nose.closeSubpath();
        p.setBrush(QColor(0x6a, 0x3a, 0x2a));
        p.drawPath(nose);
        p.setBrush(Qt::NoBrush);
        p.drawLine(c + QPointF(0, 32), c + QPointF(0, 44));
        p.drawArc(QRectF(c.x() - 20, c.y() + 30, 20, 20), 180 * 16, 140 * 16);
        p.drawArc(QRectF(c.x(), c.y() + 30, 20, 20), 220 * 16, 140 * 16);
        break;
    }
    case 9: { // The Hermit: a lantern with a six-pointed star, held high over snowy peaks
        mountains(p, 150, QColor(0x6a, 0x70, 0x86));
        p.setPen(QPen(QColor(0x6b, 0x3e, 0x1c), 7, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath staff;
        staff.moveTo(-70, 170);
        staff.lineTo(-70, -130);
        staff.quadTo(-70, -160, -40, -160);
        staff.quadTo(-10, -160, -10, -132);
        p.drawPath(staff);
        const QPointF c(-10, -40);
        glow(p, c, 120, QColor(0xff, 0xe8, 0x80));
        rays(p, c, 60, 100, 16, QColor(0xff, 0xf0, 0xb0, 160), 2);
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(-10, -132), QPointF(-10, -100));
        p.setBrush(goldOver(QRectF(-40, -104, 60, 20)));
        QPainterPath cap;
        cap.moveTo(-36, -86);
        cap.lineTo(-10, -104);
        cap.lineTo(16, -86);
        cap.closeSubpath();
        p.drawPath(cap);
        p.setBrush(QColor(0xff, 0xe4, 0x70));
        p.drawRect(QRectF(-40, -86, 60, 90));
        p.setBrush(goldOver(QRectF(-44, 4, 68, 12)));
        p.drawRect(QRectF(-44, 4, 68, 12));
        p.setPen(QPen(kGoldDark, 2));
        p.drawLine(QPointF(-40, -40), QPointF(20, -40));
        p.setPen(QPen(QColor(0xd0, 0x80, 0x10), 1.5));
        p.setBrush(QColor(0xff, 0xff, 0xf0));
        p.drawPath(starPath(c, 22, 12, 6));
        break;
    }
    case 10: { // Wheel of Fortune: the turning wheel among four clouds
        cloud(p, QPointF(-100, -150), 44);
        cloud(p, QPointF(100, -150), 44);
        cloud(p, QPointF(-100, 150), 44);
        cloud(p, QPointF(100, 150), 44);
        const QPointF c(0, 0);
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-120, -120, 240, 240)));
        p.drawEllipse(c, 120, 120);
        p.setBrush(QColor(0xf4, 0x8a, 0x3a));
        p.drawEllipse(c, 98, 98);
        p.setBrush(QColor(0x8a, 0xc8, 0xe8));
        p.drawEllipse(c, 64, 64);
        p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = M_PI / 4 * i;
            p.drawLine(QPointF(20 * qCos(a), 20 * qSin(a)), QPointF(98 * qCos(a), 98 * qSin(a)));
        }
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-22, -22, 44, 44)));
        p.drawEllipse(c, 22, 22);
        p.setBrush(QColor(0xfa, 0xf4, 0xe4));
        for (int i = 0; i < 4; ++i) {
            const qreal a = M_PI / 2 * i - M_PI / 4 + M_PI / 4;
            p.drawEllipse(QPointF(109 * qCos(a), 109 * qSin(a)), 8, 8);
        }
        break;
    }
    case 11: { // Justice: balanced scales on an upright sword
        glow(p, QPointF(0, -40), 140, palette.glow);
        drawSuitSymbol(p, 4, QRectF(-40, -176, 80, 340));
        p.setPen(QPen(kGoldDark, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-110, -70), QPointF(110, -70));
        p.setPen(QPen(kGoldLight, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-110, -70), QPointF(110, -70));
        for (int side = -1; side <= 1; side += 2) {
            p.setPen(QPen(kGoldDark, 1.5));
            p.drawLine(QPointF(side * 110, -70), QPointF(side * 110 - 40, 20));
            p.drawLine(QPointF(side * 110, -70), QPointF(side * 110 + 40, 20));
            QPainterPath pan;
            const QRectF bowl(side * 110 - 44, -4, 88, 48);
            pan.moveTo(bowl.left(), 20);
            pan.arcTo(bowl, 180, 180);
            pan.closeSubpath();
            p.setPen(ink(2));
            p.setBrush(goldOver(bowl));
            p.drawPath(pan);
        }
        p.setBrush(goldOver(QRectF(-12, -82, 24, 24)));
        p.drawEllipse(QPointF(0, -70), 12, 12);
        break;
    }
    case 12: { // The Hanged Man: hung by one foot from a living cross, his head in a halo
        p.setPen(ink(2));
        QLinearGradient wood(QPointF(-10, 0), QPointF(10, 0));
        wood.setColorAt(0, QColor(0x6b, 0x3e, 0x1c));
        wood.setColorAt(1, QColor(0xa8, 0x70, 0x3c));
        p.setBrush(wood);
        p.drawRect(QRectF(-126, -150, 252, 20));
        p.drawRect(QRectF(-116, -130, 18, 310));
        p.drawRect(QRectF(98, -130, 18, 310));
        for (int i = 0; i < 6; ++i) {
            leaf(p, QPointF(-130 + i * 50, -150), -30 + i * 12, 12, QColor(0x4c, 0x9a, 0x3a));
        }
        p.setPen(QPen(QColor(0xc8, 0xa8, 0x70), 3));
        p.drawLine(QPointF(0, -130), QPointF(0, -110));
        glow(p, QPointF(0, 96), 60, QColor(0xff, 0xe0, 0x60));
        p.setPen(QPen(QColor(0xf0, 0xc8, 0x40), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 96), 36, 36);
        const QColor legs(0xb8, 0x2a, 0x2a);
        p.setPen(QPen(legs, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(0, -108), QPointF(0, -10));
        QPainterPath bent;
        bent.moveTo(0, -10);
        bent.lineTo(-46, -54);
        bent.lineTo(-2, -72);
        p.drawPath(bent);
        p.setPen(ink(2));
        p.setBrush(QColor(0x2f, 0x5a, 0xa8));
        p.drawRoundedRect(QRectF(-24, -16, 48, 92), 12, 12);
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(0, 98), 20, 22);
        p.setBrush(QColor(0xf0, 0xc8, 0x40));
        p.drawEllipse(QPointF(0, 124), 14, 8);
        break;
    }
    case 13: { // Death: a black banner with a white rose; the sun sets between two towers
        p.setPen(Qt::NoPen);
        QLinearGradient dusk(QPointF(0, 60), QPointF(0, 180));
        dusk.setColorAt(0, QColor(0xf0, 0x90, 0x50));
        dusk.setColorAt(1, QColor(0x6a, 0x2a, 0x40));
        p.setBrush(dusk);
        p.drawRect(QRectF(-141, 100, 282, 86));
        sun(p, QPointF(0, 140), 26, false);
        tower(p, QRectF(-120, 96, 40, 90), stone);
        tower(p, QRectF(80, 96, 40, 90), stone);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x2a, 0x3a));
        p.drawRect(QRectF(-141, 160, 282, 26));
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-90, -180, 20, 20)));
        p.drawRect(QRectF(-86, -160, 8, 280));
        p.drawEllipse(QPointF(-82, -166), 9, 9);
        QPainterPath flag;
        flag.moveTo(-78, -150);
        flag.cubicTo(-20, -170, 40, -130, 110, -150);
        flag.lineTo(110, 0);
        flag.cubicTo(40, 20, -20, -20, -78, 0);
        flag.closeSubpath();
        p.setPen(QPen(QColor(0x60, 0x60, 0x68), 2));
        p.setBrush(QColor(0x12, 0x12, 0x16));
        p.drawPath(flag);
        const QPointF rose(16, -76);
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xa8), 1.5));
        p.setBrush(QColor(0xfc, 0xfc, 0xf6));
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 72);
            p.drawEllipse(rose + QPointF(22 * qCos(a), 22 * qSin(a)), 20, 20);
        }
        p.setBrush(QColor(0xf0, 0xc0, 0x30));
        p.drawEllipse(rose, 14, 14);
        break;
    }
    case 14: { // Temperance: water poured from one cup into another, the path to the dawn
        sun(p, QPointF(90, -140), 20, false);
        water(p, QRectF(-130, 120, 200, 56));
        glow(p, QPointF(0, 0), 130, palette.glow);
        p.save();
        p.translate(-62, -56);
        p.rotate(-28);
        drawSuitSymbol(p, 1, boxAround(QPointF(0, 0), 100));
        p.restore();
        QPainterPath stream;
        stream.moveTo(-34, -96);
        stream.cubicTo(40, -110, 70, -40, 60, 20);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x2a, 0x6a, 0xb0), 12, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stream);
        p.setPen(QPen(QColor(0xb8, 0xe4, 0xff), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stream);
        drawSuitSymbol(p, 1, boxAround(QPointF(60, 60), 100));
        p.setPen(ink(2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-122, -130, 40, 40));
        QPainterPath tri;
        tri.moveTo(-102, -124);
        tri.lineTo(-88, -98);
        tri.lineTo(-116, -98);
        tri.closeSubpath();
        p.setBrush(QColor(0xf0, 0xc0, 0x30));
        p.drawPath(tri);
        break;
    }
    case 15: { // The Devil: the horned, inverted star over a block with two chains
        p.setPen(Qt::NoPen);
        QRadialGradient smoke(QPointF(0, -60), 170);
        smoke.setColorAt(0, QColor(0xc0, 0x30, 0x20, 160));
        smoke.setColorAt(1, QColor(0x20, 0x00, 0x00, 0));
        p.setBrush(smoke);
        p.drawEllipse(QPointF(0, -60), 170, 170);
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath horn;
            horn.moveTo(side * 30, -130);
            horn.cubicTo(side * 60, -170, side * 110, -170, side * 120, -120);
            horn.cubicTo(side * 96, -150, side * 60, -146, side * 46, -112);
            horn.closeSubpath();
            p.setPen(ink(2));
            p.setBrush(QColor(0xe8, 0xdc, 0xc0));
            p.drawPath(horn);
        }
        p.setPen(ink(2));
        p.setBrush(QColor(0x1a, 0x10, 0x10));
        p.drawEllipse(QPointF(0, -70), 68, 68);
        p.setPen(QPen(QColor(0xf0, 0x50, 0x30), 4, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath star;
        for (int i = 0; i <= 5; ++i) {
            const qreal a = qDegreesToRadians(90.0 + i * 144.0);
            const QPointF pt(56 * qCos(a), -70 + 56 * qSin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        p.drawPath(star);
        p.setPen(ink(2));
        p.setBrush(QColor(0x3a, 0x30, 0x30));
        p.drawRect(QRectF(-60, 30, 120, 60));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xb8, 0xbc, 0xc4), 4));
        p.drawEllipse(QPointF(0, 60), 12, 12);
        chain(p, QPointF(-10, 70), QPointF(-100, 170));
        chain(p, QPointF(10, 70), QPointF(100, 170));
        break;
    }
    case 16: { // The Tower: struck by lightning, its crown thrown down, fire at its windows
        p.setPen(ink(2));
        p.setBrush(QColor(0x6a, 0x62, 0x58));
        QPainterPath rock;
        rock.moveTo(-141, 186);
        rock.lineTo(-110, 150);
        rock.lineTo(-70, 136);
        rock.lineTo(-20, 146);
        rock.lineTo(40, 132);
        rock.lineTo(90, 150);
        rock.lineTo(141, 140);
        rock.lineTo(141, 186);
        rock.closeSubpath();
        p.drawPath(rock);
        tower(p, QRectF(-44, -100, 88, 244), stone);
        for (const QPointF &w : {QPointF(-20, -50), QPointF(20, -10), QPointF(-16, 50)}) {
            glow(p, w, 30, QColor(0xff, 0x80, 0x20));
            p.setPen(ink(1.5));
            p.setBrush(QColor(0xff, 0xa8, 0x30));
            p.drawRoundedRect(QRectF(w.x() - 8, w.y() - 14, 16, 28), 8, 8);
        }
        p.save();
        p.translate(76, -130);
        p.rotate(35);
        QPainterPath crown;
        crown.moveTo(-30, 12);
        crown.lineTo(-30, -10);
        crown.lineTo(-15, 4);
        crown.lineTo(0, -18);
        crown.lineTo(15, 4);
        crown.lineTo(30, -10);
        crown.lineTo(30, 12);
        crown.closeSubpath();
        p.setPen(ink(2));
        p.setBrush(goldOver(QRectF(-30, -18, 60, 30)));
        p.drawPath(crown);
        p.restore();
        QPainterPath bolt;
        bolt.moveTo(-136, -178);
        bolt.lineTo(-60, -150);
        bolt.lineTo(-76, -136);
        bolt.lineTo(-10, -104);
        bolt.lineTo(-50, -146);
        bolt.lineTo(-36, -156);
        bolt.closeSubpath();
        p.setPen(QPen(QColor(0xff, 0xf8, 0xd0), 2));
        p.setBrush(QColor(0xff, 0xd8, 0x30));
        p.drawPath(bolt);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd0, 0x60));
        for (int i = 0; i < 9; ++i) {
            const QPointF at((i % 2 ? 1 : -1) * (70 + (i * 37) % 50), -60 + i * 22);
            p.drawEllipse(at, 4, 6);
        }
        break;
    }
    case 17: { // The Star: one great star and seven small ones over still water
        water(p, QRectF(-130, 110, 260, 70));
        glow(p, QPointF(0, -50), 130, QColor(0xff, 0xf4, 0xc0));
        p.setPen(QPen(QColor(0xc8, 0x90, 0x10), 2));
        p.setBrush(QColor(0xff, 0xe0, 0x50));
        p.drawPath(starPath(QPointF(0, -50), 84, 34, 8));
        p.setBrush(QColor(0xff, 0xf8, 0xd8));
        p.drawPath(starPath(QPointF(0, -50), 44, 18, 8, -67.5));
        p.setPen(QPen(QColor(0xb0, 0xb8, 0xd0), 1));
        p.setBrush(QColor(0xfc, 0xfc, 0xff));
        const std::array<QPointF, 7> small{QPointF(-110, -150), QPointF(110, -150), QPointF(-120, -50),
                                           QPointF(120, -50),   QPointF(-100, 50),  QPointF(100, 50),
                                           QPointF(0, 66)};
        for (const QPointF &at : small)
            p.drawPath(starPath(at, 17, 7, 8));
        break;
    }
    case 18: { // The Moon: the moon in her crescent over two towers and a winding path
        water(p, QRectF(-120, 132, 240, 52));
        p.setPen(QPen(QColor(0xd8, 0xc8, 0x90), 10, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(0, 150);
        path.cubicTo(40, 110, -40, 80, 0, 40);
        path.cubicTo(30, 10, -10, -10, 0, -20);
        p.drawPath(path);
        tower(p, QRectF(-126, -20, 44, 150), stone);
        tower(p, QRectF(82, -20, 44, 150), stone);
        const QPointF c(0, -106);
        glow(p, c, 110, QColor(0xe8, 0xf0, 0xff));
        rays(p, c, 60, 82, 32, QColor(0xf0, 0xe8, 0xa0), 2.5);
        p.setPen(QPen(QColor(0xa0, 0x98, 0x70), 2));
        p.setBrush(QColor(0xfa, 0xf0, 0xc0));
        p.drawEllipse(c, 56, 56);
        crescent(p, c + QPointF(6, 0), 46, -20, QColor(0xf0, 0xd8, 0x70));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe0, 0x70));
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(QPointF(-50 + i * 20, -28 + (i % 2) * 14), 3.5, 6);
        break;
    }
    case 19: { // The Sun: a smiling sun over sunflowers and a garden wall
        sun(p, QPointF(0, -56), 64, true);
        p.setPen(ink(1.5));
        p.setBrush(QColor(0xb8, 0x6a, 0x44));
        p.drawRect(QRectF(-141, 120, 282, 66));
        p.setPen(QPen(QColor(0x7a, 0x40, 0x28), 1.5));
        for (int row = 0; row < 3; ++row) {
            p.drawLine(QPointF(-141, 120 + row * 22), QPointF(141, 120 + row * 22));
            for (int col = 0; col < 8; ++col) {
                const qreal x = -141 + col * 40 + (row % 2) * 20;
                p.drawLine(QPointF(x, 120 + row * 22), QPointF(x, 142 + row * 22));
            }
        }
        for (int i = 0; i < 4; ++i) {
            const QPointF c(-105 + i * 70, 92 + (i % 2) * 10);
            p.setPen(QPen(QColor(0x3a, 0x7a, 0x2a), 4));
            p.drawLine(c, c + QPointF(0, 40));
            p.setPen(QPen(QColor(0xc8, 0x8a, 0x10), 1));
            p.setBrush(QColor(0xff, 0xd0, 0x20));
            p.drawPath(starPath(c, 24, 12, 12));
            p.setBrush(QColor(0x5a, 0x34, 0x14));
            p.drawEllipse(c, 10, 10);
        }
        break;
    }
    case 20: { // Judgement: the trumpet and its banner call the sleepers from their graves
        cloud(p, QPointF(-70, -150), 70);
        rays(p, QPointF(30, -60), 70, 150, 20, QColor(0xff, 0xf0, 0xb0, 120), 2);
        p.setPen(ink(2));
        QPainterPath trumpet;
        trumpet.moveTo(-74, -148);
        trumpet.lineTo(30, -70);
        trumpet.quadTo(30, -40, 60, -20);
        trumpet.lineTo(84, -52);
        trumpet.quadTo(56, -60, 42, -84);
        trumpet.lineTo(-64, -160);
        trumpet.closeSubpath();
        p.setBrush(goldOver(QRectF(-74, -160, 160, 140)));
        p.drawPath(trumpet);
        QPainterPath banner;
        banner.moveTo(-30, -114);
        banner.lineTo(14, -82);
        banner.lineTo(-16, -20);
        banner.lineTo(-40, -40);
        banner.lineTo(-64, -52);
        banner.closeSubpath();
        p.setBrush(QColor(0xfa, 0xfa, 0xf4));
        p.drawPath(banner);
        p.setPen(QPen(QColor(0xc0, 0x1c, 0x2c), 6));
        p.drawLine(QPointF(-24, -96), QPointF(-34, -40));
        p.drawLine(QPointF(-52, -66), QPointF(-4, -62));
        water(p, QRectF(-141, 130, 282, 60));
        for (int i = 0; i < 3; ++i) {
            const qreal x = -80 + i * 80;
            p.setPen(ink(2));
            p.setBrush(QColor(0x6a, 0x5a, 0x4a));
            p.drawRect(QRectF(x - 30, 120, 60, 26));
            figure(p, QPointF(x, 124), 90, true, QColor(0xe0, 0xd0, 0xc0));
        }
        break;
    }
    case 21: { // The World: the laurel wreath tied with red ribbons, the four suits at its corners
        glow(p, QPointF(0, 0), 130, palette.glow);
        const qreal rx = 92;
        const qreal ry = 142;
        for (int i = 0; i < 48; ++i) {
            const qreal t = 2 * M_PI * i / 48;
            const QPointF at(rx * qCos(t), ry * qSin(t));
            const qreal tangent = qRadiansToDegrees(qAtan2(ry * qCos(t), -rx * qSin(t)));
            leaf(p, at + QPointF(8 * qCos(t), 8 * qSin(t)), tangent + 90 + 35, 13, QColor(0x3c, 0x8a, 0x3a));
            leaf(p, at - QPointF(8 * qCos(t), 8 * qSin(t)), tangent + 90 - 35, 13, QColor(0x58, 0xa8, 0x48));
        }
        for (int side = -1; side <= 1; side += 2) {
            p.setPen(QPen(QColor(0x80, 0x10, 0x18), 1.5));
            p.setBrush(QColor(0xd0, 0x20, 0x30));
            QPainterPath bow;
            const qreal y = side * ry;
            bow.moveTo(0, y);
            bow.cubicTo(-30, y - 20, -30, y + 20, 0, y);
            bow.cubicTo(30, y - 20, 30, y + 20, 0, y);
            p.drawPath(bow);
        }
        const QPointF globe(0, 0);
        QRadialGradient sea(globe - QPointF(16, 16), 70);
        sea.setColorAt(0, QColor(0x9a, 0xd8, 0xff));
        sea.setColorAt(1, QColor(0x1d, 0x4e, 0x90));
        p.setPen(ink(2));
        p.setBrush(sea);
        p.drawEllipse(globe, 50, 50);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        p.drawEllipse(globe, 22, 50);
        p.drawLine(QPointF(-50, 0), QPointF(50, 0));
        p.drawArc(QRectF(-46, -40, 92, 30), 0, 180 * 16);
        p.drawArc(QRectF(-46, 10, 92, 30), 180 * 16, 180 * 16);
        drawSuitSymbol(p, 1, boxAround(QPointF(-114, -112), 46));
        drawSuitSymbol(p, 2, boxAround(QPointF(114, -112), 50));
        drawSuitSymbol(p, 3, boxAround(QPointF(-112, 156), 42));
        drawSuitSymbol(p, 4, boxAround(QPointF(112, 154), 50));
        break;
    }
    default:
        break;
    }
    p.restore();
}

// ------------------------------------------------------------ card layout

QFont titleFont(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(int(pixelSize));
    return font;
}

// Largest pixel size up to maxSize at which text fits into width.
QFont fittedFont(const QString &text, qreal width, int maxSize)
{
    int size = maxSize;
    while (size > 10 && QFontMetricsF(titleFont(size)).horizontalAdvance(text) > width)
        --size;
    return titleFont(size);
}

void drawBackground(QPainter &p, const Palette &palette)
{
    QLinearGradient bg(QPointF(0, 0), QPointF(0, kHeight));
    bg.setColorAt(0, palette.top);
    bg.setColorAt(1, palette.bottom);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), bg);
    // A faint lattice gives the ground some texture.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int i = -int(kHeight); i < int(kWidth); i += 22) {
        p.drawLine(QPointF(i, 0), QPointF(i + kHeight, kHeight));
        p.drawLine(QPointF(i + kHeight, 0), QPointF(i, kHeight));
    }
}

void drawFrame(QPainter &p)
{
    const QRectF outer(9, 9, kWidth - 18, kHeight - 18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold(QPointF(0, 0), QPointF(kWidth, kHeight))), 7));
    p.drawRoundedRect(outer, 16, 16);
    p.setPen(QPen(QColor(0x5a, 0x3c, 0x0a), 1));
    p.drawRoundedRect(outer.adjusted(-4, -4, 4, 4), 19, 19);
    p.setPen(QPen(kGoldLight, 1.2));
    p.drawRoundedRect(outer.adjusted(9, 9, -9, -9), 10, 10);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(kGold);
    for (const QPointF &corner :
         {QPointF(27, 27), QPointF(kWidth - 27, 27), QPointF(27, kHeight - 27), QPointF(kWidth - 27, kHeight - 27)}) {
        p.drawPath(starPath(corner, 8, 3, 4));
    }
}

// The arched window that holds the emblem.
QPainterPath panelWindow()
{
    QPainterPath window;
    const qreal archHeight = 90;
    window.moveTo(kPanel.left(), kPanel.bottom());
    window.lineTo(kPanel.left(), kPanel.top() + archHeight / 2);
    window.arcTo(QRectF(kPanel.left(), kPanel.top(), kPanel.width(), archHeight), 180, -180);
    window.lineTo(kPanel.right(), kPanel.bottom());
    window.closeSubpath();
    return window;
}

void drawPanel(QPainter &p, const Palette &palette)
{
    const QPainterPath window = panelWindow();
    QRadialGradient light(kPanel.center(), kPanel.height() * 0.7);
    light.setColorAt(0, palette.top.lighter(150));
    light.setColorAt(1, palette.bottom.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(window);
    p.setClipPath(window);
}

void drawPanelEdge(QPainter &p)
{
    const QPainterPath window = panelWindow();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold(kPanel.topLeft(), kPanel.bottomRight())), 3));
    p.drawPath(window);
}

void drawNumber(QPainter &p, const CardFace &face)
{
    const QString text = cardNumberText(face);
    const QFont font = titleFont(text.size() > 4 ? 19 : 24);
    const qreal width = std::max<qreal>(64, QFontMetricsF(font).horizontalAdvance(text) + 34);
    const QRectF plaque(kWidth / 2 - width / 2, 34, width, 44);
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(gold(plaque.topLeft(), plaque.bottomLeft()));
    p.drawRoundedRect(plaque, 22, 22);
    p.setBrush(QColor(0x2a, 0x1a, 0x10));
    p.drawRoundedRect(plaque.adjusted(4, 4, -4, -4), 18, 18);
    p.setFont(font);
    p.setPen(kGoldLight);
    p.drawText(plaque, Qt::AlignCenter, text);
    if (face.group > 0) {
        drawSuitSymbol(p, face.group, boxAround(QPointF(62, 56), 40));
        drawSuitSymbol(p, face.group, boxAround(QPointF(kWidth - 62, 56), 40));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(starPath(QPointF(62, 56), 12, 5, 8));
        p.drawPath(starPath(QPointF(kWidth - 62, 56), 12, 5, 8));
    }
}

void drawTitle(QPainter &p, const QString &name)
{
    const QRectF band(30, 492, kWidth - 60, 60);
    // A ribbon with swallow-tail ends.
    QPainterPath ribbon;
    ribbon.moveTo(band.left() - 8, band.top() + 8);
    ribbon.lineTo(band.right() + 8, band.top() + 8);
    ribbon.lineTo(band.right() - 4, band.center().y() + 4);
    ribbon.lineTo(band.right() + 8, band.bottom());
    ribbon.lineTo(band.left() - 8, band.bottom());
    ribbon.lineTo(band.left() + 4, band.center().y() + 4);
    ribbon.closeSubpath();
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(kGoldDark.darker(130));
    p.drawPath(ribbon);
    const QRectF plate = band.adjusted(14, 0, -14, -6);
    QLinearGradient paper(plate.topLeft(), plate.bottomLeft());
    paper.setColorAt(0, kParchment);
    paper.setColorAt(1, QColor(0xe2, 0xd0, 0xa4));
    p.setPen(QPen(QBrush(gold(plate.topLeft(), plate.bottomRight())), 3));
    p.setBrush(paper);
    p.drawRoundedRect(plate, 6, 6);
    p.setFont(fittedFont(name, plate.width() - 20, 24));
    p.setPen(QColor(0x2a, 0x1a, 0x10));
    p.drawText(plate, Qt::AlignCenter, name);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = -2; i <= 2; ++i)
        p.drawEllipse(QPointF(kWidth / 2 + i * 16, 568), i == 0 ? 3.5 : 2.2, i == 0 ? 3.5 : 2.2);
}

} // namespace

QString romanNumeral(int number)
{
    if (number <= 0)
        return QStringLiteral("0");
    // The Major Arcana go up to 21.
    static const std::array<std::pair<int, const char *>, 5> parts{
        {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};
    QString text;
    for (const auto &[value, letters] : parts) {
        while (number >= value) {
            text += QLatin1String(letters);
            number -= value;
        }
    }
    return text;
}

QString cardNumberText(const CardFace &face)
{
    if (face.group == 0)
        return romanNumeral(face.rank);
    switch (face.rank) {
    case 1:
        return QStringLiteral("ACE");
    case 11:
        return QStringLiteral("PAGE");
    case 12:
        return QStringLiteral("KNIGHT");
    case 13:
        return QStringLiteral("QUEEN");
    case 14:
        return QStringLiteral("KING");
    default:
        return QString::number(face.rank);
    }
}

QImage drawCard(const CardFace &face)
{
    QImage image(kCardPictureSize, QImage::Format_RGB32);
    const Palette palette = paletteFor(face.group);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBackground(p, palette);
    p.save();
    drawPanel(p, palette);
    if (face.group == 0)
        drawMajor(p, face.rank, palette);
    else if (face.rank == 1)
        drawAce(p, face.group, palette);
    else if (face.rank <= 10)
        drawPips(p, face.group, face.rank, palette);
    else
        drawCourt(p, face.group, face.rank, palette);
    p.restore();
    drawPanelEdge(p);
    drawFrame(p);
    drawNumber(p, face);
    drawTitle(p, face.name);
    p.end();
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        return {};
    return bytes;
}

} // namespace velmora::mkdata
