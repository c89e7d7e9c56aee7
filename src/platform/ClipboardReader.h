#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Reads the clipboard's plain text without ever holding up the event loop. The owner of
// the clipboard is another program, which may be slow or frozen; the text arrives later
// through `textRead`, or a miss does once the owner has had about a second.
class ClipboardReader : public QObject {
    Q_OBJECT
public:
    // Larger texts are refused while they are read, never taken into memory whole.
    static constexpr qsizetype kLargestText = 64 * 1024;
    // How long the owner of the clipboard may take to answer.
    static constexpr int kPatienceMs = 1000;

    // X11's own selection protocol where the program runs on an X11 display, Qt's
    // clipboard elsewhere.
    static std::unique_ptr<ClipboardReader> forThisSession();

    // Starts a read; `textRead` follows from the event loop, never from inside this call.
    // A read asked for while one runs is answered by that one.
    virtual void read() = 0;

signals:
    // The clipboard's plain text; empty when it holds none, holds more than kLargestText
    // characters, or its owner did not answer in time.
    void textRead(const QString &text);
};
