#pragma once

#include "ReferenceWindow.h"

class ReferenceTable;
class QPushButton;

// The experience window (UnitExp): the game's level table, filled once at creation.
class ExperienceWindow : public ReferenceWindow
{
    Q_OBJECT
  public:
    static constexpr QColor kGridBackground{244, 255, 255};

    explicit ExperienceWindow(QWidget *parent = nullptr);

  public slots:
    // Fills the table; runs once, from the constructor.
    void FormCreate();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    void layOut();

    ReferenceTable *NextGrid1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
