#include "desktop/GlobalShortcut.h"

#ifdef KELO_HAVE_XCB
#include "desktop/X11GlobalShortcut.h"
#endif

namespace {
class NoGlobalShortcut : public GlobalShortcut {
public:
    bool grab(const QKeySequence &, QString *reason) override
    {
        *reason = QStringLiteral("desktop-wide shortcuts need an X11 display");
        return false;
    }
};
} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::forThisSession()
{
#ifdef KELO_HAVE_XCB
    if (std::unique_ptr<GlobalShortcut> x11 = X11GlobalShortcut::forThisDisplay())
        return x11;
#endif
    return std::make_unique<NoGlobalShortcut>();
}
