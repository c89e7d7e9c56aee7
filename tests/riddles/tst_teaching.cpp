#include "common/FileSupport.h"
#include "common/TestSupport.h"
#include "riddles/ClipboardRiddle.h"
#include "riddles/MyRiddlesWindow.h"
#include "riddles/RiddleBar.h"
#include "riddles/RiddleStore.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QAction *action(QMenu *menu, const QString &text)
{
    for (QAction *candidate : menu->actions())
        if (candidate->text() == text)
            return candidate;
    QTest::qFail(qPrintable("no menu item " + text), __FILE__, __LINE__);
    return nullptr;
}
} // namespace

class TestTeaching : public QObject {
    Q_OBJECT
private slots:
    void init();
    void teachFromTheMenuAndWithCtrlS();
    void unwritableFileIsToldAndTheAnswerStillWorks();
    void myRiddlesWindow();

private:
    QTemporaryDir m_home;
    QString m_path;
    RecordingServices m_recorded;
    QStringList m_messages;
    Services services();
};

void TestTeaching::init()
{
    QDir(m_home.path()).removeRecursively();
    QDir().mkpath(m_home.path());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    m_path = RiddleStore::defaultPath();
    m_recorded = RecordingServices();
    m_messages.clear();
}

Services TestTeaching::services()
{
    Services s = m_recorded.services();
    s.showMessage = [this](QWidget *, const QString &text) { m_messages << text; };
    return s;
}

void TestTeaching::teachFromTheMenuAndWithCtrlS()
{
    writeAll(m_path, "# мои\r\n");
    RiddleStore store(m_path);
    store.load();
    QWidget window;
    auto *bar = new RiddleBar(services(), &window);
    bar->setStore(&store);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *riddle = requireChild<QLineEdit>(bar, "LabeledEdit1");
    auto *answer = requireChild<QLineEdit>(bar, "LabeledEdit2");

    // Nothing to teach while a field is empty.
    riddle->setText("Что растёт корнями вверх?");
    std::unique_ptr<QMenu> menu(bar->contextMenuFor(answer));
    QAction *remember = action(menu.get(), "Запомнить ответ");
    QCOMPARE(remember->shortcut(), QKeySequence("Ctrl+S"));
    QVERIFY(!remember->isEnabled());
    QTest::keyClick(riddle, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(readAll(m_path), QByteArray("# мои\r\n"));

    answer->setText(" сосулька ");
    menu.reset(bar->contextMenuFor(riddle));
    QSignalSpy myRiddles(bar, &RiddleBar::myRiddlesRequested);
    action(menu.get(), "Мои загадки…")->trigger();
    QCOMPARE(myRiddles.count(), 1);
    remember = action(menu.get(), "Запомнить ответ");
    QVERIFY(remember->isEnabled());
    remember->trigger();
    QCOMPARE(readAll(m_path), QByteArray("# мои\r\nЧто растёт корнями вверх?\tсосулька\r\n"));

    // The shortcut's lookup finds it too, copied a little differently.
    m_recorded.clipboard = "что растет корнями вверх";
    ClipboardRiddle shortcut(services(), bar);
    shortcut.lookUp();
    QCOMPARE(m_recorded.clipboard, QString("сосулька"));
    QVERIFY(m_messages.isEmpty());
}

void TestTeaching::unwritableFileIsToldAndTheAnswerStillWorks()
{
    // A file where the folder belongs: it cannot be made, not even by root.
    writeAll(m_home.path() + "/kelo", "");
    RiddleStore store(m_path);
    RiddleBar bar(services());
    bar.setStore(&store);
    // A pair that can never be kept is refused as such, not as a file that failed.
    requireChild<QLineEdit>(&bar, "LabeledEdit1")->setText("# Новая загадка");
    requireChild<QLineEdit>(&bar, "LabeledEdit2")->setText("ответ");
    bar.rememberAnswer();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].startsWith("Ответ не запомнен") && !m_messages[0].contains(m_path),
             qPrintable(m_messages[0]));
    requireChild<QLineEdit>(&bar, "LabeledEdit1")->setText("Новая загадка");
    bar.rememberAnswer();
    QCOMPARE(m_messages.size(), 2);
    QVERIFY2(m_messages[1].contains(m_path), qPrintable(m_messages[1]));
    requireChild<QLineEdit>(&bar, "LabeledEdit2")->clear();
    bar.lookUpAnswer();
    QCOMPARE(m_recorded.clipboard, QString("ответ"));

    // Once the file can be written, what was kept goes into it with the next change.
    QVERIFY(QFile::remove(m_home.path() + "/kelo"));
    QCOMPARE(store.remember("три", "3").status, RiddleStore::Outcome::Written);
    QCOMPARE(readAll(m_path), QByteArray("Новая загадка\tответ\nтри\t3\n"));
    // Written, it is the file's like any other: deleted there, it is gone.
    writeAll(m_path, "три\t3\n");
    store.load();
    QCOMPARE(store.riddles(), (QList<PlayerRiddle>{{"три", "3"}}));
}

void TestTeaching::myRiddlesWindow()
{
    writeAll(m_path, "# клан\nа\t1\nб\t2\nв\t3\n");
    RiddleStore store(m_path);
    store.load();
    MyRiddlesWindow window(&store, services());
    const QString shared = m_home.path() + "/shared.tsv";
    window.setFileChoosers([&](QWidget *) { return shared; }, [&](QWidget *) { return shared; });
    window.show();
    QCOMPARE(window.windowTitle(), QString("Мои загадки"));
    auto *table = requireChild<QTableWidget>(&window, "MyRiddlesTable");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(1, 0)->text(), QString("б"));

    // Edited in place.
    table->item(1, 1)->setText("два");
    QCOMPARE(readAll(m_path), QByteArray("# клан\nа\t1\nб\tдва\nв\t3\n"));
    // An empty answer is refused, said, and the table shows the kept one again.
    table->item(1, 1)->setText("");
    QCOMPARE(m_messages.size(), 1);
    QTRY_COMPARE(table->item(1, 1)->text(), QString("два"));

    table->selectRow(0);
    requireChild<QPushButton>(&window, "MyRiddlesRemove")->click();
    QCOMPARE(readAll(m_path), QByteArray("# клан\nб\tдва\nв\t3\n"));
    QTRY_COMPARE(table->rowCount(), 2);

    writeAll(shared, "б\tдва\nв\tтри\nг\t4\nне понято\n");
    requireChild<QPushButton>(&window, "MyRiddlesImport")->click();
    QCOMPARE(readAll(m_path), QByteArray("# клан\nб\tдва\nв\tтри\nг\t4\n"));
    QCOMPARE(m_messages.size(), 2);
    QVERIFY2(m_messages[1].contains("добавлено 1, заменено 1, не понято 1"), qPrintable(m_messages[1]));
    QTRY_COMPARE(table->rowCount(), 3);

    requireChild<QPushButton>(&window, "MyRiddlesExport")->click();
    QCOMPARE(readAll(shared), QByteArray("б\tдва\nв\tтри\nг\t4\n"));
}

QTEST_MAIN(TestTeaching)
#include "tst_teaching.moc"
