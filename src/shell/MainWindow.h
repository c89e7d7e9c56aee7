#pragma once

#include <QWidget>

#include <memory>

#include "desktop/Services.h"
#include "hunting/HuntingBoard.h"
#include "settings/Settings.h"

class QStackedWidget;
class VisitCounters;
class InfoPage;
class KnowledgePage;
class LocatorPage;
class MyRiddlesWindow;
class KnownRiddles;
class QAction;
class RiddleAnswerer;
class RiddleStore;
class RiddleBar;
class SettingsPage;
class StatisticsPage;
class TabletPage;
class TimersPage;
class Toolbar;
class TrayIcon;

// The main window: a narrow always-on-top tool window with seven pages, the riddle bar,
// the toolbar and the tray icon. It owns the settings and the hunt that the pages share.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 169;
    static constexpr int kClientHeight = 276;

    // The pages in the order of the toolbar's buttons.
    enum class Page { Tablet, Statistics, Timers, Knowledge, Locator, Settings, Information };

    // With `counters` the window takes counters already started (the program starts them
    // before building the window); without, it makes its own, not yet started.
    explicit MainWindow(const Services &services, VisitCounters *counters = nullptr,
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    // The rest of start-up: placement, then the counters and the start-up request unless
    // they are under way; the window shows itself when that request has ended.
    void finishStartup();

    TrayIcon *trayIcon() const { return m_tray; }
    RiddleBar *riddleBar() const { return m_riddleBar; }
    RiddleStore *riddleStore() const { return m_riddleStore; }
    // What the riddle shortcut asks; the riddle bar shows what it finds.
    RiddleAnswerer *riddleAnswerer() const { return m_riddleAnswerer; }
    // "Мои загадки", made when first asked for.
    MyRiddlesWindow *myRiddlesWindow();
    QStackedWidget *pageStack() const { return m_pages; }
    // The pages besides the Tablet and Settings are made on their first visit; these hand
    // them out, making them when needed.
    StatisticsPage *statisticsPage();
    TimersPage *timersPage();
    KnowledgePage *knowledgePage();
    LocatorPage *locatorPage();
    InfoPage *infoPage();

signals:
    // The window has been shown and drawn for the first time; what the first frame does not
    // need waits for this.
    void firstFrameShown();

public slots:
    // What a toolbar button does: shows its page, and the riddle bar with the Tablet and
    // Statistics pages only.
    void showPage(MainWindow::Page page);
    // The pure show/hide toggle: hides a shown window, shows and raises a hidden one.
    void toggleVisibility();
    // The minimize command: hide to the tray instead (when there is a tray to hide to).
    void hideToTrayOrMinimize();
    // Shows the window, not minimized, in front of the others: where an activity's countdown
    // ends or a second start asks for it, be the window hidden in the tray or minimized where
    // there is none.
    void bringToFront();
    void showMyRiddles();
    // After the riddle shortcut missed: the window comes up with the copied riddle in the
    // riddle field, the answer field taking the keys.
    void teachMissedRiddle(const QString &riddle);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCurrentPage(QWidget *page);
    template <class PageWidget, class Make> PageWidget *madePage(PageWidget *&page, Make make);
    // Puts the frame's right edge on the primary screen's right edge, 10 pixels from its top.
    void placeAtRightEdge();
    void makeTrayMenu();

    Services m_services;
    Settings m_settings;
    HuntingBoard m_hunt;
    QStackedWidget *m_pages;
    RiddleBar *m_riddleBar;
    Toolbar *m_toolbar;
    TabletPage *m_tablet;
    SettingsPage *m_settingsPage;
    StatisticsPage *m_statistics = nullptr;
    TimersPage *m_timers = nullptr;
    KnowledgePage *m_knowledge = nullptr;
    LocatorPage *m_locator = nullptr;
    InfoPage *m_info = nullptr;
    VisitCounters *m_counters;
    TrayIcon *m_tray;
    QAction *m_showHide = nullptr;
    RiddleStore *m_riddleStore;
    // Every riddle Kelo knows, one catalog for the riddle field and the shortcut alike.
    KnownRiddles *m_knownRiddles;
    RiddleAnswerer *m_riddleAnswerer;
    std::unique_ptr<MyRiddlesWindow> m_myRiddles;
    // Whether the window has been placed with the frame the window manager gave it.
    bool m_placedByFrame = false;
    bool m_firstFrameShown = false;
};
