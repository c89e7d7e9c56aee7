#include "desktop/Services.h"

#include "desktop/BrowserLauncher.h"
#include "desktop/ClipboardReader.h"
#include "desktop/SystemSound.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <memory>

Services Services::real()
{
    Services s;
    s.openUrl = [](const QString &address) { BrowserLauncher::open(address); };
    s.openMail = [](const QString &address) { BrowserLauncher::openMail(address); };
    s.playSound = [] { SystemSound::playActivityFinished(); };
    s.setClipboardText = [](const QString &text) {
        QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    };
    // One reader for all copies of these services, made at the first read.
    auto reader = std::make_shared<std::unique_ptr<ClipboardReader>>();
    s.readClipboardText = [reader](QObject *receiver, std::function<void(const QString &)> done) {
        if (!*reader)
            *reader = ClipboardReader::forThisSession();
        QObject::connect(reader->get(), &ClipboardReader::textRead, receiver, std::move(done),
                         Qt::SingleShotConnection);
        (*reader)->read();
    };
    return s;
}

Services Services::silent()
{
    Services s;
    s.openUrl = [](const QString &) {};
    s.openMail = [](const QString &) {};
    s.playSound = [] {};
    s.setClipboardText = [](const QString &) {};
    s.readClipboardText = [](QObject *receiver, std::function<void(const QString &)> done) {
        QTimer::singleShot(0, receiver, [done = std::move(done)] { done(QString()); });
    };
    return s;
}
