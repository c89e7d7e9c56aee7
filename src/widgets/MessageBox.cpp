#include "widgets/MessageBox.h"

#include <QMessageBox>

#include <utility>

namespace {
MessageBox::Listener &listener()
{
    static MessageBox::Listener current;
    return current;
}
} // namespace

void MessageBox::show(QWidget *parent, const QString &text)
{
    if (listener() && listener()(parent, text))
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelo"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("KeloMessageBox"));
    // The main window stays on top of everything; the box must not open behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

MessageBox::Listener MessageBox::setListener(Listener listener)
{
    return std::exchange(::listener(), std::move(listener));
}
