#include "KeloLook.h"
#include "Services.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TFormAlchemy.h"
#include "TFormCraft.h"
#include "TFormExp.h"
#include "TFormZakl.h"

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
    // The six windows, in this order; all live until the program ends.
    TForm1 mainWindow(services);
    mainWindow.FormCreate();
    TFormCraft craft;
    TFormExp experience;
    TFormAlchemy alchemy;
    TForm2 leatherworking;
    TFormZakl spellcasting;
    mainWindow.attachReferenceWindows({&craft, &experience, &alchemy, &leatherworking, &spellcasting});

    mainWindow.show();
    return app.exec();
}
