#include "ExperienceWindow.h"

#include "ExperienceTable.h"
#include "ReferenceTable.h"
#include "ReferenceTableStyle.h"

#include <QPushButton>

namespace
{
// The band below the grid that holds the close button.
constexpr int kButtonBand = 45;
constexpr QSize kCloseSize{97, 33};
constexpr int kCloseRight = 8;
constexpr int kCloseBottom = 6;
// One line of text; the table is long, so its rows stay compact.
constexpr int kRowHeight = 18;

enum Column { Level, BaseExperience, Attributes, Skills, Experience, ColumnCount };
} // namespace

ExperienceWindow::ExperienceWindow(QWidget *parent)
    : ReferenceWindow("FormExp", QStringLiteral("Таблица опыта"), QSize(601, 504), parent)
{
    NextGrid1 = new ReferenceTable(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->addTextColumn(QStringLiteral("Уровень"), 100, Qt::AlignLeft);
    NextGrid1->addTextColumn(QStringLiteral("Базовый опыт"), 100, Qt::AlignHCenter);
    NextGrid1->addTextColumn(QStringLiteral("Увеличение характеристик"), 150, Qt::AlignHCenter);
    NextGrid1->addTextColumn(QStringLiteral("Увеличение умений"), 120, Qt::AlignHCenter);
    NextGrid1->addTextColumn(QStringLiteral("Опыт"), 100, Qt::AlignRight);
    NextGrid1->setReadOnly(true);
    NextGrid1->setRowSelect(true);
    NextGrid1->setHeaderVisible(true);
    NextGrid1->setGridLines(ReferenceTable::GridLines::Framed3D);
    NextGrid1->setBackgroundColor(kGridBackground);
    NextGrid1->setFixedRowHeight(kRowHeight);
    NextGrid1->setFont(narrowFont());

    BitBtn1 = addCloseButton(QRect(QPoint(), kCloseSize));

    centreOnScreen();
    layOut();

    FormCreate();
}

void ExperienceWindow::FormCreate()
{
    NextGrid1->addRows(kExperienceRowCount);
    for (int row = 0; row < kExperienceRowCount; ++row) {
        NextGrid1->setCellNumber(Experience, row, kExperienceByRow[row]);
        NextGrid1->setCellText(Attributes, row, QStringLiteral("1"));
    }

    NextGrid1->setCellText(Level, 0, QStringLiteral("1-й"));
    NextGrid1->setCellNumber(BaseExperience, 0, kFirstLevelBaseExperience);
    NextGrid1->setCellText(Attributes, 0, QStringLiteral("5"));
    NextGrid1->setCellText(Skills, 0, QStringLiteral("1"));

    const QColor info = infoBackgroundColor();
    for (int level = kFirstTransitionLevel; level <= kLastLevel; ++level) {
        const int row = levelFirstRow(level);
        NextGrid1->setCellText(Level, row, QStringLiteral("Переход на %1-й").arg(level));
        for (int col = 0; col < ColumnCount; ++col)
            NextGrid1->setCellColor(col, row, info);
        NextGrid1->setCellText(Skills, row, QStringLiteral("1"));
        NextGrid1->setCellNumber(BaseExperience, row, baseExperience(level));
        NextGrid1->setCellText(Attributes, row, level < 5 ? QStringLiteral("4") : QStringLiteral("5"));
    }
}

void ExperienceWindow::resizeEvent(QResizeEvent *event)
{
    ReferenceWindow::resizeEvent(event);
    layOut();
}

void ExperienceWindow::layOut()
{
    // The grid spans the width above the button band; the button keeps to the
    // bottom-right corner.
    NextGrid1->setGeometry(0, 0, width(), qMax(0, height() - kButtonBand));
    BitBtn1->move(width() - kCloseRight - kCloseSize.width(), height() - kCloseBottom - kCloseSize.height());
}
