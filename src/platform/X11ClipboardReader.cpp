#include "platform/X11ClipboardReader.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// A UTF-16 code unit takes at most three bytes in UTF-8.
constexpr std::uint32_t kLargestTextBytes = 3 * std::uint32_t(ClipboardReader::kLargestText);
} // namespace

std::unique_ptr<X11ClipboardReader> X11ClipboardReader::forThisDisplay()
{
    // Qt's own connection answers only to Qt; the reader opens a second one to the same
    // display ($DISPLAY) so that waiting for an owner never touches Qt's event handling.
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return nullptr;
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11ClipboardReader>(new X11ClipboardReader(connection, screens.data->root));
}

X11ClipboardReader::X11ClipboardReader(xcb_connection_t *connection, std::uint32_t root)
    : m_connection(connection), m_root(root)
{
    const std::array<std::pair<const char *, std::uint32_t *>, 5> atoms = {
        {{"CLIPBOARD", &m_clipboardAtom},
         {"UTF8_STRING", &m_utf8Atom},
         {"STRING", &m_latin1Atom},
         {"INCR", &m_incrementalAtom},
         {"KELO_CLIPBOARD", &m_propertyAtom}}};
    std::array<xcb_intern_atom_cookie_t, atoms.size()> cookies;
    for (size_t i = 0; i < atoms.size(); ++i)
        cookies[i] =
            xcb_intern_atom(m_connection, false, std::uint16_t(std::strlen(atoms[i].first)), atoms[i].first);
    for (size_t i = 0; i < atoms.size(); ++i)
        if (Reply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(m_connection, cookies[i], nullptr),
                                                 &std::free})
            *atoms[i].second = reply->atom;

    m_notifier =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11ClipboardReader::readEvents);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kPatienceMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(QString()); });
}

X11ClipboardReader::~X11ClipboardReader()
{
    m_notifier.reset();
    xcb_disconnect(m_connection);
}

void X11ClipboardReader::read()
{
    if (m_requestor)
        return;
    if (xcb_connection_has_error(m_connection) || !m_clipboardAtom || !m_utf8Atom || !m_propertyAtom) {
        QMetaObject::invokeMethod(
            this, [this] { emit textRead(QString()); }, Qt::QueuedConnection);
        return;
    }
    // A fresh window for each read: an answer that comes after the deadline finds its
    // window gone and cannot be taken for the answer to a later read.
    m_requestor = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_requestor, m_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    // With no owner, the server itself answers at once that there is nothing.
    xcb_convert_selection(m_connection, m_requestor, m_clipboardAtom, m_utf8Atom, m_propertyAtom,
                          XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    m_deadline.start();
}

void X11ClipboardReader::readEvents()
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        const Reply<xcb_generic_event_t> owned{event, &std::free};
        if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
            continue;
        const auto *notify = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
        if (m_requestor && notify->requestor == m_requestor)
            finish(notify->property == XCB_NONE ? QString() : takeText());
    }
    if (xcb_connection_has_error(m_connection)) {
        // The display went away: nothing more will come on this connection.
        m_notifier->setEnabled(false);
        if (m_requestor)
            finish(QString());
    }
}

QString X11ClipboardReader::takeText()
{
    // One byte more than the largest text is asked for, so a larger one shows as
    // bytes left over and is refused without reading the rest.
    const auto cookie = xcb_get_property(m_connection, false, m_requestor, m_propertyAtom,
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, kLargestTextBytes / 4 + 1);
    const Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(m_connection, cookie, nullptr),
                                                &std::free};
    // An owner with much to send offers it in parts (INCR), which are never that small.
    if (!reply || reply->format != 8 || reply->bytes_after != 0 || reply->type == m_incrementalAtom)
        return QString();
    const int length = xcb_get_property_value_length(reply.get());
    if (length < 0 || std::uint32_t(length) > kLargestTextBytes)
        return QString();
    const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply.get()));
    QString text;
    if (reply->type == m_utf8Atom)
        text = QString::fromUtf8(bytes, length);
    else if (reply->type == m_latin1Atom)
        text = QString::fromLatin1(bytes, length);
    return text.size() > kLargestText ? QString() : text;
}

void X11ClipboardReader::finish(const QString &text)
{
    m_deadline.stop();
    // Its properties go with it, the text included.
    xcb_destroy_window(m_connection, m_requestor);
    xcb_flush(m_connection);
    m_requestor = 0;
    emit textRead(text);
}
