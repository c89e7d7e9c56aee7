#include "ReferenceWindow.h"

#include "StandardGlyphs.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

ReferenceWindow::ReferenceWindow(const char *objectName, const QString &caption, QSize outerSize,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    resize(outerSize - kDesignedFrame);
}

void ReferenceWindow::showOrRaise()
{
    // A minimized window comes back too: the player asked to see it.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QPushButton *ReferenceWindow::addCloseButton(const QRect &geometry)
{
    auto *close = new QPushButton(standardGlyph(StandardGlyph::Cancel), QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry(geometry);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A cancel button: Escape anywhere in the window presses it.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, close, &QPushButton::click);
    return close;
}

void ReferenceWindow::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
