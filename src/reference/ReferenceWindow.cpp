#include "reference/ReferenceWindow.h"

#include "widgets/StandardGlyphs.h"

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
    auto *close = new QPushButton(standardGlyph(StandardGlyph::Cancel), tr("Закрыть"), this);
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
    m_centred = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size() + frameSize());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft()); // a window's position is its frame's
    }
}

QSize ReferenceWindow::frameSize() const
{
    const QSize real = frameGeometry().size() - size();
    return real.isNull() ? kDesignedFrame : real;
}

void ReferenceWindow::frameKnown()
{
    if (m_centred)
        centreOnScreen();
}

void ReferenceWindow::checkFrame()
{
    // The window manager frames a window only after it is first shown, and tells of it
    // by moving the window.
    if (!m_framed && isVisible() && frameGeometry().size() != size()) {
        m_framed = true;
        frameKnown();
    }
}

void ReferenceWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    checkFrame();
}

void ReferenceWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    checkFrame();
}
