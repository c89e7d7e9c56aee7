// The hunting board's pictures: the hunting ground, the animals of both picture sets,
// their pelts, the cross, tick and grass marks, and the three search-zone discs.
//
// Everything drawn onto the board is drawn with the picture's bottom-left colour left
// out, so these pictures have hard edges: shapes are rendered at 8x and each pixel
// either takes the shape's colour (when the shape covers at least half of it) or the
// background colour, never a blend of the two. Visible parts stay inside the top-left
// 32 x 33 pixels, the smallest area any operation restores, so nothing is left behind
// when a cell is redrawn.
#include "Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <functional>

namespace {

const QColor kWhite(0xff, 0xff, 0xff);
// Background of the coloured animals: a colour none of them uses.
const QColor kKey(0xff, 0x00, 0xff);
const QColor kSilhouette(0x24, 0x1c, 0x16);
const QColor kOutline(0x2a, 0x1e, 0x14);

constexpr int kScale = 8;

using Paint = std::function<void(QPainter &)>;

// Renders `paint` (in picture pixels) at kScale and reduces it to hard-edged pixels over
// `background`.
QImage crisp(QSize size, const QColor &background, const Paint &paint)
{
    QImage big(size * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kScale, kScale);
        paint(painter);
    }
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const auto *line = reinterpret_cast<const QRgb *>(big.constScanLine(y * kScale + sy));
                for (int sx = 0; sx < kScale; ++sx) {
                    const QRgb p = line[x * kScale + sx];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    a += qAlpha(p);
                }
            }
            const long samples = kScale * kScale;
            if (a * 2 >= 255 * samples) {
                // Premultiplied sums divided by the coverage give the shape's own colour.
                QRgb colour = qRgb(int(r * 255 / a), int(g * 255 / a), int(b * 255 / a));
                // The background colour must never appear inside a shape.
                if (colour == background.rgb())
                    colour = qRgb(qRed(colour) ^ 1, qGreen(colour), qBlue(colour));
                out.setPixel(x, y, colour);
            } else {
                out.setPixel(x, y, background.rgb());
            }
        }
    }
    return out;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry, qreal degrees = 0)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform place;
    place.translate(cx, cy);
    place.rotate(degrees);
    return place.map(path);
}

// A leg from hip to foot, `top` and `bottom` wide.
QPainterPath leg(QPointF hip, QPointF foot, qreal top, qreal bottom)
{
    const QPointF d = foot - hip;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF along = d / length;
    const QPointF n(-along.y(), along.x());
    // One outline with a rounded foot: overlapping sub-shapes in one path would leave holes.
    QPolygonF outline;
    outline << hip + n * (top / 2);
    for (int i = 0; i <= 8; ++i) {
        const qreal a = 3.14159265358979 * i / 8;
        outline << foot + n * (bottom / 2 * std::cos(a)) + along * (bottom / 2 * std::sin(a));
    }
    outline << hip - n * (top / 2);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A shape is drawn part by part with one brush, which unites the parts without the
// path arithmetic (and its slips where outlines touch).
using Parts = QVector<QPainterPath>;

Parts unite(std::initializer_list<QPainterPath> parts)
{
    return Parts(parts);
}

void fillParts(QPainter &p, const Parts &parts)
{
    for (const QPainterPath &part : parts)
        p.drawPath(part);
}

struct Marking {
    Parts parts;
    QColor colour;
};

// Fills the parts with `fur` and lays the markings over it, only where there is fur.
void drawCoat(QPainter &p, const Parts &body, const QColor &fur, std::initializer_list<Marking> markings)
{
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter coat(&layer);
    coat.setRenderHint(QPainter::Antialiasing);
    coat.setTransform(p.transform());
    coat.setPen(Qt::NoPen);
    coat.setBrush(fur);
    fillParts(coat, body);
    coat.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    for (const Marking &marking : markings) {
        coat.setBrush(marking.colour);
        fillParts(coat, marking.parts);
    }
    coat.end();
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

// The dark outline all around the parts, `width` wide.
void drawOutline(QPainter &p, const Parts &body, qreal width)
{
    p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOutline);
    fillParts(p, body);
}

// ---- the four animals, side view facing left, in a 32 x 32 box ----

struct AnimalShape {
    Parts body;  // the whole silhouette
    Parts belly; // the lighter underside, drawn inside the body
    Parts dark;  // darker marks: ear tips, back, legs
    QPointF eye;
};

AnimalShape hareShape()
{
    AnimalShape s;
    s.body = unite({
        ellipse(17.5, 21.5, 9.5, 7.0),     // back and belly, hunched
        ellipse(22.5, 22.5, 6.5, 6.5),     // haunch
        ellipse(9.0, 15.0, 5.2, 4.3, -10), // head
        polygon({{7, 17}, {12, 12}, {17, 15}, {12, 22}}), ellipse(12.3, 6.0, 1.9, 6.5, 18), // far ear
        ellipse(9.6, 6.3, 1.8, 6.3, 4),                                                     // near ear
        leg({10.5, 20}, {9.5, 28.8}, 3.2, 2.2),                                             // forelegs
        leg({13.0, 21}, {12.5, 28.8}, 3.0, 2.2), ellipse(22.0, 28.6, 7.0, 1.9),             // long hind foot
        ellipse(28.3, 18.5, 2.6, 2.6),                                                      // scut
        ellipse(4.6, 16.3, 1.3, 1.2),                                                       // nose
    });
    s.belly = unite({ellipse(16.0, 27.0, 7.5, 3.0), ellipse(28.5, 18.8, 1.7, 1.7)});
    s.dark = unite({ellipse(13.6, 1.3, 1.6, 1.8, 18), ellipse(9.9, 1.6, 1.5, 1.8, 4)});
    s.eye = {8.6, 13.8};
    return s;
}

AnimalShape wolfShape()
{
    AnimalShape s;
    s.body = unite({
        ellipse(17.5, 15.5, 10.0, 4.8),                               // body
        ellipse(10.5, 15.0, 5.0, 5.8),                                // chest
        polygon({{6.5, 9.5}, {12.5, 8.5}, {14.5, 15}, {8.5, 17}}),    // neck
        ellipse(6.2, 9.8, 3.8, 3.2),                                  // skull
        polygon({{0.3, 11.2}, {5.0, 7.6}, {7.0, 12.6}, {0.8, 12.6}}), // long snout
        polygon({{4.3, 7.6}, {5.2, 2.0}, {7.4, 7.0}}),                // ear
        polygon({{6.8, 7.6}, {8.4, 2.4}, {9.8, 7.8}}),                // ear
        leg({9.0, 18}, {7.6, 29.3}, 2.8, 1.7),                        // forelegs
        leg({12.0, 18}, {12.2, 29.3}, 2.8, 1.7),
        leg({22.5, 17}, {21.0, 29.3}, 3.6, 1.7), // hind legs, thicker at the thigh
        leg({25.5, 17}, {26.4, 29.3}, 3.4, 1.7),
        ellipse(28.6, 20.5, 2.6, 7.0, -20), // bushy tail hanging down
    });
    s.belly = unite({ellipse(16.0, 20.0, 8.5, 2.2), ellipse(9.5, 18.0, 3.0, 3.0), // belly and chest
                     ellipse(3.5, 12.2, 3.0, 0.8)});                              // jaw
    s.dark = unite({ellipse(18.0, 11.3, 9.0, 1.6), ellipse(30.3, 26.0, 1.4, 1.8, -20)});
    s.eye = {6.3, 9.2};
    return s;
}

AnimalShape boarShape()
{
    AnimalShape s;
    QPolygonF bristles;
    // The ridge of bristles from the nape along the back.
    for (int i = 0; i <= 10; ++i) {
        const qreal x = 8.5 + i * 1.8;
        const qreal base = 11.0 + 0.03 * (x - 15) * (x - 15);
        bristles << QPointF(x, base) << QPointF(x + 0.9, base - (i < 6 ? 2.6 : 1.6));
    }
    bristles << QPointF(27.5, 14) << QPointF(8.5, 14);
    QPainterPath ridge;
    ridge.addPolygon(bristles);
    ridge.closeSubpath();
    s.body = unite({
        ellipse(18.0, 18.0, 11.5, 7.5),                                              // barrel body
        ellipse(11.0, 16.5, 6.0, 6.5),                                               // heavy shoulders
        polygon({{7.0, 11.5}, {1.0, 17.0}, {0.6, 21.2}, {4.0, 22.0}, {10.0, 22.0}}), // wedge head
        polygon({{7.2, 12.8}, {8.0, 8.4}, {10.2, 12.0}}),                            // ear
        polygon({{2.6, 20.0}, {4.2, 20.2}, {3.6, 16.8}, {2.9, 17.6}}),               // tusk
        ridge, leg({9.5, 22}, {9.0, 29.4}, 3.2, 2.0),                                // short legs
        leg({13.0, 22}, {13.3, 29.4}, 3.2, 2.0), leg({23.5, 22}, {23.0, 29.4}, 3.6, 2.0),
        leg({27.0, 21}, {27.4, 29.4}, 3.2, 2.0), leg({29.0, 15}, {31.0, 21.5}, 1.0, 0.8), // thin tail
    });
    s.belly = unite({ellipse(1.2, 19.1, 0.9, 2.1)}); // the snout's disc
    s.dark = unite({ridge, ellipse(31.0, 21.8, 0.8, 1.2)});
    s.eye = {6.8, 15.0};
    return s;
}

AnimalShape bearShape()
{
    AnimalShape s;
    s.body = unite({
        ellipse(18.0, 17.5, 12.5, 8.0), // massive body
        ellipse(12.0, 12.8, 6.5, 5.5),  // shoulder hump
        ellipse(5.8, 14.6, 4.6, 4.2),   // head
        ellipse(2.0, 16.6, 2.6, 2.1),   // short muzzle
        ellipse(6.4, 10.3, 1.9, 1.9),   // round ear
        ellipse(8.6, 10.8, 1.7, 1.7),
        leg({9.5, 20}, {9.2, 29.0}, 5.2, 4.4), // thick legs
        leg({14.5, 21}, {14.6, 29.0}, 4.8, 4.2),
        leg({23.0, 20}, {23.4, 29.0}, 5.6, 4.4),
        leg({27.5, 19}, {28.0, 29.0}, 5.0, 4.2),
    });
    s.belly = unite({ellipse(1.8, 16.5, 2.0, 1.5)});
    s.dark =
        unite({ellipse(9.2, 28.6, 2.6, 1.3), ellipse(14.6, 28.6, 2.4, 1.3), ellipse(23.4, 28.6, 2.6, 1.3),
               ellipse(28.0, 28.6, 2.4, 1.3), ellipse(0.4, 16.0, 0.9, 0.9)});
    s.eye = {5.2, 13.6};
    return s;
}

// Standard set: the silhouette alone, dark on white.
QImage silhouette(QSize size, const AnimalShape &shape)
{
    return crisp(size, kWhite, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kSilhouette);
        fillParts(p, shape.body);
    });
}

struct Coat {
    QColor fur, underside, dark;
};

// Alternative set: coloured with a dark outline, over the key colour.
QImage coloured(const AnimalShape &shape, const Coat &coat)
{
    return crisp(QSize(32, 32), kKey, [&](QPainter &p) {
        drawOutline(p, shape.body, 1.6);
        drawCoat(p, shape.body, coat.fur, {{shape.belly, coat.underside}, {shape.dark, coat.dark}});
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawEllipse(shape.eye, 0.8, 0.8);
    });
}

// ---- pelts: the stretched hide seen from above, head to the left, in 32 x 27 ----

struct PeltShape {
    Parts hide;
    Parts marks;
    QColor fur, markColour;
};

// Four leg flaps spread from a hide centred at (cx, cy).
Parts flaps(qreal cx, qreal cy, qreal dx, qreal reach, qreal width)
{
    Parts all;
    for (int side : {-1, 1}) {
        for (int end : {-1, 1}) {
            const QPointF root(cx + end * dx, cy + side * 2.0);
            const QPointF tip(cx + end * (dx + reach * 0.5), cy + side * reach);
            all << leg(root, tip, width, width * 0.55);
        }
    }
    return all;
}

PeltShape harePelt()
{
    PeltShape s;
    s.hide = unite({ellipse(17.0, 13.5, 8.5, 6.0), ellipse(8.0, 13.5, 3.2, 2.8),
                    ellipse(4.0, 10.0, 4.8, 1.3, 25), ellipse(4.0, 17.0, 4.8, 1.3, -25), // long ears
                    ellipse(26.5, 13.5, 2.0, 2.0)}) +
             flaps(17.0, 13.5, 4.5, 10.0, 4.2);
    s.marks = unite({ellipse(0.4, 8.1, 1.3, 1.0, 25), ellipse(0.4, 18.9, 1.3, 1.0, -25)});
    s.fur = QColor(0xcf, 0xc2, 0xa8);
    s.markColour = QColor(0x5a, 0x4a, 0x38);
    return s;
}

PeltShape wolfPelt()
{
    PeltShape s;
    s.hide =
        unite({ellipse(15.5, 13.5, 9.5, 6.5), polygon({{1.0, 13.5}, {6.0, 10.5}, {7.5, 16.5}}),
               ellipse(6.5, 13.5, 3.6, 3.6), polygon({{5.0, 10.5}, {6.2, 6.0}, {8.4, 10.4}}),
               polygon({{5.0, 16.5}, {6.2, 21.0}, {8.4, 16.6}}), ellipse(28.0, 13.5, 4.0, 2.2)}) // bushy tail
        + flaps(15.5, 13.5, 6.0, 11.8, 4.8);
    s.marks = unite({ellipse(15.5, 13.5, 9.0, 1.6), ellipse(31.0, 13.5, 1.0, 1.4)});
    s.fur = QColor(0x8c, 0x8f, 0x92);
    s.markColour = QColor(0x4a, 0x4c, 0x50);
    return s;
}

PeltShape boarPelt()
{
    PeltShape s;
    QPolygonF bristles;
    // A ragged outline of bristles all around.
    for (int i = 0; i < 36; ++i) {
        const qreal a = i * 3.14159265358979 * 2 / 36;
        const qreal r = (i % 2) ? 1.0 : 1.18;
        bristles << QPointF(16.5 + 10.0 * r * std::cos(a), 13.5 + 7.0 * r * std::sin(a));
    }
    QPainterPath ragged;
    ragged.addPolygon(bristles);
    ragged.closeSubpath();
    s.hide = unite({ragged, polygon({{0.8, 11.5}, {0.8, 15.5}, {7.5, 17.0}, {7.5, 10.0}}),
                    ellipse(6.0, 10.0, 1.5, 1.2), ellipse(6.0, 17.0, 1.5, 1.2)}) +
             flaps(16.5, 13.5, 6.5, 11.8, 5.2);
    s.marks = unite({ellipse(16.5, 13.5, 9.5, 1.5), ellipse(1.4, 13.5, 0.9, 1.8)});
    s.fur = QColor(0x5e, 0x44, 0x30);
    s.markColour = QColor(0x2e, 0x20, 0x16);
    return s;
}

PeltShape bearPelt()
{
    PeltShape s;
    s.hide =
        unite({ellipse(17.5, 13.5, 11.0, 8.0), ellipse(6.0, 13.5, 4.5, 4.2), ellipse(2.2, 13.5, 2.2, 2.0),
               ellipse(6.0, 8.8, 1.8, 1.8), ellipse(6.0, 18.2, 1.8, 1.8)}) +
        flaps(17.5, 13.5, 7.0, 10.5, 6.6);
    // The claws at the ends of the four paws.
    QPainterPath claws;
    for (int side : {-1, 1}) {
        for (int end : {-1, 1})
            claws.addPath(ellipse(17.5 + end * (7.0 + 4.5), 13.5 + side * 11.6, 2.0, 0.7));
    }
    s.marks = unite({claws, ellipse(0.9, 13.5, 0.9, 1.0)});
    s.fur = QColor(0x7c, 0x4c, 0x2a);
    s.markColour = QColor(0xe8, 0xdc, 0xbc);
    return s;
}

QImage pelt(const PeltShape &shape)
{
    return crisp(QSize(34, 27), kWhite, [&](QPainter &p) {
        // Kept inside the 32 columns an animal choice restores.
        p.translate(0.6, 0.7);
        p.scale(0.94, 0.94);
        drawOutline(p, shape.hide, 1.4);
        drawCoat(p, shape.hide, shape.fur, {{shape.marks, shape.markColour}});
    });
}

// ---- marks ----

QImage cross(QSize size)
{
    return crisp(size, kWhite, [](QPainter &p) {
        QPainterPath strokes;
        strokes.moveTo(5, 5);
        strokes.lineTo(27, 27);
        strokes.moveTo(27, 5);
        strokes.lineTo(5, 27);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x70, 0x08, 0x08), 6.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strokes);
        p.setPen(QPen(QColor(0xe8, 0x12, 0x12), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strokes);
    });
}

QImage tick()
{
    return crisp(QSize(34, 34), kWhite, [](QPainter &p) {
        QPainterPath stroke;
        stroke.moveTo(5, 18);
        stroke.lineTo(13, 26);
        stroke.lineTo(28, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x0c, 0x50, 0x10), 6.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(stroke);
        p.setPen(QPen(QColor(0x2c, 0xc0, 0x2c), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(stroke);
    });
}

// Tufts of tall grass: an empty glade.
QImage grass()
{
    return crisp(QSize(32, 33), kWhite, [](QPainter &p) {
        struct Tuft {
            qreal x, y, height;
        };
        const Tuft tufts[] = {{7, 14, 10}, {20, 11, 9}, {13, 25, 11}, {26, 26, 10}, {4, 29, 7}};
        for (const Tuft &t : tufts) {
            for (int pass = 0; pass < 2; ++pass) {
                for (int b = -2; b <= 2; ++b) {
                    QPainterPath blade;
                    blade.moveTo(t.x + b * 0.9, t.y);
                    blade.quadTo(t.x + b * 1.2, t.y - t.height * 0.6, t.x + b * 3.2,
                                 t.y - t.height * (1.0 - 0.15 * std::abs(b)));
                    p.setBrush(Qt::NoBrush);
                    if (pass == 0)
                        p.setPen(QPen(QColor(0x1e, 0x4a, 0x10), 2.1, Qt::SolidLine, Qt::RoundCap));
                    else
                        p.setPen(QPen(b % 2 ? QColor(0xb4, 0xdc, 0x3c) : QColor(0xe0, 0xea, 0x6a), 0.9,
                                      Qt::SolidLine, Qt::RoundCap));
                    p.drawPath(blade);
                }
            }
        }
    });
}

// ---- the hunting ground ----

// A small deterministic generator, so the board comes out the same on every run.
struct Noise {
    std::uint32_t state;
    qreal next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / qreal(1 << 24);
    }
};

QImage board()
{
    const QSize size(142, 144);
    QImage image(size, QImage::Format_RGB32);
    Noise noise{20240601u};
    // Meadow with a gentle, patchy texture.
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const qreal wave =
                0.5 + 0.25 * std::sin(x * 0.11 + y * 0.05) + 0.25 * std::sin(y * 0.13 - x * 0.07);
            const qreal grain = noise.next();
            const int r = int(150 + 18 * wave + 14 * grain);
            const int g = int(182 + 16 * wave + 14 * grain);
            const int b = int(104 + 10 * wave + 10 * grain);
            image.setPixel(x, y, qRgb(r, g, b));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A trodden path winding across the ground.
    QPainterPath path;
    path.moveTo(-4, 118);
    path.cubicTo(30, 96, 50, 120, 74, 88);
    path.cubicTo(96, 58, 118, 70, 146, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc8, 0xb8, 0x86), 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(0xd8, 0xca, 0x9a), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    // A pond.
    p.setPen(QPen(QColor(0x6a, 0x8c, 0x5a), 1.5));
    p.setBrush(QColor(0x7e, 0xb0, 0xc8));
    p.drawEllipse(QPointF(24, 58), 9, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa8, 0xd0, 0xe0));
    p.drawEllipse(QPointF(21, 56.5), 4, 1.5);
    // Bushes and small trees, soft so the animals stand out against them.
    Noise place{7u};
    for (int i = 0; i < 26; ++i) {
        const QPointF at(4 + place.next() * 134, 4 + place.next() * 136);
        const qreal r = 2.0 + place.next() * 2.5;
        p.setBrush(QColor(0x6c, 0x98, 0x4c));
        p.drawEllipse(at, r, r * 0.85);
        p.setBrush(QColor(0x8a, 0xb4, 0x60));
        p.drawEllipse(at - QPointF(r * 0.3, r * 0.3), r * 0.5, r * 0.45);
    }
    // Tiny flowers.
    for (int i = 0; i < 40; ++i) {
        const QPointF at(2 + place.next() * 138, 2 + place.next() * 140);
        p.setBrush(i % 3 ? QColor(0xf4, 0xe8, 0x90) : QColor(0xf0, 0xf0, 0xf0));
        p.drawEllipse(at, 0.7, 0.7);
    }
    p.end();

    // The grid and the frame, crisp.
    const QRgb line = qRgb(0xee, 0xf4, 0xdc);
    for (int x : {34, 69, 104, 139}) {
        for (int y = 0; y < size.height(); ++y)
            image.setPixel(x, y, line);
    }
    for (int y : {35, 70, 105, 140}) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, line);
    }
    const QRgb frame = qRgb(0x4c, 0x5e, 0x34);
    for (int x = 0; x < size.width(); ++x) {
        image.setPixel(x, 0, frame);
        image.setPixel(x, size.height() - 1, frame);
    }
    for (int y = 0; y < size.height(); ++y) {
        image.setPixel(0, y, frame);
        image.setPixel(size.width() - 1, y, frame);
    }
    return image;
}

// ---- search-zone discs, pixel for pixel ----

QImage disc(const QColor &fill)
{
    static const char *const rows[11] = {
        "WWWWKKKWWWW", "WWKKFFFKKWW", "WKFFFFFFFKW", "WKFFFFFFFKW", "KFFFFFFFFFK", "KFFFFFFFFFK",
        "KFFFFFFFFFK", "WKFFFFFFFKW", "WKFFFFFFFKW", "WWKKFFFKKWW", "WWWWKKKWWWW",
    };
    QImage image(11, 11, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0xff, 0xff, 0xff), qRgb(0, 0, 0), fill.rgb()});
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const char c = rows[y][x];
            image.setPixel(x, y, c == 'W' ? 0 : c == 'K' ? 1 : 2);
        }
    }
    return image;
}

} // namespace

void drawHuntingArt(const QDir &dir)
{
    saveArt(board(), dir, QStringLiteral("board.png"));

    saveArt(silhouette(QSize(34, 34), hareShape()), dir, QStringLiteral("hare.png"));
    saveArt(silhouette(QSize(35, 35), wolfShape()), dir, QStringLiteral("wolf.png"));
    saveArt(silhouette(QSize(35, 35), boarShape()), dir, QStringLiteral("boar.png"));
    saveArt(silhouette(QSize(35, 35), bearShape()), dir, QStringLiteral("bear.png"));

    const Coat hareCoat{QColor(0xa8, 0x92, 0x74), QColor(0xe6, 0xdc, 0xc8), QColor(0x2e, 0x24, 0x1a)};
    const Coat wolfCoat{QColor(0x84, 0x88, 0x8c), QColor(0xc8, 0xc6, 0xbc), QColor(0x4c, 0x4e, 0x52)};
    const Coat boarCoat{QColor(0x5a, 0x40, 0x2c), QColor(0xe0, 0xd4, 0xb4), QColor(0x2a, 0x1e, 0x14)};
    const Coat bearCoat{QColor(0x8a, 0x56, 0x2e), QColor(0xc4, 0x96, 0x66), QColor(0x4a, 0x2c, 0x16)};
    saveArt(coloured(hareShape(), hareCoat), dir, QStringLiteral("hare-colour.png"));
    saveArt(coloured(wolfShape(), wolfCoat), dir, QStringLiteral("wolf-colour.png"));
    saveArt(coloured(boarShape(), boarCoat), dir, QStringLiteral("boar-colour.png"));
    saveArt(coloured(bearShape(), bearCoat), dir, QStringLiteral("bear-colour.png"));

    saveArt(pelt(harePelt()), dir, QStringLiteral("hare-pelt.png"));
    saveArt(pelt(wolfPelt()), dir, QStringLiteral("wolf-pelt.png"));
    saveArt(pelt(boarPelt()), dir, QStringLiteral("boar-pelt.png"));
    saveArt(pelt(bearPelt()), dir, QStringLiteral("bear-pelt.png"));

    saveArt(cross(QSize(35, 35)), dir, QStringLiteral("cross.png"));
    saveArt(cross(QSize(34, 34)), dir, QStringLiteral("cross-item.png"));
    saveArt(tick(), dir, QStringLiteral("tick.png"));
    saveArt(grass(), dir, QStringLiteral("grass.png"));

    saveArt(disc(QColor(0xc0, 0xc0, 0xc0)), dir, QStringLiteral("RESGRAY.png"));
    saveArt(disc(QColor(0xff, 0x00, 0x00)), dir, QStringLiteral("RESRED.png"));
    saveArt(disc(QColor(0x00, 0xff, 0x00)), dir, QStringLiteral("RESGREEN.png"));
}
