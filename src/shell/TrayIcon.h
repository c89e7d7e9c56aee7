#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

// The notification-area icon as the main window relies on it. Platforms report tray
// clicks differently; this turns whatever arrives into clicks: a left click is one
// click, a double click two.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxToolTipLength = 62;

    explicit TrayIcon(QObject *owner);
    ~TrayIcon() override;

    // While active the icon stands in the notification area, where there is one.
    bool isActive() const { return m_active; }
    void setActive(bool active);
    void setIcon(const QIcon &icon);
    QString toolTip() const { return m_toolTip; }
    // Longer texts are cut to kMaxToolTipLength characters.
    void setToolTip(const QString &toolTip);
    // A short note beside the icon, captioned "Kelo", that takes no focus; nothing where
    // there is no icon.
    void showMessage(const QString &text);

    // The menu the right button opens on the icon.
    void setContextMenu(QMenu *menu);
    QMenu *contextMenu() const { return m_menu; }

    // True while an icon stands in the notification area for the player to click.
    bool isShownInTray() const;
    // Headless tests have no tray; they declare one to exercise hiding to it.
    void assumeTrayPresentForTesting(bool present) { m_assumedPresent = present; }

    // What the platform's tray reported; public so that tests can play click sequences.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void clicked();
    // The player clicked the note of showMessage.
    void messageClicked();

private:
    QSystemTrayIcon *m_trayIcon = nullptr;
    bool m_active = false;
    QIcon m_icon;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
    // When the platform last reported a single click not yet counted into a double click.
    QElapsedTimer m_lastClick;
    bool m_assumedPresent = false;
};
