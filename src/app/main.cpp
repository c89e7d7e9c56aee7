#include "KeloLook.h"
#include "Services.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Wayland ignores a window's wish to stay on top at a given place; where XWayland is
    // there, run on it so the window can sit at the right edge above the game.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    KeloLook::apply(app);

    const Services services = Services::real();
    // The main window shows itself once the start-up request has ended.
    MainWindow mainWindow(services);
    mainWindow.finishStartup();
    return app.exec();
}
