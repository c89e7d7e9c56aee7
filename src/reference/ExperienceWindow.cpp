#include "reference/ExperienceWindow.h"

#include "data/ExperienceTable.h"
#include "reference/ReferenceTableStyle.h"
#include "widgets/ReferenceTable.h"

namespace {
// The grid spans the width above a 45-pixel band that holds the close button.
const TableWindow::Layout kLayout{QMargins(0, 0, 0, 45), QSize(97, 33), 8, 6};
// One line of text; the table is long, so its rows stay compact.
constexpr int kRowHeight = 18;

enum Column { Level, BaseExperience, Attributes, Skills, Experience, ColumnCount };
} // namespace

ExperienceWindow::ExperienceWindow(QWidget *parent)
    : TableWindow("FormExp", tr("Таблица опыта"), QSize(601, 504), kLayout, parent)
{
    ReferenceTable *grid = table();
    grid->addTextColumn(tr("Уровень"), 100, Qt::AlignLeft);
    grid->addTextColumn(tr("Базовый опыт"), 100, Qt::AlignHCenter);
    grid->addTextColumn(tr("Увеличение характеристик"), 150, Qt::AlignHCenter);
    grid->addTextColumn(tr("Увеличение умений"), 120, Qt::AlignHCenter);
    grid->addTextColumn(tr("Опыт"), 100, Qt::AlignRight);
    grid->setGridLines(ReferenceTable::GridLines::Framed3D);
    grid->setBackgroundColor(kGridBackground);
    grid->setFixedRowHeight(kRowHeight);
    grid->setFont(ReferenceTableStyle::narrowFont());

    fillTable();
}

void ExperienceWindow::fillTable()
{
    ReferenceTable *grid = table();
    grid->addRows(kExperienceRowCount);
    for (int row = 0; row < kExperienceRowCount; ++row) {
        grid->setCellNumber(Experience, row, kExperienceByRow[row]);
        grid->setCellText(Attributes, row, QStringLiteral("1"));
    }

    grid->setCellText(Level, 0, tr("1-й"));
    grid->setCellNumber(BaseExperience, 0, kFirstLevelBaseExperience);
    grid->setCellText(Attributes, 0, QStringLiteral("5"));
    grid->setCellText(Skills, 0, QStringLiteral("1"));

    const QColor highlight = ReferenceTableStyle::highlightColor();
    for (int level = kFirstTransitionLevel; level <= kLastLevel; ++level) {
        const int row = levelFirstRow(level);
        grid->setCellText(Level, row, tr("Переход на %1-й").arg(level));
        for (int col = 0; col < ColumnCount; ++col)
            grid->setCellColor(col, row, highlight);
        grid->setCellText(Skills, row, QStringLiteral("1"));
        grid->setCellNumber(BaseExperience, row, baseExperience(level));
        grid->setCellText(Attributes, row, level < 5 ? QStringLiteral("4") : QStringLiteral("5"));
    }
}
