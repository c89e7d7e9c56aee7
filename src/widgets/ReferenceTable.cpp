#include "widgets/ReferenceTable.h"

#include "widgets/ElidedTextDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QString headerText(const QString &caption)
{
    // Captions break their lines with "\r\n"; the header draws plain newlines.
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// A number as plain decimal digits when it is whole.
QString plainNumber(double value)
{
    if (std::floor(value) == value && std::fabs(value) < 9e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

// Draws each cell by its column: column alignment for text and numbers, the picture
// of the cell's value for image columns, and the raised frame of Framed3D lines.
class CellDelegate : public ElidedTextDelegate {
public:
    explicit CellDelegate(ReferenceTable *table) : ElidedTextDelegate(table), m_table(table) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        ElidedTextDelegate::initStyleOption(option, index);
        // Cells show only their own colours and the selected row; the current cell gets no
        // focus mark.
        option->state &= ~QStyle::State_HasFocus;
        Qt::Alignment alignment = m_table->columnAlignment(index.column());
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        option->displayAlignment = alignment;
        if (m_table->columnKind(index.column()) == ReferenceTable::ColumnKind::Number)
            option->text = m_table->cellText(index.column(), index.row());
    }

public:
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (m_table->columnKind(index.column()) == ReferenceTable::ColumnKind::Image) {
            QStyleOptionViewItem opt = option;
            initStyleOption(&opt, index);
            opt.text.clear();
            opt.icon = QIcon();
            opt.features &= ~QStyleOptionViewItem::HasDisplay;
            const QWidget *widget = opt.widget;
            QStyle *style = widget ? widget->style() : QApplication::style();
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
            const QList<QPixmap> &pictures = m_table->columnPictures(index.column());
            const int k = index.data().toInt();
            if (k >= 0 && k < pictures.size()) {
                const QPixmap &picture = pictures.at(k);
                const QSize size = picture.deviceIndependentSize().toSize();
                const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, option.rect);
                painter->drawPixmap(target, picture);
            }
        } else {
            ElidedTextDelegate::paint(painter, option, index);
        }
        if (m_table->gridLines() == ReferenceTable::GridLines::Framed3D) {
            // A raised frame per cell: light on the top and left, shadow on the bottom
            // and right, so the lines between cells read as grooves.
            const QRect r = option.rect;
            painter->save();
            painter->setPen(option.palette.color(QPalette::Light));
            painter->drawLine(r.topLeft(), r.topRight());
            painter->drawLine(r.topLeft(), r.bottomLeft());
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(r.bottomLeft(), r.bottomRight());
            painter->drawLine(r.topRight(), r.bottomRight());
            painter->restore();
        }
    }

private:
    ReferenceTable *m_table;
};

} // namespace

ReferenceTable::ReferenceTable(QWidget *parent) : QTableWidget(parent)
{
    setItemDelegate(new CellDelegate(this));
    // A reference table: nothing in it is for the user to change, and a click picks one
    // whole row (a header click picks nothing).
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    setWordWrap(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &ReferenceTable::sortByHeader);
}

int ReferenceTable::addColumn(const Column &column, const QString &caption, int width)
{
    const int col = m_columns.size();
    m_columns.append(column);
    setColumnCount(col + 1);
    setHorizontalHeaderItem(col, new QTableWidgetItem(headerText(caption)));
    setColumnWidth(col, width);
    for (int row = 0; row < rowCount(); ++row)
        setItem(row, col, newCell(col));
    return col;
}

int ReferenceTable::addTextColumn(const QString &caption, int width, Qt::Alignment alignment)
{
    return addColumn({ColumnKind::Text, alignment, 0, {}}, caption, width);
}

int ReferenceTable::addNumberColumn(const QString &caption, int width, int decimals, Qt::Alignment alignment)
{
    return addColumn({ColumnKind::Number, alignment, std::max(0, decimals), {}}, caption, width);
}

int ReferenceTable::addImageColumn(const QList<QPixmap> &pictures, int width, const QString &caption)
{
    return addColumn({ColumnKind::Image, Qt::AlignCenter, 0, pictures}, caption, width);
}

ReferenceTable::ColumnKind ReferenceTable::columnKind(int col) const
{
    return m_columns.value(col).kind;
}

Qt::Alignment ReferenceTable::columnAlignment(int col) const
{
    return m_columns.value(col).alignment;
}

const QList<QPixmap> &ReferenceTable::columnPictures(int col) const
{
    static const QList<QPixmap> none;
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).pictures : none;
}

void ReferenceTable::setHeaderHeight(int pixels)
{
    horizontalHeader()->setFixedHeight(pixels);
}

void ReferenceTable::setFixedRowHeight(int pixels)
{
    QHeaderView *rows = verticalHeader();
    rows->setMinimumSectionSize(std::min(rows->minimumSectionSize(), pixels));
    rows->setDefaultSectionSize(pixels);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, pixels);
}

void ReferenceTable::setGridLines(GridLines lines)
{
    m_gridLines = lines;
    // The framed look draws its own lines around each cell.
    setShowGrid(lines == GridLines::Flat);
    if (lines == GridLines::Framed3D)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    viewport()->update();
}

void ReferenceTable::setBackgroundColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor ReferenceTable::backgroundColor() const
{
    return palette().color(QPalette::Base);
}

QTableWidgetItem *ReferenceTable::newCell(int col) const
{
    auto *cell = new QTableWidgetItem;
    // Numbers and picture indexes are held as numbers, so Qt's item sorting orders them by value.
    if (columnKind(col) != ColumnKind::Text)
        cell->setData(Qt::DisplayRole, 0.0);
    return cell;
}

void ReferenceTable::addRows(int count)
{
    if (count <= 0)
        return;
    const int first = rowCount();
    setRowCount(first + count);
    for (int row = first; row < first + count; ++row)
        for (int col = 0; col < columnCount(); ++col)
            setItem(row, col, newCell(col));
}

void ReferenceTable::clearRows()
{
    setRowCount(0);
}

QTableWidgetItem *ReferenceTable::cellItem(int col, int row) const
{
    if (col < 0 || col >= columnCount() || row < 0 || row >= rowCount())
        return nullptr;
    return item(row, col);
}

void ReferenceTable::setCellText(int col, int row, const QString &text)
{
    if (QTableWidgetItem *cell = cellItem(col, row))
        cell->setText(text);
}

void ReferenceTable::setCellNumber(int col, int row, double value)
{
    QTableWidgetItem *cell = cellItem(col, row);
    if (!cell)
        return;
    if (columnKind(col) == ColumnKind::Text)
        cell->setText(plainNumber(value));
    else
        cell->setData(Qt::DisplayRole, value);
}

void ReferenceTable::setCellColor(int col, int row, const QColor &color)
{
    if (QTableWidgetItem *cell = cellItem(col, row))
        cell->setBackground(color.isValid() ? QBrush(color) : QBrush());
}

QString ReferenceTable::cellText(int col, int row) const
{
    const QTableWidgetItem *cell = cellItem(col, row);
    if (!cell)
        return QString();
    switch (columnKind(col)) {
    case ColumnKind::Number:
        return QString::number(cellNumber(col, row), 'f', m_columns.at(col).decimals);
    case ColumnKind::Image:
        return plainNumber(cellNumber(col, row));
    case ColumnKind::Text:
        break;
    }
    return cell->text();
}

double ReferenceTable::cellNumber(int col, int row) const
{
    const QTableWidgetItem *cell = cellItem(col, row);
    return cell ? cell->data(Qt::DisplayRole).toDouble() : 0.0;
}

QColor ReferenceTable::cellColor(int col, int row) const
{
    const QTableWidgetItem *cell = cellItem(col, row);
    if (!cell || cell->background().style() == Qt::NoBrush)
        return QColor();
    return cell->background().color();
}

void ReferenceTable::sortByHeader(int col)
{
    // The header has already flipped its sort indicator: ascending on a new column,
    // the other way round on the same one.
    if (m_sortable)
        sortItems(col, horizontalHeader()->sortIndicatorOrder());
}
