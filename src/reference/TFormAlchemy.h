#pragma once

#include "ReferenceWindow.h"

#include <QList>
#include <QPixmap>

class GridControl;
class QPushButton;

// The alchemy window (UnitAlchemy): the four potions' recipes as one table, filled once
// at creation.
class TFormAlchemy : public ReferenceWindow
{
    Q_OBJECT
  public:
    explicit TFormAlchemy(QWidget *parent = nullptr);

  public slots:
    // Sets the potion headers and fills the table; runs once, from the constructor.
    void FormCreate();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    void layOut();

    QList<QPixmap> ImageList1; // ingredient pictures, 40 × 32, in row order
    GridControl *NextGrid1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
