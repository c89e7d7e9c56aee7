#pragma once

#include "reference/TableWindow.h"

#include <QList>
#include <QPixmap>

// The alchemy window: the four potions' recipes as one table, filled once at creation.
class AlchemyWindow : public TableWindow {
    Q_OBJECT
public:
    explicit AlchemyWindow(QWidget *parent = nullptr);

private:
    void fillTable();

    QList<QPixmap> m_ingredientPictures; // 40 × 32, in row order
};
