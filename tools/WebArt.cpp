#include "Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

// The 99 clan emblems of the Locator page, 19 × 19 each. An emblem is a badge in one of
// nine colourings carrying one of eleven charges; clan i gets charge i % 11 and a
// colouring that shifts with every row of eleven, so no two emblems are alike and
// neighbours in the list never share their colours. The list shows an emblem's top 16
// rows, so the charge sits within them.

namespace {
constexpr int kEmblemSize = 19;
constexpr int kEmblemCount = 99;
constexpr int kChargeCount = 11;
constexpr int kColouringCount = 9;

struct Colouring {
    QColor field;
    QColor charge;
};

const Colouring kColourings[kColouringCount] = {
    {QColor(0xb0, 0x1c, 0x1c), QColor(0xf2, 0xc9, 0x3a)}, // red and gold
    {QColor(0x1d, 0x4e, 0xb0), QColor(0xf4, 0xf4, 0xf4)}, // blue and silver
    {QColor(0x1f, 0x7a, 0x2e), QColor(0xf2, 0xc9, 0x3a)}, // green and gold
    {QColor(0x26, 0x26, 0x2b), QColor(0xdc, 0xdc, 0xe2)}, // black and silver
    {QColor(0x6a, 0x2a, 0x9a), QColor(0xf2, 0xc9, 0x3a)}, // purple and gold
    {QColor(0xe8, 0xb8, 0x20), QColor(0x20, 0x20, 0x20)}, // gold and black
    {QColor(0xf0, 0xf0, 0xf0), QColor(0xc0, 0x1a, 0x1a)}, // silver and red
    {QColor(0xe0, 0x76, 0x1a), QColor(0x1a, 0x22, 0x50)}, // orange and navy
    {QColor(0x16, 0x84, 0x88), QColor(0xfa, 0xfa, 0xfa)}, // teal and white
};

enum class Badge { Shield, Round, Square };

QPainterPath badgePath(Badge badge)
{
    QPainterPath path;
    switch (badge) {
    case Badge::Shield:
        path.moveTo(1.5, 1.5);
        path.lineTo(17.5, 1.5);
        path.lineTo(17.5, 9.0);
        path.cubicTo(17.5, 13.5, 13.5, 16.5, 9.5, 18.0);
        path.cubicTo(5.5, 16.5, 1.5, 13.5, 1.5, 9.0);
        path.closeSubpath();
        break;
    case Badge::Round:
        path.addEllipse(QRectF(1.0, 0.5, 17.0, 17.0));
        break;
    case Badge::Square:
        path.addRoundedRect(QRectF(1.5, 1.5, 16.0, 15.0), 3.0, 3.0);
        break;
    }
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int k = 0; k < 2 * points; ++k) {
        const qreal radius = k % 2 ? inner : outer;
        const qreal angle = -M_PI / 2 + k * M_PI / points;
        const QPointF p(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (k == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// Draws charge `kind` centred on `c` in the painter's brush colour `colour`.
void drawCharge(QPainter &p, int kind, QPointF c, const QColor &colour, const QColor &field)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPen line(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
    case 0: // five-pointed star
        p.drawPath(star(c, 5.6, 2.3, 5));
        break;
    case 1: { // crescent
        QPainterPath moon;
        moon.addEllipse(c, 5.0, 5.0);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(2.4, -1.2), 4.2, 4.2);
        p.drawPath(moon.subtracted(bite));
        break;
    }
    case 2: // cross
        p.drawRect(QRectF(c.x() - 1.3, c.y() - 5.0, 2.6, 10.0));
        p.drawRect(QRectF(c.x() - 5.0, c.y() - 1.3, 10.0, 2.6));
        break;
    case 3: // saltire
        p.setPen(line);
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
        break;
    case 4: // chevron
        p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({c + QPointF(-5, 3), c + QPointF(0, -2.5), c + QPointF(5, 3)}));
        break;
    case 5: // ring with a dot
        p.setPen(QPen(colour, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 4.2, 4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(c, 1.3, 1.3);
        break;
    case 6: // lozenge
        p.drawPolygon(
            QPolygonF({c + QPointF(0, -5.5), c + QPointF(4, 0), c + QPointF(0, 5.5), c + QPointF(-4, 0)}));
        break;
    case 7: // sun
        p.drawPath(star(c, 5.8, 3.4, 8));
        p.setBrush(field);
        p.drawEllipse(c, 1.4, 1.4);
        break;
    case 8: // arrow pointing up
        p.drawPolygon(QPolygonF({c + QPointF(0, -5.5), c + QPointF(4, -1), c + QPointF(-4, -1)}));
        p.drawRect(QRectF(c.x() - 1.1, c.y() - 1.5, 2.2, 7.0));
        break;
    case 9: // crown
        p.drawPolygon(
            QPolygonF({c + QPointF(-5, 4), c + QPointF(-5, -3), c + QPointF(-2.5, 0), c + QPointF(0, -4.5),
                       c + QPointF(2.5, 0), c + QPointF(5, -3), c + QPointF(5, 4)}));
        break;
    case 10: // fir tree
        p.drawPolygon(QPolygonF({c + QPointF(0, -5.5), c + QPointF(3.5, -1), c + QPointF(-3.5, -1)}));
        p.drawPolygon(QPolygonF({c + QPointF(0, -3), c + QPointF(5, 3), c + QPointF(-5, 3)}));
        p.drawRect(QRectF(c.x() - 1.0, c.y() + 3, 2.0, 2.5));
        break;
    }
}

QImage emblem(int index)
{
    const int charge = index % kChargeCount;
    const Colouring &colours = kColourings[(index / kChargeCount + charge) % kColouringCount];
    const Badge badge = static_cast<Badge>(index % 3);

    QImage image(kEmblemSize, kEmblemSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPainterPath outline = badgePath(badge);
    QLinearGradient shade(0, 0, 0, kEmblemSize);
    shade.setColorAt(0, colours.field.lighter(125));
    shade.setColorAt(1, colours.field.darker(125));
    p.setPen(QPen(colours.field.darker(220), 1.0));
    p.setBrush(shade);
    p.drawPath(outline);

    drawCharge(p, charge, QPointF(9.5, 8.5), colours.charge, colours.field);
    p.end();
    return image;
}
} // namespace

void drawWebArt(const QDir &dir)
{
    for (int i = 0; i < kEmblemCount; ++i)
        saveArt(emblem(i), dir, QStringLiteral("clan-%1.png").arg(i + 1, 2, 10, QLatin1Char('0')));
}
