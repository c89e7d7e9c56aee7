#pragma once

#include "desktop/GlobalShortcut.h"

#include <QDBusConnection>
#include <QTimer>
#include <QVariantMap>

#include <functional>

class QDBusMessage;
class QDBusObjectPath;

// The shortcut through the desktop portal, the way a program asks a Wayland desktop itself
// for a shortcut: keys pressed in native Wayland windows reach only the desktop, never an
// X11 grab. The desktop may ask the player once to confirm the keys, and reports each press.
// Every call is asynchronous; each answer arrives as a Response signal on a request object.
// The shortcut counts as bound only where the portal lists it: a portal may answer "done"
// and bind nothing.
class PortalGlobalShortcut : public GlobalShortcut {
    Q_OBJECT
public:
    // The key grab of the display, null where there is none.
    using Fallback = std::function<std::unique_ptr<GlobalShortcut>()>;
    // How long the desktop has for each answer.
    static constexpr int kAnswerTimeoutMs = 5000;

    // True in a Wayland session (its own display, or the session type says so).
    static bool isWaylandSession();

    // `fallback` makes the shortcut that serves where `bus` has no portal for shortcuts, or
    // where the portal binds none.
    PortalGlobalShortcut(const QDBusConnection &bus, Fallback fallback);
    ~PortalGlobalShortcut() override;

    void grab(const QKeySequence &keys) override;

private slots:
    void takeResponse(uint response, const QVariantMap &results, const QDBusMessage &message);
    void takeActivation(const QDBusObjectPath &session, const QString &shortcutId, qulonglong timestamp,
                        const QVariantMap &options, const QDBusMessage &message);

private:
    enum class Step { Idle, Asking, OpeningSession, Binding, Listing, Bound, Off };

    void registerApplication();
    void askForShortcuts();
    // Our one shortcut, as CreateSession and BindShortcuts take it.
    QVariant shortcutList() const;
    void openSession();
    void bindShortcut();
    void listShortcuts();
    // Takes the portal's list of bound shortcuts: bound when ours is in it, else the fallback.
    void takeBoundList(const QVariant &shortcuts);
    void becomeBound(const QString &trigger);
    void useFallbackForUnbound();
    // Calls `method` of the portal; `done` gets the reply or the error.
    void callPortal(const QDBusMessage &method, std::function<void(const QDBusMessage &)> done);
    // A call answered by a Response: the answer is awaited on the request object named by
    // `token`, subscribed to before the call so that no answer can come first.
    void request(const QDBusMessage &method, const QString &token);
    void awaitResponseAt(const QString &path);
    void stopAwaitingResponse();
    void useFallback();
    void refuse(const QString &reason);
    void closeSession();
    QString objectPath(const char *kind, const QString &token) const;

    QDBusConnection m_bus;
    Fallback m_fallback;
    std::unique_ptr<GlobalShortcut> m_fallbackShortcut;
    QKeySequence m_keys;
    Step m_step = Step::Idle;
    // The portal's unique bus name: signals from anyone else are not believed.
    QString m_portal;
    QString m_requestPath;
    QString m_sessionPath;
    QTimer m_answerTimer;
    bool m_fallbackRefused = false;
};
