#pragma once

#include "desktop/GlobalShortcut.h"

#include <QAbstractNativeEventFilter>

// The shortcut on Windows: a hot key registered for this thread, whose WM_HOTKEY message
// Qt's event loop hands to a native event filter. Windows delivers it whichever program
// has the focus, and by virtual-key code, so the keyboard layout does not matter.
class WindowsGlobalShortcut : public GlobalShortcut, private QAbstractNativeEventFilter {
public:
    WindowsGlobalShortcut();
    ~WindowsGlobalShortcut() override;

    void grab(const QKeySequence &keys) override;

private:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    void unregister();

    bool m_registered = false;
};
