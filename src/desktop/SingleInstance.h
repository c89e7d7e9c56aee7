#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One Kelo per desktop session (the user and the display; on Windows the logon session). The first start
// listens on a local socket named after both; a later start on the same desktop finds it, asks it to show its
// main window and ends once it has. A socket left behind by a Kelo that was killed is replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The name for this user and this process's display; empty where there is no display.
    static QString nameForThisDesktop();
    // The socket's name for `user` on the desktop that `display` (X11) and `waylandDisplay`
    // name; a Wayland session's own display wins over XWayland's. Empty when both are.
    static QString nameFor(uint user, const QString &display, const QString &waylandDisplay);

    // The name for `user`'s Windows logon session `session`; empty without a user.
    static QString nameForWindowsSession(const QString &user, uint session);

    explicit SingleInstance(const QString &name, QObject *parent = nullptr);

    // True when a Kelo already runs on this desktop and has shown its window; this one should
    // then end. Otherwise this one now waits for later starts. A running Kelo answers at
    // once; where it does not, this waits until it answers or ends (and takes over), saying
    // on standard error that it waits.
    bool handOverToRunning();
    // How long a start waits for the running Kelo's answer before it says that it waits.
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }

signals:
    // A later start on this desktop asked for the main window.
    void showRequested();

private:
    // True once the Kelo at the other end says its window is shown; false when it went away.
    bool awaitShown(QLocalSocket *socket) const;
    void listen(bool replaceLeftover);
    void serve(QLocalSocket *caller);

    QString m_name;
    QString m_lockPath;
    QLocalServer *m_server = nullptr;
    // A running Kelo answers at once; one silent this long is said to be stuck.
    int m_replyTimeoutMs = 3000;
};
