#include "platform/Services.h"

#include "platform/BrowserLauncher.h"
#include "platform/MessageBox.h"
#include "platform/SystemSound.h"

#include <QClipboard>
#include <QGuiApplication>

Services Services::real()
{
    Services s;
    s.openUrl = [](const QString &address) { BrowserLauncher::open(address); };
    s.openMail = [](const QString &address) { BrowserLauncher::openMail(address); };
    s.playSound = [] { SystemSound::playActivityFinished(); };
    s.setClipboardText = [](const QString &text) {
        QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    };
    s.clipboardText = [] { return QGuiApplication::clipboard()->text(QClipboard::Clipboard); };
    s.showMessage = [](QWidget *parent, const QString &text) { MessageBox::show(parent, text); };
    return s;
}

Services Services::silent()
{
    Services s;
    s.openUrl = [](const QString &) {};
    s.openMail = [](const QString &) {};
    s.playSound = [] {};
    s.setClipboardText = [](const QString &) {};
    s.clipboardText = [] { return QString(); };
    s.showMessage = [](QWidget *, const QString &) {};
    return s;
}
