#pragma once

#include "ReferenceWindow.h"

#include <QList>
#include <QPixmap>

class ReferenceTable;
class QPushButton;

// The alchemy window (UnitAlchemy): the four potions' recipes as one table, filled once
// at creation.
class AlchemyWindow : public ReferenceWindow
{
    Q_OBJECT
  public:
    explicit AlchemyWindow(QWidget *parent = nullptr);

  public slots:
    // Sets the potion headers and fills the table; runs once, from the constructor.
    void FormCreate();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    void layOut();

    QList<QPixmap> ImageList1; // ingredient pictures, 40 × 32, in row order
    ReferenceTable *NextGrid1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
