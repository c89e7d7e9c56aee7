#include "CraftingWindow.h"

#include "CraftData.h"
#include "ReferenceTable.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

namespace
{

QList<QPixmap> loadPictures(const char *pattern, int count)
{
    QList<QPixmap> pictures;
    for (int i = 0; i < count; ++i)
        pictures.append(QPixmap(QString::asprintf(pattern, i)));
    return pictures;
}

} // namespace

CraftingWindow::CraftingWindow(QWidget *parent)
    : ReferenceWindow("FormCraft", QStringLiteral("Крафт"), QSize(833, 511), parent)
{
    ImageList1 = loadPictures(":/reference/craft-item-%02d.png", kCraftItemCount);
    ImageList3 = loadPictures(":/reference/craft-res-%02d.png", kResourcePictureCount);

    const QString captions[kLevelGroupCount] = {
        QStringLiteral("4-5 уровень"), QStringLiteral("6-7 уровень"), QStringLiteral("8-9 уровень"),
        QStringLiteral("10-11 уровень"), QStringLiteral("Сет 8-11 уровень")};
    void (CraftingWindow::*handlers[kLevelGroupCount])() = {&CraftingWindow::Button1Click, &CraftingWindow::Button2Click,
                                                        &CraftingWindow::Button3Click, &CraftingWindow::Button4Click,
                                                        &CraftingWindow::Button5Click};
    for (int g = 0; g < kLevelGroupCount; ++g) {
        auto *button = new QPushButton(captions[g], this);
        button->setObjectName(QStringLiteral("Button%1").arg(g + 1));
        button->setGeometry(8, 8 + 32 * g, 113, 25);
        connect(button, &QPushButton::clicked, this, handlers[g]);
    }

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setGeometry(128, 8, 233, 457);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setIconSize(QSize(54, 69));
    TreeView1->setIndentation(57);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen item stays marked while the focus is elsewhere.
    QPalette listPalette = TreeView1->palette();
    listPalette.setColor(QPalette::Inactive, QPalette::Highlight,
                         listPalette.color(QPalette::Active, QPalette::Highlight));
    listPalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         listPalette.color(QPalette::Active, QPalette::HighlightedText));
    TreeView1->setPalette(listPalette);
    // Any click in the list, on an item or beside one, runs the item display.
    TreeView1->viewport()->installEventFilter(this);

    addCloseButton(QRect(8, 424, 113, 33));

    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(368, 8, 449, 16);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont captionFont = Label2->font();
    captionFont.setPixelSize(13);
    captionFont.setBold(true);
    captionFont.setUnderline(true);
    Label2->setFont(captionFont);
    QPalette captionPalette = Label2->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label2->setPalette(captionPalette);

    NextGrid1 = new ReferenceTable(this);
    NextGrid1->setObjectName(QStringLiteral("NextGrid1"));
    NextGrid1->setGeometry(368, 32, 250, 433);
    const int pictureColumn = NextGrid1->addImageColumn(ImageList3, 41);
    const int nameColumn = NextGrid1->addTextColumn(QString(), 177);
    const int countColumn = NextGrid1->addNumberColumn(QString(), 30, 0);
    NextGrid1->setColumnSortKind(pictureColumn, ReferenceTable::SortKind::Numeric);
    NextGrid1->setColumnSortKind(nameColumn, ReferenceTable::SortKind::Alphabetic);
    NextGrid1->setColumnSortKind(countColumn, ReferenceTable::SortKind::Numeric);
    NextGrid1->setFixedRowHeight(33);
    NextGrid1->setReadOnly(true);
    NextGrid1->setRowSelect(true);

    StaticText1 = new QLabel(QStringLiteral("StaticText1"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(624, 32, 193, 433);
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StaticText1->setWordWrap(true);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setMargin(2);

    centreOnScreen();
}

void CraftingWindow::showEvent(QShowEvent *event)
{
    ReferenceWindow::showEvent(event);
    // Restoring a minimised window is a spontaneous show; only a hidden → shown change resets.
    if (!event->spontaneous())
        FormShow();
}

bool CraftingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TreeView1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        TreeView1Click();
    return ReferenceWindow::eventFilter(watched, event);
}

void CraftingWindow::fillLevelGroup(int group)
{
    LevelGroup = group;
    TreeView1->clear();
    const LevelGroupRange range = kLevelGroups[group];
    for (int item = range.first; item < range.first + range.count; ++item) {
        auto *entry = new QTreeWidgetItem(TreeView1);
        entry->setText(0, QString::fromUtf8(kCraftItemNames[item]));
        // The selected picture is the same picture, not a tinted copy of it.
        QIcon picture(ImageList1.value(item));
        picture.addPixmap(ImageList1.value(item), QIcon::Selected);
        entry->setIcon(0, picture);
    }
}

void CraftingWindow::FormShow()
{
    fillLevelGroup(0);
    TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
    TreeView1Click();
}

void CraftingWindow::TreeView1Click()
{
    const QList<QTreeWidgetItem *> selected = TreeView1->selectedItems();
    // Right after a level-group button nothing is selected; there is nothing to show then,
    // so the item shown before stays.
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *entry = selected.first();

    NextGrid1->clearRows();
    Label2->setText(entry->text(0));
    const int position = TreeView1->indexOfTopLevelItem(entry);
    if (LevelGroup < 0 || LevelGroup >= kLevelGroupCount || position < 0 ||
        position >= kLevelGroups[LevelGroup].count)
        return;
    const int item = kLevelGroups[LevelGroup].first + position;

    const CraftRecipe &recipe = kCraftRecipes[item];
    NextGrid1->addRows(recipe.rowCount);
    for (int row = 0; row < recipe.rowCount; ++row) {
        const RecipeRow &part = recipe.rows[row];
        NextGrid1->setCellNumber(0, row, part.picture);
        NextGrid1->setCellText(1, row, QString::fromUtf8(part.resource));
        NextGrid1->setCellNumber(2, row, part.count);
    }
    // The description's lines are joined Windows-style; the label breaks lines on "\n".
    StaticText1->setText(
        QString::fromUtf8(ItemDescriptions[item]).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}
