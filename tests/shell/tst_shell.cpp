#include "common/TestSupport.h"
#include "riddles/MyRiddlesWindow.h"
#include "riddles/RiddleAnswerer.h"
#include "shell/KeloLook.h"
#include "shell/MainWindow.h"
#include "shell/Placement.h"
#include "shell/TrayIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void mainWindowShape();
    void startsOnTabletWithRiddleBar();
    void hiddenPagesAreMadeOnFirstVisit();
    void everySwitchLeavesExactlyOnePage();
    void pageAreaGrowsWithoutRiddleBar();
    void toolbarHints();
    void enterLooksUpOnlyWhileRiddleBarShown();
    void riddleFieldTakesFocusWithItsPages();
    void labelsLieInsideTheWindow();
    void settingsFlagsCheckedAtStart();
    void toggleFlipsWindow();
    void minimizeHidesToTray();
    void minimizeWithoutTrayKeepsWindowReachable();
    void trayClicks_data();
    void trayClicks();
    void toolTipCutTo62();
    void closeRemovesTrayIcon();
    void trayMenuAndTheMissedRiddle();
    void placementOnSeveralScreens_data();
    void placementOnSeveralScreens();

private:
    QWidget *visiblePage() const;
    void click(int speedButton);

    MainWindow *m_form = nullptr;
    QStringList m_clipboard;
};

void TestShell::init()
{
    m_clipboard.clear();
    Services services = Services::silent();
    services.setClipboardText = [this](const QString &text) { m_clipboard << text; };
    m_form = new MainWindow(services);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestShell::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

QWidget *TestShell::visiblePage() const
{
    QWidget *shown = nullptr;
    for (int i = 1; i <= 7; ++i) {
        auto *page = m_form->findChild<QWidget *>(QString("TabSheet%1").arg(i));
        if (page && page->isVisible()) {
            if (shown)
                return nullptr; // more than one: a fault
            shown = page;
        }
    }
    return shown;
}

void TestShell::click(int speedButton)
{
    auto *button = m_form->findChild<QToolButton *>(QString("SpeedButton%1").arg(speedButton));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestShell::mainWindowShape()
{
    QCOMPARE(m_form->windowTitle(), QString("Kelo"));
    QCOMPARE(m_form->size(), QSize(169, 276));
    QVERIFY(m_form->windowFlags() & Qt::WindowStaysOnTopHint);
    // Every size change is refused.
    m_form->resize(300, 400);
    QCOMPARE(m_form->size(), QSize(169, 276));
    m_form->showMaximized();
    QCOMPARE(m_form->size(), QSize(169, 276));
    // The icon of the title bar, the taskbar and the tray, in each size it comes in.
    QCOMPARE(m_form->windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
}

void TestShell::startsOnTabletWithRiddleBar()
{
    QCOMPARE(visiblePage(), m_form->findChild<QWidget *>("TabSheet1"));
    QVERIFY(requireChild<QWidget>(m_form, QStringLiteral("Panel2"))->isVisible());
    QVERIFY(requireChild<QWidget>(m_form, QStringLiteral("Panel1"))->isVisible());
}

void TestShell::hiddenPagesAreMadeOnFirstVisit()
{
    // At start only the Tablet and the Settings page (flags and counters) exist.
    for (int i = 1; i <= 7; ++i) {
        const bool atStart = i == 1 || i == 6;
        QCOMPARE(bool(m_form->findChild<QWidget *>(QString("TabSheet%1").arg(i))), atStart);
    }
    for (int i = 1; i <= 7; ++i) {
        click(i);
        QWidget *page = m_form->findChild<QWidget *>(QString("TabSheet%1").arg(i));
        QVERIFY(page);
        QCOMPARE(visiblePage(), page);
    }
    // A second round reuses the pages made in the first.
    const int pages = m_form->pageStack()->count();
    QCOMPARE(pages, 7);
    for (int i = 7; i >= 1; --i)
        click(i);
    QCOMPARE(m_form->pageStack()->count(), pages);
}

void TestShell::everySwitchLeavesExactlyOnePage()
{
    // Every pair of pages, in both directions, and each page twice in a row.
    auto *riddleBar = m_form->findChild<QWidget *>("Panel2");
    for (int from = 1; from <= 7; ++from) {
        for (int to = 1; to <= 7; ++to) {
            click(from);
            click(to);
            QWidget *page = visiblePage();
            QVERIFY2(page, qPrintable(QString("%1 -> %2").arg(from).arg(to)));
            QCOMPARE(page->objectName(), QString("TabSheet%1").arg(to));
            QCOMPARE(riddleBar->isVisible(), to <= 2);
        }
    }
}

void TestShell::pageAreaGrowsWithoutRiddleBar()
{
    auto *pages = m_form->findChild<QWidget *>("PageControl1");
    QCOMPARE(pages->geometry(), QRect(0, 0, 169, 176));
    QCOMPARE(requireChild<QWidget>(m_form, QStringLiteral("Panel2"))->geometry(), QRect(0, 176, 169, 74));
    QCOMPARE(requireChild<QWidget>(m_form, QStringLiteral("Panel1"))->geometry(), QRect(0, 250, 169, 26));
    click(3);
    QTRY_COMPARE(pages->geometry(), QRect(0, 0, 169, 250));
    click(2);
    QTRY_COMPARE(pages->geometry(), QRect(0, 0, 169, 176));
}

void TestShell::toolbarHints()
{
    const QStringList hints = {"Планшет", "Статистика", "Таймеры",   "Знания",
                               "Локатор", "Настройки",  "Информация"};
    for (int i = 1; i <= 7; ++i) {
        auto *button = m_form->findChild<QToolButton *>(QString("SpeedButton%1").arg(i));
        QCOMPARE(button->toolTip(), hints[i - 1]);
        QCOMPARE(button->geometry(), QRect(24 * (i - 1), 1, 25, 25));
        QVERIFY(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
        QVERIFY(!button->isCheckable());
    }
}

void TestShell::enterLooksUpOnlyWhileRiddleBarShown()
{
    auto *riddleField = m_form->findChild<QLineEdit *>("LabeledEdit1");
    auto *answerField = m_form->findChild<QLineEdit *>("LabeledEdit2");
    m_form->activateWindow();
    riddleField->setFocus();
    riddleField->setText("Кто он?");
    QTest::keyClick(riddleField, Qt::Key_Return);
    QCOMPARE(answerField->text(), QString("икар"));
    QCOMPARE(m_clipboard, QStringList{"икар"});

    // From the answer field too: any control but a button.
    riddleField->setText("28 дней");
    answerField->setFocus();
    QTest::keyClick(answerField, Qt::Key_Enter);
    QCOMPARE(answerField->text(), QString("все"));

    // With the bar hidden Enter does nothing.
    click(3);
    requireChild<QWidget>(m_form, QStringLiteral("TabSheet3"))->setFocus();
    QTest::keyClick(m_form, Qt::Key_Return);
    QCOMPARE(m_clipboard.size(), 2);
    click(1);
    riddleField->setFocus();
    QTest::keyClick(riddleField, Qt::Key_Return);
    QCOMPARE(m_clipboard.size(), 3);

    // What the desktop-wide shortcut finds, or misses, shows in the bar as well.
    m_form->riddleAnswerer()->answer(QStringLiteral("Кто он?"));
    QCOMPARE(riddleField->text(), QString("Кто он?"));
    QCOMPARE(answerField->text(), QString("икар"));
    m_form->riddleAnswerer()->answer(QStringLiteral("Не загадка"));
    QCOMPARE(riddleField->text(), QString("Не загадка"));
}

void TestShell::riddleFieldTakesFocusWithItsPages()
{
    auto *riddleField = m_form->findChild<QLineEdit *>("LabeledEdit1");
    QCOMPARE(m_form->focusWidget(), riddleField);
    riddleField->setText(QStringLiteral("Кто он?"));
    click(3);
    requireChild<QWidget>(m_form, QStringLiteral("Edit1"))->setFocus();
    click(1);
    QCOMPARE(m_form->focusWidget(), riddleField);
    // Selected, so that the next paste replaces the riddle instead of joining it.
    QCOMPARE(riddleField->selectedText(), QStringLiteral("Кто он?"));
    requireChild<QWidget>(m_form, QStringLiteral("Button6"))->setFocus();
    click(2);
    QCOMPARE(m_form->focusWidget(), riddleField);
}

void TestShell::labelsLieInsideTheWindow()
{
    for (int page = 1; page <= 7; ++page) {
        click(page);
        for (const QLabel *label : m_form->findChildren<QLabel *>()) {
            const QRect inWindow(label->mapTo(m_form, QPoint(0, 0)), label->size());
            QVERIFY2(!label->isVisible() || m_form->rect().contains(inWindow),
                     qPrintable(label->objectName()));
        }
    }
}

void TestShell::settingsFlagsCheckedAtStart()
{
    const QList<QPair<QString, QString>> flags = {
        {"CheckBox1", "Звук вкл/выкл"}, {"CheckBox2", "Стандарт. картинки"}, {"CheckBox3", "Зоны поиска"}};
    // The captions are fitted to their boxes when the page is first seen.
    click(6);
    int top = 8;
    for (const auto &[name, caption] : flags) {
        auto *box = m_form->findChild<QCheckBox *>(name);
        QVERIFY(box);
        QCOMPARE(box->text(), caption);
        QVERIFY(box->isChecked());
        QCOMPARE(box->geometry(), QRect(8, top, 121, 17));
        // The caption is shown whole, not cut at the box's edge.
        QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(caption));
        top += 24;
    }
}

void TestShell::toggleFlipsWindow()
{
    m_form->toggleVisibility();
    QVERIFY(!m_form->isVisible());
    m_form->toggleVisibility();
    QVERIFY(m_form->isVisible());
}

void TestShell::minimizeHidesToTray()
{
    m_form->trayIcon()->assumeTrayPresentForTesting(true);
    m_form->setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!m_form->isVisible());
    QVERIFY(!(m_form->windowState() & Qt::WindowMinimized));
    // A click on the icon brings it back.
    m_form->trayIcon()->handleActivation(QSystemTrayIcon::Trigger);
    QVERIFY(m_form->isVisible());
}

void TestShell::minimizeWithoutTrayKeepsWindowReachable()
{
    m_form->hideToTrayOrMinimize();
    QVERIFY(m_form->isVisible());
    QVERIFY(m_form->windowState() & Qt::WindowMinimized);
}

void TestShell::trayClicks_data()
{
    using R = QSystemTrayIcon::ActivationReason;
    QTest::addColumn<QList<int>>("reasons");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<int>("toggles");
    QTest::newRow("left click") << QList<int>{R::Trigger} << false << 1;
    QTest::newRow("double click, one click reported first")
        << QList<int>{R::Trigger, R::DoubleClick} << true << 2;
    QTest::newRow("double click reported alone") << QList<int>{R::DoubleClick} << true << 2;
    QTest::newRow("three quick clicks") << QList<int>{R::Trigger, R::DoubleClick, R::Trigger} << false << 3;
    QTest::newRow("four quick clicks")
        << QList<int>{R::Trigger, R::DoubleClick, R::Trigger, R::DoubleClick} << true << 4;
    // The click before a double click must not count into the one after it.
    QTest::newRow("click, then two double clicks")
        << QList<int>{R::Trigger, R::DoubleClick, R::DoubleClick} << true << 4;
    QTest::newRow("right click") << QList<int>{R::Context} << true << 0;
    QTest::newRow("middle click") << QList<int>{R::MiddleClick} << true << 0;
}

void TestShell::trayClicks()
{
    QFETCH(QList<int>, reasons);
    QFETCH(bool, visibleAfter);
    QFETCH(int, toggles);
    TrayIcon *tray = m_form->trayIcon();
    QSignalSpy clicks(tray, &TrayIcon::clicked);
    for (int reason : reasons)
        tray->handleActivation(static_cast<QSystemTrayIcon::ActivationReason>(reason));
    QCOMPARE(clicks.size(), toggles);
    QCOMPARE(m_form->isVisible(), visibleAfter);
}

void TestShell::toolTipCutTo62()
{
    TrayIcon *tray = m_form->trayIcon();
    QCOMPARE(tray->toolTip(), QString("Kelo Monitor"));
    tray->setToolTip(QString(100, QLatin1Char('x')));
    QCOMPARE(tray->toolTip().size(), 62);
}

void TestShell::closeRemovesTrayIcon()
{
    QVERIFY(m_form->trayIcon()->isActive());
    m_form->close();
    QVERIFY(!m_form->trayIcon()->isActive());
    QVERIFY(!m_form->isVisible());
}

void TestShell::trayMenuAndTheMissedRiddle()
{
    QMenu *menu = m_form->trayIcon()->contextMenu();
    QVERIFY(menu);
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 4);
    emit menu->aboutToShow();
    QCOMPARE(items[0]->text(), QString("Скрыть окно"));
    QCOMPARE(items[1]->text(), QString("Мои загадки…"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QString("Выход"));
    items[0]->trigger();
    QVERIFY(!m_form->isVisible());

    // A note clicked after a miss on a page without the riddle bar brings up the Tablet's.
    m_form->showPage(MainWindow::Page::Timers);
    m_form->teachMissedRiddle("нет такой загадки");
    QVERIFY(m_form->isVisible() && visiblePage() == m_form->findChild<QWidget *>("TabSheet1"));

    items[1]->trigger();
    QVERIFY(m_form->myRiddlesWindow()->isVisible());
    items[3]->trigger();
    QVERIFY(!m_form->isVisible());
    QVERIFY(!m_form->trayIcon()->isActive());
}

void TestShell::placementOnSeveralScreens_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("1920, designed frame") << QRect(0, 0, 1920, 1080) << 177 << QPoint(1743, 10);
    QTest::newRow("800, no frame") << QRect(0, 0, 800, 600) << 169 << QPoint(631, 10);
    QTest::newRow("3840") << QRect(0, 0, 3840, 2160) << 177 << QPoint(3663, 10);
    QTest::newRow("screen not at origin") << QRect(1280, 20, 1024, 768) << 171 << QPoint(2133, 30);
}

void TestShell::placementOnSeveralScreens()
{
    QFETCH(QRect, screen);
    QFETCH(int, frameWidth);
    QFETCH(QPoint, expected);
    const QPoint at = Placement::startPosition(screen, frameWidth);
    QCOMPARE(at, expected);
    QCOMPARE(at.x() + frameWidth, screen.x() + screen.width());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KeloLook::apply(app);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
