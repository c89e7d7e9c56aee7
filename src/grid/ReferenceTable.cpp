#include "ReferenceTable.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace
{

QString headerText(const QString &caption)
{
    // Captions come with Windows line breaks; the header draws plain newlines.
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// Draws each cell by its column: column alignment for text and numbers, the picture
// of the cell's value for image columns, and the raised frame of Framed3D lines.
class GridDelegate : public QStyledItemDelegate
{
  public:
    explicit GridDelegate(ReferenceTable *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

  protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        Qt::Alignment alignment = m_grid->columnAlignment(index.column());
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        option->displayAlignment = alignment;
    }

  public:
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (m_grid->columnKind(index.column()) == ReferenceTable::ColumnKind::Image) {
            QStyleOptionViewItem opt = option;
            initStyleOption(&opt, index);
            opt.text.clear();
            opt.icon = QIcon();
            opt.features &= ~QStyleOptionViewItem::HasDisplay;
            const QWidget *widget = opt.widget;
            QStyle *style = widget ? widget->style() : QApplication::style();
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
            const QList<QPixmap> &pictures = m_grid->columnPictures(index.column());
            const int k = static_cast<int>(index.data(ReferenceTable::NumberRole).toDouble());
            if (k >= 0 && k < pictures.size()) {
                const QPixmap &picture = pictures.at(k);
                const QSize size = picture.deviceIndependentSize().toSize();
                const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, option.rect);
                painter->drawPixmap(target, picture);
            }
        } else {
            QStyledItemDelegate::paint(painter, option, index);
        }
        if (m_grid->gridLines() == ReferenceTable::GridLines::Framed3D) {
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
    ReferenceTable *m_grid;
};

} // namespace

ReferenceTable::ReferenceTable(QWidget *parent) : QTableWidget(parent)
{
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    setWordWrap(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &ReferenceTable::headerClicked);
}

int ReferenceTable::addColumn(const Column &column, int width)
{
    const int col = m_columns.size();
    m_columns.append(column);
    setColumnCount(col + 1);
    setHorizontalHeaderItem(col, new QTableWidgetItem(headerText(column.caption)));
    setColumnWidth(col, width);
    for (int row = 0; row < rowCount(); ++row)
        setItem(row, col, newCell(col));
    return col;
}

int ReferenceTable::addTextColumn(const QString &caption, int width, Qt::Alignment alignment)
{
    Column column;
    column.kind = ColumnKind::Text;
    column.caption = caption;
    column.alignment = alignment;
    return addColumn(column, width);
}

int ReferenceTable::addNumberColumn(const QString &caption, int width, int decimals, Qt::Alignment alignment)
{
    Column column;
    column.kind = ColumnKind::Number;
    column.caption = caption;
    column.alignment = alignment;
    column.decimals = std::max(0, decimals);
    return addColumn(column, width);
}

int ReferenceTable::addImageColumn(const QList<QPixmap> &pictures, int width, const QString &caption)
{
    Column column;
    column.kind = ColumnKind::Image;
    column.caption = caption;
    column.alignment = Qt::AlignCenter;
    column.pictures = pictures;
    return addColumn(column, width);
}

ReferenceTable::ColumnKind ReferenceTable::columnKind(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).kind : ColumnKind::Text;
}

void ReferenceTable::setColumnCaption(int col, const QString &caption)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].caption = caption;
    horizontalHeaderItem(col)->setText(headerText(caption));
}

QString ReferenceTable::columnCaption(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).caption : QString();
}

void ReferenceTable::setColumnAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].alignment = alignment;
    viewport()->update();
}

Qt::Alignment ReferenceTable::columnAlignment(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).alignment : Qt::Alignment(Qt::AlignLeft);
}

void ReferenceTable::setColumnSortKind(int col, SortKind kind)
{
    if (col >= 0 && col < m_columns.size())
        m_columns[col].sortKind = kind;
}

ReferenceTable::SortKind ReferenceTable::columnSortKind(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).sortKind : SortKind::None;
}

int ReferenceTable::columnDecimals(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).decimals : 0;
}

const QList<QPixmap> &ReferenceTable::columnPictures(int col) const
{
    static const QList<QPixmap> none;
    return col >= 0 && col < m_columns.size() ? m_columns.at(col).pictures : none;
}

void ReferenceTable::setHeaderVisible(bool visible)
{
    horizontalHeader()->setVisible(visible);
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

void ReferenceTable::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
}

void ReferenceTable::setRowSelect(bool wholeRow)
{
    setSelectionBehavior(wholeRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
    const ColumnKind kind = columnKind(col);
    if (kind != ColumnKind::Text) {
        // Only text cells can be edited in place; numbers and pictures are set by the program.
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        cell->setData(NumberRole, 0.0);
        if (kind == ColumnKind::Number)
            cell->setText(numberText(col, 0.0));
    }
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

QString ReferenceTable::numberText(int col, double value) const
{
    switch (columnKind(col)) {
    case ColumnKind::Image:
        return QString();
    case ColumnKind::Number:
        return QString::number(value, 'f', columnDecimals(col));
    case ColumnKind::Text:
        break;
    }
    if (std::floor(value) == value && std::fabs(value) < 9e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

void ReferenceTable::setCellText(int col, int row, const QString &text)
{
    QTableWidgetItem *cell = cellItem(col, row);
    if (!cell)
        return;
    switch (columnKind(col)) {
    case ColumnKind::Text:
        cell->setText(text);
        break;
    case ColumnKind::Number:
    case ColumnKind::Image:
        setCellNumber(col, row, text.trimmed().toDouble());
        break;
    }
}

void ReferenceTable::setCellNumber(int col, int row, double value)
{
    QTableWidgetItem *cell = cellItem(col, row);
    if (!cell)
        return;
    if (columnKind(col) != ColumnKind::Text)
        cell->setData(NumberRole, value);
    cell->setText(numberText(col, value));
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
    if (columnKind(col) == ColumnKind::Image)
        return numberText(-1, cell->data(NumberRole).toDouble());
    return cell->text();
}

double ReferenceTable::cellNumber(int col, int row) const
{
    const QTableWidgetItem *cell = cellItem(col, row);
    if (!cell)
        return 0.0;
    if (columnKind(col) == ColumnKind::Text)
        return cell->text().trimmed().toDouble();
    return cell->data(NumberRole).toDouble();
}

QColor ReferenceTable::cellColor(int col, int row) const
{
    const QTableWidgetItem *cell = cellItem(col, row);
    if (!cell || cell->background().style() == Qt::NoBrush)
        return QColor();
    return cell->background().color();
}

void ReferenceTable::sortRows(int col, Qt::SortOrder order)
{
    const SortKind kind = columnSortKind(col);
    if (kind == SortKind::None)
        return;
    struct Row {
        QString text;
        double number;
        QList<QTableWidgetItem *> cells;
    };
    QList<Row> rows;
    for (int row = 0; row < rowCount(); ++row) {
        Row entry{cellText(col, row), cellNumber(col, row), {}};
        for (int c = 0; c < columnCount(); ++c)
            entry.cells.append(takeItem(row, c));
        rows.append(entry);
    }
    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(rows.begin(), rows.end(), [&](const Row &a, const Row &b) {
        if (kind == SortKind::Numeric)
            return ascending ? a.number < b.number : b.number < a.number;
        const int cmp = QString::localeAwareCompare(a.text, b.text);
        return ascending ? cmp < 0 : cmp > 0;
    });
    for (int row = 0; row < rows.size(); ++row)
        for (int c = 0; c < columnCount(); ++c)
            setItem(row, c, rows.at(row).cells.at(c));
}

void ReferenceTable::headerClicked(int col)
{
    if (columnSortKind(col) == SortKind::None)
        return;
    m_sortOrder =
        (col == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = col;
    sortRows(col, m_sortOrder);
}
