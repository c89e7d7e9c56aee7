#include "reference/CraftingWindow.h"

#include "data/CraftData.h"
#include "pictures/BuiltInPicture.h"
#include "reference/ReferenceTableStyle.h"
#include "widgets/ElidedTextDelegate.h"
#include "widgets/ReferenceTable.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

namespace {

QList<QPixmap> loadPictures(const char *pattern, int count)
{
    QList<QPixmap> pictures;
    for (int i = 0; i < count; ++i)
        pictures.append(BuiltInPicture::pixmap(QString::asprintf(pattern, i)));
    return pictures;
}

} // namespace

CraftingWindow::CraftingWindow(QWidget *parent)
    : ReferenceWindow("FormCraft", tr("Крафт"), QSize(833, 511), parent)
{
    m_itemPictures = loadPictures(":/reference/craft-item-%02d.png", kCraftItemCount);
    m_resourcePictures = loadPictures(":/reference/craft-res-%02d.png", kResourcePictureCount);

    const QString captions[kLevelGroupCount] = {tr("4-5 уровень"), tr("6-7 уровень"), tr("8-9 уровень"),
                                                tr("10-11 уровень"), tr("Сет 8-11 уровень")};
    for (int g = 0; g < kLevelGroupCount; ++g) {
        auto *button = new QPushButton(captions[g], this);
        button->setObjectName(QStringLiteral("Button%1").arg(g + 1));
        button->setGeometry(8, 8 + 32 * g, 113, 25);
        connect(button, &QPushButton::clicked, this, [this, g] { showLevelGroup(g); });
    }

    m_itemList = new QTreeWidget(this);
    m_itemList->setObjectName(QStringLiteral("TreeView1"));
    m_itemList->setGeometry(128, 8, 233, 457);
    m_itemList->setHeaderHidden(true);
    m_itemList->setColumnCount(1);
    m_itemList->setIconSize(QSize(54, 69));
    m_itemList->setIndentation(57);
    m_itemList->setRootIsDecorated(false);
    m_itemList->setUniformRowHeights(true);
    m_itemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_itemList->setSelectionMode(QAbstractItemView::SingleSelection);
    // The narrow face keeps the names whole; one still too long shows whole in its tool-tip.
    m_itemList->setFont(ReferenceTableStyle::narrowFont());
    m_itemList->setItemDelegate(new ElidedTextDelegate(m_itemList));
    // The chosen item stays marked while the focus is elsewhere.
    QPalette listPalette = m_itemList->palette();
    listPalette.setColor(QPalette::Inactive, QPalette::Highlight,
                         listPalette.color(QPalette::Active, QPalette::Highlight));
    listPalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         listPalette.color(QPalette::Active, QPalette::HighlightedText));
    m_itemList->setPalette(listPalette);
    // Whatever moves the selection, a click or a key, shows the item it lands on, so the
    // list and the right-hand side never disagree.
    connect(m_itemList, &QTreeWidget::itemSelectionChanged, this, &CraftingWindow::showSelectedItem);

    addCloseButton(QRect(8, 424, 113, 33));

    m_itemTitle = new QLabel(QStringLiteral("Label2"), this);
    m_itemTitle->setObjectName(QStringLiteral("Label2"));
    m_itemTitle->setGeometry(368, 8, 449, 16);
    m_itemTitle->setTextFormat(Qt::PlainText);
    m_itemTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont captionFont = m_itemTitle->font();
    captionFont.setPixelSize(13);
    captionFont.setBold(true);
    captionFont.setUnderline(true);
    m_itemTitle->setFont(captionFont);
    QPalette captionPalette = m_itemTitle->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_itemTitle->setPalette(captionPalette);

    m_recipeTable = new ReferenceTable(this);
    m_recipeTable->setObjectName(QStringLiteral("NextGrid1"));
    m_recipeTable->setGeometry(368, 32, 250, 433);
    m_recipeTable->addImageColumn(m_resourcePictures, 41);
    m_recipeTable->addTextColumn(QString(), 177);
    m_recipeTable->addNumberColumn(QString(), 30, 0);
    m_recipeTable->setSortableByHeader(true);
    m_recipeTable->setFixedRowHeight(33);
    m_recipeTable->setFont(ReferenceTableStyle::narrowFont());

    m_itemDescription = new QLabel(QStringLiteral("StaticText1"), this);
    m_itemDescription->setObjectName(QStringLiteral("StaticText1"));
    m_itemDescription->setGeometry(624, 32, 193, 433);
    m_itemDescription->setTextFormat(Qt::PlainText);
    m_itemDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_itemDescription->setFont(ReferenceTableStyle::narrowFont());
    m_itemDescription->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_itemDescription->setMargin(2);

    centreOnScreen();
}

void CraftingWindow::showEvent(QShowEvent *event)
{
    ReferenceWindow::showEvent(event);
    // Restoring a minimised window is a spontaneous show; only a hidden → shown change resets.
    if (!event->spontaneous()) {
        // Each opening starts over at the first group's first item.
        showLevelGroup(0);
        m_itemList->setCurrentItem(m_itemList->topLevelItem(0)); // selecting it shows it
    }
}

void CraftingWindow::showLevelGroup(int group)
{
    m_levelGroup = group;
    m_itemList->clear();
    const LevelGroupRange range = kLevelGroups[group];
    for (int item = range.first; item < range.first + range.count; ++item) {
        auto *entry = new QTreeWidgetItem(m_itemList);
        entry->setText(0, QString::fromUtf8(kCraftItemNames[item]));
        // The selected picture is the same picture, not a tinted copy of it.
        QIcon picture(m_itemPictures.value(item));
        picture.addPixmap(m_itemPictures.value(item), QIcon::Selected);
        entry->setIcon(0, picture);
    }
}

void CraftingWindow::showSelectedItem()
{
    const QList<QTreeWidgetItem *> selected = m_itemList->selectedItems();
    // Right after a level-group button nothing is selected; there is nothing to show then,
    // so the item shown before stays.
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *chosen = selected.first();

    m_recipeTable->clearRows();
    m_itemTitle->setText(chosen->text(0));
    // The item is known by its group and its place in the list, never by its text.
    const int item = kLevelGroups[m_levelGroup].first + m_itemList->indexOfTopLevelItem(chosen);

    const CraftRecipe &recipe = kCraftRecipes[item];
    m_recipeTable->addRows(recipe.rowCount);
    for (int row = 0; row < recipe.rowCount; ++row) {
        const RecipeRow &part = recipe.rows[row];
        m_recipeTable->setCellNumber(0, row, part.picture);
        m_recipeTable->setCellText(1, row, QString::fromUtf8(part.resource));
        m_recipeTable->setCellNumber(2, row, part.count);
    }
    // One line per entry, never broken inside one: a line too long for the panel is cut
    // in the middle, so its value still shows, and the panel's tool-tip holds the whole text.
    const QStringList entries = QString::fromUtf8(ItemDescriptions[item]).split(QLatin1String("\r\n"));
    const int room = m_itemDescription->contentsRect().width() - 2 * m_itemDescription->margin();
    QStringList lines;
    for (const QString &entry : entries)
        lines.append(m_itemDescription->fontMetrics().elidedText(entry, Qt::ElideMiddle, room));
    m_itemDescription->setText(lines.join(QLatin1Char('\n')));
    m_itemDescription->setToolTip(lines == entries ? QString() : entries.join(QLatin1Char('\n')));
}
