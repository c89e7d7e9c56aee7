#pragma once

#include "desktop/GlobalShortcut.h"

#include <QAbstractNativeEventFilter>
#include <QList>

#include <cstdint>

struct xcb_connection_t;

// The shortcut under X11: a passive grab of the key on every root window, for each state
// of Num Lock and Caps Lock, picked out of Qt's own event stream by a native event filter.
// The grab names key codes, not characters, so it works in whichever keyboard layout is
// active (a Russian one, say).
class X11GlobalShortcut : public GlobalShortcut, private QAbstractNativeEventFilter {
public:
    // Null unless the program runs on an X11 display.
    static std::unique_ptr<X11GlobalShortcut> forThisDisplay();
    ~X11GlobalShortcut() override;

    void grab(const QKeySequence &keys) override;

private:
    explicit X11GlobalShortcut(xcb_connection_t *connection);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    void ungrab();

    xcb_connection_t *m_connection;
    QList<std::uint32_t> m_roots;
    // What is grabbed: each key code with the shortcut's modifiers plus each lock state.
    QList<std::uint8_t> m_keycodes;
    std::uint16_t m_modifiers = 0;
    QList<std::uint16_t> m_lockStates;
    // The modifier bits that tell one shortcut from another (not the locks, not the layout group).
    std::uint16_t m_significant = 0;
};
