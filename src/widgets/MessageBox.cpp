#include "widgets/MessageBox.h"

#include <QMessageBox>

void MessageBox::show(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelo"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("KeloMessageBox"));
    // The main window stays on top of everything; the box must not open behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}
