#include "AlchemyWindow.h"

#include "AlchemyTable.h"
#include "ReferenceTable.h"
#include "ReferenceTableStyle.h"

#include <QPushButton>

namespace
{
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
        ImageList1.append(QPixmap(QStringLiteral(":/reference/alchemy-ing-%1.png").arg(i)));

    NextGrid1 = new ReferenceTable(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->addImageColumn(ImageList1, 45);
    NextGrid1->addTextColumn(QStringLiteral("Ресурсы"), 150, Qt::AlignLeft);
    // The one-line captions of the design; FormCreate gives them their three lines.
    for (const char *caption :
         {"Малое зелье жизни", "Малое зелье маны", "Большое зелье жизни", "Большое зелье маны"})
        NextGrid1->addTextColumn(QString::fromUtf8(caption), 80, Qt::AlignHCenter);
    NextGrid1->setHeaderVisible(true);
    NextGrid1->setHeaderHeight(40);
    NextGrid1->setFixedRowHeight(33);
    NextGrid1->setGridLines(ReferenceTable::GridLines::Flat);
    // A reference table: nothing in it is for the user to change.
    NextGrid1->setReadOnly(true);
    NextGrid1->setFont(narrowFont());

    BitBtn1 = addCloseButton(QRect(QPoint(), kCloseSize));

    centreOnScreen();
    layOut();

    FormCreate();
}

void AlchemyWindow::FormCreate()
{
    for (int potion = 0; potion < kPotionCount; ++potion)
        NextGrid1->setColumnCaption(kFirstPotionColumn + potion, QString::fromUtf8(kPotionHeaders[potion]));

    NextGrid1->addRows(kIngredientCount);
    for (int row = 0; row < kIngredientCount; ++row) {
        NextGrid1->setCellNumber(kImageColumn, row, row);
        NextGrid1->setCellText(kNameColumn, row, QString::fromUtf8(kIngredientNames[row]));
    }

    for (int potion = 0; potion < kPotionCount; ++potion)
        for (int row = 0; row < kIngredientCount; ++row)
            if (const int count = kPotionIngredients[row][potion])
                NextGrid1->setCellNumber(kFirstPotionColumn + potion, row, count);

    const QColor info = infoBackgroundColor();
    for (int potion = 0; potion < kPotionCount; ++potion)
        for (int row = 0; row < kIngredientCount; ++row)
            if (kPotionIngredients[row][potion])
                NextGrid1->setCellColor(kFirstPotionColumn + potion, row, info);
}

void AlchemyWindow::resizeEvent(QResizeEvent *event)
{
    ReferenceWindow::resizeEvent(event);
    layOut();
}

void AlchemyWindow::layOut()
{
    NextGrid1->setGeometry(kGridMargin, kGridMargin, qMax(0, width() - 2 * kGridMargin),
                           qMax(0, height() - kGridMargin - kGridBottomMargin));
    BitBtn1->move(width() - kCloseRight - kCloseSize.width(), height() - kCloseBottom - kCloseSize.height());
}
