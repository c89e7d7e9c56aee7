#include "reference/ExperienceWindow.h"

#include "data/ExperienceTable.h"
#include "grid/ReferenceTable.h"
#include "reference/ReferenceTableStyle.h"

#include <QPushButton>

namespace {
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
    m_table = new ReferenceTable(this);
    m_table->setObjectName(QStringLiteral("NextGrid1"));
    m_table->addTextColumn(QStringLiteral("Уровень"), 100, Qt::AlignLeft);
    m_table->addTextColumn(QStringLiteral("Базовый опыт"), 100, Qt::AlignHCenter);
    m_table->addTextColumn(QStringLiteral("Увеличение характеристик"), 150, Qt::AlignHCenter);
    m_table->addTextColumn(QStringLiteral("Увеличение умений"), 120, Qt::AlignHCenter);
    m_table->addTextColumn(QStringLiteral("Опыт"), 100, Qt::AlignRight);
    m_table->setGridLines(ReferenceTable::GridLines::Framed3D);
    m_table->setBackgroundColor(kGridBackground);
    m_table->setFixedRowHeight(kRowHeight);
    m_table->setFont(ReferenceTableStyle::narrowFont());

    m_closeButton = addCloseButton(QRect(QPoint(), kCloseSize));

    centreOnScreen();
    layOut();

    fillTable();
}

void ExperienceWindow::fillTable()
{
    m_table->addRows(kExperienceRowCount);
    for (int row = 0; row < kExperienceRowCount; ++row) {
        m_table->setCellNumber(Experience, row, kExperienceByRow[row]);
        m_table->setCellText(Attributes, row, QStringLiteral("1"));
    }

    m_table->setCellText(Level, 0, QStringLiteral("1-й"));
    m_table->setCellNumber(BaseExperience, 0, kFirstLevelBaseExperience);
    m_table->setCellText(Attributes, 0, QStringLiteral("5"));
    m_table->setCellText(Skills, 0, QStringLiteral("1"));

    const QColor highlight = ReferenceTableStyle::highlightColor();
    for (int level = kFirstTransitionLevel; level <= kLastLevel; ++level) {
        const int row = levelFirstRow(level);
        m_table->setCellText(Level, row, QStringLiteral("Переход на %1-й").arg(level));
        for (int col = 0; col < ColumnCount; ++col)
            m_table->setCellColor(col, row, highlight);
        m_table->setCellText(Skills, row, QStringLiteral("1"));
        m_table->setCellNumber(BaseExperience, row, baseExperience(level));
        m_table->setCellText(Attributes, row, level < 5 ? QStringLiteral("4") : QStringLiteral("5"));
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
    m_table->setGeometry(0, 0, width(), qMax(0, height() - kButtonBand));
    m_closeButton->move(width() - kCloseRight - kCloseSize.width(),
                        height() - kCloseBottom - kCloseSize.height());
}
