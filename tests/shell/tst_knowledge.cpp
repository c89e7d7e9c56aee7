#include "reference/LeatherworkingWindow.h"
#include "reference/SpellcastingWindow.h"
#include "shell/KnowledgePage.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

// The reference windows made so far (of one name, if given), found among the top-level windows.
template <class Window = ReferenceWindow> QList<Window *> made(const char *name = nullptr)
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && (!name || window->objectName() == name))
            windows.append(window);
    return windows;
}

// The Knowledge page's buttons open the reference windows and only raise an open one.
class TestKnowledge : public QObject {
    Q_OBJECT
private slots:
    void buttonsShowTheirWindows()
    {
        KnowledgePage page(Services::silent());
        page.show();
        const struct {
            const char *button;
            const char *caption;
            QPoint at;
            const char *window;
        } rows[] = {{"Button2", "Таблица опыта", {8, 48}, "FormExp"},
                    {"Button3", "Заклинательство", {8, 80}, "FormZakl"},
                    {"Button4", "Алхимия", {8, 112}, "FormAlchemy"},
                    {"Button5", "Кожевничество", {8, 144}, "Form2"}};
        // Nothing of the reference windows is made before the player opens one.
        QCOMPARE(made().size(), 0);
        int count = 0;
        for (const auto &row : rows) {
            auto *button = page.findChild<QPushButton *>(QString::fromLatin1(row.button));
            QVERIFY(button);
            QCOMPARE(button->text(), QString::fromUtf8(row.caption));
            QCOMPARE(button->geometry(), QRect(row.at, QSize(121, 25)));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(made().size(), ++count);
            QWidget *window = made(row.window).value(0);
            QVERIFY(window && window->isVisible());
            // Ordinary windows, below the always-on-top main window.
            QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
            // A second click only raises the same window.
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(made().size(), count);
            QVERIFY(window->isVisible());
        }
        // The news links stand below the buttons, at their left edge.
        for (const auto &[name, at] :
             {std::pair{"Label13", QPoint(8, 184)}, std::pair{"Label14", QPoint(8, 208)}})
            QCOMPARE(page.findChild<QWidget *>(QString::fromLatin1(name))->pos(), at);
    }

    void reopenedWindowsShowWhatTheyShowed()
    {
        KnowledgePage page(Services::silent());
        page.show();
        auto click = [](QWidget *parent, const char *name) {
            QTest::mouseClick(parent->findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
        };

        click(&page, "Button5");
        LeatherworkingWindow &leatherworking = *made<LeatherworkingWindow>().value(0);
        click(&leatherworking, "Button3");
        click(&leatherworking, "BitBtn1");
        QVERIFY(!leatherworking.isVisible());
        click(&page, "Button5");
        QVERIFY(leatherworking.isVisible());
        QCOMPARE(leatherworking.shownPicture(), 2);
        leatherworking.showMinimized(); // a minimized window comes back with its button
        click(&page, "Button5");
        QVERIFY(!leatherworking.isMinimized() && QTest::qWaitForWindowActive(&leatherworking));

        click(&page, "Button3");
        SpellcastingWindow &spellcasting = *made<SpellcastingWindow>().value(0);
        QCOMPARE(spellcasting.frameGeometry().height(), 477);
        click(&spellcasting, "Button3");
        click(&spellcasting, "BitBtn1");
        click(&page, "Button3");
        QVERIFY(spellcasting.isVisible());
        QCOMPARE(spellcasting.frameGeometry().height(), 330);
    }
};

QTEST_MAIN(TestKnowledge)
#include "tst_knowledge.moc"
