#include "desktop/GlobalShortcut.h"

#if defined(Q_OS_WIN)
#include "desktop/WindowsGlobalShortcut.h"
#else
#include "desktop/PortalGlobalShortcut.h"
#endif

#ifdef KELO_HAVE_XCB
#include "desktop/X11GlobalShortcut.h"
#endif

namespace {
#if !defined(Q_OS_WIN)
class NoGlobalShortcut : public GlobalShortcut {
public:
    void grab(const QKeySequence &) override
    {
        emit refused(QStringLiteral("desktop-wide shortcuts need the desktop portal or an X11 display"));
    }
};

// The shortcut that a display gives by itself: X11's key grab, where Qt runs on X11; null
// elsewhere.
std::unique_ptr<GlobalShortcut> x11KeyGrab()
{
#ifdef KELO_HAVE_XCB
    return X11GlobalShortcut::forThisDisplay();
#else
    return nullptr;
#endif
}

std::unique_ptr<GlobalShortcut> keyGrabForThisDisplay()
{
    if (std::unique_ptr<GlobalShortcut> grab = x11KeyGrab())
        return grab;
    return std::make_unique<NoGlobalShortcut>();
}
#endif
} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::forThisSession()
{
#if defined(Q_OS_WIN)
    return std::make_unique<WindowsGlobalShortcut>();
#else
    // In a Wayland session an X11 grab sees keys only while an X11 window has the focus,
    // never while the game's native Wayland browser has it: ask the desktop first.
    if (PortalGlobalShortcut::isWaylandSession())
        return std::make_unique<PortalGlobalShortcut>(QDBusConnection::sessionBus(), &x11KeyGrab);
    return keyGrabForThisDisplay();
#endif
}
