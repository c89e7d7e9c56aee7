#pragma once

#include "reference/ReferenceWindow.h"

#include <QList>
#include <QPixmap>

class ReferenceTable;
class QPushButton;

// The alchemy window: the four potions' recipes as one table, filled once at creation.
class AlchemyWindow : public ReferenceWindow {
    Q_OBJECT
public:
    explicit AlchemyWindow(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillTable();
    void layOut();

    QList<QPixmap> m_ingredientPictures; // 40 × 32, in row order
    ReferenceTable *m_table = nullptr;
    QPushButton *m_closeButton = nullptr;
};
