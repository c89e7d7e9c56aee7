#include "desktop/X11GlobalShortcut.h"

#include "desktop/DesktopKey.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <initializer_list>

namespace {
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The keyboard's key codes with the keysyms of all their groups and levels, and the
// modifier map; read afresh for every grab.
class KeyboardMap {
public:
    explicit KeyboardMap(xcb_connection_t *connection)
    {
        const xcb_setup_t *setup = xcb_get_setup(connection);
        m_firstKeycode = setup->min_keycode;
        const auto keyboardCookie = xcb_get_keyboard_mapping(
            connection, setup->min_keycode, std::uint8_t(setup->max_keycode - setup->min_keycode + 1));
        const auto modifierCookie = xcb_get_modifier_mapping(connection);
        if (Reply<xcb_get_keyboard_mapping_reply_t> reply{
                xcb_get_keyboard_mapping_reply(connection, keyboardCookie, nullptr), &std::free}) {
            m_keysymsPerKeycode = reply->keysyms_per_keycode;
            const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
            m_keysyms =
                QList<xcb_keysym_t>(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
        }
        if (Reply<xcb_get_modifier_mapping_reply_t> reply{
                xcb_get_modifier_mapping_reply(connection, modifierCookie, nullptr), &std::free}) {
            m_keycodesPerModifier = reply->keycodes_per_modifier;
            const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
            m_modifierKeycodes = QList<xcb_keycode_t>(
                keycodes, keycodes + xcb_get_modifier_mapping_keycodes_length(reply.get()));
        }
    }

    // Every key that has `keysym` in any group: a Latin letter stays grabbable while a
    // Cyrillic group is active, and also when Cyrillic is the first group.
    QList<std::uint8_t> keycodesOf(xcb_keysym_t keysym) const
    {
        QList<std::uint8_t> keycodes;
        for (qsizetype i = 0; m_keysymsPerKeycode > 0 && i < m_keysyms.size(); ++i) {
            const auto keycode = std::uint8_t(m_firstKeycode + i / m_keysymsPerKeycode);
            if (m_keysyms[i] == keysym && !keycodes.contains(keycode))
                keycodes << keycode;
        }
        return keycodes;
    }

    // The modifier bit that one of `keysyms` sets (Alt and Num Lock sit on different bits
    // on different set-ups), or `fallback` when none of them is in the modifier map.
    std::uint16_t modifierOf(std::initializer_list<xcb_keysym_t> keysyms, std::uint16_t fallback) const
    {
        QList<std::uint8_t> keycodes;
        for (xcb_keysym_t keysym : keysyms)
            keycodes << keycodesOf(keysym);
        for (qsizetype i = 0; m_keycodesPerModifier > 0 && i < m_modifierKeycodes.size(); ++i)
            if (keycodes.contains(m_modifierKeycodes[i]))
                return std::uint16_t(1u << (i / m_keycodesPerModifier));
        return fallback;
    }

private:
    std::uint8_t m_firstKeycode = 0;
    int m_keysymsPerKeycode = 0;
    QList<xcb_keysym_t> m_keysyms;
    int m_keycodesPerModifier = 0;
    QList<xcb_keycode_t> m_modifierKeycodes;
};
} // namespace

std::unique_ptr<X11GlobalShortcut> X11GlobalShortcut::forThisDisplay()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    return std::unique_ptr<X11GlobalShortcut>(new X11GlobalShortcut(x11->connection()));
}

X11GlobalShortcut::X11GlobalShortcut(xcb_connection_t *connection) : m_connection(connection)
{
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; xcb_screen_next(&it))
        m_roots << it.data->root;
    qGuiApp->installNativeEventFilter(this);
}

X11GlobalShortcut::~X11GlobalShortcut()
{
    ungrab();
}

void X11GlobalShortcut::grab(const QKeySequence &keys)
{
    ungrab();
    const std::optional<DesktopKey> key = desktopKeyOf(keys);
    const xcb_keysym_t keysym = key ? key->keysym : 0;
    if (!keysym) {
        emit refused(QStringLiteral("its key cannot be grabbed"));
        return;
    }
    const KeyboardMap map(m_connection);
    const QList<std::uint8_t> keycodes = map.keycodesOf(keysym);
    if (keycodes.isEmpty()) {
        emit refused(QStringLiteral("no key of this keyboard types its key"));
        return;
    }
    const std::uint16_t alt = map.modifierOf({XK_Alt_L, XK_Alt_R}, XCB_MOD_MASK_1);
    const std::uint16_t super = map.modifierOf({XK_Super_L, XK_Super_R}, XCB_MOD_MASK_4);
    const std::uint16_t numLock = map.modifierOf({XK_Num_Lock}, XCB_MOD_MASK_2);
    const Qt::KeyboardModifiers wanted = keys[0].keyboardModifiers();
    std::uint16_t modifiers = 0;
    if (wanted & Qt::ShiftModifier)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (wanted & Qt::ControlModifier)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (wanted & Qt::AltModifier)
        modifiers |= alt;
    if (wanted & Qt::MetaModifier)
        modifiers |= super;

    m_keycodes = keycodes;
    m_modifiers = modifiers;
    m_lockStates = {0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock)};
    m_significant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | alt | super;
    // Sent together, checked together: one refusal (BadAccess, another program holds the
    // combination) undoes the whole grab.
    QList<xcb_void_cookie_t> cookies;
    for (std::uint32_t root : m_roots)
        for (std::uint8_t keycode : m_keycodes)
            for (std::uint16_t locks : m_lockStates)
                cookies << xcb_grab_key_checked(m_connection, false, root, modifiers | locks, keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    bool anyRefused = false;
    for (const xcb_void_cookie_t &cookie : cookies) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            anyRefused = true;
            std::free(error);
        }
    }
    if (anyRefused) {
        ungrab();
        emit refused(QStringLiteral("another program holds it"));
    }
}

void X11GlobalShortcut::ungrab()
{
    // Releases only this program's own grabs, so it is safe after a partial refusal.
    for (std::uint32_t root : m_roots)
        for (std::uint8_t keycode : m_keycodes)
            for (std::uint16_t locks : m_lockStates)
                xcb_ungrab_key(m_connection, keycode, root, m_modifiers | locks);
    if (!m_keycodes.isEmpty())
        xcb_flush(m_connection);
    m_keycodes.clear();
}

bool X11GlobalShortcut::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_keycodes.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // Press and release have the same layout; the grab reports both on the root window.
    const auto *key = static_cast<const xcb_key_press_event_t *>(message);
    if (!m_roots.contains(key->event) || !m_keycodes.contains(key->detail) ||
        (key->state & m_significant) != m_modifiers)
        return false;
    if (type == XCB_KEY_PRESS)
        QMetaObject::invokeMethod(this, &GlobalShortcut::activated, Qt::QueuedConnection);
    return true;
}
