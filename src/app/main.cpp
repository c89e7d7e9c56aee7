#include "app/CommandLine.h"
#include "desktop/GlobalShortcut.h"
#include "desktop/ParentConsole.h"
#include "desktop/Services.h"
#include "desktop/SingleInstance.h"
#include "riddles/ClipboardRiddle.h"
#include "shell/KeloLook.h"
#include "shell/MainWindow.h"
#include "shell/QtTranslations.h"
#include "shell/TrayIcon.h"
#include "web/VisitCounters.h"

#include <QApplication>

#include <cstdio>

namespace {
// The desktop-wide riddle shortcut. Where it cannot be had, Kelo runs on without it and
// says so once; the desktop may answer only later.
std::unique_ptr<GlobalShortcut> grabRiddleShortcut(const QKeySequence &keys, ClipboardRiddle *riddle)
{
    std::unique_ptr<GlobalShortcut> shortcut = GlobalShortcut::forThisSession();
    QObject::connect(shortcut.get(), &GlobalShortcut::refused, [keys](const QString &reason) {
        std::fprintf(stderr, "kelo: the riddle shortcut %s is off: %s.\n",
                     qPrintable(keys.toString(QKeySequence::PortableText)), qPrintable(reason));
    });
    // Where the desktop chose the keys or the reach, the player learns which keys answer.
    QObject::connect(shortcut.get(), &GlobalShortcut::grantedAs,
                     [](const QString &how) { std::fprintf(stderr, "kelo: %s.\n", qPrintable(how)); });
    QObject::connect(shortcut.get(), &GlobalShortcut::activated, riddle, &ClipboardRiddle::lookUp);
    shortcut->grab(keys);
    return shortcut;
}
} // namespace

int main(int argc, char *argv[])
{
    ParentConsole::attach();
    // Read before anything starts, so that --help, --version and a mistyped option
    // answer at once, with or without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = CommandLine::parse(arguments);
    if (command.exitStatus) {
        std::fputs(command.message.toLocal8Bit().constData(), *command.exitStatus == 0 ? stdout : stderr);
        return *command.exitStatus;
    }

    // Wayland ignores a window's wish to stay on top at a given place; where XWayland is
    // there, run on it so the window can sit at the right edge above the game.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    // One Kelo per desktop: a later start shows the running one's window and ends.
    SingleInstance instance(SingleInstance::nameForThisDesktop());
    if (instance.handOverToRunning())
        return 0;
    // Qt's own texts (the fields' edit menus, file dialogs, message box buttons) in Russian
    // like the rest, whatever the system's language.
    QtTranslations::install(app);
    KeloLook::apply(app);

    Services services = Services::real();
    // The start-up request goes out before the window is built: the window waits for its
    // answer, and the network answers meanwhile. The main window shows itself once the
    // request has ended. It takes the counters onto its Settings page, and so owns them.
    auto *counters = new VisitCounters;
    counters->start();
    MainWindow mainWindow(services, counters);
    mainWindow.finishStartup();
    QObject::connect(&instance, &SingleInstance::showRequested, &mainWindow, &MainWindow::bringToFront);

    ClipboardRiddle clipboardRiddle(services, mainWindow.riddleAnswerer());
    QObject::connect(&clipboardRiddle, &ClipboardRiddle::notFound, mainWindow.trayIcon(),
                     &TrayIcon::showMessage);
    // A click on that note brings the missed riddle up to be taught.
    QObject::connect(mainWindow.trayIcon(), &TrayIcon::messageClicked, &mainWindow,
                     [&] { mainWindow.teachMissedRiddle(clipboardRiddle.missedRiddle()); });
    // The desktop-wide shortcut is no part of the first frame: asked for once it is drawn.
    std::unique_ptr<GlobalShortcut> riddleShortcut;
    if (!command.riddleHotkey.isEmpty())
        QObject::connect(
            &mainWindow, &MainWindow::firstFrameShown, &clipboardRiddle,
            [&] { riddleShortcut = grabRiddleShortcut(command.riddleHotkey, &clipboardRiddle); },
            Qt::SingleShotConnection);
    return app.exec();
}
