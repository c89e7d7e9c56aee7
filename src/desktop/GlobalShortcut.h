#pragma once

#include <QKeySequence>
#include <QObject>

#include <memory>

// A key combination that reaches the program whichever window has the focus, so that
// the player can use Kelo without leaving the game.
class GlobalShortcut : public QObject {
    Q_OBJECT
public:
    // The kind the running session supports: the desktop portal's in a Wayland session that
    // offers it, else X11's key grab, or one that never fires where there is neither
    // (Wayland without XWayland or portal, other systems, headless tests).
    static std::unique_ptr<GlobalShortcut> forThisSession();

    // Asks for `keys` (one combination) for the whole desktop. When they cannot be had,
    // `refused` says why ("another program holds it"), once: at once, or later where the
    // desktop answers later (it may ask the player first).
    virtual void grab(const QKeySequence &keys) = 0;

signals:
    // Delivered through the event loop, never from inside the window system's event.
    void activated();
    void refused(const QString &reason);
    // Once the shortcut works where the player could not tell by which keys or how far: the
    // keys a desktop bound (they may differ from those asked for, and the desktop's settings
    // may change them), or a narrower reach than asked for. One sentence, said once.
    void grantedAs(const QString &how);
};
