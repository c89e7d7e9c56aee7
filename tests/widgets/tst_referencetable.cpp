#include "widgets/ReferenceTable.h"

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

QPixmap solid(const QColor &color, QSize size = QSize(40, 32))
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

QPoint cellCentre(const ReferenceTable &grid, int col, int row)
{
    return grid.visualRect(grid.model()->index(row, col)).center();
}

QColor pixelAt(ReferenceTable &grid, QPoint viewportPoint)
{
    const QImage image = grid.viewport()->grab().toImage();
    return QColor(image.pixel(viewportPoint * image.devicePixelRatio()));
}

} // namespace

class TestReferenceTable : public QObject {
    Q_OBJECT
private slots:
    void columnsAndHeaders();
    void rowsAndDefaults();
    void cellsByColumnAndRow();
    void readOnlyWholeRowSelection();
    void drawing();
    void sortingByHeader();
};

void TestReferenceTable::columnsAndHeaders()
{
    ReferenceTable grid;
    QCOMPARE(grid.addImageColumn({solid(Qt::red)}, 45), 0);
    QCOMPARE(grid.addTextColumn(QStringLiteral("Ресурсы"), 150), 1);
    QCOMPARE(grid.addNumberColumn(QString(), 30, 0), 2);
    QCOMPARE(grid.columnCount(), 3);
    QCOMPARE(grid.columnKind(0), ReferenceTable::ColumnKind::Image);
    QCOMPARE(grid.columnKind(1), ReferenceTable::ColumnKind::Text);
    QCOMPARE(grid.columnKind(2), ReferenceTable::ColumnKind::Number);
    QCOMPARE(grid.columnWidth(0), 45);
    QCOMPARE(grid.columnWidth(1), 150);
    QCOMPARE(grid.columnWidth(2), 30);

    // Uncaptioned columns have a blank header cell, not the view's running numbers.
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString());
    QCOMPARE(grid.model()->headerData(2, Qt::Horizontal).toString(), QString());
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ресурсы"));

    // "\r\n" in a caption gives a header of several lines.
    grid.addTextColumn(QStringLiteral("Малое\r\nзелье\r\nжизни"), 80, Qt::AlignHCenter);
    QCOMPARE(grid.model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Малое\nзелье\nжизни"));
    QCOMPARE(grid.columnAlignment(3), Qt::Alignment(Qt::AlignHCenter));
    grid.setHeaderHeight(40);
    grid.resize(300, 200);
    grid.show();
    QCOMPARE(grid.horizontalHeader()->height(), 40);
    QVERIFY(grid.verticalHeader()->isHidden());
}

void TestReferenceTable::rowsAndDefaults()
{
    ReferenceTable grid;
    grid.addImageColumn({}, 41);
    grid.addTextColumn(QString(), 177);
    grid.addNumberColumn(QString(), 30, 2);
    grid.setFixedRowHeight(33);

    grid.addRows(3);
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.cellText(1, 2), QString());
    QCOMPARE(grid.cellNumber(0, 2), 0.0);
    QCOMPARE(grid.cellText(2, 2), QStringLiteral("0.00"));
    grid.setCellText(1, 2, QStringLiteral("Уголь"));

    grid.addRows(2);
    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(grid.cellText(1, 2), QStringLiteral("Уголь")); // appending keeps what is there
    for (int row = 0; row < grid.rowCount(); ++row)
        QCOMPARE(grid.rowHeight(row), 33);
    QCOMPARE(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

    grid.addRows(0);
    grid.addRows(-4);
    QCOMPARE(grid.rowCount(), 5);

    grid.clearRows();
    QCOMPARE(grid.rowCount(), 0);
    QCOMPARE(grid.columnCount(), 3); // columns and headers survive
    grid.addRows(1);
    QCOMPARE(grid.cellText(1, 0), QString()); // no leftovers from the deleted rows
    QCOMPARE(grid.rowHeight(0), 33);
}

void TestReferenceTable::cellsByColumnAndRow()
{
    ReferenceTable grid;
    for (int c = 0; c < 4; ++c)
        grid.addTextColumn(QString(), 100);
    const int number = grid.addNumberColumn(QString(), 60, 1);
    const int image = grid.addImageColumn({solid(Qt::red), solid(Qt::blue)}, 45);
    grid.addRows(119);

    // Column first, then row.
    grid.setCellNumber(4, 118, 150000000);
    QCOMPARE(grid.cellText(4, 118), QStringLiteral("150000000.0")); // one decimal, as set
    grid.setCellNumber(3, 118, 150000000);
    QCOMPARE(grid.item(118, 3)->text(), QStringLiteral("150000000")); // plain digits on a text column
    QCOMPARE(grid.cellNumber(3, 118), 150000000.0);
    grid.setCellText(0, 118, QStringLiteral("Переход на 15-й"));
    QCOMPARE(grid.item(118, 0)->text(), QStringLiteral("Переход на 15-й"));
    QCOMPARE(grid.item(0, 118 % 4), grid.item(0, 2)); // nothing landed transposed
    QCOMPARE(grid.cellText(2, 0), QString());

    grid.setCellNumber(number, 5, 2.26);
    QCOMPARE(grid.cellText(number, 5), QStringLiteral("2.3")); // one decimal, as set
    QCOMPARE(grid.cellNumber(number, 5), 2.26);
    grid.setCellNumber(number, 6, -3);
    QCOMPARE(grid.cellText(number, 6), QStringLiteral("-3.0"));

    grid.setCellNumber(image, 7, 1);
    QCOMPARE(grid.cellNumber(image, 7), 1.0);
    QCOMPARE(grid.cellText(image, 7), QStringLiteral("1"));

    QColor info(255, 255, 225);
    QVERIFY(!grid.cellColor(1, 3).isValid());
    grid.setCellColor(1, 3, info);
    QCOMPARE(grid.cellColor(1, 3), info);
    QVERIFY(!grid.cellColor(3, 1).isValid());
    grid.setCellColor(1, 3, QColor());
    QVERIFY(!grid.cellColor(1, 3).isValid());

    // Out of range: ignored, never a crash.
    grid.setCellText(6, 0, QStringLiteral("x"));
    grid.setCellText(0, 119, QStringLiteral("x"));
    grid.setCellNumber(-1, 0, 1);
    grid.setCellColor(0, -1, Qt::red);
    QCOMPARE(grid.cellText(0, 119), QString());
    QCOMPARE(grid.rowCount(), 119);
}

void TestReferenceTable::readOnlyWholeRowSelection()
{
    ReferenceTable grid;
    grid.addTextColumn(QString(), 80);
    grid.addTextColumn(QString(), 80);
    grid.addNumberColumn(QString(), 40, 0);
    grid.addRows(3);
    grid.setCellText(1, 1, QStringLiteral("Дуб"));
    grid.resize(260, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));
    const QModelIndexList selected = grid.selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 3);
    for (const QModelIndex &index : selected)
        QCOMPARE(index.row(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(grid, 0, 2));
    QCOMPARE(grid.selectionModel()->selectedRows().size(), 1); // one row at a time

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));
    QTest::keyClick(grid.viewport(), Qt::Key_F2);
    QTest::keyClicks(grid.viewport(), QStringLiteral("abc"));
    QVERIFY(!grid.findChild<QLineEdit *>());
    QCOMPARE(grid.cellText(1, 1), QStringLiteral("Дуб"));
}

void TestReferenceTable::drawing()
{
    ReferenceTable grid;
    const int image = grid.addImageColumn({solid(Qt::red), solid(Qt::blue), solid(Qt::green)}, 45);
    grid.addTextColumn(QString(), 80);
    grid.setFixedRowHeight(33);
    grid.setBackgroundColor(QColor(244, 255, 255));
    grid.addRows(4);
    grid.setCellNumber(image, 0, 2);
    grid.setCellNumber(image, 1, 1);
    grid.setCellNumber(image, 3, 7); // no such picture: the cell stays blank
    grid.setCellColor(1, 2, QColor(255, 255, 225));
    grid.resize(200, 220);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QCOMPARE(grid.backgroundColor(), QColor(244, 255, 255));
    QCOMPARE(pixelAt(grid, cellCentre(grid, image, 0)), QColor(Qt::green));
    QCOMPARE(pixelAt(grid, cellCentre(grid, image, 1)), QColor(Qt::blue));
    QCOMPARE(pixelAt(grid, cellCentre(grid, image, 2)), QColor(Qt::red)); // default value 0
    QCOMPARE(pixelAt(grid, cellCentre(grid, image, 3)), QColor(244, 255, 255));
    QCOMPARE(pixelAt(grid, cellCentre(grid, 1, 2)), QColor(255, 255, 225));
    QCOMPARE(pixelAt(grid, cellCentre(grid, 1, 1)), QColor(244, 255, 255));

    // The framed look draws light and shadow edges inside each cell.
    grid.setGridLines(ReferenceTable::GridLines::Framed3D);
    QVERIFY(!grid.showGrid());
    const QRect cell = grid.visualRect(grid.model()->index(1, 1));
    QCOMPARE(pixelAt(grid, QPoint(cell.center().x(), cell.top())),
             QColor(grid.palette().color(QPalette::Light).rgb()));
    QCOMPARE(pixelAt(grid, QPoint(cell.center().x(), cell.bottom())),
             QColor(grid.palette().color(QPalette::Mid).rgb()));
}

void TestReferenceTable::sortingByHeader()
{
    ReferenceTable grid;
    grid.addTextColumn(QString(), 80);
    grid.addNumberColumn(QString(), 40, 0);
    grid.addTextColumn(QString(), 40);
    grid.setSortableByHeader(true);
    const QStringList names{QStringLiteral("Дуб"), QStringLiteral("Уголь"), QStringLiteral("Бечевка")};
    const int counts[] = {9, 10, 200};
    grid.addRows(3);
    for (int row = 0; row < 3; ++row) {
        grid.setCellText(0, row, names[row]);
        grid.setCellNumber(1, row, counts[row]);
        grid.setCellColor(2, row, QColor(row, 0, 0));
    }
    grid.resize(200, 200);
    grid.show();
    QHeaderView *header = grid.horizontalHeader();
    auto clickHeader = [&](int col) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(col) + 5, header->height() / 2));
    };

    clickHeader(1); // numeric: 9 < 10 < 200, not "10" < "200" < "9"
    QCOMPARE(grid.cellNumber(1, 0), 9.0);
    QCOMPARE(grid.cellNumber(1, 2), 200.0);
    clickHeader(1);
    QCOMPARE(grid.cellNumber(1, 0), 200.0);
    QCOMPARE(grid.cellText(0, 0), QStringLiteral("Бечевка")); // whole rows move together
    QCOMPARE(grid.cellColor(2, 0), QColor(2, 0, 0));

    clickHeader(0);
    QCOMPARE(grid.cellText(0, 0), QStringLiteral("Бечевка"));
    QCOMPARE(grid.cellText(0, 1), QStringLiteral("Дуб"));
    QCOMPARE(grid.cellText(0, 2), QStringLiteral("Уголь"));
    QCOMPARE(grid.cellNumber(1, 1), 9.0);
}

QTEST_MAIN(TestReferenceTable)
#include "tst_referencetable.moc"
