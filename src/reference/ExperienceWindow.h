#pragma once

#include "reference/TableWindow.h"

// The experience window: the game's level table, filled once at creation.
class ExperienceWindow : public TableWindow {
    Q_OBJECT
public:
    static constexpr QColor kGridBackground{244, 255, 255};

    explicit ExperienceWindow(QWidget *parent = nullptr);

private:
    void fillTable();
};
