#include "KeloWindows.h"
#include "Services.h"

#include <QPushButton>
#include <QtTest>

// The Knowledge page's buttons open the reference windows and only raise an open one.
class TestKnowledge : public QObject
{
    Q_OBJECT
  private slots:
    void buttonsShowTheirWindows()
    {
        KeloWindows windows(Services::silent(), false);
        TForm1 &mainWindow = windows.main;
        mainWindow.show();
        mainWindow.SpeedButton4Click();

        QWidget *page = mainWindow.findChild<QWidget *>(QStringLiteral("TabSheet4"));
        QVERIFY(page);
        const struct {
            const char *button;
            const char *caption;
            QPoint at;
            std::function<QWidget *()> window;
        } rows[] = {{"Button2", "Таблица опыта", {8, 48}, [&] { return &windows.experience(); }},
                    {"Button3", "Заклинательство", {8, 80}, [&] { return &windows.spellcasting(); }},
                    {"Button4", "Алхимия", {8, 112}, [&] { return &windows.alchemy(); }},
                    {"Button5", "Кожевничество", {8, 144}, [&] { return &windows.leatherworking(); }}};
        // Nothing of the reference windows is made before the player opens one.
        QCOMPARE(windows.madeCount(), 0);
        int made = 0;
        for (const auto &row : rows) {
            auto *button = page->findChild<QPushButton *>(QString::fromLatin1(row.button));
            QVERIFY(button);
            QCOMPARE(button->text(), QString::fromUtf8(row.caption));
            QCOMPARE(button->geometry(), QRect(row.at, QSize(121, 25)));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(windows.madeCount(), ++made);
            QWidget *window = row.window();
            QVERIFY2(window->isVisible(), row.button);
            // Ordinary windows, below the always-on-top main window.
            QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
            // A second click only raises the same window.
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(windows.madeCount(), made);
            QVERIFY(window->isVisible());
        }
        QVERIFY(!windows.craft().isVisible());
    }

    void reopenedWindowsShowWhatTheyShowed()
    {
        KeloWindows windows(Services::silent(), false);
        TForm1 &mainWindow = windows.main;
        mainWindow.show();
        mainWindow.SpeedButton4Click();
        QWidget *page = mainWindow.findChild<QWidget *>(QStringLiteral("TabSheet4"));
        auto click = [](QWidget *parent, const char *name) {
            auto *button = parent->findChild<QPushButton *>(QString::fromLatin1(name));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        };

        click(page, "Button5");
        LeatherworkingWindow &leatherworking = windows.leatherworking();
        click(&leatherworking, "Button3");
        click(&leatherworking, "BitBtn1");
        QVERIFY(!leatherworking.isVisible());
        click(page, "Button5");
        QVERIFY(leatherworking.isVisible());
        QCOMPARE(leatherworking.shownPicture(), 2);

        click(page, "Button3");
        SpellcastingWindow &spellcasting = windows.spellcasting();
        QCOMPARE(spellcasting.height(), 477 - 34);
        click(&spellcasting, "Button3");
        click(&spellcasting, "BitBtn1");
        click(page, "Button3");
        QVERIFY(spellcasting.isVisible());
        QCOMPARE(spellcasting.designedOuterHeight(), 330);
        QCOMPARE(spellcasting.height(), 330 - 34);
    }
};

QTEST_MAIN(TestKnowledge)
#include "tst_knowledge.moc"
