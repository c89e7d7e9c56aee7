#include "reference/AlchemyWindow.h"

#include "data/AlchemyTable.h"
#include "grid/ReferenceTable.h"
#include "reference/ReferenceTableStyle.h"

#include <QPushButton>

namespace {
// Margins of the grid, which is anchored to all four sides; the bottom one holds the
// close button, which keeps to the bottom-right corner.
constexpr int kGridMargin = 8;
constexpr int kGridBottomMargin = 33;
constexpr QSize kCloseSize{75, 25};
constexpr int kCloseRight = 8;
constexpr int kCloseBottom = 4;

constexpr int kImageColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kFirstPotionColumn = 2;
} // namespace

AlchemyWindow::AlchemyWindow(QWidget *parent)
    : ReferenceWindow("FormAlchemy", QStringLiteral("Алхимия"), QSize(543, 425), parent)
{
    for (int i = 0; i < kIngredientCount; ++i)
        m_ingredientPictures.append(QPixmap(QStringLiteral(":/reference/alchemy-ing-%1.png").arg(i)));

    m_table = new ReferenceTable(this);
    m_table->setObjectName(QStringLiteral("NextGrid1"));
    m_table->addImageColumn(m_ingredientPictures, 45);
    m_table->addTextColumn(QStringLiteral("Ресурсы"), 150, Qt::AlignLeft);
    for (const char *caption : kPotionHeaders)
        m_table->addTextColumn(QString::fromUtf8(caption), 80, Qt::AlignHCenter);
    m_table->setHeaderHeight(40);
    m_table->setFixedRowHeight(33);
    m_table->setFont(ReferenceTableStyle::narrowFont());

    m_closeButton = addCloseButton(QRect(QPoint(), kCloseSize));

    centreOnScreen();
    layOut();

    fillTable();
}

void AlchemyWindow::fillTable()
{
    m_table->addRows(kIngredientCount);
    for (int row = 0; row < kIngredientCount; ++row) {
        m_table->setCellNumber(kImageColumn, row, row);
        m_table->setCellText(kNameColumn, row, QString::fromUtf8(kIngredientNames[row]));
    }

    // Every count stands out in the highlight colour; empty cells keep the table's.
    const QColor highlight = ReferenceTableStyle::highlightColor();
    for (int potion = 0; potion < kPotionCount; ++potion)
        for (int row = 0; row < kIngredientCount; ++row)
            if (const int count = kPotionIngredients[row][potion]) {
                m_table->setCellNumber(kFirstPotionColumn + potion, row, count);
                m_table->setCellColor(kFirstPotionColumn + potion, row, highlight);
            }
}

void AlchemyWindow::resizeEvent(QResizeEvent *event)
{
    ReferenceWindow::resizeEvent(event);
    layOut();
}

void AlchemyWindow::layOut()
{
    m_table->setGeometry(kGridMargin, kGridMargin, qMax(0, width() - 2 * kGridMargin),
                         qMax(0, height() - kGridMargin - kGridBottomMargin));
    m_closeButton->move(width() - kCloseRight - kCloseSize.width(),
                        height() - kCloseBottom - kCloseSize.height());
}
