#pragma once

#include <QKeySequence>
#include <QObject>

#include <memory>

// A key combination that reaches the program whichever window has the focus, so that
// the player can use Kelo without leaving the game.
class GlobalShortcut : public QObject {
    Q_OBJECT
public:
    // The kind the running session supports: X11's key grab, or one that never fires
    // where there is none (Wayland without XWayland, other systems, headless tests).
    static std::unique_ptr<GlobalShortcut> forThisSession();

    // Takes `keys` (one combination) for the whole desktop. When that cannot be done,
    // returns false and says why in `reason` ("another program holds it").
    virtual bool grab(const QKeySequence &keys, QString *reason) = 0;

signals:
    // Delivered through the event loop, never from inside the window system's event.
    void activated();
};
