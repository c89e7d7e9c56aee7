#pragma once

#include <QString>
#include <functional>

class QObject;
class QWidget;

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
    // Shows a modal message box captioned "Kelo" with one OK button and waits for it.
    std::function<void(QWidget *parent, const QString &text)> showMessage;

    // The real backends of this platform.
    static Services real();
    // Backends that do nothing: a base for tests that only record some of them.
    static Services silent();
};
