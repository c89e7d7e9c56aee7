#pragma once

#include "reference/ReferenceWindow.h"

#include <QMargins>

class ReferenceTable;
class QPushButton;

// A reference window that is one table with "Закрыть" at the bottom right: the table
// keeps its margins to the window's sides as the window is resized, the button keeps its
// distance to the bottom-right corner.
class TableWindow : public ReferenceWindow {
    Q_OBJECT
public:
    struct Layout {
        QMargins tableMargins;
        QSize closeSize;
        int closeRight;
        int closeBottom;
    };

    TableWindow(const char *objectName, const QString &caption, QSize outerSize, const Layout &layout,
                QWidget *parent = nullptr);

protected:
    ReferenceTable *table() const { return m_table; }
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    Layout m_layout;
    ReferenceTable *m_table;
    QPushButton *m_closeButton;
};
