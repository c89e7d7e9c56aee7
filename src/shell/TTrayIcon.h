#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

class QMenu;

// The notification-area icon as the main window relies on it. Platforms report tray
// clicks differently; this component turns whatever arrives into the same events:
// a left click raises OnClick once, a double click raises OnClick twice and then
// OnDblClick, a right click raises OnRightClick (after opening PopupMenu, if set).
class TTrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxToolTipLength = 62;

    explicit TTrayIcon(QObject *owner);
    ~TTrayIcon() override;

    bool Active() const { return m_active; }
    void setActive(bool active);
    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon &icon);
    QString ToolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip);
    bool ShowApp() const { return m_showApp; }
    void setShowApp(bool show);
    QMenu *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *menu) { m_popupMenu = menu; }
    // A short note beside the icon, captioned "Kelo", that takes no focus; nothing where
    // there is no icon.
    void showMessage(const QString &text);

    // True while an icon stands in the notification area for the player to click.
    bool isShownInTray() const;
    // Headless tests have no tray; they declare one to exercise hiding to it.
    void assumeTrayPresentForTesting(bool present) { m_assumedPresent = present; }

    // What the platform's tray reported; public so that tests can play click sequences.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void OnClick();
    void OnDblClick();
    void OnRightClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void ShowAppChanged(bool show);

private:
    QSystemTrayIcon *m_icon_ = nullptr;
    bool m_active = false;
    bool m_showApp = false;
    QIcon m_icon;
    QString m_toolTip;
    QMenu *m_popupMenu = nullptr;
    // Clicks delivered for the gesture that is under way, so that a double click adds
    // only the clicks the platform did not deliver itself.
    int m_clicksInGesture = 0;
    QElapsedTimer m_gestureClock;
    bool m_afterDoubleClick = false;
    bool m_assumedPresent = false;
};
