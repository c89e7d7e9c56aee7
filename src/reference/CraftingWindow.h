#pragma once

#include "reference/ReferenceWindow.h"

#include <QList>
#include <QPixmap>

class ReferenceTable;
class QLabel;
class QTreeWidget;

// The crafting reference: the craftable items one level group at a time, and for the
// item picked in the list its recipe (table) and its characteristics (description).
class CraftingWindow : public ReferenceWindow {
    Q_OBJECT
public:
    explicit CraftingWindow(QWidget *parent = nullptr);

    int levelGroup() const { return m_levelGroup; }

public slots:
    // Shows the item selected in the list; with nothing selected it leaves the
    // right-hand side as it is.
    void showSelectedItem();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Refills the list with the items of `group`; selects nothing and leaves the
    // right-hand side showing the item last displayed.
    void showLevelGroup(int group);

    QList<QPixmap> m_itemPictures;     // 54 × 69, by item number
    QList<QPixmap> m_resourcePictures; // 40 × 32
    QTreeWidget *m_itemList = nullptr;
    ReferenceTable *m_recipeTable = nullptr;
    QLabel *m_itemTitle = nullptr;
    QLabel *m_itemDescription = nullptr;
    int m_levelGroup = 0;
};
