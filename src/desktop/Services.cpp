#include "desktop/Services.h"

#include "desktop/BrowserLauncher.h"
#include "desktop/SystemSound.h"

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
    // A message box is a widget, not the desktop's: the program sets its own (see main).
    s.showMessage = [](QWidget *, const QString &) {};
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
