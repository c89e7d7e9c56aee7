#include "desktop/WindowsGlobalShortcut.h"

#include "desktop/DesktopKey.h"

#include <QCoreApplication>

#include <qt_windows.h>

namespace {
// The hot key's number among this program's own; an application's lie below 0xC000.
constexpr int kHotKeyId = 0x4b31;

// The virtual-key code of the key; for printable keys whose place the layout decides,
// the key that types the character in the active layout.
UINT virtualKeyOf(const QKeySequence &keys)
{
    const std::optional<DesktopKey> key = desktopKeyOf(keys);
    if (!key)
        return 0;
    if (key->virtualKey)
        return key->virtualKey;
    if (key->keysym < 0x20 || key->keysym > 0x7e)
        return 0;
    const SHORT scan = VkKeyScanW(wchar_t(key->keysym));
    // A character that needs Shift (or more) is not a key of its own.
    if (scan == -1 || (scan >> 8) != 0)
        return 0;
    return UINT(scan & 0xff);
}
} // namespace

WindowsGlobalShortcut::WindowsGlobalShortcut()
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowsGlobalShortcut::~WindowsGlobalShortcut()
{
    unregister();
}

void WindowsGlobalShortcut::grab(const QKeySequence &keys)
{
    unregister();
    const UINT virtualKey = virtualKeyOf(keys);
    if (!virtualKey) {
        emit refused(QStringLiteral("its key cannot be registered"));
        return;
    }
    const Qt::KeyboardModifiers wanted = keys[0].keyboardModifiers();
    // MOD_NOREPEAT: a held key answers once, not once per auto-repeat.
    UINT modifiers = MOD_NOREPEAT;
    if (wanted & Qt::ShiftModifier)
        modifiers |= MOD_SHIFT;
    if (wanted & Qt::ControlModifier)
        modifiers |= MOD_CONTROL;
    if (wanted & Qt::AltModifier)
        modifiers |= MOD_ALT;
    if (wanted & Qt::MetaModifier)
        modifiers |= MOD_WIN;
    // No window: the message goes to this thread's queue, which Qt's event loop reads.
    if (!RegisterHotKey(nullptr, kHotKeyId, modifiers, virtualKey)) {
        emit refused(GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED
                         ? QStringLiteral("another program holds it")
                         : QStringLiteral("Windows refused it"));
        return;
    }
    m_registered = true;
}

void WindowsGlobalShortcut::unregister()
{
    if (m_registered)
        UnregisterHotKey(nullptr, kHotKeyId);
    m_registered = false;
}

bool WindowsGlobalShortcut::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_registered || eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_HOTKEY || msg->wParam != WPARAM(kHotKeyId))
        return false;
    QMetaObject::invokeMethod(this, &GlobalShortcut::activated, Qt::QueuedConnection);
    return true;
}
