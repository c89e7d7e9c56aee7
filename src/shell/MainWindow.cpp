#include "shell/MainWindow.h"

#include "hunting/StatisticsPage.h"
#include "hunting/TabletPage.h"
#include "riddles/KnownRiddles.h"
#include "riddles/MyRiddlesWindow.h"
#include "riddles/RiddleAnswerer.h"
#include "riddles/RiddleBar.h"
#include "riddles/RiddleStore.h"
#include "shell/KeloLook.h"
#include "shell/KnowledgePage.h"
#include "shell/Placement.h"
#include "shell/SettingsPage.h"
#include "shell/Toolbar.h"
#include "shell/TrayIcon.h"
#include "timers/TimersPage.h"
#include "web/InfoPage.h"
#include "web/LocatorPage.h"
#include "web/VisitCounters.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

MainWindow::MainWindow(const Services &services, VisitCounters *counters, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kelo"));
    setWindowIcon(KeloLook::icon());
    // Every change of size is refused; with a fixed size maximizing cannot enlarge it either.
    setFixedSize(kClientWidth, kClientHeight);

    m_tray = new TrayIcon(this);
    m_tray->setIcon(KeloLook::icon());
    m_tray->setToolTip(QStringLiteral("Kelo Monitor"));
    connect(m_tray, &TrayIcon::clicked, this, &MainWindow::toggleVisibility);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // The Tablet is the page seen at start; Settings holds the counters that start with the
    // window. The other pages are made on their first visit.
    m_settingsPage = new SettingsPage(&m_settings);
    m_tablet = new TabletPage(&m_hunt, &m_settings);
    m_counters = counters ? counters : new VisitCounters;
    m_settingsPage->setCounters(m_counters);
    m_pages->addWidget(m_tablet);
    m_pages->addWidget(m_settingsPage);

    // The player's own riddles are read once the window is up (see finishStartup).
    m_riddleStore = new RiddleStore(RiddleStore::defaultPath(), this);
    m_knownRiddles = new KnownRiddles(m_riddleStore, this);
    m_riddleAnswerer = new RiddleAnswerer(m_knownRiddles, this);
    m_riddleBar = new RiddleBar(services, m_knownRiddles, this);
    m_riddleBar->setStore(m_riddleStore);
    connect(m_riddleAnswerer, &RiddleAnswerer::answered, m_riddleBar, &RiddleBar::showAnswered);
    connect(m_riddleAnswerer, &RiddleAnswerer::missed, m_riddleBar, &RiddleBar::showMissed);
    connect(m_riddleBar, &RiddleBar::myRiddlesRequested, this, &MainWindow::showMyRiddles);
    m_toolbar = new Toolbar(this);

    auto *bands = new QVBoxLayout(this);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    bands->addWidget(m_pages, 1);
    bands->addWidget(m_riddleBar);
    bands->addWidget(m_toolbar);

    for (int k = 0; k < Toolbar::kButtonCount; ++k)
        connect(m_toolbar->button(k + 1), &QToolButton::clicked, this, [this, k] { showPage(Page(k)); });

    showPage(Page::Tablet);

    makeTrayMenu();
    // The icon is in the notification area as soon as the window exists.
    m_tray->setActive(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::makeTrayMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("TrayMenu"));
    m_showHide = menu->addAction(QString(), this, &MainWindow::toggleVisibility);
    menu->addAction(tr("Мои загадки…"), this, &MainWindow::showMyRiddles);
    menu->addSeparator();
    menu->addAction(tr("Выход"), this, &QWidget::close);
    const auto nameShowHide = [this] {
        m_showHide->setText(isVisible() ? tr("Скрыть окно") : tr("Показать окно"));
    };
    nameShowHide();
    connect(menu, &QMenu::aboutToShow, this, nameShowHide);
    m_tray->setContextMenu(menu);
}

MyRiddlesWindow *MainWindow::myRiddlesWindow()
{
    if (!m_myRiddles)
        m_myRiddles = std::make_unique<MyRiddlesWindow>(m_riddleStore, m_services);
    return m_myRiddles.get();
}

void MainWindow::showMyRiddles()
{
    MyRiddlesWindow *window = myRiddlesWindow();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::teachMissedRiddle(const QString &riddle)
{
    bringToFront();
    if (m_riddleBar->isHidden())
        showPage(Page::Tablet);
    m_riddleBar->prepareToTeach(riddle);
}

void MainWindow::finishStartup()
{
    // The information page is set up when it is made, on its first visit.
    placeAtRightEdge();
    // The window comes up once the start-up request has been answered or has failed, which
    // may have happened while it was being built. It is not shown and hidden before that: the
    // player would see it flash, and a window manager still framing the first show can
    // swallow the final one.
    if (m_counters->hasStarted())
        show();
    else
        connect(m_counters, &VisitCounters::started, this, &QWidget::show, Qt::SingleShotConnection);
    // Read once the window has been drawn, on a thread of its own: a long list costs the
    // start-up no time.
    connect(this, &MainWindow::firstFrameShown, m_riddleStore, &RiddleStore::loadInBackground,
            Qt::SingleShotConnection);
    m_counters->start();
}

void MainWindow::placeAtRightEdge()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Until the window manager has framed the window its frame is unknown and the client
    // area stands in for it.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    // The work area: a taskbar or panel at the right edge would cover the window.
    const QPoint framePosition =
        Placement::startPosition(screen->availableGeometry(), frame.left() + width() + frame.right());
    if (frame.isNull())
        move(framePosition);
    else
        setGeometry(QRect(framePosition + QPoint(frame.left(), frame.top()), size()));
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The window manager frames the window some time after it is shown, and the frame may
    // differ from the designed one: watch for it to be known, then place the window again.
    // The first expose also tells when the window has been drawn.
    if ((!m_placedByFrame || !m_firstFrameShown) && windowHandle())
        windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Expose && !m_firstFrameShown && windowHandle()->isExposed()) {
        m_firstFrameShown = true;
        // Qt draws the window while it handles the expose; what waits for the first frame
        // runs once that is done.
        QTimer::singleShot(0, this, &MainWindow::firstFrameShown);
    }
    if (!m_placedByFrame && (event->type() == QEvent::Expose || event->type() == QEvent::Move) &&
        !windowHandle()->frameMargins().isNull()) {
        m_placedByFrame = true;
        placeAtRightEdge();
    }
    if (m_placedByFrame && m_firstFrameShown)
        windowHandle()->removeEventFilter(this);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::toggleVisibility()
{
    if (isVisible())
        hide();
    else
        bringToFront();
}

void MainWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::hideToTrayOrMinimize()
{
    if (m_tray->isShownInTray()) {
        toggleVisibility();
    } else {
        // Hiding without an icon to click would lose the window: minimize as usual.
        setWindowState(windowState() | Qt::WindowMinimized);
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        m_tray->isShownInTray()) {
        // Qt reports the minimize after the fact: undo it and hide to the tray instead.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                hideToTrayOrMinimize();
        });
    }
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_tray->setActive(false);
    event->accept();
    // The main window ends the program, whatever other windows are open.
    QTimer::singleShot(0, qApp, &QApplication::quit);
}

void MainWindow::setCurrentPage(QWidget *page)
{
    m_pages->setCurrentWidget(page);
    const bool withRiddleBar = page == m_tablet || (m_statistics && page == m_statistics);
    m_riddleBar->setVisible(withRiddleBar);
    if (withRiddleBar)
        m_riddleBar->focusRiddle();
}

void MainWindow::showPage(Page page)
{
    switch (page) {
    case Page::Tablet:
        setCurrentPage(m_tablet);
        break;
    case Page::Statistics: {
        // The column widths come from the grid as it is shown.
        StatisticsPage *statistics = statisticsPage();
        statistics->recount();
        setCurrentPage(statistics);
        statistics->finishAfterShown();
        break;
    }
    case Page::Timers:
        setCurrentPage(timersPage());
        break;
    case Page::Knowledge:
        setCurrentPage(knowledgePage());
        break;
    case Page::Locator:
        setCurrentPage(locatorPage());
        break;
    case Page::Settings:
        setCurrentPage(m_settingsPage);
        m_counters->setDesignedHeights();
        break;
    case Page::Information:
        setCurrentPage(infoPage());
        break;
    }
}

template <class PageWidget, class Make> PageWidget *MainWindow::madePage(PageWidget *&page, Make make)
{
    if (!page) {
        page = make();
        m_pages->addWidget(page);
    }
    return page;
}

StatisticsPage *MainWindow::statisticsPage()
{
    return madePage(m_statistics, [this] { return new StatisticsPage(&m_hunt); });
}

TimersPage *MainWindow::timersPage()
{
    return madePage(m_timers, [this] {
        auto *page = new TimersPage(m_services, &m_settings);
        connect(page, &TimersPage::activityEnded, this, &MainWindow::bringToFront);
        // The own timer leaves a window hidden in the tray where it is, but its message
        // must not stay behind a minimized one.
        connect(page, &TimersPage::ownTimerEnded, this, [this] {
            if (isMinimized())
                bringToFront();
        });
        return page;
    });
}

KnowledgePage *MainWindow::knowledgePage()
{
    return madePage(m_knowledge, [this] { return new KnowledgePage(m_services); });
}

LocatorPage *MainWindow::locatorPage()
{
    return madePage(m_locator, [this] { return new LocatorPage(m_services); });
}

InfoPage *MainWindow::infoPage()
{
    return madePage(m_info, [this] { return new InfoPage(m_services); });
}
