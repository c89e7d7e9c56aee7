#pragma once

#include "ReferenceWindow.h"

#include <QList>
#include <QPixmap>

class ReferenceTable;
class QLabel;
class QPushButton;
class QTreeWidget;

// The crafting reference: the craftable items one level group at a time, and for the
// item picked in the list its recipe (grid) and its characteristics (description).
class CraftingWindow : public ReferenceWindow
{
    Q_OBJECT
  public:
    explicit CraftingWindow(QWidget *parent = nullptr);

    int levelGroup() const { return LevelGroup; }

  public slots:
    // Runs each time the window goes from hidden to shown: group 0, first item shown.
    void FormShow();
    void Button1Click() { fillLevelGroup(0); }
    void Button2Click() { fillLevelGroup(1); }
    void Button3Click() { fillLevelGroup(2); }
    void Button4Click() { fillLevelGroup(3); }
    void Button5Click() { fillLevelGroup(4); }
    // Shows the item selected in the visible list; with nothing selected it leaves the
    // right-hand side as it is.
    void TreeView1Click();

  protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // Refills the visible list with the items of group `group`; selects nothing and
    // leaves the right-hand side showing the item last displayed.
    void fillLevelGroup(int group);

    QList<QPixmap> ImageList1; // item pictures, 54 × 69
    QList<QPixmap> ImageList3; // resource pictures, 40 × 32
    QTreeWidget *TreeView1 = nullptr;
    ReferenceTable *NextGrid1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *StaticText1 = nullptr;
    int LevelGroup = 0;
};
