#include "shell/TrayIcon.h"

#include <QApplication>

TrayIcon::TrayIcon(QObject *owner) : QObject(owner)
{
    setObjectName(QStringLiteral("TrayIcon2"));
}

TrayIcon::~TrayIcon()
{
    setActive(false);
}

void TrayIcon::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        // Without a tray the program runs on without an icon.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return;
        m_trayIcon = new QSystemTrayIcon(m_icon, this);
        m_trayIcon->setToolTip(m_toolTip);
        connect(m_trayIcon, &QSystemTrayIcon::activated, this, &TrayIcon::handleActivation);
        connect(m_trayIcon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
        if (m_menu)
            m_trayIcon->setContextMenu(m_menu);
        m_trayIcon->show();
    } else if (m_trayIcon) {
        m_trayIcon->hide();
        delete m_trayIcon;
        m_trayIcon = nullptr;
    }
}

void TrayIcon::setIcon(const QIcon &icon)
{
    m_icon = icon;
    if (m_trayIcon)
        m_trayIcon->setIcon(icon);
}

void TrayIcon::setContextMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_trayIcon)
        m_trayIcon->setContextMenu(menu);
}

void TrayIcon::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip.left(kMaxToolTipLength);
    if (m_trayIcon)
        m_trayIcon->setToolTip(m_toolTip);
}

void TrayIcon::showMessage(const QString &text)
{
    if (m_trayIcon)
        m_trayIcon->showMessage(QStringLiteral("Kelo"), text, QSystemTrayIcon::Information, 3000);
}

bool TrayIcon::isShownInTray() const
{
    return m_active && (m_assumedPresent || (m_trayIcon && m_trayIcon->isVisible()));
}

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        m_lastClick.start();
        emit clicked();
        break;
    case QSystemTrayIcon::DoubleClick: {
        // A double click is two clicks; most platforms have reported the first of them
        // already as a single click. Every click after it counts again, however fast.
        const bool firstReported =
            m_lastClick.isValid() && m_lastClick.elapsed() <= QApplication::doubleClickInterval();
        m_lastClick.invalidate();
        if (!firstReported)
            emit clicked();
        emit clicked();
        break;
    }
    default:
        // The right button opens the context menu, which the platform does by itself.
        break;
    }
}
