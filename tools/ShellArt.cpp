// The shell's pictures: the seven toolbar glyphs, the program's emblem and the glyphs of
// the classic buttons. Every drawing works in the picture's 1x pixel grid (one-pixel
// outlines on half-pixel lines, so they stay crisp) and is saved again at twice the size.
#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

// Warm browns and golds with dark outlines, the look of the game's own interface.
const QColor kInk(0x3a, 0x22, 0x12);
const QColor kInkSoft(0x7a, 0x55, 0x30);
const QColor kWoodDark(0x6e, 0x42, 0x1e);
const QColor kWood(0x9c, 0x64, 0x30);
const QColor kWoodLight(0xc0, 0x86, 0x48);
const QColor kParchment(0xf6, 0xe7, 0xbd);
const QColor kParchmentShade(0xdf, 0xc5, 0x8c);
const QColor kGoldDark(0xa8, 0x72, 0x18);
const QColor kGold(0xe2, 0xaa, 0x2c);
const QColor kGoldLight(0xfa, 0xdc, 0x78);
const QColor kRedDark(0x8e, 0x22, 0x18);
const QColor kRed(0xc8, 0x38, 0x2a);
const QColor kRedLight(0xec, 0x6a, 0x55);
const QColor kGreenDark(0x2e, 0x66, 0x1c);
const QColor kGreen(0x4f, 0x9a, 0x2e);
const QColor kGreenLight(0x8c, 0xcc, 0x52);
const QColor kBlueDark(0x1c, 0x3e, 0x74);
const QColor kBlue(0x2f, 0x68, 0xb0);
const QColor kBlueLight(0x6c, 0xa2, 0xe0);
const QColor kTeal(0x1f, 0x8c, 0x88);
const QColor kTealLight(0x5c, 0xc4, 0xb8);

const qreal kPi = 3.14159265358979323846;

using Drawing = void (*)(QPainter &);

QPen inkPen(qreal width = 1.0, const QColor &color = kInk)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient verticalShade(qreal top, qreal bottom, const QColor &light, const QColor &dark)
{
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    return shade;
}

QLinearGradient horizontalShade(qreal left, qreal right, const QColor &light, const QColor &dark)
{
    QLinearGradient shade(left, 0, right, 0);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    return shade;
}

QImage render(QSize size, qreal scale, const std::function<void(QPainter &)> &draw)
{
    QImage image(QSize(qRound(size.width() * scale), qRound(size.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Saves name.png at the given size and name@2x.png at twice that, for high-DPI screens.
void saveBoth(const QDir &dir, const QString &name, QSize size, Drawing draw)
{
    saveArt(render(size, 1, draw), dir, name + QStringLiteral(".png"));
    saveArt(render(size, 2, draw), dir, name + QStringLiteral("@2x.png"));
}

// --- Toolbar glyphs (20 x 20; the stopwatch 20 x 21) --------------------------------

// The hunting tablet: a clipboard holding a 4 x 4 map with a few cells marked.
void drawTablet(QPainter &p)
{
    p.setPen(inkPen());
    p.setBrush(horizontalShade(1, 18, kWoodLight, kWoodDark));
    p.drawRoundedRect(QRectF(1.5, 2.5, 16, 17), 1.5, 1.5);

    // The map: 13 x 13 pixels, grid lines every third pixel, cells of 2 x 2.
    const qreal left = 3, top = 5;
    p.setPen(Qt::NoPen);
    p.setBrush(kInkSoft);
    p.drawRect(QRectF(left, top, 13, 13));
    const QColor marks[4][4] = {
        {kParchment, kParchment, kGreen, kParchment},
        {kParchment, kRed, kParchment, kParchment},
        {kParchment, kParchment, kParchment, kGreen},
        {kGreen, kParchment, kParchment, kParchment},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            p.setBrush(marks[row][col]);
            p.drawRect(QRectF(left + 1 + 3 * col, top + 1 + 3 * row, 2, 2));
        }

    // The clip that holds the map.
    p.setPen(inkPen());
    p.setBrush(verticalShade(1, 5, kGoldLight, kGoldDark));
    p.drawRoundedRect(QRectF(6.5, 1.5, 6, 3), 1, 1);
}

// Statistics: three rising bars on a pair of axes.
void drawStatistics(QPainter &p)
{
    const qreal base = 18.5;
    const struct {
        int left;
        int top;
        QColor light;
        QColor dark;
    } bars[] = {
        {3, 11, kGreenLight, kGreenDark},
        {8, 6, kGoldLight, kGoldDark},
        {13, 2, kRedLight, kRedDark},
    };
    for (const auto &bar : bars) {
        p.setPen(inkPen());
        p.setBrush(horizontalShade(bar.left + 1, bar.left + 4, bar.light, bar.dark));
        p.drawRect(QRectF(bar.left + 0.5, bar.top + 0.5, 4, base - bar.top - 0.5));
    }
    QPen axis = inkPen(1.0);
    axis.setCapStyle(Qt::SquareCap);
    p.setPen(axis);
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, base));
    p.drawLine(QPointF(1.5, base), QPointF(18.5, base));
}

// Timers: a stopwatch with a crown, a side button and a marked run of time. The centre
// lies on a pixel's middle so that the case's edges and the upright hand stay sharp.
void drawTimers(QPainter &p)
{
    const QPointF centre(9.5, 12.5);
    const qreal caseRadius = 8;
    const auto along = [&centre](qreal degrees, qreal length) {
        const qreal a = degrees * kPi / 180;
        return centre + QPointF(std::sin(a), -std::cos(a)) * length;
    };

    // The side button, drawn first so the case covers its root.
    p.save();
    p.translate(centre);
    p.rotate(45);
    p.setPen(inkPen());
    p.setBrush(kGoldDark);
    p.drawRect(QRectF(-1.5, -10.5, 3, 3));
    p.restore();

    // Crown: stem and push button.
    p.setPen(inkPen());
    p.setBrush(kGoldDark);
    p.drawRect(QRectF(8.5, 2.5, 2, 2.5));
    p.setBrush(verticalShade(0.5, 3, kGoldLight, kGold));
    p.drawRoundedRect(QRectF(6.5, 0.5, 6, 2.5), 1, 1);

    // Case and face.
    QRadialGradient metal(QPointF(7.5, 9.5), 10);
    metal.setColorAt(0, kGoldLight);
    metal.setColorAt(0.6, kGold);
    metal.setColorAt(1, kGoldDark);
    p.setBrush(metal);
    p.drawEllipse(centre, caseRadius, caseRadius);
    p.setPen(inkPen(1.0, kGoldDark));
    p.setBrush(kParchment);
    p.drawEllipse(centre, 6, 6);

    // The time run so far, a third of the dial.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kRedLight.red(), kRedLight.green(), kRedLight.blue(), 150));
    p.drawPie(QRectF(centre.x() - 5.5, centre.y() - 5.5, 11, 11), 90 * 16, -120 * 16);

    // Quarter marks.
    p.setPen(inkPen(1.0, kInkSoft));
    for (int k = 0; k < 4; ++k)
        p.drawLine(along(90 * k, 4.5), along(90 * k, 5.2));

    // Hands.
    p.setPen(inkPen(1.0));
    p.drawLine(centre, along(0, 4.5));
    p.drawLine(centre, along(120, 4.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, 1.2, 1.2);
}

// Knowledge: an open book with written pages. The spine runs down pixel column 9 so
// that it stays one sharp line.
void drawKnowledge(QPainter &p)
{
    const qreal spine = 9.5;

    // The cover shows under the pages' lower edge.
    QPainterPath cover;
    cover.moveTo(0.5, 6);
    cover.lineTo(0.5, 17.5);
    cover.lineTo(spine - 1.5, 17.5);
    cover.lineTo(spine, 18.5);
    cover.lineTo(spine + 1.5, 17.5);
    cover.lineTo(18.5, 17.5);
    cover.lineTo(18.5, 6);
    cover.closeSubpath();
    p.setPen(inkPen());
    p.setBrush(verticalShade(6, 18, kRed, kRedDark));
    p.drawPath(cover);

    for (int side = -1; side <= 1; side += 2) {
        QPainterPath page;
        page.moveTo(spine, 5);
        page.quadTo(spine + side * 4.5, 2.5, spine + side * 8, 3.5);
        page.lineTo(spine + side * 8, 15.5);
        page.quadTo(spine + side * 4.5, 14.5, spine, 16.5);
        page.closeSubpath();
        p.setPen(inkPen());
        p.setBrush(horizontalShade(spine + side * 8, spine, kParchment, kParchmentShade));
        p.drawPath(page);

        // Three lines of writing.
        QPen writing(QColor(0xa8, 0x80, 0x50), 1.0);
        writing.setCapStyle(Qt::FlatCap);
        p.setPen(writing);
        for (int line = 0; line < 3; ++line) {
            const qreal y = 7.5 + 2.5 * line;
            p.drawLine(QPointF(spine + side * 2, y), QPointF(spine + side * 6.5, y));
        }
    }
    p.setPen(inkPen());
    p.drawLine(QPointF(spine, 5), QPointF(spine, 16.5));
}

// Locator: a map pin standing on a globe, centred on a pixel's middle for sharp edges.
void drawLocator(QPainter &p)
{
    const QPointF centre(9.5, 12.5);
    const qreal radius = 7;

    QRadialGradient sea(QPointF(7.5, 10), 9);
    sea.setColorAt(0, kBlueLight);
    sea.setColorAt(1, kBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);

    // Land, clipped to the globe.
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(globe);
    p.setBrush(verticalShade(6, 20, kGreenLight, kGreenDark));
    QPainterPath land;
    land.moveTo(3, 9);
    land.quadTo(6, 7.5, 7, 10);
    land.quadTo(8.5, 12, 6.5, 14);
    land.quadTo(6, 17, 8, 19.5);
    land.lineTo(2, 19.5);
    land.closeSubpath();
    land.moveTo(12.5, 14);
    land.quadTo(15, 12, 17.5, 13);
    land.lineTo(17.5, 17);
    land.quadTo(15, 18.5, 13.5, 17);
    land.closeSubpath();
    p.drawPath(land);

    // Meridian and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.drawEllipse(centre, 3.5, radius);
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    p.restore();

    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius + 0.5, radius + 0.5);

    // The pin: a drop whose point touches the globe.
    const QPointF head(9.5, 4.5);
    const qreal headRadius = 3.5;
    const QPointF tip(9.5, 11.5);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.lineTo(head.x() - headRadius * 0.82, head.y() + headRadius * 0.57);
    pin.arcTo(QRectF(head.x() - headRadius, head.y() - headRadius, 2 * headRadius, 2 * headRadius), 215,
              -250);
    pin.closeSubpath();
    QRadialGradient red(QPointF(8.3, 3.4), 5);
    red.setColorAt(0, kRedLight);
    red.setColorAt(1, kRedDark);
    p.setPen(inkPen());
    p.setBrush(red);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(kParchment);
    p.drawEllipse(head, 1.3, 1.3);
}

// Settings: a gear.
void drawSettings(QPainter &p)
{
    const QPointF centre(10, 10);
    const int teeth = 8;
    QPainterPath gear;
    gear.addEllipse(centre, 6.6, 6.6);
    for (int k = 0; k < teeth; ++k) {
        QPainterPath tooth;
        tooth.addPolygon(
            QPolygonF({QPointF(-2.2, -5.5), QPointF(-1.5, -9), QPointF(1.5, -9), QPointF(2.2, -5.5)}));
        tooth.closeSubpath();
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(k * 360.0 / teeth + 22.5);
        gear = gear.united(turn.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 2.6, 2.6);
    gear = gear.subtracted(hole);

    QRadialGradient metal(QPointF(7.5, 7), 12);
    metal.setColorAt(0, kGoldLight);
    metal.setColorAt(0.5, kGold);
    metal.setColorAt(1, kGoldDark);
    p.setPen(inkPen());
    p.setBrush(metal);
    p.drawPath(gear);

    // A ring round the hub gives the gear some depth.
    p.setPen(inkPen(1.0, kGoldDark));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 4.6, 4.6);
}

// Information: a lower-case "i" on a blue coin with a golden rim.
void drawInformation(QPainter &p)
{
    const QPointF centre(10, 10);
    p.setPen(inkPen());
    p.setBrush(kGold);
    p.drawEllipse(centre, 8.5, 8.5);
    QRadialGradient blue(QPointF(8, 7), 10);
    blue.setColorAt(0, kBlueLight);
    blue.setColorAt(1, kBlueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(centre, 7, 7);

    // The letter sits on whole pixels: a 2 x 2 dot, a stem two wide, a foot four wide.
    p.setBrush(kParchment);
    p.drawRoundedRect(QRectF(9, 4, 2, 2), 0.7, 0.7);
    QPainterPath letter;
    letter.setFillRule(Qt::WindingFill);
    letter.addRect(QRectF(9, 8, 2, 6));
    letter.addRect(QRectF(8, 8, 1, 1));
    letter.addRect(QRectF(8, 14, 4, 1));
    p.drawPath(letter.simplified());
}

// --- The program's emblem ------------------------------------------------------------

// A golden K on a red shield. Drawn in a 32 x 32 grid; `small` thickens the lines and
// drops the inner rim so that the 16-pixel tray picture stays readable.
void drawEmblem(QPainter &p, bool small)
{
    const qreal outline = small ? 2.0 : 1.4;
    QPainterPath shield;
    shield.moveTo(3, 3);
    shield.lineTo(29, 3);
    shield.lineTo(29, 15);
    shield.cubicTo(29, 23, 22, 27.5, 16, 30.5);
    shield.cubicTo(10, 27.5, 3, 23, 3, 15);
    shield.closeSubpath();

    QLinearGradient field(0, 3, 32, 30);
    field.setColorAt(0, kRedLight);
    field.setColorAt(0.5, kRed);
    field.setColorAt(1, kRedDark);
    p.setPen(inkPen(outline));
    p.setBrush(field);
    p.drawPath(shield);

    if (!small) {
        // A golden rim just inside the edge.
        QTransform inward;
        inward.translate(16, 15.5);
        inward.scale(0.8, 0.82);
        inward.translate(-16, -15.5);
        p.setPen(QPen(kGold, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inward.map(shield));
    }

    // The letter: a stem and two arms meeting at its middle.
    const qreal stemRight = small ? 14.5 : 13.5;
    QPainterPath stem;
    stem.addRect(QRectF(9, 7.5, stemRight - 9, 16));
    QPainterPath upperArm;
    upperArm.addPolygon(QPolygonF({QPointF(stemRight - 0.5, 13.5), QPointF(19, 7.5), QPointF(24, 7.5),
                                   QPointF(stemRight - 0.5, 19.5)}));
    upperArm.closeSubpath();
    QPainterPath lowerArm;
    lowerArm.addPolygon(QPolygonF(
        {QPointF(15.5, 16.5), QPointF(18.5, 13.2), QPointF(small ? 25 : 24.5, 23.5), QPointF(19.5, 23.5)}));
    lowerArm.closeSubpath();
    const QPainterPath letter = stem.united(upperArm).united(lowerArm);

    if (small) {
        // No outline round the letter here: at 16 pixels it would swallow the strokes.
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
    } else {
        p.setPen(inkPen(outline * 0.9));
        p.setBrush(verticalShade(7, 24, kGoldLight, kGold));
    }
    p.drawPath(letter);
}

void saveEmblem(const QDir &dir, const QString &name, int size)
{
    const bool small = size <= 16;
    saveArt(render(QSize(32, 32), size / 32.0, [small](QPainter &p) { drawEmblem(p, small); }), dir, name);
}

// --- Classic button glyphs (16 x 16) -------------------------------------------------

// A coloured stroke with a dark edge: the edge is drawn first, wider, under the colour.
void strokeWithEdge(QPainter &p, const QPainterPath &path, const QColor &color, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(width + 2, kInk));
    p.drawPath(path);
    p.setPen(inkPen(width, color));
    p.drawPath(path);
}

void drawOk(QPainter &p)
{
    QPainterPath check;
    check.moveTo(2.8, 8.6);
    check.lineTo(6.3, 12.2);
    check.lineTo(13.2, 3.6);
    strokeWithEdge(p, check, kGreen, 2.4);
    // A lighter streak along the long stroke.
    p.setPen(inkPen(0.8, kGreenLight));
    p.drawLine(QPointF(6.6, 11.0), QPointF(12.6, 3.9));
}

void drawCancel(QPainter &p)
{
    QPainterPath cross;
    cross.moveTo(4, 4);
    cross.lineTo(12, 12);
    cross.moveTo(12, 4);
    cross.lineTo(4, 12);
    // Both edges first, then both colours, so neither stroke cuts the other.
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(4.6, kInk));
    p.drawPath(cross);
    p.setPen(inkPen(2.6, kRed));
    p.drawPath(cross);
}

// Ignore: a teal disc with an arrow that hops over a bar, i.e. "skip this one".
void drawIgnore(QPainter &p)
{
    const QPointF centre(8, 8);
    QRadialGradient disc(QPointF(6.5, 6), 8);
    disc.setColorAt(0, kTealLight);
    disc.setColorAt(1, kTeal.darker(130));
    p.setPen(inkPen());
    p.setBrush(disc);
    p.drawEllipse(centre, 7.5, 7.5);

    // The bar being skipped.
    p.setPen(Qt::NoPen);
    p.setBrush(kParchment);
    p.drawRect(QRectF(6, 10, 2, 4));

    // The hop: an arc from lower left over the bar, ending in a head pointing down right.
    QPainterPath hop;
    hop.moveTo(3, 12);
    hop.cubicTo(3, 5, 9.5, 3.5, 11, 8.5);
    QPen stroke(kParchment, 2.0);
    stroke.setCapStyle(Qt::FlatCap);
    p.setBrush(Qt::NoBrush);
    p.setPen(stroke);
    p.drawPath(hop);
    p.setPen(Qt::NoPen);
    p.setBrush(kParchment);
    p.drawPolygon(QPolygonF({QPointF(8, 8), QPointF(14, 7), QPointF(12, 13)}));
}

} // namespace

void drawShellArt(const QDir &dir)
{
    saveBoth(dir, QStringLiteral("tablet"), QSize(20, 20), drawTablet);
    saveBoth(dir, QStringLiteral("statistics"), QSize(20, 20), drawStatistics);
    saveBoth(dir, QStringLiteral("timers"), QSize(20, 21), drawTimers);
    saveBoth(dir, QStringLiteral("knowledge"), QSize(20, 20), drawKnowledge);
    saveBoth(dir, QStringLiteral("locator"), QSize(20, 20), drawLocator);
    saveBoth(dir, QStringLiteral("settings"), QSize(20, 20), drawSettings);
    saveBoth(dir, QStringLiteral("information"), QSize(20, 20), drawInformation);

    saveEmblem(dir, QStringLiteral("kelo-16.png"), 16);
    saveEmblem(dir, QStringLiteral("kelo.png"), 32);
    saveEmblem(dir, QStringLiteral("kelo@2x.png"), 64);
    saveEmblem(dir, QStringLiteral("kelo-256.png"), 256);
}

void drawWidgetArt(const QDir &dir)
{
    saveBoth(dir, QStringLiteral("glyph-ok"), QSize(16, 16), drawOk);
    saveBoth(dir, QStringLiteral("glyph-cancel"), QSize(16, 16), drawCancel);
    saveBoth(dir, QStringLiteral("glyph-ignore"), QSize(16, 16), drawIgnore);
}
