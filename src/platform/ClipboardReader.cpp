#include "platform/ClipboardReader.h"

#ifdef KELO_HAVE_XCB
#include "platform/X11ClipboardReader.h"
#endif

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

namespace {
// Qt's clipboard, read from the event loop. Where Qt runs on X11 it would wait for a
// silent owner for seconds with the window frozen, so it serves only the other platforms.
class QtClipboardReader : public ClipboardReader {
public:
    void read() override
    {
        if (m_pending)
            return;
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
            emit textRead(text.size() > kLargestText ? QString() : text);
        });
    }

private:
    bool m_pending = false;
};
} // namespace

std::unique_ptr<ClipboardReader> ClipboardReader::forThisSession()
{
#ifdef KELO_HAVE_XCB
    if (std::unique_ptr<ClipboardReader> x11 = X11ClipboardReader::forThisDisplay())
        return x11;
#endif
    return std::make_unique<QtClipboardReader>();
}
