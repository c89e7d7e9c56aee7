#include "TForm1.h"

#include "CounterViews.h"
#include "InfoPage.h"
#include "KeloLook.h"
#include "KnowledgePage.h"
#include "LocatorPage.h"
#include "Placement.h"
#include "RiddleBar.h"
#include "SettingsPage.h"
#include "StatisticsPage.h"
#include "TTrayIcon.h"
#include "TabletPage.h"
#include "TimersPage.h"
#include "Toolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TForm1::TForm1(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kelo"));
    setWindowIcon(KeloLook::icon());
    // Every change of size is refused; with a fixed size maximizing cannot enlarge it either.
    setFixedSize(kClientWidth, kClientHeight);

    m_tray = new TTrayIcon(this);
    m_tray->setIcon(KeloLook::icon());
    m_tray->setToolTip(QStringLiteral("Kelo Monitor"));
    m_tray->setShowApp(false);
    connect(m_tray, &TTrayIcon::OnClick, this, &TForm1::TrayIcon2Click);
    connect(m_tray, &TTrayIcon::ShowAppChanged, this, [this](bool show) { m_taskbar.setShowApp(show); });

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // The Tablet is the page seen at start; Settings holds the flags the other pages read and
    // the counters that start with the window. The other pages are made on their first visit.
    m_settings = new SettingsPage;
    m_tablet = new TabletPage(m_settings->standardPicturesFlag(), m_settings->searchZonesFlag());
    m_counters = new CounterViews(m_settings);
    m_pages->addWidget(m_tablet);
    m_pages->addWidget(m_settings);

    m_riddleBar = new RiddleBar(services, this);
    m_toolbar = new Toolbar(this);

    auto *bands = new QVBoxLayout(this);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    bands->addWidget(m_pages, 1);
    bands->addWidget(m_riddleBar);
    bands->addWidget(m_toolbar);

    void (TForm1::*const pageSlots[Toolbar::kButtonCount])() = {
        &TForm1::SpeedButton1Click, &TForm1::SpeedButton2Click, &TForm1::SpeedButton3Click,
        &TForm1::SpeedButton4Click, &TForm1::SpeedButton5Click, &TForm1::SpeedButton6Click,
        &TForm1::SpeedButton7Click};
    for (int k = 1; k <= Toolbar::kButtonCount; ++k)
        connect(m_toolbar->button(k), &QToolButton::clicked, this, pageSlots[k - 1]);

    showPage(m_tablet);

    // The icon is in the notification area as soon as the window exists.
    m_tray->setActive(true);
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::FormCreate()
{
    // The information page is set up when it is made, on its first visit.
    placeAtRightEdge();
    TrayIcon2Click();
    TrayIcon2Click();
    m_counters->start();
}

void TForm1::placeAtRightEdge()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the window manager has framed the window the frame is unknown and the
    // client width stands in for it; the first real show corrects it (see eventFilter).
    move(Placement::startPosition(screen->geometry(), frameGeometry().width()));
}

void TForm1::TrayIcon2Click()
{
    m_tray->setShowApp(!m_tray->ShowApp());
    if (isVisible()) {
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
}

void TForm1::callAttention()
{
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        TrayIcon2Click();
    }
}

void TForm1::sysCommandMinimize()
{
    if (m_tray->isShownInTray()) {
        TrayIcon2Click();
    } else {
        // Hiding without an icon to click would lose the window: minimize as usual.
        setWindowState(windowState() | Qt::WindowMinimized);
    }
}

void TForm1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)
        && m_tray->isShownInTray()) {
        // Qt reports the minimize after the fact: undo it and hide to the tray instead.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                sysCommandMinimize();
        });
    }
    QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    m_tray->setActive(false);
    event->accept();
    // The main window ends the program, whatever other windows are open.
    QTimer::singleShot(0, qApp, &QApplication::quit);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::Destroy) && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        updateTaskbarEntry();
        if (watched == this && type == QEvent::Show && !m_placedOnShownFrame) {
            // The window manager frames the window only once it is shown; place it
            // again once with the real frame so the frame's right edge meets the screen's.
            m_placedOnShownFrame = true;
            QTimer::singleShot(100, this, [this] {
                if (frameGeometry().width() != width())
                    placeAtRightEdge();
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::updateTaskbarEntry()
{
    bool anyVisible = false;
    for (QWidget *window : QApplication::topLevelWidgets())
        anyVisible = anyVisible || window->isVisible();
    m_taskbar.windowsChanged(anyVisible);
}

void TForm1::showPage(QWidget *page)
{
    m_pages->setCurrentWidget(page);
    m_riddleBar->setVisible(page == m_tablet || (m_statistics && page == m_statistics));
}

template <class Page, class Make>
Page *TForm1::madePage(Page *&page, Make make)
{
    if (!page) {
        page = make();
        m_pages->addWidget(page);
    }
    return page;
}

StatisticsPage *TForm1::statisticsPage()
{
    return madePage(m_statistics, [this] { return new StatisticsPage(m_tablet); });
}

TimersPage *TForm1::timersPage()
{
    return madePage(m_timers, [this] {
        return new TimersPage(m_services, m_settings->soundFlag(), [this] { callAttention(); });
    });
}

KnowledgePage *TForm1::knowledgePage()
{
    return madePage(m_knowledge, [this] { return new KnowledgePage(m_services); });
}

LocatorPage *TForm1::locatorPage()
{
    return madePage(m_locator, [this] { return new LocatorPage(m_services); });
}

InfoPage *TForm1::infoPage()
{
    return madePage(m_info, [this] { return new InfoPage(m_services); });
}

void TForm1::SpeedButton1Click() { showPage(m_tablet); }

void TForm1::SpeedButton2Click()
{
    StatisticsPage *page = statisticsPage();
    page->UpdateHuntStatistics();
    showPage(page);
    page->finishAfterShown();
}

void TForm1::SpeedButton3Click() { showPage(timersPage()); }
void TForm1::SpeedButton4Click() { showPage(knowledgePage()); }
void TForm1::SpeedButton5Click() { showPage(locatorPage()); }

void TForm1::SpeedButton6Click()
{
    showPage(m_settings);
    m_counters->setDesignedHeights();
}

void TForm1::SpeedButton7Click() { showPage(infoPage()); }
