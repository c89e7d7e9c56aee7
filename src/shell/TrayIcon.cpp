#include "TrayIcon.h"

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

void TrayIcon::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip.left(kMaxToolTipLength);
    if (m_trayIcon)
        m_trayIcon->setToolTip(m_toolTip);
}

bool TrayIcon::isShownInTray() const
{
    return m_active && (m_assumedPresent || (m_trayIcon && m_trayIcon->isVisible()));
}

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    const bool sameGesture = m_gestureClock.isValid()
                             && m_gestureClock.elapsed() <= QApplication::doubleClickInterval();
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // Some platforms follow a double click with one more single click.
        if (m_afterDoubleClick && sameGesture) {
            m_afterDoubleClick = false;
            return;
        }
        m_afterDoubleClick = false;
        if (!sameGesture || m_clicksInGesture >= 2)
            m_clicksInGesture = 0;
        m_gestureClock.start();
        ++m_clicksInGesture;
        emit clicked();
        break;
    case QSystemTrayIcon::DoubleClick: {
        // A double click consists of two clicks, whatever the platform delivered.
        const int delivered = sameGesture ? m_clicksInGesture : 0;
        for (int i = delivered; i < 2; ++i)
            emit clicked();
        m_clicksInGesture = 0;
        m_afterDoubleClick = true;
        m_gestureClock.start();
        break;
    }
    default:
        // The right button does nothing.
        break;
    }
}
