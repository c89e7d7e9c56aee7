#include "reference/AlchemyWindow.h"

#include "data/AlchemyTable.h"
#include "pictures/BuiltInPicture.h"
#include "reference/ReferenceTableStyle.h"
#include "widgets/ReferenceTable.h"

namespace {
// The grid is anchored to all four sides; the bottom margin holds the close button.
const TableWindow::Layout kLayout{QMargins(8, 8, 8, 33), QSize(75, 25), 8, 4};

constexpr int kImageColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kFirstPotionColumn = 2;
} // namespace

AlchemyWindow::AlchemyWindow(QWidget *parent)
    : TableWindow("FormAlchemy", tr("Алхимия"), QSize(543, 425), kLayout, parent)
{
    for (int i = 0; i < kIngredientCount; ++i)
        m_ingredientPictures.append(
            BuiltInPicture::pixmap(QStringLiteral(":/reference/alchemy-ing-%1.png").arg(i)));

    ReferenceTable *grid = table();
    grid->addImageColumn(m_ingredientPictures, 45);
    grid->addTextColumn(tr("Ресурсы"), 150, Qt::AlignLeft);
    for (const char *caption : kPotionHeaders)
        grid->addTextColumn(QString::fromUtf8(caption), 80, Qt::AlignHCenter);
    grid->setHeaderHeight(40);
    grid->setFixedRowHeight(33);
    grid->setFont(ReferenceTableStyle::narrowFont());

    fillTable();
}

void AlchemyWindow::fillTable()
{
    ReferenceTable *grid = table();
    grid->addRows(kIngredientCount);
    for (int row = 0; row < kIngredientCount; ++row) {
        grid->setCellNumber(kImageColumn, row, row);
        grid->setCellText(kNameColumn, row, QString::fromUtf8(kIngredientNames[row]));
    }

    // Every count stands out in the highlight colour; empty cells keep the table's.
    const QColor highlight = ReferenceTableStyle::highlightColor();
    for (int potion = 0; potion < kPotionCount; ++potion)
        for (int row = 0; row < kIngredientCount; ++row)
            if (const int count = kPotionIngredients[row][potion]) {
                grid->setCellNumber(kFirstPotionColumn + potion, row, count);
                grid->setCellColor(kFirstPotionColumn + potion, row, highlight);
            }
}
