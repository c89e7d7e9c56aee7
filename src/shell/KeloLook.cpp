#include "shell/KeloLook.h"

#include "pictures/BuiltInPicture.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void KeloLook::apply(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Kelo"));
    // No display name: Qt would append it to every window's caption ("Алхимия — Kelo").
    QApplication::setWindowIcon(icon());
    // Only closing the main window ends the program, not closing the last box shown
    // while the main window sits in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    app.setFont(font);
}

QIcon KeloLook::icon()
{
    // Decoded once; a window icon carries every size it has to the window system, so only
    // the sizes a title bar, a taskbar or a tray can use are in it (the large ones are for
    // the desktop's icon theme).
    static const QIcon icon = [] {
        QIcon sizes;
        for (const char *file : {":/shell/kelo-16.png", ":/shell/kelo.png", ":/shell/kelo@2x.png"})
            sizes.addPixmap(BuiltInPicture::pixmap(QString::fromLatin1(file)));
        return sizes;
    }();
    return icon;
}
