#include "TTrayIcon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

TTrayIcon::TTrayIcon(QObject *owner) : QObject(owner)
{
    setObjectName(QStringLiteral("TrayIcon2"));
}

TTrayIcon::~TTrayIcon()
{
    setActive(false);
}

void TTrayIcon::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        // Without a tray the program runs on without an icon.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return;
        m_icon_ = new QSystemTrayIcon(m_icon, this);
        m_icon_->setToolTip(m_toolTip);
        connect(m_icon_, &QSystemTrayIcon::activated, this, &TTrayIcon::handleActivation);
        m_icon_->show();
    } else if (m_icon_) {
        m_icon_->hide();
        delete m_icon_;
        m_icon_ = nullptr;
    }
}

void TTrayIcon::setIcon(const QIcon &icon)
{
    m_icon = icon;
    if (m_icon_)
        m_icon_->setIcon(icon);
}

void TTrayIcon::setToolTip(const QString &toolTip)
{
    m_toolTip = toolTip.left(kMaxToolTipLength);
    if (m_icon_)
        m_icon_->setToolTip(m_toolTip);
}

void TTrayIcon::setShowApp(bool show)
{
    m_showApp = show;
    emit ShowAppChanged(show);
}

void TTrayIcon::showMessage(const QString &text)
{
    if (m_icon_)
        m_icon_->showMessage(QStringLiteral("Kelo"), text, QSystemTrayIcon::Information, 3000);
}

bool TTrayIcon::isShownInTray() const
{
    return m_active && (m_assumedPresent || (m_icon_ && m_icon_->isVisible()));
}

void TTrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
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
        emit OnClick();
        break;
    case QSystemTrayIcon::DoubleClick: {
        // A double click consists of two clicks, whatever the platform delivered.
        const int delivered = sameGesture ? m_clicksInGesture : 0;
        for (int i = delivered; i < 2; ++i)
            emit OnClick();
        m_clicksInGesture = 0;
        m_afterDoubleClick = true;
        m_gestureClock.start();
        emit OnDblClick();
        break;
    }
    case QSystemTrayIcon::Context: {
        const QPoint position = QCursor::pos();
        if (m_popupMenu)
            m_popupMenu->popup(position);
        emit OnRightClick(Qt::RightButton, Qt::NoModifier, position);
        break;
    }
    default:
        break;
    }
}
