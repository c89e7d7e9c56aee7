#pragma once

#include "desktop/Services.h"

#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Services whose side effects are only recorded: the addresses and mail links opened, the
// sounds played, and a clipboard of its own. As the real clipboard, it hands its text over
// later, from the event loop, as it is by then.
struct RecordingServices {
    QStringList urls;
    QStringList mails;
    int sounds = 0;
    QString clipboard;
    QStringList clipboardWrites;
    int clipboardReads = 0;

    Services services()
    {
        Services s = Services::silent();
        s.openUrl = [this](const QString &address) { urls << address; };
        s.openMail = [this](const QString &address) { mails << address; };
        s.playSound = [this] { ++sounds; };
        s.readClipboardText = [this](QObject *receiver, std::function<void(const QString &)> done) {
            ++clipboardReads;
            // A copy: what the clipboard held, not what is written to it meanwhile.
            QTimer::singleShot(0, receiver, [this, done = std::move(done)] { done(QString(clipboard)); });
        };
        s.setClipboardText = [this](const QString &text) { clipboardWrites << (clipboard = text); };
        return s;
    }
};

// The child of `parent` with the object name `name`; a missing one fails the test with its name.
template <class T> T *requireChild(const QObject *parent, const QString &name)
{
    T *child = parent->findChild<T *>(name);
    if (!child)
        QTest::qFail(qPrintable(QStringLiteral("no child named %1").arg(name)), __FILE__, __LINE__);
    return child;
}
