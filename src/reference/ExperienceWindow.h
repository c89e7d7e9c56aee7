#pragma once

#include "reference/ReferenceWindow.h"

class ReferenceTable;
class QPushButton;

// The experience window: the game's level table, filled once at creation.
class ExperienceWindow : public ReferenceWindow {
    Q_OBJECT
public:
    static constexpr QColor kGridBackground{244, 255, 255};

    explicit ExperienceWindow(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillTable();
    void layOut();

    ReferenceTable *m_table = nullptr;
    QPushButton *m_closeButton = nullptr;
};
