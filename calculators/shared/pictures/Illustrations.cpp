// The logo, the name of the chemical system and the sketch of a fluid
// inclusion: simple vector drawings.
#include "Drawings.h"

#include "ui/Window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {

namespace {

// A salt cube seen from above and the side: three faces in three shades.
void saltCube(QPainter& p, QPointF topLeft, double edge, const QColor& base) {
    const double depth = edge * 0.42;
    const QPointF a = topLeft, b = a + QPointF(edge, 0), c = b + QPointF(0, edge), d = a + QPointF(0, edge);
    const QPointF shift(depth, -depth * 0.75);
    p.save();
    p.setPen(QPen(base.darker(190), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(base.lighter(125));
    p.drawPolygon(QPolygonF({a, a + shift, b + shift, b}));
    p.setBrush(base.darker(115));
    p.drawPolygon(QPolygonF({b, b + shift, c + shift, c}));
    p.setBrush(base);
    p.drawPolygon(QPolygonF({a, b, c, d}));
    p.restore();
}

} // namespace

// 168: the program's name beside a salt cube and a small ternary triangle.
QPixmap drawLogo(QSize size) {
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The ternary triangle with its three corners coloured after the
    // components, and a cube of halite in front of it.
    const QPointF top(52, 10), left(14, 76), right(90, 76);
    QLinearGradient fill(top, QPointF(52, 76));
    fill.setColorAt(0, QColor(0xd6, 0xe9, 0xf8));
    fill.setColorAt(1, QColor(0xf4, 0xf4, 0xf4));
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x6a), 1.6));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({top, left, right}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3b, 0x7d, 0xc4));
    p.drawEllipse(top, 4.5, 4.5);
    p.setBrush(QColor(0xc8, 0x4b, 0x4b));
    p.drawEllipse(left, 4.5, 4.5);
    p.setBrush(QColor(0xd9, 0xa4, 0x2a));
    p.drawEllipse(right, 4.5, 4.5);
    saltCube(p, QPointF(40, 46), 20, QColor(0xe4, 0xe8, 0xee));

    p.setPen(QColor(0x1e, 0x3a, 0x5a));
    p.setFont(pictureFont(38, true));
    p.drawText(QRectF(108, 6, size.width() - 110, 48), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Brinolith"));
    p.setPen(QColor(0x4a, 0x5a, 0x6a));
    p.setFont(pictureFont(14, false, true));
    p.drawText(QRectF(110, 52, size.width() - 112, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("fluid inclusions in H\u2082O\u2013NaCl\u2013KCl"));
    return picture;
}

// 169: the chemical system, with its components in the colours of the logo.
QPixmap drawComponents(QSize size) {
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(pictureFont(13, true));
    const QFontMetricsF fm(p.font());
    const QString parts[] = {QStringLiteral("H\u2082O"), QStringLiteral("\u2013"), QStringLiteral("NaCl"),
                             QStringLiteral("\u2013"), QStringLiteral("KCl")};
    const QColor colours[] = {QColor(0x2b, 0x6c, 0xb4), QColor(0x40, 0x40, 0x40), QColor(0xb0, 0x3a, 0x3a),
                              QColor(0x40, 0x40, 0x40), QColor(0xb0, 0x80, 0x10)};
    double x = 2;
    const double baseline = (size.height() + fm.ascent() - fm.descent()) / 2.0;
    for (int i = 0; i < 5; ++i) {
        p.setPen(colours[i]);
        p.drawText(QPointF(x, baseline), parts[i]);
        x += fm.horizontalAdvance(parts[i]);
    }
    return picture;
}

// 177: a fluid inclusion in quartz: a cavity with the shape of a negative
// crystal, filled with liquid, holding a vapour bubble and a cube of halite.
QPixmap drawFluidInclusion(QSize size) {
    QPixmap picture = whitePicture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();

    // The quartz host, seen in transmitted light.
    QRadialGradient host(QPointF(w * 0.45, h * 0.4), w * 0.8);
    host.setColorAt(0, QColor(0xf3, 0xf1, 0xea));
    host.setColorAt(1, QColor(0xd8, 0xd4, 0xc8));
    p.fillRect(picture.rect(), host);
    p.setPen(QPen(QColor(0xc4, 0xbf, 0xb0), 0.8));
    for (int i = 0; i < 6; ++i) {
        const double y = h * (0.12 + 0.16 * i);
        p.drawLine(QPointF(0, y + 6), QPointF(w, y - 10));
    }

    // The cavity: an elongated hexagon with a dark rim, as inclusions show
    // through the microscope by their high relief.
    QPolygonF cavity;
    const QPointF c(w * 0.5, h * 0.5);
    const double rx = w * 0.40, ry = h * 0.30;
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI / 3 * i + M_PI / 6 * 0.35;
        cavity << c + QPointF(rx * std::cos(a), ry * std::sin(a));
    }
    QLinearGradient liquid(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry));
    liquid.setColorAt(0, QColor(0xcf, 0xe4, 0xee));
    liquid.setColorAt(1, QColor(0xb5, 0xd3, 0xe2));
    p.setPen(QPen(QColor(0x45, 0x45, 0x45), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(liquid);
    p.drawPolygon(cavity);

    // The vapour bubble: a thick dark ring with a bright centre.
    const QPointF bubble = c + QPointF(-rx * 0.42, -ry * 0.18);
    const double r = ry * 0.42;
    QRadialGradient vapour(bubble, r);
    vapour.setColorAt(0, QColor(0xf6, 0xf6, 0xf6));
    vapour.setColorAt(0.55, QColor(0xb8, 0xb8, 0xb8));
    vapour.setColorAt(0.8, QColor(0x38, 0x38, 0x38));
    vapour.setColorAt(1, QColor(0x20, 0x20, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(vapour);
    p.drawEllipse(bubble, r, r);

    // The salt crystal.
    saltCube(p, c + QPointF(rx * 0.12, -ry * 0.05), ry * 0.62, QColor(0xf0, 0xf2, 0xf4));
    return picture;
}

} // namespace pictures
