#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QTableWidget>

// The table of the reference windows: read-only, one whole row selected at a time.
//
// Columns (added left to right; each add returns the column's index):
//   addTextColumn(caption, width, alignment)          plain text
//   addNumberColumn(caption, width, decimals, align)   a number shown with `decimals` places
//   addImageColumn(pictures, width, caption)           the cell value k shows pictures[k]
// A caption may hold several lines separated by "\r\n"; an empty caption leaves the
// header cell blank.
//
// Look: setHeaderHeight (fixed, pixels), setFixedRowHeight (every row), setGridLines
// (Flat or Framed3D), setBackgroundColor (the colour behind cells that have no colour of
// their own).
//
// Rows and cells, columns and rows counted from 0:
//   addRows(n) appends n empty rows; clearRows() deletes them all.
//   setCellText(col, row, text) on a text column; setCellNumber(col, row, value) (a whole
//   number on a text column reads as plain decimal digits; an image column takes it as the
//   picture index); setCellColor(col, row, colour). Number and image cells start at 0,
//   text cells empty. cellText, cellNumber and cellColor read them back (an invalid
//   colour: none set).
//
// With setSortableByHeader, clicking a header sorts the rows by that column (text by
// text, numbers and pictures by value); a second click reverses the order.
class ReferenceTable : public QTableWidget {
    Q_OBJECT
public:
    enum class ColumnKind { Text, Number, Image };
    enum class GridLines { Flat, Framed3D };

    explicit ReferenceTable(QWidget *parent = nullptr);

    int addTextColumn(const QString &caption, int width, Qt::Alignment alignment = Qt::AlignLeft);
    int addNumberColumn(const QString &caption, int width, int decimals,
                        Qt::Alignment alignment = Qt::AlignRight);
    int addImageColumn(const QList<QPixmap> &pictures, int width, const QString &caption = QString());

    ColumnKind columnKind(int col) const;
    Qt::Alignment columnAlignment(int col) const;
    const QList<QPixmap> &columnPictures(int col) const;

    void setHeaderHeight(int pixels);
    void setFixedRowHeight(int pixels);
    void setGridLines(GridLines lines);
    GridLines gridLines() const { return m_gridLines; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;
    void setSortableByHeader(bool sortable) { m_sortable = sortable; }

    void addRows(int count);
    void clearRows();

    void setCellText(int col, int row, const QString &text);
    void setCellNumber(int col, int row, double value);
    void setCellColor(int col, int row, const QColor &color);
    QString cellText(int col, int row) const;
    double cellNumber(int col, int row) const;
    QColor cellColor(int col, int row) const;

private:
    struct Column {
        ColumnKind kind = ColumnKind::Text;
        Qt::Alignment alignment = Qt::AlignLeft;
        int decimals = 0;
        QList<QPixmap> pictures;
    };

    int addColumn(const Column &column, const QString &caption, int width);
    QTableWidgetItem *cellItem(int col, int row) const;
    QTableWidgetItem *newCell(int col) const;
    void sortByHeader(int col);

    QList<Column> m_columns;
    GridLines m_gridLines = GridLines::Flat;
    bool m_sortable = false;
};
