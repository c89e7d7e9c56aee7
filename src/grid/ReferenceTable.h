#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QTableWidget>

// The multi-column table of the reference windows.
//
// Columns (added left to right; each add returns the column's index):
//   addTextColumn(caption, width, alignment)          plain text
//   addNumberColumn(caption, width, decimals, align)   a number shown with `decimals` places
//   addImageColumn(pictures, width, caption)           the cell value k shows pictures[k]
// A caption may hold several lines separated by "\r\n"; an empty caption leaves the
// header cell blank. setColumnCaption/setColumnAlignment/setColumnSortKind change a
// column later; QTableView::setColumnWidth sets its width.
//
// Look: setHeaderVisible, setHeaderHeight (fixed, pixels), setFixedRowHeight (every row),
// setReadOnly (no editing), setRowSelect (a click selects the whole row, one row at a
// time), setGridLines (Flat or Framed3D), setBackgroundColor (the colour behind cells
// that have no colour of their own).
//
// Rows and cells, columns and rows counted from 0:
//   addRows(n) appends n empty rows; clearRows() deletes them all.
//   setCellText(col, row, text); setCellNumber(col, row, value) (a whole number on a text
//   column reads as plain decimal digits; an image column takes it as the picture index);
//   setCellColor(col, row, colour). Number and image cells start at 0, text cells empty.
//   cellText, cellNumber and cellColor read them back (an invalid colour: none set).
//
// Clicking a header sorts the rows by that column when its sort kind is not None
// (Alphabetic: by text; Numeric: by value); a second click reverses the order.
class ReferenceTable : public QTableWidget
{
    Q_OBJECT
  public:
    enum class ColumnKind { Text, Number, Image };
    enum class SortKind { None, Alphabetic, Numeric };
    enum class GridLines { Flat, Framed3D };

    // Item data role holding a cell's numeric value (number and image columns).
    static constexpr int NumberRole = Qt::UserRole + 1;

    explicit ReferenceTable(QWidget *parent = nullptr);

    int addTextColumn(const QString &caption, int width, Qt::Alignment alignment = Qt::AlignLeft);
    int addNumberColumn(const QString &caption, int width, int decimals,
                        Qt::Alignment alignment = Qt::AlignRight);
    int addImageColumn(const QList<QPixmap> &pictures, int width, const QString &caption = QString());

    ColumnKind columnKind(int col) const;
    void setColumnCaption(int col, const QString &caption);
    QString columnCaption(int col) const; // as given, "\r\n" included
    void setColumnAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int col) const;
    void setColumnSortKind(int col, SortKind kind);
    SortKind columnSortKind(int col) const;
    int columnDecimals(int col) const;
    const QList<QPixmap> &columnPictures(int col) const;

    void setHeaderVisible(bool visible);
    void setHeaderHeight(int pixels);
    void setFixedRowHeight(int pixels);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    void setRowSelect(bool wholeRow);
    void setGridLines(GridLines lines);
    GridLines gridLines() const { return m_gridLines; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void addRows(int count);
    void clearRows();

    void setCellText(int col, int row, const QString &text);
    void setCellNumber(int col, int row, double value);
    void setCellColor(int col, int row, const QColor &color);
    QString cellText(int col, int row) const;
    double cellNumber(int col, int row) const;
    QColor cellColor(int col, int row) const;

    // Sorts the rows by `col` by its sort kind; does nothing for SortKind::None.
    void sortRows(int col, Qt::SortOrder order);

  private:
    struct Column {
        ColumnKind kind = ColumnKind::Text;
        QString caption;
        Qt::Alignment alignment = Qt::AlignLeft;
        int decimals = 0;
        SortKind sortKind = SortKind::None;
        QList<QPixmap> pictures;
    };

    int addColumn(const Column &column, int width);
    QTableWidgetItem *cellItem(int col, int row) const;
    QTableWidgetItem *newCell(int col) const;
    QString numberText(int col, double value) const;
    void headerClicked(int col);

    QList<Column> m_columns;
    bool m_readOnly = false;
    GridLines m_gridLines = GridLines::Flat;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
