// The recipe pictures of the leatherworking and spellcasting windows (JPEG, decoded at
// run time by Qt's JPEG plugin) and the ingredient pictures of the alchemy table.
#include "Artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// ---------------------------------------------------------------------------------------
// Recipe tables

const QColor kPaper(252, 249, 238);
const QColor kInk(40, 32, 24);
const QColor kTitleInk(120, 42, 20);
const QColor kHeaderFill(228, 216, 186);
const QColor kGroupFill(207, 190, 150);
const QColor kStripeFill(244, 237, 218);
const QColor kLine(140, 120, 90);
const QColor kCountInk(18, 58, 140);
const QColor kNoteInk(80, 64, 48);

constexpr qreal kMargin = 8;
constexpr qreal kTitleHeight = 26;
constexpr qreal kGroupHeight = 20;
constexpr qreal kGap = 10;

// Narrow letters leave the count columns room for whole words.
QFont artFont(qreal pixels, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Draws `text` inside `rect`, wrapping at word boundaries and shrinking the font until it
// fits, so that long captions stay readable in narrow columns.
void drawFitted(QPainter &painter, const QRectF &rect, const QString &text, qreal pixels, bool bold,
                int align, const QColor &ink = kInk, bool wrapFirst = false)
{
    const QRectF inner = rect.adjusted(2, 1, -2, -1);
    // Cells try one line first, a little smaller if need be, and only then wrap; column
    // captions wrap at once.
    const auto fits = [&](qreal size, int flags) {
        const QRectF need = QFontMetricsF(artFont(size, bold)).boundingRect(inner, flags, text);
        return need.width() <= inner.width() + 0.5 && need.height() <= inner.height() + 0.5;
    };
    int flags = wrapFirst ? align | Qt::TextWordWrap : align;
    qreal size = pixels;
    while (size > pixels * 0.85 && !fits(size, flags))
        size -= 1;
    if (!fits(size, flags)) {
        flags |= Qt::TextWordWrap;
        size = pixels;
        while (size > 8 && !fits(size, flags))
            size -= 1;
    }
    const QFont font = artFont(size, bold);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(inner, flags, text);
}

struct CountColumn {
    QString header;
    qreal width;
    QString group; // consecutive columns of one group share a caption above them
};

struct RecipeTable {
    QString title;
    QStringList leadHeaders; // captions of the text columns at the left
    QVector<qreal> leadWidths;
    QVector<CountColumn> columns;
    // Per row: the texts of the lead columns, then the counts (0 leaves the cell empty).
    // With two lead columns an empty first text continues the cell above it.
    QVector<QStringList> leads;
    QVector<QVector<int>> counts;
    qreal headerHeight = 40;
    qreal headerPixels = 13;

    bool hasGroups() const
    {
        return std::any_of(columns.begin(), columns.end(),
                           [](const CountColumn &c) { return !c.group.isEmpty(); });
    }
    qreal fixedHeight() const { return kTitleHeight + headerHeight + (hasGroups() ? kGroupHeight : 0); }
};

void drawCell(QPainter &painter, const QRectF &rect, const QColor &fill)
{
    painter.setPen(QPen(kLine, 1));
    painter.setBrush(fill);
    painter.drawRect(rect);
}

// Draws the table from `top`, `width` wide, with rows `rowHeight` high; returns its bottom.
qreal drawRecipeTable(QPainter &painter, const RecipeTable &table, qreal left, qreal top, qreal width,
                      qreal rowHeight)
{
    drawFitted(painter, QRectF(left, top, width, kTitleHeight), table.title, 16, true,
               Qt::AlignLeft | Qt::AlignVCenter, kTitleInk);
    qreal y = top + kTitleHeight;

    // Column edges: the lead columns keep their widths, the count columns share the rest
    // in proportion to theirs.
    QVector<qreal> edges{left};
    for (qreal w : table.leadWidths)
        edges.append(edges.last() + w);
    qreal countWeights = 0;
    for (const CountColumn &c : table.columns)
        countWeights += c.width;
    const qreal countSpace = left + width - edges.last();
    for (const CountColumn &c : table.columns)
        edges.append(edges.last() + countSpace * c.width / countWeights);
    edges.last() = left + width;
    const int leadCount = table.leadWidths.size();

    const qreal groupHeight = table.hasGroups() ? kGroupHeight : 0;
    const qreal headerBottom = y + groupHeight + table.headerHeight;
    for (int i = 0; i < leadCount; ++i) {
        const QRectF cell(edges[i], y, edges[i + 1] - edges[i], headerBottom - y);
        drawCell(painter, cell, kHeaderFill);
        drawFitted(painter, cell, table.leadHeaders[i], 13, true, Qt::AlignCenter);
    }
    for (int c = 0; c < table.columns.size();) {
        int end = c + 1;
        const QString &group = table.columns[c].group;
        while (end < table.columns.size() && table.columns[end].group == group && !group.isEmpty())
            ++end;
        if (!group.isEmpty()) {
            const QRectF cell(edges[leadCount + c], y, edges[leadCount + end] - edges[leadCount + c],
                              groupHeight);
            drawCell(painter, cell, kGroupFill);
            drawFitted(painter, cell, group, 12, true, Qt::AlignCenter);
        }
        for (int k = c; k < end; ++k) {
            const qreal cellTop = group.isEmpty() ? y : y + groupHeight;
            const QRectF cell(edges[leadCount + k], cellTop, edges[leadCount + k + 1] - edges[leadCount + k],
                              headerBottom - cellTop);
            drawCell(painter, cell, kHeaderFill);
            drawFitted(painter, cell, table.columns[k].header, table.headerPixels, false, Qt::AlignCenter,
                       kInk, true);
        }
        c = end;
    }
    y = headerBottom;

    // Stripes follow the merged first column where there is one, the rows otherwise.
    int stripe = -1;
    for (int r = 0; r < table.leads.size(); ++r) {
        const bool continues = leadCount > 1 && table.leads[r][0].isEmpty();
        if (!continues)
            ++stripe;
        const QColor fill = stripe % 2 ? kStripeFill : kPaper;
        const qreal rowTop = y + r * rowHeight;
        for (int i = 0; i < leadCount; ++i) {
            if (i == 0 && leadCount > 1) {
                if (continues)
                    continue;
                int span = 1;
                while (r + span < table.leads.size() && table.leads[r + span][0].isEmpty())
                    ++span;
                const QRectF cell(edges[0], rowTop, edges[1] - edges[0], span * rowHeight);
                drawCell(painter, cell, fill);
                drawFitted(painter, cell, table.leads[r][0], 13, true, Qt::AlignCenter);
                continue;
            }
            const QRectF cell(edges[i], rowTop, edges[i + 1] - edges[i], rowHeight);
            drawCell(painter, cell, fill);
            // A one-column table starts with the plain item that gets enchanted.
            const bool plainItem = leadCount == 1 && r == 0;
            drawFitted(painter, cell, table.leads[r][i], 12.5, plainItem, Qt::AlignLeft | Qt::AlignVCenter);
        }
        for (int c = 0; c < table.columns.size(); ++c) {
            const QRectF cell(edges[leadCount + c], rowTop, edges[leadCount + c + 1] - edges[leadCount + c],
                              rowHeight);
            drawCell(painter, cell, fill);
            const int count = table.counts[r][c];
            if (count > 0)
                drawFitted(painter, cell, QString::number(count), 14, true, Qt::AlignCenter, kCountInk);
        }
    }
    // A firmer frame around the whole table.
    const qreal bottom = y + table.leads.size() * rowHeight;
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, top + kTitleHeight, width, bottom - top - kTitleHeight));
    return bottom;
}

// One picture: its tables one below the other and the notes at the bottom. Rows grow to
// fill the height the picture has.
QImage drawRecipePicture(QSize size, const QVector<RecipeTable> &tables, const QStringList &notes)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const qreal width = size.width() - 2 * kMargin;
    const QFont noteFont = artFont(12);
    const QString noteText = notes.join(QLatin1Char('\n'));
    const qreal notesHeight = notes.isEmpty()
                                  ? 0
                                  : QFontMetricsF(noteFont)
                                        .boundingRect(QRectF(0, 0, width, 1000), Qt::TextWordWrap, noteText)
                                        .height();

    qreal fixed = 2 * kMargin + (notes.isEmpty() ? 0 : notesHeight + kGap);
    int rows = 0;
    for (const RecipeTable &table : tables) {
        fixed += table.fixedHeight();
        rows += table.leads.size();
    }
    fixed += (tables.size() - 1) * kGap;
    const qreal rowHeight = std::min<qreal>(34, std::floor((size.height() - fixed) / rows));
    if (rowHeight < 16) {
        QTextStream(stderr) << "recipe tables do not fit into " << size.width() << "x" << size.height()
                            << "\n";
        std::exit(1);
    }

    qreal y = kMargin;
    for (const RecipeTable &table : tables)
        y = drawRecipeTable(painter, table, kMargin, y, width, rowHeight) + kGap;

    if (!notes.isEmpty()) {
        painter.setFont(noteFont);
        painter.setPen(kNoteInk);
        painter.drawText(QRectF(kMargin, size.height() - kMargin - notesHeight, width, notesHeight),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, noteText);
    }
    return image;
}

void saveJpeg(const QImage &image, const QDir &dir, const QString &name)
{
    if (!image.save(dir.filePath(name), "JPG", 90)) {
        QTextStream(stderr) << "cannot write " << dir.filePath(name) << "\n";
        std::exit(1);
    }
}

// --- Leatherworking: patches of three levels ---

struct PatchLevel {
    QString title;
    int step;              // size of the attribute bonus; the armour bonus follows from it
    QStringList runes;     // abbreviations, in column order
    QStringList runeNames; // what they stand for
    QVector<QVector<int>> counts;
    QStringList notes;
};

RecipeTable patchTable(const PatchLevel &level)
{
    RecipeTable table;
    table.title = level.title;
    table.leadHeaders = {QStringLiteral("Вещь"), QStringLiteral("Бонус заплатки")};
    table.leadWidths = {78, 126};
    for (const QString &rune : level.runes)
        table.columns.append({rune, 30, QStringLiteral("Руны")});
    for (const QString &pelt :
         {QStringLiteral("Заяц"), QStringLiteral("Волк"), QStringLiteral("Кабан"), QStringLiteral("Медведь")})
        table.columns.append({pelt, 55, QStringLiteral("Шкуры")});
    table.headerHeight = 24;
    table.headerPixels = 12;
    const QString items[] = {QStringLiteral("Броня"), QStringLiteral("Шлем"), QStringLiteral("Сапоги"),
                             QStringLiteral("Перчатки"), QStringLiteral("Щит")};
    // Two bonuses per piece of equipment; the bonus grows with the level.
    const int step = level.step;
    const int armour[] = {3 * step + step / 3, 2 * step + step / 3};
    const QStringList bonuses[] = {
        {QStringLiteral("+%1 к броне").arg(armour[0]), QStringLiteral("+%1 к выносливости").arg(step)},
        {QStringLiteral("+%1 к броне").arg(armour[1]), QStringLiteral("+%1 к выносливости").arg(step)},
        {QStringLiteral("+%1 к ловкости").arg(step), QStringLiteral("+%1 к броне").arg(armour[1])},
        {QStringLiteral("+%1 к силе").arg(step), QStringLiteral("+%1 к ловкости").arg(step)},
        {QStringLiteral("+%1 к броне").arg(armour[0]), QStringLiteral("+%1 к силе").arg(step)},
    };
    for (int i = 0; i < 5; ++i)
        for (int b = 0; b < 2; ++b)
            table.leads.append({b == 0 ? items[i] : QString(), bonuses[i][b]});
    table.counts = level.counts;
    return table;
}

QString runeLegend(const PatchLevel &level)
{
    QStringList parts;
    for (int i = 0; i < level.runes.size(); ++i)
        parts.append(level.runes[i] + QStringLiteral(" — ") + level.runeNames[i]);
    return QStringLiteral("Обозначения: ") + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

void drawLeatherworking(const QDir &dir)
{
    // Columns: four runes (strength, agility, stamina, protection), then the pelts of
    // hare, wolf, boar and bear. Rows follow patchTable: two bonuses per item.
    const PatchLevel levels[3] = {
        {QStringLiteral("Кожевничество: заплатки 1-го уровня"),
         1,
         {QStringLiteral("МРС"), QStringLiteral("МРЛ"), QStringLiteral("МРВ"), QStringLiteral("МРЗ")},
         {QStringLiteral("малая руна силы"), QStringLiteral("малая руна ловкости"),
          QStringLiteral("малая руна выносливости"), QStringLiteral("малая руна защиты")},
         {{0, 0, 0, 2, 3, 0, 0, 0},
          {0, 0, 2, 0, 2, 1, 0, 0},
          {0, 0, 0, 1, 2, 0, 0, 0},
          {0, 0, 1, 0, 2, 0, 0, 0},
          {0, 1, 0, 0, 2, 1, 0, 0},
          {0, 0, 0, 1, 1, 1, 0, 0},
          {1, 0, 0, 0, 2, 1, 0, 0},
          {0, 1, 0, 0, 3, 0, 0, 0},
          {0, 0, 0, 2, 1, 2, 0, 0},
          {1, 0, 0, 0, 1, 2, 0, 0}},
         {QStringLiteral(
              "Малые руны выпадают из монстров 1–4 уровня и продаются у рунного мастера в городе."),
          QStringLiteral("Шкуры снимаются на охоте; на вещь ставится одна заплатка.")}},
        {QStringLiteral("Кожевничество: заплатки 2-го уровня"),
         2,
         {QStringLiteral("РС"), QStringLiteral("РЛ"), QStringLiteral("РВ"), QStringLiteral("РЗ")},
         {QStringLiteral("руна силы"), QStringLiteral("руна ловкости"), QStringLiteral("руна выносливости"),
          QStringLiteral("руна защиты")},
         {{0, 0, 0, 2, 0, 3, 1, 0},
          {0, 0, 2, 0, 0, 2, 2, 0},
          {0, 0, 0, 1, 0, 2, 1, 0},
          {0, 0, 1, 0, 0, 2, 1, 0},
          {0, 2, 0, 0, 0, 1, 2, 0},
          {0, 0, 0, 1, 0, 2, 1, 0},
          {2, 0, 0, 0, 0, 1, 2, 0},
          {0, 2, 0, 0, 0, 2, 1, 0},
          {0, 0, 0, 2, 0, 1, 3, 0},
          {1, 0, 0, 0, 0, 2, 2, 0}},
         {QStringLiteral("Руны выпадают из монстров 5–8 уровня; рунный мастер меняет три малые руны на одну "
                         "обычную."),
          QStringLiteral("Новая заплатка заменяет старую.")}},
        {QStringLiteral("Кожевничество: заплатки 3-го уровня"),
         3,
         {QStringLiteral("БРС"), QStringLiteral("БРЛ"), QStringLiteral("БРВ"), QStringLiteral("БРЗ")},
         {QStringLiteral("большая руна силы"), QStringLiteral("большая руна ловкости"),
          QStringLiteral("большая руна выносливости"), QStringLiteral("большая руна защиты")},
         {{0, 0, 0, 3, 0, 0, 2, 2},
          {0, 0, 3, 0, 0, 0, 2, 2},
          {0, 0, 0, 2, 0, 0, 2, 1},
          {0, 0, 2, 0, 0, 0, 1, 2},
          {0, 3, 0, 0, 0, 0, 2, 1},
          {0, 0, 0, 2, 0, 0, 1, 2},
          {3, 0, 0, 0, 0, 0, 1, 2},
          {0, 3, 0, 0, 0, 0, 2, 1},
          {0, 0, 0, 3, 0, 0, 1, 3},
          {2, 0, 0, 0, 0, 0, 2, 2}},
         {QStringLiteral("Большие руны выпадают из монстров 9–11 уровня и из хозяев подземелий."),
          QStringLiteral("Заплатки 3-го уровня ставятся только на вещи 8-го уровня и выше.")}},
    };
    for (int i = 0; i < 3; ++i) {
        QStringList notes{runeLegend(levels[i])};
        notes += levels[i].notes;
        saveJpeg(drawRecipePicture(QSize(560, 464), {patchTable(levels[i])}, notes), dir,
                 QStringLiteral("koja-%1.jpg").arg(i + 1));
    }
}

// --- Spellcasting: enchanted rings, amulets, boots and helmets ---

RecipeTable enchantTable(const QString &title, const QStringList &items, const QVector<QString> &resources,
                         const QVector<QVector<int>> &counts)
{
    RecipeTable table;
    table.title = title;
    table.leadHeaders = {QStringLiteral("Ресурс")};
    table.leadWidths = {150};
    for (const QString &item : items)
        table.columns.append({item, 1, QString()});
    for (const QString &resource : resources)
        table.leads.append({resource});
    table.counts = counts;
    return table;
}

const QString kHypericum = QStringLiteral("Зверобой");
const QString kThistle = QStringLiteral("Чертополох");
const QString kBlackroot = QStringLiteral("Чернокорень");
const QString kBasil = QStringLiteral("Базилик");
const QString kFern = QStringLiteral("Папоротник");
const QString kYarrow = QStringLiteral("Тысячелистник");
const QString kMandrake = QStringLiteral("Корень мандрагоры");

QStringList spellNotes()
{
    return {QStringLiteral("В клетках — сколько штук ресурса уходит на одну зачарованную вещь."),
            QStringLiteral("Зачаровывается только целая вещь без заплаток.")};
}

QVector<RecipeTable> amuletsAndBoots(int level, int extra)
{
    const QString lv = QString::number(level);
    return {
        enchantTable(QStringLiteral("Зачарованные амулеты %1-го уровня").arg(lv),
                     {QStringLiteral("Амулет силы"), QStringLiteral("Амулет ловкости"),
                      QStringLiteral("Амулет мудрости"), QStringLiteral("Амулет жизни")},
                     {QStringLiteral("Амулет %1 ур.").arg(lv), kHypericum, kThistle, kBlackroot, kBasil,
                      kYarrow, kMandrake},
                     {{1, 1, 1, 1},
                      {3 + extra, 0, 0, 4 + extra},
                      {0, 3 + extra, 2 + extra, 0},
                      {2 + extra, 0, 3 + extra, 0},
                      {0, 2 + extra, 2, 1 + extra},
                      {1, 1, 0, 2 + extra},
                      {extra, 1, 1 + extra, 1}}),
        enchantTable(QStringLiteral("Зачарованные сапоги %1-го уровня").arg(lv),
                     {QStringLiteral("Сапоги скорости"), QStringLiteral("Сапоги ловкости"),
                      QStringLiteral("Сапоги защиты"), QStringLiteral("Сапоги выносливости")},
                     {QStringLiteral("Сапоги %1 ур.").arg(lv), kHypericum, kThistle, kBlackroot, kFern,
                      kYarrow, kMandrake},
                     {{1, 1, 1, 1},
                      {0, 0, 2 + extra, 4 + extra},
                      {3 + extra, 2 + extra, 0, 0},
                      {0, 2, 3 + extra, 1},
                      {2 + extra, 0, 1, 2 + extra},
                      {1, 2 + extra, 0, 0},
                      {1, extra, 1, 1 + extra}}),
    };
}

QVector<RecipeTable> helmets(int level, int extra)
{
    const QString lv = QString::number(level);
    return {
        enchantTable(QStringLiteral("Зачарованные шлемы %1-го уровня").arg(lv),
                     {QStringLiteral("Шлем мудрости"), QStringLiteral("Шлем защиты"),
                      QStringLiteral("Шлем жизни"), QStringLiteral("Шлем силы")},
                     {QStringLiteral("Шлем %1 ур.").arg(lv), kThistle, kBlackroot, kBasil, kFern, kMandrake},
                     {{1, 1, 1, 1},
                      {3 + extra, 0, 0, 2 + extra},
                      {0, 3 + extra, 2, 0},
                      {2 + extra, 0, 0, 1},
                      {0, 2, 3 + extra, 2 + extra},
                      {1, 1 + extra, 1, extra}})};
}

void drawSpellcasting(const QDir &dir)
{
    const QVector<RecipeTable> rings = {
        enchantTable(QStringLiteral("Зачарованные кольца 5-го уровня"),
                     {QStringLiteral("Кольцо силы"), QStringLiteral("Кольцо ловкости"),
                      QStringLiteral("Кольцо выносливости"), QStringLiteral("Кольцо мудрости")},
                     {QStringLiteral("Кольцо 5 ур."), kHypericum, kThistle, kBasil, kFern},
                     {{1, 1, 1, 1}, {2, 0, 3, 0}, {0, 2, 0, 2}, {1, 1, 0, 2}, {2, 0, 2, 0}}),
        enchantTable(QStringLiteral("Зачарованные кольца 7-го уровня"),
                     {QStringLiteral("Кольцо силы"), QStringLiteral("Кольцо ловкости"),
                      QStringLiteral("Кольцо выносливости"), QStringLiteral("Кольцо мудрости"),
                      QStringLiteral("Кольцо удачи")},
                     {QStringLiteral("Кольцо 7 ур."), kHypericum, kThistle, kBlackroot, kBasil, kYarrow},
                     {{1, 1, 1, 1, 1},
                      {3, 0, 4, 0, 1},
                      {0, 3, 0, 3, 1},
                      {2, 0, 2, 0, 0},
                      {0, 2, 0, 3, 1},
                      {0, 0, 0, 0, 2}}),
    };
    const struct {
        QSize size;
        QVector<RecipeTable> tables;
    } pictures[5] = {
        {QSize(564, 447), rings},          {QSize(559, 615), amuletsAndBoots(9, 0)},
        {QSize(559, 300), helmets(9, 0)},  {QSize(557, 607), amuletsAndBoots(11, 2)},
        {QSize(556, 279), helmets(11, 2)},
    };
    for (int i = 0; i < 5; ++i) {
        // The one-table pictures are short; they keep only the first note.
        const QStringList notes = pictures[i].tables.size() > 1 ? spellNotes() : spellNotes().mid(0, 1);
        saveJpeg(drawRecipePicture(pictures[i].size, pictures[i].tables, notes), dir,
                 QStringLiteral("zakl-%1.jpg").arg(i + 1));
    }
}

// ---------------------------------------------------------------------------------------
// Ingredient pictures of the alchemy table, 40 × 32. Drawn four times larger and scaled
// down, so the small details come out smooth.

constexpr int kScale = 4;
const QSize kIngredientSize(40, 32);

const QColor kOutline(50, 40, 30);
const QColor kLeaf(70, 150, 50);
const QColor kLeafDark(40, 100, 30);
const QColor kStem(60, 120, 40);

QPen outlinePen(qreal width = 4)
{
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawLeaf(QPainter &p, QPointF base, qreal angleDeg, qreal length, qreal width, const QColor &fill)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(width, -length * 0.3, width * 0.8, -length * 0.8, 0, -length);
    leaf.cubicTo(-width * 0.8, -length * 0.8, -width, -length * 0.3, 0, 0);
    p.setPen(QPen(kLeafDark, 3));
    p.setBrush(fill);
    p.drawPath(leaf);
    p.drawLine(QPointF(0, -2), QPointF(0, -length * 0.85));
    p.restore();
}

void drawBottle(QPainter &p, bool large)
{
    QPainterPath glass;
    QRectF cork;
    if (large) {
        glass.moveTo(68, 30);
        glass.lineTo(68, 46);
        glass.cubicTo(68, 52, 46, 52, 46, 66);
        glass.lineTo(46, 114);
        glass.quadTo(46, 124, 56, 124);
        glass.lineTo(104, 124);
        glass.quadTo(114, 124, 114, 114);
        glass.lineTo(114, 66);
        glass.cubicTo(114, 52, 92, 52, 92, 46);
        glass.lineTo(92, 30);
        glass.closeSubpath();
        cork = QRectF(66, 8, 28, 24);
    } else {
        glass.moveTo(71, 44);
        glass.lineTo(71, 62);
        glass.cubicTo(50, 66, 44, 80, 44, 92);
        glass.cubicTo(44, 112, 60, 124, 80, 124);
        glass.cubicTo(100, 124, 116, 112, 116, 92);
        glass.cubicTo(116, 80, 110, 66, 89, 62);
        glass.lineTo(89, 44);
        glass.closeSubpath();
        cork = QRectF(69, 26, 22, 20);
    }
    QLinearGradient shine(40, 0, 120, 0);
    shine.setColorAt(0, QColor(190, 220, 235, 230));
    shine.setColorAt(0.35, QColor(235, 248, 255, 230));
    shine.setColorAt(1, QColor(150, 190, 210, 230));
    p.setPen(QPen(QColor(50, 80, 100), 4));
    p.setBrush(shine);
    p.drawPath(glass);
    // Light on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 230), 5, Qt::SolidLine, Qt::RoundCap));
    if (large)
        p.drawLine(QPointF(56, 70), QPointF(56, 108));
    else
        p.drawArc(QRectF(54, 74, 40, 40), 150 * 16, 60 * 16);
    p.setPen(outlinePen(3));
    p.setBrush(QColor(170, 120, 70));
    p.drawRoundedRect(cork, 4, 4);
}

void drawHypericum(QPainter &p)
{
    p.setPen(QPen(kStem, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 126), QPointF(80, 40));
    p.drawLine(QPointF(80, 80), QPointF(52, 46));
    p.drawLine(QPointF(80, 70), QPointF(108, 38));
    for (const QPointF &at : {QPointF(80, 110), QPointF(80, 92)}) {
        drawLeaf(p, at, -60, 26, 8, kLeaf);
        drawLeaf(p, at, 60, 26, 8, kLeaf);
    }
    const QPointF flowers[] = {QPointF(80, 32), QPointF(50, 40), QPointF(110, 32)};
    for (const QPointF &c : flowers) {
        p.setPen(QPen(QColor(190, 130, 0), 2));
        p.setBrush(QColor(255, 214, 30));
        for (int k = 0; k < 5; ++k) {
            p.save();
            p.translate(c);
            p.rotate(72 * k);
            p.drawEllipse(QRectF(-7, -22, 14, 20));
            p.restore();
        }
        p.setBrush(QColor(230, 120, 10));
        p.drawEllipse(c, 6, 6);
    }
}

void drawThistle(QPainter &p)
{
    p.setPen(QPen(kStem, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 126), QPointF(80, 70));
    // Spiny leaves.
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(80, 112);
        const qreal tipX = 80 + side * 52;
        leaf.lineTo(80 + side * 16, 96);
        leaf.lineTo(80 + side * 22, 106);
        leaf.lineTo(80 + side * 32, 90);
        leaf.lineTo(80 + side * 38, 102);
        leaf.lineTo(tipX, 86);
        leaf.lineTo(80 + side * 40, 112);
        leaf.lineTo(80 + side * 20, 116);
        leaf.closeSubpath();
        p.setPen(QPen(kLeafDark, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(100, 150, 90));
        p.drawPath(leaf);
    }
    // The purple tuft over a spiny green head.
    p.setPen(QPen(QColor(150, 40, 170), 5, Qt::SolidLine, Qt::RoundCap));
    for (int k = -5; k <= 5; ++k) {
        const qreal a = k * 11 * M_PI / 180;
        p.drawLine(QPointF(80, 50), QPointF(80 + 40 * std::sin(a), 50 - 40 * std::cos(a)));
    }
    p.setPen(QPen(kLeafDark, 3));
    p.setBrush(QColor(90, 150, 70));
    p.drawEllipse(QRectF(58, 44, 44, 34));
    p.setPen(QPen(QColor(40, 90, 30), 2));
    for (int k = 0; k < 4; ++k) {
        p.drawLine(QPointF(62 + k * 10, 48), QPointF(72 + k * 10, 74));
        p.drawLine(QPointF(98 - k * 10, 48), QPointF(88 - k * 10, 74));
    }
}

void drawBlackroot(QPainter &p)
{
    drawLeaf(p, QPointF(80, 46), -35, 40, 10, kLeaf);
    drawLeaf(p, QPointF(80, 46), 0, 42, 10, kLeaf);
    drawLeaf(p, QPointF(80, 46), 35, 40, 10, kLeaf);
    QPainterPath root;
    root.moveTo(64, 46);
    root.cubicTo(62, 70, 76, 96, 84, 126);
    root.cubicTo(88, 98, 100, 70, 96, 46);
    root.closeSubpath();
    p.setPen(outlinePen(3));
    p.setBrush(QColor(45, 35, 35));
    p.drawPath(root);
    p.setPen(QPen(QColor(45, 35, 35), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(70, 66), QPointF(46, 80));
    p.drawLine(QPointF(92, 72), QPointF(118, 86));
    p.drawLine(QPointF(78, 92), QPointF(56, 108));
    p.drawLine(QPointF(88, 100), QPointF(108, 118));
    p.setPen(QPen(QColor(110, 95, 90), 2));
    p.drawLine(QPointF(74, 56), QPointF(78, 64));
    p.drawLine(QPointF(86, 76), QPointF(90, 84));
}

void drawBasil(QPainter &p)
{
    p.setPen(QPen(kStem, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 126), QPointF(80, 30));
    const QColor basil(60, 165, 60);
    const struct {
        qreal y, angle, length;
    } pairs[] = {{104, 70, 34}, {78, 60, 34}, {54, 50, 30}};
    for (const auto &pair : pairs) {
        drawLeaf(p, QPointF(80, pair.y), -pair.angle, pair.length, 16, basil);
        drawLeaf(p, QPointF(80, pair.y), pair.angle, pair.length, 16, basil);
    }
    drawLeaf(p, QPointF(80, 40), -15, 28, 12, basil);
    drawLeaf(p, QPointF(80, 40), 15, 28, 12, basil);
}

void drawFern(QPainter &p)
{
    QPainterPath rachis;
    rachis.moveTo(52, 126);
    rachis.cubicTo(60, 80, 80, 40, 122, 12);
    p.setPen(QPen(QColor(70, 110, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rachis);
    const int pinnae = 7;
    for (int k = 0; k < pinnae; ++k) {
        const qreal t = 0.12 + 0.84 * k / (pinnae - 1);
        const QPointF at = rachis.pointAtPercent(t);
        const qreal angle = -rachis.angleAtPercent(t); // Qt measures counter-clockwise
        const qreal length = 40 * (1.05 - t * 0.7);
        // Leaflets on both sides, leaning towards the tip of the frond.
        drawLeaf(p, at, angle + 30, length, length * 0.3, QColor(80, 160, 60));
        drawLeaf(p, at, angle + 150, length, length * 0.3, QColor(80, 160, 60));
    }
}

void drawYarrow(QPainter &p)
{
    p.setPen(QPen(kStem, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 126), QPointF(80, 40));
    p.drawLine(QPointF(80, 52), QPointF(56, 34));
    p.drawLine(QPointF(80, 52), QPointF(104, 34));
    // Feathery leaves: a midrib with many short teeth.
    p.setPen(QPen(kLeaf, 3, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        const QPointF base(80, side < 0 ? 100 : 84);
        const QPointF tip(80 + side * 40, side < 0 ? 80 : 64);
        p.drawLine(base, tip);
        for (int k = 1; k <= 5; ++k) {
            const QPointF at = base + (tip - base) * (k / 6.0);
            p.drawLine(at, at + QPointF(side * 4, -9));
            p.drawLine(at, at + QPointF(side * 4, 7));
        }
    }
    // A flat head of small white flowers.
    p.setPen(QPen(QColor(120, 110, 90), 2));
    const QPointF heads[] = {QPointF(44, 30), QPointF(56, 24),  QPointF(68, 30),  QPointF(80, 22),
                             QPointF(92, 30), QPointF(104, 24), QPointF(116, 30), QPointF(62, 38),
                             QPointF(80, 36), QPointF(98, 38)};
    for (const QPointF &c : heads) {
        p.setBrush(QColor(252, 250, 240));
        p.drawEllipse(c, 8, 8);
        p.setBrush(QColor(230, 200, 90));
        p.drawEllipse(c, 3, 3);
    }
}

void drawMandrake(QPainter &p)
{
    for (int k = -2; k <= 2; ++k)
        drawLeaf(p, QPointF(80, 40), k * 28, 36, 11, kLeaf);
    const QColor flesh(190, 140, 90);
    p.setPen(QPen(QColor(120, 80, 45), 7, Qt::SolidLine, Qt::RoundCap));
    // Arms and legs of the root.
    p.drawLine(QPointF(70, 66), QPointF(48, 86));
    p.drawLine(QPointF(90, 66), QPointF(112, 84));
    p.drawLine(QPointF(72, 100), QPointF(60, 126));
    p.drawLine(QPointF(88, 100), QPointF(100, 126));
    p.setPen(outlinePen(3));
    p.setBrush(flesh);
    p.drawEllipse(QRectF(62, 38, 36, 70));
    p.setPen(QPen(QColor(110, 70, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 56), QPointF(74, 56));
    p.drawLine(QPointF(86, 56), QPointF(90, 56));
    p.drawArc(QRectF(72, 62, 16, 10), 200 * 16, 140 * 16);
    p.drawLine(QPointF(68, 84), QPointF(74, 88));
    p.drawLine(QPointF(88, 92), QPointF(93, 86));
}

QImage drawIngredient(int index)
{
    QImage big(kIngredientSize * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        drawBottle(p, false);
        break;
    case 1:
        drawBottle(p, true);
        break;
    case 2:
        drawHypericum(p);
        break;
    case 3:
        drawThistle(p);
        break;
    case 4:
        drawBlackroot(p);
        break;
    case 5:
        drawBasil(p);
        break;
    case 6:
        drawFern(p);
        break;
    case 7:
        drawYarrow(p);
        break;
    case 8:
        drawMandrake(p);
        break;
    }
    p.end();
    return big.scaled(kIngredientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void drawPictureRefArt(const QDir &dir)
{
    drawLeatherworking(dir);
    drawSpellcasting(dir);
    // Small bottle, large bottle and the seven plants, in the alchemy table's row order.
    for (int i = 0; i < 9; ++i)
        saveArt(drawIngredient(i), dir, QStringLiteral("alchemy-ing-%1.png").arg(i));
}
