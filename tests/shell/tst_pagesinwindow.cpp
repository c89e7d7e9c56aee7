// The pages inside the main window: a hunt marked and summed up by the Statistics button,
// and what a countdown's end does to the window.
#include "common/MessageRecorder.h"
#include "common/TestSupport.h"
#include "desktop/Services.h"
#include "hunting/TabletPage.h"
#include "shell/MainWindow.h"
#include "timers/TimersPage.h"
#include "web/VisitCounters.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class PagesInWindowTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsButtonSumsUpTheBoard();
    void mainWindowShownAtEnd_data();
    void mainWindowShownAtEnd();
    void ownTimerBringsBackOnlyAMinimizedWindow();
    void windowShownOnceTheRequestHasEnded();

private:
    MessageRecorder m_quiet; // the countdowns' ends show no box that waits for a click
};

void PagesInWindowTest::statisticsButtonSumsUpTheBoard()
{
    MainWindow window(Services::silent());
    window.show();
    auto *tablet = window.findChild<TabletPage *>(QStringLiteral("TabSheet1"));
    QVERIFY(tablet);
    QList<QMenu *> opened;
    tablet->setMenuOpener([&](QMenu *menu, QPoint) { opened << menu; });
    auto *boardView = tablet->findChild<QWidget *>(QStringLiteral("Image1"));

    // A wolf in the second column of the top row, then its pelt.
    QTest::mousePress(boardView, Qt::RightButton, Qt::NoModifier, QPoint(50, 20));
    requireChild<QAction>(tablet, QStringLiteral("N2"))->trigger();
    QTest::mousePress(boardView, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    requireChild<QAction>(tablet, QStringLiteral("N10"))->trigger();
    QCOMPARE(opened.size(), 2);

    QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    QWidget *statistics = window.pageStack()->currentWidget();
    QCOMPARE(statistics->objectName(), QStringLiteral("TabSheet2"));
    auto *grid = statistics->findChild<QTableWidget *>(QStringLiteral("SGrid"));
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Волк"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("1/2"));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("1"));
    QCOMPARE(requireChild<QLabel>(statistics, QStringLiteral("Label_NOpyt"))->text(), QStringLiteral("3"));
    // The widths come from the grid as it is shown: together they fill it.
    const int inside = grid->width() - 2 * grid->frameWidth();
    QCOMPARE(50 + 1 + grid->columnWidth(1) + 1 + grid->columnWidth(2), inside);
}

void PagesInWindowTest::mainWindowShownAtEnd_data()
{
    QTest::addColumn<bool>("shownAtStart");
    QTest::addColumn<bool>("minimized");
    QTest::newRow("hidden in the tray") << false << false;
    QTest::newRow("shown") << true << false;
    QTest::newRow("minimized, no tray to hide to") << true << true;
}

void PagesInWindowTest::mainWindowShownAtEnd()
{
    QFETCH(bool, shownAtStart);
    QFETCH(bool, minimized);
    bool visibleAtMessage = false;
    MainWindow *formPtr = nullptr;
    const MessageRecorder recorder([&](const QString &) { visibleAtMessage = formPtr->isVisible(); });
    MainWindow form(Services::silent());
    formPtr = &form;
    if (shownAtStart) {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    if (minimized)
        form.setWindowState(Qt::WindowMinimized);
    int hides = 0;
    struct HideCounter : QObject {
        int *count;
        explicit HideCounter(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                ++*count;
            return false;
        }
    } counter(&hides);
    form.installEventFilter(&counter);

    TimersPage *page = form.timersPage();
    QCOMPARE(page->objectName(), QStringLiteral("TabSheet3"));
    page->toggle(TimersPage::Cave);
    for (int k = 0; k < 901; ++k)
        page->tick(TimersPage::Cave);

    QCOMPARE(recorder.texts.size(), 1);
    QVERIFY(visibleAtMessage);
    QVERIFY(form.isVisible());
    QVERIFY(!form.isMinimized());
    QCOMPARE(hides, 0);
    form.removeEventFilter(&counter);
}

void PagesInWindowTest::ownTimerBringsBackOnlyAMinimizedWindow()
{
    MainWindow form(Services::silent());
    form.show();
    TimersPage *page = form.timersPage();
    // Minimized where there is no tray, it comes back; hidden in the tray, it stays there.
    for (bool minimized : {true, false}) {
        minimized ? form.setWindowState(Qt::WindowMinimized) : form.hide();
        requireChild<QLineEdit>(page, QStringLiteral("Edit1"))->setText(QStringLiteral("0"));
        page->toggleOwnTimer();
        page->tickOwnTimer();
        QCOMPARE(form.isVisible(), minimized);
        QVERIFY(!form.isMinimized());
    }
}

void PagesInWindowTest::windowShownOnceTheRequestHasEnded()
{
    // The window reads the player's riddles once drawn: from a data home of its own.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    // Counters with nowhere to load from end their start from the event loop: once before
    // the window that waits for them exists, once after.
    for (const bool endedBefore : {true, false}) {
        auto *counters = new VisitCounters;
        counters->setCounterAddresses(QUrl(), QUrl());
        counters->start();
        if (endedBefore)
            QTRY_VERIFY(counters->hasStarted());
        MainWindow form(Services::silent(), counters);
        form.finishStartup();
        QCOMPARE(form.isVisible(), endedBefore);
        QTRY_VERIFY(form.isVisible());
    }
}

QTEST_MAIN(PagesInWindowTest)
#include "tst_pagesinwindow.moc"
