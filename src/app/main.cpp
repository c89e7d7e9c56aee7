#include "CounterViews.h"
#include "KeloLook.h"
#include "Services.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Wayland ignores a window's wish to stay on top at a given place; where XWayland is
    // there, run on it so the window can sit at the right edge above the game.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    // The start-up request waits for its host's name; it is looked up while the program starts.
    CounterViews::lookUpPingHostAhead();

    QApplication app(argc, argv);
    KeloLook::apply(app);

    const Services services = Services::real();
    TForm1 mainWindow(services);
    mainWindow.FormCreate();
    mainWindow.show();
    return app.exec();
}
