#pragma once

#include <QString>
#include <functional>

class QObject;

// Every side effect that leaves the program goes through one of these. The program
// hands the real backends to its windows; tests hand recorders.
struct Services {
    // Opens a web address in the user's browser. Never reports anything.
    std::function<void(const QString &address)> openUrl;
    // Opens a mailto: link with the user's mail program. Never reports anything.
    std::function<void(const QString &address)> openMail;
    // Plays the system's "activity finished" sound without blocking.
    std::function<void()> playSound;
    // Replaces the clipboard's content with plain text.
    std::function<void(const QString &text)> setClipboardText;
    // Reads the clipboard's plain text without holding up the window: `done` is called
    // from the event loop with the text, or with an empty text when the clipboard holds
    // none, holds too much, or its owner does not answer within about a second. Not
    // called at all once `receiver` is gone.
    std::function<void(QObject *receiver, std::function<void(const QString &text)> done)> readClipboardText;

    // The real backends of this platform.
    static Services real();
    // Backends that do nothing: a base for tests that only record some of them. Like the
    // real one, its clipboard answers later, from the event loop (with an empty text).
    static Services silent();
};
