// The crafting window's pictures: 34 item pictures (54 × 69) in the colours of their
// level group, and 26 resource pictures (40 × 32): raw materials and the recipe-part
// scrolls, each scroll carrying the outline of its kind of item.
#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace {

enum class Kind { Rapier, Sword, Mace, Bow, Shield, Crossbow, Cloak, Axe, BroadAxe, Hammer, Shirt, Bracers };

// Which surface a part of an item is made of; the level group gives each its colour.
enum class Role { Metal, Trim, Grip, Wood, Cloth, Gem, String };

struct Part {
    QPainterPath path;
    Role role;
    qreal stroke = 0; // > 0: drawn as a line of this width instead of filled
};

struct GroupColours {
    QColor metal, trim, grip, wood, cloth, tile;
};

const GroupColours kGroupColours[5] = {
    // 4-5: plain steel, brass fittings, brown leather and homespun
    {{188, 194, 204}, {181, 143, 72}, {112, 74, 42}, {146, 101, 58}, {133, 104, 72}, {236, 232, 222}},
    // 6-7: bronze, copper, dark leather, green cloth
    {{204, 146, 86}, {150, 88, 48}, {86, 58, 40}, {164, 106, 62}, {76, 128, 74}, {233, 240, 226}},
    // 8-9: blued steel, silver, dark blue grips
    {{128, 162, 210}, {214, 220, 232}, {44, 58, 104}, {120, 84, 52}, {64, 96, 168}, {225, 233, 246}},
    // 10-11: gilded, with crimson
    {{226, 186, 72}, {184, 38, 48}, {104, 30, 34}, {132, 74, 40}, {158, 34, 44}, {249, 239, 214}},
    // set pieces: violet with gold
    {{164, 124, 206}, {232, 192, 80}, {78, 48, 110}, {110, 70, 50}, {112, 70, 156}, {239, 229, 249}},
};

Kind itemKind(int item)
{
    switch (item) {
    case 0:
    case 11:
        return Kind::Rapier;
    case 1:
    case 17:
    case 18:
    case 23:
    case 26:
        return Kind::Sword;
    case 2:
    case 16:
    case 24:
        return Kind::Mace;
    case 3:
    case 7:
    case 13:
    case 22:
        return Kind::Bow;
    case 4:
        return Kind::Shield;
    case 5:
    case 8:
        return Kind::Crossbow;
    case 6:
    case 9:
        return Kind::Cloak;
    case 21:
    case 25:
        return Kind::BroadAxe;
    case 10:
    case 12:
    case 14:
    case 15:
        return Kind::Axe;
    case 19:
        return Kind::Hammer;
    case 20:
    case 27:
        return Kind::Shirt;
    default:
        return Kind::Bracers;
    }
}

int levelGroup(int item)
{
    return item < 7 ? 0 : item < 13 ? 1 : item < 21 ? 2 : item < 28 ? 3 : 4;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 1)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// The parts of each kind of item, in a 54 × 69 box, back to front. `variant` shifts
// small details so that two items of one kind do not look identical.
QList<Part> itemParts(Kind kind, int variant)
{
    const qreal v = variant % 3;
    QList<Part> parts;
    switch (kind) {
    case Kind::Sword: {
        const qreal half = 4 + v * 0.6;
        parts.append({polygon({{27, 3}, {27 + half, 10}, {27 + half, 45}, {27 - half, 45}, {27 - half, 10}}),
                      Role::Metal});
        parts.append({line({27, 9}, {27, 43}), Role::Grip, 0.8});
        parts.append({rect(13 - v, 45, 28 + 2 * v, 5, 2), Role::Trim});
        parts.append({rect(24.5, 50, 5, 11), Role::Grip});
        parts.append({circle(27, 63.5, 3.5), Role::Trim});
        parts.append({circle(27, 47.5, 1.6), Role::Gem});
        break;
    }
    case Kind::Rapier: {
        parts.append({polygon({{27, 2}, {28.6, 6}, {28.6, 44}, {25.4, 44}, {25.4, 6}}), Role::Metal});
        QPainterPath bow(QPointF(34, 46));
        bow.cubicTo(QPointF(41, 52), QPointF(37, 60), QPointF(30, 61));
        parts.append({bow, Role::Trim, 2});
        QPainterPath cup;
        cup.addEllipse(QRectF(17, 42, 20, 8));
        parts.append({cup, Role::Trim});
        parts.append({rect(24.5, 50, 5, 11), Role::Grip});
        parts.append({circle(27, 63.5, 3.2), Role::Trim});
        parts.append({rect(12, 45, 30, 2.4, 1.2), Role::Trim});
        break;
    }
    case Kind::Mace: {
        parts.append({rect(24.5, 26, 5, 38, 1.5), Role::Wood});
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4 + v * 0.2;
            const QPointF tip(27 + 16 * std::cos(a), 18 + 16 * std::sin(a));
            const QPointF l(27 + 9 * std::cos(a - 0.35), 18 + 9 * std::sin(a - 0.35));
            const QPointF r(27 + 9 * std::cos(a + 0.35), 18 + 9 * std::sin(a + 0.35));
            parts.append({polygon({l, tip, r}), Role::Metal});
        }
        parts.append({circle(27, 18, 10.5), Role::Metal});
        parts.append({circle(27, 18, 3), Role::Gem});
        parts.append({rect(23, 52, 8, 10, 2), Role::Grip});
        parts.append({rect(22.5, 26, 9, 3, 1), Role::Trim});
        break;
    }
    case Kind::Bow: {
        QPainterPath limbs(QPointF(18, 4));
        limbs.cubicTo(QPointF(44 + v * 2, 14), QPointF(44 + v * 2, 55), QPointF(18, 65));
        parts.append({line({18, 4}, {18, 65}), Role::String, 1});
        parts.append({limbs, Role::Wood, 4});
        parts.append({rect(33 + v, 29, 6, 11, 2), Role::Grip});
        parts.append({line({8, 34.5}, {46, 34.5}), Role::Wood, 1.5});
        parts.append({polygon({{46, 34.5}, {41, 31.5}, {41, 37.5}}), Role::Metal});
        parts.append({polygon({{8, 34.5}, {4, 31}, {6, 34.5}, {4, 38}}), Role::Trim});
        break;
    }
    case Kind::Shield: {
        QPainterPath body(QPointF(7, 8));
        body.lineTo(47, 8);
        body.lineTo(47, 30);
        body.cubicTo(QPointF(47, 50), QPointF(35, 60), QPointF(27, 66));
        body.cubicTo(QPointF(19, 60), QPointF(7, 50), QPointF(7, 30));
        body.closeSubpath();
        parts.append({body, Role::Metal});
        parts.append({rect(24.5, 9, 5, 54, 0), Role::Trim});
        parts.append({rect(8, 24, 38, 5, 0), Role::Trim});
        parts.append({circle(27, 26.5, 6), Role::Trim});
        parts.append({circle(27, 26.5, 2.5), Role::Gem});
        break;
    }
    case Kind::Crossbow: {
        parts.append({polygon({{24, 24}, {30, 24}, {31, 50}, {34, 66}, {22, 66}, {23, 50}}), Role::Wood});
        QPainterPath prod(QPointF(5, 24));
        prod.quadTo(QPointF(27, 8 - v), QPointF(49, 24));
        parts.append({prod, Role::Metal, 3.5});
        QPainterPath string(QPointF(5, 24));
        string.lineTo(27, 33);
        string.lineTo(49, 24);
        parts.append({string, Role::String, 1});
        parts.append({line({27, 6}, {27, 33}), Role::Wood, 1.8});
        parts.append({polygon({{27, 3}, {24.5, 8}, {29.5, 8}}), Role::Metal});
        parts.append({rect(23, 38, 8, 4, 1), Role::Trim});
        break;
    }
    case Kind::Cloak: {
        QPainterPath cape(QPointF(19, 8));
        cape.quadTo(QPointF(27, 13), QPointF(35, 8));
        cape.lineTo(47, 62);
        cape.quadTo(QPointF(27, 68), QPointF(7, 62));
        cape.closeSubpath();
        parts.append({cape, Role::Cloth});
        parts.append({line({24, 16}, {19, 62}), Role::Grip, 0.8});
        parts.append({line({30, 16}, {35, 62}), Role::Grip, 0.8});
        parts.append({polygon({{17, 5}, {37, 5}, {35, 11}, {27, 14}, {19, 11}}), Role::Cloth});
        QPainterPath hem(QPointF(7, 62));
        hem.quadTo(QPointF(27, 68), QPointF(47, 62));
        parts.append({hem, Role::Trim, 2});
        parts.append({circle(27, 12, 3.2), Role::Trim});
        parts.append({circle(27, 12, 1.4), Role::Gem});
        break;
    }
    case Kind::Axe: {
        parts.append({rect(25, 6, 4.5, 59, 1.5), Role::Wood});
        QPainterPath head(QPointF(29, 10));
        head.lineTo(17, 8);
        head.quadTo(QPointF(3 - v, 20), QPointF(9, 36 + v));
        head.lineTo(29, 26);
        head.closeSubpath();
        parts.append({head, Role::Metal});
        parts.append({polygon({{29, 13}, {41, 17}, {29, 22}}), Role::Metal});
        parts.append({rect(24, 9, 6.5, 16, 1), Role::Trim});
        parts.append({rect(24.5, 52, 5.5, 11, 1.5), Role::Grip});
        break;
    }
    case Kind::BroadAxe: {
        parts.append({rect(25, 4, 4.5, 61, 1.5), Role::Wood});
        QPainterPath left(QPointF(26, 12));
        left.lineTo(15, 8);
        left.quadTo(QPointF(1, 22), QPointF(15, 38));
        left.lineTo(26, 30);
        left.closeSubpath();
        QPainterPath right(QPointF(28, 12));
        right.lineTo(39, 8);
        right.quadTo(QPointF(53, 22), QPointF(39, 38));
        right.lineTo(28, 30);
        right.closeSubpath();
        parts.append({left, Role::Metal});
        parts.append({right, Role::Metal});
        parts.append({rect(23.5, 10, 7.5, 22, 1.5), Role::Trim});
        parts.append({circle(27.25, 21, 2), Role::Gem});
        parts.append({polygon({{27.25, 0.5}, {24.5, 6}, {30, 6}}), Role::Metal});
        parts.append({rect(24.5, 52, 5.5, 11, 1.5), Role::Grip});
        break;
    }
    case Kind::Hammer: {
        parts.append({rect(25, 20, 4.5, 45, 1.5), Role::Wood});
        parts.append({rect(9, 6, 36, 17, 2), Role::Metal});
        parts.append({rect(14, 5, 3, 19, 0.5), Role::Trim});
        parts.append({rect(37, 5, 3, 19, 0.5), Role::Trim});
        parts.append({circle(27, 14.5, 2.6), Role::Gem});
        parts.append({rect(24.5, 52, 5.5, 11, 1.5), Role::Grip});
        break;
    }
    case Kind::Shirt: {
        parts.append({polygon({{18, 7},
                               {22, 7},
                               {27, 13},
                               {32, 7},
                               {36, 7},
                               {49, 18},
                               {44, 27},
                               {38, 22},
                               {38, 63},
                               {16, 63},
                               {16, 22},
                               {10, 27},
                               {5, 18}}),
                      Role::Cloth});
        parts.append({line({27, 13}, {27, 40}), Role::Grip, 0.8});
        parts.append({rect(16, 43, 22, 4, 0.5), Role::Trim});
        parts.append({circle(27, 18, 1.2), Role::Trim});
        parts.append({circle(27, 25, 1.2), Role::Trim});
        parts.append({circle(27, 32, 1.2), Role::Trim});
        parts.append({rect(25, 43.5, 4, 3, 0.5), Role::Gem});
        break;
    }
    case Kind::Bracers: {
        // Наручи (items 31, 32) are long plated forearm guards; the bracelets are shorter cuffs.
        const bool guards = variant == 31 || variant == 32;
        const qreal top = guards ? 8 : 16, bottom = guards ? 62 : 54;
        for (const qreal x : {6.0, 29.0}) {
            parts.append(
                {polygon({{x, top}, {x + 19, top}, {x + 17, bottom}, {x + 2, bottom}}), Role::Metal});
            parts.append({rect(x - 0.5, top + 3 + v * 2, 20, 4, 1), Role::Trim});
            parts.append({rect(x + 1, bottom - 9 - v, 17, 4, 1), Role::Trim});
            if (guards)
                parts.append({line({x + 9.5, top + 9}, {x + 9.5, bottom - 11}), Role::Trim, 1.2});
            parts.append({circle(x + 9.5, (top + bottom) / 2, 3), Role::Gem});
        }
        break;
    }
    }
    return parts;
}

QColor gemColour(int item)
{
    return QColor::fromHsv((item * 47 + 200) % 360, 200, 230);
}

void drawItem(QPainter &p, int item)
{
    const GroupColours &c = kGroupColours[levelGroup(item)];
    // An inventory slot in the group's tint.
    QLinearGradient tile(0, 0, 0, 69);
    tile.setColorAt(0, c.tile.lighter(104));
    tile.setColorAt(1, c.tile.darker(110));
    p.setPen(QPen(c.tile.darker(150), 1));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, 53, 68), 4, 4);

    for (const Part &part : itemParts(itemKind(item), item)) {
        QColor base;
        switch (part.role) {
        case Role::Metal:
            base = c.metal;
            break;
        case Role::Trim:
            base = c.trim;
            break;
        case Role::Grip:
            base = c.grip;
            break;
        case Role::Wood:
            base = c.wood;
            break;
        case Role::Cloth:
            base = c.cloth;
            break;
        case Role::Gem:
            base = gemColour(item);
            break;
        case Role::String:
            base = QColor(230, 222, 196);
            break;
        }
        if (part.stroke > 0) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(base.darker(175), part.stroke + 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(part.path);
            p.setPen(QPen(base, part.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(part.path);
            continue;
        }
        const QRectF box = part.path.boundingRect();
        QLinearGradient shade(box.topLeft(), box.topRight());
        shade.setColorAt(0, base.lighter(135));
        shade.setColorAt(0.45, base);
        shade.setColorAt(1, base.darker(140));
        p.setBrush(shade);
        p.setPen(QPen(base.darker(210), 0.9));
        p.drawPath(part.path);
    }
}

// ---- resource pictures, 40 × 32 ----

void lumps(QPainter &p, const QColor &colour, const QColor &speck)
{
    const QList<QPolygonF> stones = {
        QPolygonF({{4, 24}, {8, 15}, {16, 13}, {19, 20}, {15, 28}, {6, 29}}),
        QPolygonF({{15, 26}, {18, 17}, {26, 12}, {33, 16}, {34, 25}, {25, 30}}),
        QPolygonF({{10, 14}, {14, 6}, {22, 5}, {25, 11}, {18, 16}}),
        QPolygonF({{26, 12}, {30, 6}, {36, 8}, {37, 15}, {32, 17}}),
    };
    for (const QPolygonF &stone : stones) {
        QLinearGradient shade(stone.boundingRect().topLeft(), stone.boundingRect().bottomRight());
        shade.setColorAt(0, colour.lighter(160));
        shade.setColorAt(1, colour.darker(130));
        p.setBrush(shade);
        p.setPen(QPen(colour.darker(200), 0.8));
        p.drawPolygon(stone);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(speck);
    for (const QPointF &at :
         {QPointF(10, 21), QPointF(24, 20), QPointF(29, 23), QPointF(18, 10), QPointF(32, 11)})
        p.drawEllipse(at, 1.1, 1.1);
}

void planks(QPainter &p, const QColor &wood)
{
    for (int i = 2; i >= 0; --i) {
        const QRectF board(3 + i * 2, 6 + i * 7, 32, 7);
        QLinearGradient shade(board.topLeft(), board.bottomLeft());
        shade.setColorAt(0, wood.lighter(130));
        shade.setColorAt(1, wood.darker(125));
        p.setBrush(shade);
        p.setPen(QPen(wood.darker(190), 0.8));
        p.drawRect(board);
        p.setPen(QPen(wood.darker(150), 0.6));
        p.drawLine(QPointF(board.left() + 4, board.center().y() - 1),
                   QPointF(board.right() - 9, board.center().y() - 1));
        p.drawLine(QPointF(board.left() + 12, board.center().y() + 1.5),
                   QPointF(board.right() - 3, board.center().y() + 1.5));
        p.setBrush(wood.darker(160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(board.left() + 20 - i * 5, board.center().y()), 1.3, 1);
    }
}

void bars(QPainter &p, const QColor &metal)
{
    const QPointF origins[] = {{3, 20}, {20, 20}, {11.5, 9}};
    for (const QPointF &o : origins) {
        const QPolygonF top({o + QPointF(3, 0), o + QPointF(14, 0), o + QPointF(17, 4), o + QPointF(0, 4)});
        const QRectF side(o.x(), o.y() + 4, 17, 6);
        p.setPen(QPen(metal.darker(200), 0.8));
        QLinearGradient shade(side.topLeft(), side.bottomLeft());
        shade.setColorAt(0, metal);
        shade.setColorAt(1, metal.darker(135));
        p.setBrush(shade);
        p.drawRect(side);
        p.setBrush(metal.lighter(140));
        p.drawPolygon(top);
    }
}

void gem(QPainter &p, const QColor &colour)
{
    const QPolygonF outline({{20, 27}, {6, 12}, {11, 5}, {29, 5}, {34, 12}});
    QRadialGradient glow(QPointF(16, 10), 20);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(140));
    p.setBrush(glow);
    p.setPen(QPen(colour.darker(220), 0.9));
    p.drawPolygon(outline);
    p.setPen(QPen(colour.lighter(150), 0.7));
    p.drawLine(QPointF(6, 12), QPointF(34, 12));
    p.drawLine(QPointF(15, 5), QPointF(13, 12));
    p.drawLine(QPointF(25, 5), QPointF(27, 12));
    p.drawLine(QPointF(13, 12), QPointF(20, 27));
    p.drawLine(QPointF(27, 12), QPointF(20, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(14, 8), 1.6, 1.2);
}

void spool(QPainter &p)
{
    const QColor wood(170, 120, 70), thread(226, 214, 182);
    p.setPen(QPen(wood.darker(180), 0.8));
    p.setBrush(wood);
    p.drawEllipse(QRectF(11, 24, 18, 6));
    QLinearGradient body(12, 0, 28, 0);
    body.setColorAt(0, thread.darker(115));
    body.setColorAt(0.4, thread.lighter(110));
    body.setColorAt(1, thread.darker(130));
    p.setBrush(body);
    p.setPen(QPen(thread.darker(160), 0.8));
    p.drawRect(QRectF(13, 6, 14, 21));
    p.setPen(QPen(thread.darker(140), 0.5));
    for (qreal y = 8; y < 26; y += 2)
        p.drawLine(QPointF(13.5, y), QPointF(26.5, y + 0.8));
    p.setPen(QPen(wood.darker(180), 0.8));
    p.setBrush(wood.lighter(115));
    p.drawEllipse(QRectF(11, 3, 18, 6));
    p.setBrush(wood.darker(150));
    p.drawEllipse(QRectF(18, 5, 4, 2));
    QPainterPath loose(QPointF(27, 18));
    loose.cubicTo(QPointF(33, 19), QPointF(31, 26), QPointF(37, 28));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(thread.darker(150), 1));
    p.drawPath(loose);
}

void rolledHide(QPainter &p)
{
    const QColor hide(176, 124, 72);
    QLinearGradient shade(0, 8, 0, 26);
    shade.setColorAt(0, hide.lighter(130));
    shade.setColorAt(1, hide.darker(130));
    p.setBrush(shade);
    p.setPen(QPen(hide.darker(190), 0.8));
    p.drawRoundedRect(QRectF(6, 9, 28, 16), 2, 2);
    p.setBrush(hide.darker(110));
    p.drawEllipse(QRectF(28, 9, 9, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hide.darker(170), 0.7));
    p.drawEllipse(QRectF(30, 12, 5, 10));
    p.drawEllipse(QRectF(31.5, 15, 2, 4));
    QPainterPath flap(QPointF(6, 25));
    flap.lineTo(2, 29);
    flap.lineTo(14, 29);
    flap.lineTo(16, 25);
    p.setBrush(hide.darker(115));
    p.setPen(QPen(hide.darker(190), 0.8));
    p.drawPath(flap);
    p.setPen(QPen(QColor(90, 60, 35), 1.2));
    p.drawLine(QPointF(16, 9), QPointF(16, 25));
    p.drawLine(QPointF(24, 9), QPointF(24, 25));
}

void cordCoil(QPainter &p)
{
    const QColor cord(196, 164, 108);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const QRectF ring(5 + i * 2.5, 5 + i * 2, 30 - i * 5, 20 - i * 4);
        p.setPen(QPen(cord.darker(170), 3.4));
        p.drawEllipse(ring);
        p.setPen(QPen(cord, 2.2, Qt::DashLine));
        p.drawEllipse(ring);
    }
    QPainterPath tail(QPointF(33, 18));
    tail.cubicTo(QPointF(38, 24), QPointF(30, 28), QPointF(37, 30));
    p.setPen(QPen(cord.darker(170), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(cord, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
}

void clothRoll(QPainter &p)
{
    const QColor cloth(118, 150, 196);
    QPainterPath sheet(QPointF(8, 22));
    sheet.lineTo(3, 30);
    sheet.lineTo(27, 30);
    sheet.lineTo(30, 22);
    p.setBrush(cloth.darker(110));
    p.setPen(QPen(cloth.darker(190), 0.8));
    p.drawPath(sheet);
    QLinearGradient shade(0, 6, 0, 24);
    shade.setColorAt(0, cloth.lighter(135));
    shade.setColorAt(1, cloth.darker(125));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(6, 6, 28, 17), 2, 2);
    p.setBrush(cloth.lighter(115));
    p.drawEllipse(QRectF(30, 6, 7, 17));
    p.setPen(QPen(cloth.darker(150), 0.6));
    p.drawEllipse(QRectF(31.5, 10, 4, 9));
    p.setPen(QPen(QColor(230, 230, 240), 0.8));
    for (qreal x = 10; x < 32; x += 5)
        p.drawLine(QPointF(x, 7), QPointF(x, 22));
}

void bones(QPainter &p)
{
    const QColor bone(236, 228, 206);
    auto one = [&](QPointF a, QPointF b) {
        p.setPen(QPen(bone.darker(170), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(bone, 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(bone.darker(170), 0.8));
        p.setBrush(bone);
        const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF n(-d.y(), d.x());
        for (const QPointF &end : {a, b}) {
            p.drawEllipse(end + n * 2.6, 3, 3);
            p.drawEllipse(end - n * 2.6, 3, 3);
        }
    };
    one(QPointF(8, 8), QPointF(32, 25));
    one(QPointF(8, 25), QPointF(32, 8));
}

// A parchment scroll, rolled at both ends, with the outline of `kind` drawn in ink.
void scroll(QPainter &p, Kind kind)
{
    const QColor parchment(238, 222, 174), edge(150, 112, 60);
    p.setPen(QPen(edge, 0.8));
    p.setBrush(parchment);
    p.drawRect(QRectF(5, 3, 30, 26));
    for (const qreal x : {1.5, 33.5}) {
        QLinearGradient roll(x, 0, x + 5, 0);
        roll.setColorAt(0, parchment.darker(125));
        roll.setColorAt(0.5, parchment.lighter(106));
        roll.setColorAt(1, parchment.darker(135));
        p.setBrush(roll);
        p.drawRoundedRect(QRectF(x, 1, 5, 30), 2.5, 2.5);
    }

    QPainterPath outline;
    for (const Part &part : itemParts(kind, 0))
        outline.addPath(part.path);
    const bool slanted = kind == Kind::Rapier || kind == Kind::Sword || kind == Kind::Mace ||
                         kind == Kind::Axe || kind == Kind::Hammer || kind == Kind::BroadAxe ||
                         kind == Kind::Bow;
    const QRectF box = outline.boundingRect();
    QTransform fit;
    fit.translate(20, 16);
    if (slanted)
        fit.rotate(45);
    const qreal room = slanted ? 28.0 : 22.0;
    const qreal scale = std::min(room / box.width(), room / box.height());
    fit.scale(scale, scale);
    fit.translate(-box.center().x(), -box.center().y());
    p.save();
    p.setClipRect(QRectF(6, 4, 28, 24));
    p.setTransform(fit, true);
    p.setBrush(Qt::NoBrush);
    const qreal ink = 1.3 / scale;
    for (const Part &part : itemParts(kind, 0)) {
        if (part.role == Role::Gem)
            continue;
        p.setPen(QPen(QColor(92, 58, 28), ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(part.path);
    }
    p.restore();
}

void drawResource(QPainter &p, int picture)
{
    switch (picture) {
    case 0: // Уголь
        lumps(p, QColor(44, 44, 48), QColor(110, 110, 120));
        break;
    case 1: // Железная руда
        lumps(p, QColor(146, 72, 46), QColor(200, 200, 210));
        break;
    case 2: // Кожа
        rolledHide(p);
        break;
    case 5: // Нитка
    case 13:
        spool(p);
        break;
    case 6: // Дуб
        planks(p, QColor(150, 104, 56));
        break;
    case 9: // Железное дерево
        planks(p, QColor(120, 136, 120));
        break;
    case 10: // Бечевка
        cordCoil(p);
        break;
    case 12: // Ткань
        clothRoll(p);
        break;
    case 14: // Топаз
        gem(p, QColor(150, 70, 200));
        break;
    case 16: // Кости
        bones(p);
        break;
    case 17: // Медь
        bars(p, QColor(200, 116, 64));
        break;
    case 19: // Сапфир
        gem(p, QColor(40, 80, 210));
        break;
    case 20: // Серебро
        bars(p, QColor(205, 210, 220));
        break;
    case 23: // Сталь
        bars(p, QColor(96, 104, 116));
        break;
    case 3:
        scroll(p, Kind::Sword);
        break;
    case 4:
        scroll(p, Kind::Mace);
        break;
    case 7:
        scroll(p, Kind::Bow);
        break;
    case 8:
        scroll(p, Kind::Shield);
        break;
    case 11:
        scroll(p, Kind::Crossbow);
        break;
    case 15:
        scroll(p, Kind::Cloak);
        break;
    case 18:
        scroll(p, Kind::Axe);
        break;
    case 21:
        scroll(p, Kind::Hammer);
        break;
    case 22:
        scroll(p, Kind::Shirt);
        break;
    case 24:
        scroll(p, Kind::BroadAxe);
        break;
    case 25:
        scroll(p, Kind::Bracers);
        break;
    default:
        break;
    }
}

} // namespace

void drawCraftArt(const QDir &dir)
{
    for (int item = 0; item < 34; ++item) {
        QImage image(54, 69, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawItem(p, item);
        p.end();
        saveArt(image, dir, QString::asprintf("craft-item-%02d.png", item));
    }
    for (int picture = 0; picture < 26; ++picture) {
        QImage image(40, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawResource(p, picture);
        p.end();
        saveArt(image, dir, QString::asprintf("craft-res-%02d.png", picture));
    }
}
