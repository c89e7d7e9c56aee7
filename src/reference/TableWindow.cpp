#include "reference/TableWindow.h"

#include "widgets/ReferenceTable.h"

#include <QPushButton>

TableWindow::TableWindow(const char *objectName, const QString &caption, QSize outerSize,
                         const Layout &layout, QWidget *parent)
    : ReferenceWindow(objectName, caption, outerSize, parent), m_layout(layout)
{
    m_table = new ReferenceTable(this);
    m_table->setObjectName(QStringLiteral("NextGrid1"));
    m_closeButton = addCloseButton(QRect(QPoint(), layout.closeSize));
    centreOnScreen();
    layOut();
}

void TableWindow::resizeEvent(QResizeEvent *event)
{
    ReferenceWindow::resizeEvent(event);
    layOut();
}

void TableWindow::layOut()
{
    m_table->setGeometry(rect().marginsRemoved(m_layout.tableMargins));
    m_closeButton->move(width() - m_layout.closeRight - m_layout.closeSize.width(),
                        height() - m_layout.closeBottom - m_layout.closeSize.height());
}
