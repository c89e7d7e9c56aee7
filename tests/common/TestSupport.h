#pragma once

#include "platform/Services.h"

#include <QObject>
#include <QStringList>
#include <QTest>

// Services whose side effects are only recorded: the addresses and mail links opened, the
// sounds played, and a clipboard of its own.
struct RecordingServices {
    QStringList urls;
    QStringList mails;
    int sounds = 0;
    QString clipboard;
    QStringList clipboardWrites;

    Services services()
    {
        Services s = Services::silent();
        s.openUrl = [this](const QString &address) { urls << address; };
        s.openMail = [this](const QString &address) { mails << address; };
        s.playSound = [this] { ++sounds; };
        s.readClipboardText = [this](QObject *, std::function<void(const QString &)> done) {
            done(clipboard);
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
