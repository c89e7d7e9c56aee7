#pragma once

#include "platform/ClipboardReader.h"

#include <QTimer>

#include <cstdint>

class QSocketNotifier;
struct xcb_connection_t;

// The clipboard under X11, read over a connection of its own: the text is asked of its
// owner as UTF-8 into a small window made for each read, and the answer is picked up when
// the connection's socket has something to read. An owner that does not answer within
// kPatienceMs is given up, and so is a text larger than kLargestText (also one the owner
// would send in parts).
class X11ClipboardReader : public ClipboardReader {
public:
    // Null unless the program runs on an X11 display that a second connection can reach.
    static std::unique_ptr<X11ClipboardReader> forThisDisplay();
    ~X11ClipboardReader() override;

    void read() override;

private:
    X11ClipboardReader(xcb_connection_t *connection, std::uint32_t root);
    void readEvents();
    QString takeText();
    void finish(const QString &text);

    xcb_connection_t *m_connection;
    std::uint32_t m_root;
    std::uint32_t m_clipboardAtom = 0;
    std::uint32_t m_utf8Atom = 0;
    std::uint32_t m_latin1Atom = 0;
    std::uint32_t m_incrementalAtom = 0;
    std::uint32_t m_propertyAtom = 0;
    // The window the running read's answer goes to; 0 while no read runs.
    std::uint32_t m_requestor = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_deadline;
};
