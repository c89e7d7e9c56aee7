#include "common/FileSupport.h"
#include "common/MessageRecorder.h"
#include "common/TestSupport.h"
#include "riddles/ClipboardRiddle.h"
#include "riddles/KnownRiddles.h"
#include "riddles/MyRiddlesWindow.h"
#include "riddles/RiddleAnswerer.h"
#include "riddles/RiddleBar.h"
#include "riddles/RiddleStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
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
    void filterAmongTwentyThousand();

private:
    QTemporaryDir m_home;
    QString m_path;
    RecordingServices m_recorded;
    MessageRecorder m_messages;
    Services services() { return m_recorded.services(); }
};

void TestTeaching::init()
{
    QDir(m_home.path()).removeRecursively();
    QDir().mkpath(m_home.path());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    // The import and export dialogs start in the home folder: this one.
    qputenv("HOME", m_home.path().toUtf8());
    m_path = RiddleStore::defaultPath();
    m_recorded = RecordingServices();
    m_messages.texts.clear();
}

void TestTeaching::teachFromTheMenuAndWithCtrlS()
{
    writeAll(m_path, "# мои\r\n");
    RiddleStore store(m_path);
    store.load();
    KnownRiddles known(&store);
    QWidget window;
    auto *bar = new RiddleBar(services(), &known, &window);
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
    RiddleAnswerer answerer(&known);
    ClipboardRiddle shortcut(services(), &answerer);
    shortcut.lookUp();
    QTRY_COMPARE(m_recorded.clipboard, QString("сосулька"));
    QVERIFY(m_messages.texts.isEmpty());
}

void TestTeaching::unwritableFileIsToldAndTheAnswerStillWorks()
{
    // A file where the folder belongs: it cannot be made, not even by root.
    writeAll(m_home.path() + "/kelo", "");
    RiddleStore store(m_path);
    KnownRiddles known(&store);
    RiddleBar bar(services(), &known);
    bar.setStore(&store);
    // A pair that can never be kept is refused as such, not as a file that failed.
    requireChild<QLineEdit>(&bar, "LabeledEdit1")->setText("# Новая загадка");
    requireChild<QLineEdit>(&bar, "LabeledEdit2")->setText("ответ");
    bar.rememberAnswer();
    QCOMPARE(m_messages.texts.size(), 1);
    QVERIFY2(m_messages.texts[0].startsWith("Ответ не запомнен") &&
                 !m_messages.texts[0].contains(QDir::toNativeSeparators(m_path)),
             qPrintable(m_messages.texts[0]));
    requireChild<QLineEdit>(&bar, "LabeledEdit1")->setText("Новая загадка");
    bar.rememberAnswer();
    QCOMPARE(m_messages.texts.size(), 2);
    QVERIFY2(m_messages.texts[1].contains(QDir::toNativeSeparators(m_path)), qPrintable(m_messages.texts[1]));
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
    const QString shared = QDir(m_home.path()).filePath("lists/shared.tsv");
    QStringList starts;
    const auto chooser = [&](QWidget *, const QString &start) {
        starts << start;
        return shared;
    };
    window.setFileChoosers(chooser, chooser);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Мои загадки"));
    auto *table = requireChild<QTableView>(&window, "MyRiddlesTable");
    QAbstractItemModel *rows = table->model();
    // Columns named, rows numbered.
    const auto heading = [rows](int section, Qt::Orientation side) {
        return rows->headerData(section, side).toString();
    };
    QCOMPARE(QStringList({heading(0, Qt::Horizontal), heading(1, Qt::Horizontal), heading(1, Qt::Vertical)}),
             QStringList({"Загадка", "Ответ", "2"}));
    const auto cell = [rows](int row, int column) { return rows->index(row, column).data().toString(); };
    QCOMPARE(rows->rowCount(), 3);
    QCOMPARE(cell(1, 0), QString("б"));
    QCOMPARE(requireChild<QLabel>(&window, "MyRiddlesCount")->text(), QString("Загадок: 3"));

    // Edited in place.
    QVERIFY(rows->setData(rows->index(1, 1), "два"));
    QCOMPARE(readAll(m_path), QByteArray("# клан\nа\t1\nб\tдва\nв\t3\n"));
    QTRY_COMPARE(cell(1, 1), QString("два"));
    // An empty answer is refused, said, and the table shows the kept one.
    QVERIFY(!rows->setData(rows->index(1, 1), ""));
    QCOMPARE(m_messages.texts.size(), 1);
    QVERIFY2(m_messages.texts[0].contains("ответ пуст"), qPrintable(m_messages.texts[0]));
    QCOMPARE(cell(1, 1), QString("два"));

    table->selectRow(0);
    requireChild<QPushButton>(&window, "MyRiddlesRemove")->click();
    QCOMPARE(readAll(m_path), QByteArray("# клан\nб\tдва\nв\t3\n"));
    QTRY_COMPARE(rows->rowCount(), 2);

    // The file dialogs start in the home folder, then where the player last went.
    writeAll(shared, "б\tдва\nв\tтри\nг\t4\nне понято\n");
    requireChild<QPushButton>(&window, "MyRiddlesImport")->click();
    QCOMPARE(readAll(m_path), QByteArray("# клан\nб\tдва\nв\tтри\nг\t4\n"));
    QCOMPARE(m_messages.texts.size(), 2);
    QVERIFY2(m_messages.texts[1].contains("добавлено 1, заменено 1, не понято 1"),
             qPrintable(m_messages.texts[1]));
    QTRY_COMPARE(rows->rowCount(), 3);

    requireChild<QPushButton>(&window, "MyRiddlesExport")->click();
    QCOMPARE(readAll(shared), QByteArray("б\tдва\nв\tтри\nг\t4\n"));
    QCOMPARE(starts, (QStringList{QDir::homePath(), QFileInfo(shared).absolutePath() + "/загадки.tsv"}));

    // Kelo's own file is no place for a list: said, and left as it is.
    const QString own = m_path;
    window.setFileChoosers(chooser, [own](QWidget *, const QString &) { return own; });
    requireChild<QPushButton>(&window, "MyRiddlesExport")->click();
    QCOMPARE(m_messages.texts.size(), 3);
    QVERIFY2(m_messages.texts[2].contains("это файл, в котором Kelo хранит загадки"),
             qPrintable(m_messages.texts[2]));
    QCOMPARE(readAll(m_path), QByteArray("# клан\nб\tдва\nв\tтри\nг\t4\n"));
}

void TestTeaching::filterAmongTwentyThousand()
{
    QByteArray list;
    for (int i = 1; i <= 20000; ++i)
        list += "Загадка номер " + QByteArray::number(i) + ": что растёт корнями вверх?\tответ" +
                QByteArray::number(i) + "\n";
    list += "Что за ёлка без иголок?\tёжик\n";
    writeAll(m_path, list);
    RiddleStore store(m_path);
    store.load();
    MyRiddlesWindow window(&store, services());
    window.show();
    auto *filter = requireChild<QLineEdit>(&window, "MyRiddlesFilter");
    auto *count = requireChild<QLabel>(&window, "MyRiddlesCount");
    QAbstractItemModel *rows = requireChild<QTableView>(&window, "MyRiddlesTable")->model();
    // Counts are grouped as Russian writes them, with a space that keeps the number whole.
    QCOMPARE(count->text(), QString("Загадок: 20\u00a0001"));

    // Typed with "е" for "ё", another case and without the punctuation.
    QElapsedTimer timer;
    timer.start();
    filter->setText("ЧТО ЗА ЕЛКА");
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->index(0, 1).data().toString(), QString("ёжик"));
    QCOMPARE(count->text(), QString("Загадок: 1 из 20\u00a0001"));
    // By the answer, too, and by a piece of a word.
    filter->setText("Ответ1999");
    QCOMPARE(rows->rowCount(), 11);
    QCOMPARE(count->text(), QString("Загадок: 11 из 20\u00a0001"));
    filter->setText("номер 20000 что");
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->index(0, 1).data().toString(), QString("ответ20000"));
    filter->clear();
    QCOMPARE(rows->rowCount(), 20001);
    // Four filterings of 20,000 riddles, the first making their normal forms: instant to the eye.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

    // An answer changed in place while the filter shows its riddle: the row goes, as it no
    // longer holds the filter text.
    filter->setText("ёжик");
    QCOMPARE(rows->rowCount(), 1);
    const QString fir = "Что за ёлка без иголок?";
    QCOMPARE(store.replace(fir, fir, "ель").status, RiddleStore::Outcome::Written);
    QTRY_COMPARE(rows->rowCount(), 0);
    QCOMPARE(count->text(), QString("Загадок: 0 из 20\u00a0001"));
}

QTEST_MAIN(TestTeaching)
#include "tst_teaching.moc"
