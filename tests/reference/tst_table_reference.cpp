#include "data/AlchemyTable.h"
#include "reference/AlchemyWindow.h"
#include "reference/ExperienceWindow.h"
#include "reference/ReferenceTableStyle.h"
#include "widgets/ReferenceTable.h"

#include <QHeaderView>
#include <QPushButton>
#include <QtTest>

namespace {

ReferenceTable *gridOf(QWidget *window)
{
    auto *grid = window->findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    if (!grid)
        qFatal("no NextGrid1");
    return grid;
}

QPushButton *closeButton(QWidget *window)
{
    auto *button = window->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    if (!button)
        qFatal("no BitBtn1");
    return button;
}

QStringList rowTexts(const ReferenceTable *grid, int row)
{
    QStringList texts;
    for (int col = 0; col < grid->columnCount(); ++col)
        texts << grid->cellText(col, row);
    return texts;
}

const int kTransitionRows[] = {3, 7, 12, 18, 25, 33, 42, 52, 63, 74, 85, 96, 107, 118};

} // namespace

class TestTableReference : public QObject {
    Q_OBJECT
private slots:
    void experienceWindowAndColumns()
    {
        ExperienceWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Таблица опыта"));
        QCOMPARE(window.size(), QSize(601 - 8, 504 - 34));
        ReferenceTable *grid = gridOf(&window);
        QCOMPARE(grid->geometry(), QRect(0, 0, 593, 425));
        const QStringList headers = {QStringLiteral("Уровень"), QStringLiteral("Базовый опыт"),
                                     QStringLiteral("Увеличение характеристик"),
                                     QStringLiteral("Увеличение умений"), QStringLiteral("Опыт")};
        const int widths[] = {100, 100, 150, 120, 100};
        const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                            Qt::AlignHCenter, Qt::AlignRight};
        QCOMPARE(grid->columnCount(), 5);
        for (int col = 0; col < 5; ++col) {
            QCOMPARE(grid->columnKind(col), ReferenceTable::ColumnKind::Text);
            QCOMPARE(grid->horizontalHeaderItem(col)->text(), headers[col]);
            QCOMPARE(grid->columnWidth(col), widths[col]);
            QCOMPARE(grid->columnAlignment(col) & Qt::AlignHorizontal_Mask, horizontal[col]);
        }
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!grid->horizontalHeader()->isHidden());
        QCOMPARE(grid->gridLines(), ReferenceTable::GridLines::Framed3D);
        QCOMPARE(grid->backgroundColor(), QColor(244, 255, 255));
        QCOMPARE(closeButton(&window)->text(), QStringLiteral("Закрыть"));
        QCOMPARE(closeButton(&window)->size(), QSize(97, 33));
    }

    void experienceRows()
    {
        ExperienceWindow window;
        const ReferenceTable *grid = gridOf(&window);
        QCOMPARE(grid->rowCount(), 119);
        QCOMPARE(rowTexts(grid, 0), (QStringList{"1-й", "30", "5", "1", "0"}));
        QCOMPARE(rowTexts(grid, 1), (QStringList{"", "", "1", "", "200"}));
        QCOMPARE(rowTexts(grid, 3), (QStringList{"Переход на 2-й", "60", "4", "1", "600"}));
        QCOMPARE(rowTexts(grid, 12), (QStringList{"Переход на 4-й", "220", "4", "1", "13600"}));
        QCOMPARE(rowTexts(grid, 18), (QStringList{"Переход на 5-й", "350", "5", "1", "40000"}));
        QCOMPARE(rowTexts(grid, 117), (QStringList{"", "", "1", "", "143500000"}));
        QCOMPARE(rowTexts(grid, 118), (QStringList{"Переход на 15-й", "14000", "5", "1", "150000000"}));

        // Each level's first line, and one of its steps.
        const int bases[] = {60, 130, 220, 350, 700, 1000, 1400, 2000, 2700, 3500, 5000, 7000, 10000, 14000};
        const char *firsts[] = {"600",      "4000",     "13600",    "40000",    "115000",
                                "307000",   "712000",   "1712000",  "4352000",  "9500000",
                                "19500000", "38430000", "78400000", "150000000"};
        for (int i = 0; i < 14; ++i) {
            const int row = kTransitionRows[i];
            QCOMPARE(grid->cellText(0, row), QStringLiteral("Переход на %1-й").arg(i + 2));
            QCOMPARE(grid->cellText(1, row), QString::number(bases[i]));
            QCOMPARE(grid->cellText(2, row), i + 2 < 5 ? QStringLiteral("4") : QStringLiteral("5"));
            QCOMPARE(grid->cellText(4, row), QString::fromLatin1(firsts[i]));
        }
        const struct {
            int row;
            const char *experience;
        } steps[] = {{2, "400"},       {5, "1800"},      {9, "7600"},       {15, "27000"},    {22, "82000"},
                     {30, "235000"},   {36, "442000"},   {47, "1212000"},   {55, "2432000"},  {68, "6692000"},
                     {77, "12227000"}, {90, "28100000"}, {100, "52950000"}, {110, "97930000"}};
        for (const auto &step : steps) {
            QCOMPARE(rowTexts(grid, step.row),
                     (QStringList{"", "", "1", "", QString::fromLatin1(step.experience)}));
        }
        // Experience rises down the table, in plain digits.
        for (int row = 1; row < grid->rowCount(); ++row) {
            const QString text = grid->cellText(4, row);
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("^[0-9]+$"))), qPrintable(text));
            QVERIFY(text.toLongLong() > grid->cellText(4, row - 1).toLongLong());
        }
    }

    void experienceHighlightsTransitionsOnly()
    {
        ExperienceWindow window;
        const ReferenceTable *grid = gridOf(&window);
        const QColor info = ReferenceTableStyle::highlightColor();
        QVERIFY(info.isValid());
        QSet<int> transitions(std::begin(kTransitionRows), std::end(kTransitionRows));
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int col = 0; col < 5; ++col) {
                const QColor colour = grid->cellColor(col, row);
                if (transitions.contains(row))
                    QCOMPARE(colour, info);
                else
                    QVERIFY2(!colour.isValid(),
                             qPrintable(QStringLiteral("row %1 col %2").arg(row).arg(col)));
            }
    }

    void experienceCloseKeepsTheTable()
    {
        ExperienceWindow window;
        window.showOrRaise();
        ReferenceTable *grid = gridOf(&window);
        QTableWidgetItem *cell = grid->item(118, 4);
        grid->selectRow(40);
        QTest::mouseClick(closeButton(&window), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.showOrRaise();
        window.showOrRaise();
        QVERIFY(window.isVisible());
        QCOMPARE(grid->rowCount(), 119);
        QCOMPARE(grid->item(118, 4), cell); // the same cells: nothing was rebuilt
        QCOMPARE(grid->currentRow(), 40);
    }

    void experienceResizeKeepsButtonInCorner()
    {
        ExperienceWindow window;
        window.show();
        window.resize(800, 600);
        QCOMPARE(closeButton(&window)->geometry(), QRect(800 - 8 - 97, 600 - 6 - 33, 97, 33));
        QCOMPARE(gridOf(&window)->width(), 800);
        QVERIFY(gridOf(&window)->geometry().bottom() < closeButton(&window)->y());
    }

    void focusAndEscapeInExperience()
    {
        ExperienceWindow window;
        window.showOrRaise();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The current cell looks the same with the focus as without: no focus tint.
        ReferenceTable *grid = gridOf(&window);
        grid->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
        closeButton(&window)->setFocus();
        const QRect cell = grid->visualItemRect(grid->item(0, 0));
        const QImage unfocused = grid->viewport()->grab(cell).toImage();
        grid->setFocus();
        QCOMPARE(grid->viewport()->grab(cell).toImage(), unfocused);
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void alchemyWindowAndColumns()
    {
        AlchemyWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Алхимия"));
        QCOMPARE(window.size(), QSize(543 - 8, 425 - 34));
        ReferenceTable *grid = gridOf(&window);
        QCOMPARE(grid->geometry(), QRect(8, 8, 519, 350));
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->columnKind(0), ReferenceTable::ColumnKind::Image);
        QCOMPARE(grid->columnWidth(0), 45);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString());
        QCOMPARE(grid->columnPictures(0).size(), 9);
        for (const QPixmap &picture : grid->columnPictures(0))
            QCOMPARE(picture.size(), QSize(40, 32));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Ресурсы"));
        QCOMPARE(grid->columnWidth(1), 150);
        QCOMPARE(grid->columnAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        // Each potion's header shows its three lines.
        const QStringList potions = {
            QStringLiteral("Малое\nзелье\nжизни"), QStringLiteral("Малое\nзелье\nманы"),
            QStringLiteral("Большое\nзелье\nжизни"), QStringLiteral("Большое\nзелье\nманы")};
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(grid->horizontalHeaderItem(2 + p)->text(), potions[p]);
            QCOMPARE(grid->columnWidth(2 + p), 80);
            QCOMPARE(grid->columnAlignment(2 + p) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
        QCOMPARE(grid->horizontalHeader()->height(), 40);
        QCOMPARE(grid->rowHeight(0), 33);
        QCOMPARE(grid->rowHeight(8), 33);
        QCOMPARE(closeButton(&window)->size(), QSize(75, 25));
    }

    void alchemyCountsAndColours()
    {
        AlchemyWindow window;
        const ReferenceTable *grid = gridOf(&window);
        QCOMPARE(grid->rowCount(), 9);
        const char *counts[9][4] = {{"1", "1", "", ""}, {"", "", "1", "1"}, {"3", "", "4", ""},
                                    {"", "2", "", "5"}, {"", "3", "", "4"}, {"", "1", "", "2"},
                                    {"2", "", "2", ""}, {"", "", "1", ""},  {"", "", "", "1"}};
        const QColor info = ReferenceTableStyle::highlightColor();
        int filled = 0, highlighted = 0;
        for (int row = 0; row < 9; ++row) {
            QCOMPARE(grid->cellNumber(0, row), double(row));
            // The names themselves are pinned word for word with the data table.
            QCOMPARE(grid->cellText(1, row), QString::fromUtf8(kIngredientNames[row]));
            QVERIFY(!grid->cellColor(0, row).isValid());
            QVERIFY(!grid->cellColor(1, row).isValid());
            for (int p = 0; p < 4; ++p) {
                const QString want = QString::fromLatin1(counts[row][p]);
                QCOMPARE(grid->cellText(2 + p, row), want);
                const QColor colour = grid->cellColor(2 + p, row);
                if (want.isEmpty()) {
                    QVERIFY(!colour.isValid());
                } else {
                    QCOMPARE(colour, info);
                    ++filled;
                }
                highlighted += colour.isValid();
            }
        }
        QCOMPARE(filled, 16);
        QCOMPARE(highlighted, 16);
        // One bottle per potion: the small potions the small bottle, the large the large.
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(grid->cellText(2 + p, 0), p < 2 ? QStringLiteral("1") : QString());
            QCOMPARE(grid->cellText(2 + p, 1), p < 2 ? QString() : QStringLiteral("1"));
        }
    }

    void alchemyResizeFollowsAllSides()
    {
        AlchemyWindow window;
        window.show();
        window.resize(700, 500);
        QCOMPARE(gridOf(&window)->geometry(), QRect(8, 8, 700 - 16, 500 - 8 - 33));
        QCOMPARE(closeButton(&window)->geometry(), QRect(700 - 8 - 75, 500 - 4 - 25, 75, 25));
    }

    void alchemyCloseKeepsTheTable()
    {
        AlchemyWindow window;
        window.showOrRaise();
        ReferenceTable *grid = gridOf(&window);
        QTableWidgetItem *cell = grid->item(8, 5);
        QTest::mouseClick(closeButton(&window), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.showOrRaise();
        QCOMPARE(grid->rowCount(), 9);
        QCOMPARE(grid->item(8, 5), cell);
        QCOMPARE(grid->cellText(5, 8), QStringLiteral("1"));
    }

    void alchemyDrawsPicturesAndSelectsWholeRows()
    {
        AlchemyWindow window;
        window.show();
        ReferenceTable *grid = gridOf(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHeaderView *header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(3) + 9, 9});
        QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty()); // a header picks no column
        for (int row : {4, 6})
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              grid->visualItemRect(grid->item(row, 3)).center());
        QCOMPARE(grid->selectionModel()->selectedRows(), {grid->model()->index(6, 0)}); // one, even with Ctrl
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 6);                  // the whole row
        grid->clearSelection();
        // The image cell of row 2 (St John's wort) shows its yellow flowers.
        const QRect cell = grid->visualItemRect(grid->item(2, 0));
        const QImage shot = grid->viewport()->grab(cell).toImage();
        int yellow = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                yellow += c.red() > 200 && c.green() > 150 && c.blue() < 100;
            }
        QVERIFY(yellow > 10);
    }
};

QTEST_MAIN(TestTableReference)
#include "tst_table_reference.moc"
