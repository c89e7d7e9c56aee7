#pragma once

#include <QWidget>

#include "Services.h"
#include "TaskbarEntry.h"

class QStackedWidget;
class CounterViews;
class InfoPage;
class KnowledgePage;
class LocatorPage;
class RiddleBar;
class SettingsPage;
class StatisticsPage;
class TabletPage;
class TimersPage;
class Toolbar;
class TTrayIcon;

// The main window: a narrow always-on-top tool window with seven pages, the riddle bar,
// the toolbar and the tray icon.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 169;
    static constexpr int kClientHeight = 276;

    explicit TForm1(const Services &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // The creation step: instructions, placement, the double toggle, counters and ping.
    void FormCreate();

    TTrayIcon *trayIcon() const { return m_tray; }
    const TaskbarEntry &taskbarEntry() const { return m_taskbar; }
    QStackedWidget *pageControl() const { return m_pages; }
    // The pages besides the Tablet and Settings are made on their first visit; these hand
    // them out, making them when needed.
    StatisticsPage *statisticsPage();
    TimersPage *timersPage();
    KnowledgePage *knowledgePage();
    LocatorPage *locatorPage();
    InfoPage *infoPage();
    RiddleBar *riddleBar() const { return m_riddleBar; }

    // Puts the frame's right edge on the primary screen's right edge, 10 pixels from its top.
    void placeAtRightEdge();

public slots:
    // The pure show/hide toggle: flips ShowApp, then hides a shown window or shows and
    // raises a hidden one.
    void TrayIcon2Click();
    // The end of a countdown: the window must end up shown and in front.
    void callAttention();
    // The minimize command: hide to the tray instead (when there is a tray to hide to).
    void sysCommandMinimize();

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPage(QWidget *page);
    template <class Page, class Make>
    Page *madePage(Page *&page, Make make);
    void updateTaskbarEntry();

    Services m_services;
    QStackedWidget *m_pages;
    RiddleBar *m_riddleBar;
    Toolbar *m_toolbar;
    TabletPage *m_tablet;
    SettingsPage *m_settings;
    StatisticsPage *m_statistics = nullptr;
    TimersPage *m_timers = nullptr;
    KnowledgePage *m_knowledge = nullptr;
    LocatorPage *m_locator = nullptr;
    InfoPage *m_info = nullptr;
    CounterViews *m_counters;
    TTrayIcon *m_tray;
    TaskbarEntry m_taskbar;
    bool m_placedOnShownFrame = false;
};
