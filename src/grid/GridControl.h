#pragma once

#include <QTableWidget>

// The multi-column table of the reference windows.
class GridControl : public QTableWidget {
    Q_OBJECT
public:
    explicit GridControl(QWidget *parent = nullptr);
};
