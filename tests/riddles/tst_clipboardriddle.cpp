#include "common/TestSupport.h"
#include "data/RiddleTable.h"
#include "riddles/ClipboardRiddle.h"
#include "riddles/KnownRiddles.h"
#include "riddles/RiddleAnswerer.h"
#include "riddles/RiddleBar.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString riddle(int i)
{
    return QString::fromUtf8(kRiddleTable[i].text);
}

// The longest riddle text; no other riddle contains it.
int longest()
{
    int found = 0;
    for (int i = 0; i < kRiddleCount; ++i)
        if (riddle(i).size() > riddle(found).size())
            found = i;
    return found;
}

// The shortcut as the main window wires it: the answerer's findings go to the bar.
struct Shortcut {
    RecordingServices clipboard;
    KnownRiddles known;
    RiddleAnswerer answerer{&known};
    RiddleBar bar{clipboard.services(), &known};
    ClipboardRiddle lookup{clipboard.services(), &answerer};
    QSignalSpy notFound{&lookup, &ClipboardRiddle::notFound};
    int outcomes = 0;

    Shortcut()
    {
        QObject::connect(&answerer, &RiddleAnswerer::answered, &bar, &RiddleBar::showAnswered);
        QObject::connect(&answerer, &RiddleAnswerer::missed, &bar, &RiddleBar::showMissed);
        QObject::connect(&answerer, &RiddleAnswerer::answered, [this] { ++outcomes; });
        QObject::connect(&answerer, &RiddleAnswerer::missed, [this] { ++outcomes; });
    }
    // One press, and the clipboard's answer after it; false when none came.
    bool press(const QString &copied)
    {
        clipboard.clipboard = copied;
        const int before = outcomes;
        lookup.lookUp();
        return QTest::qWaitFor([&] { return outcomes > before; });
    }
    QString field(const char *name)
    {
        return requireChild<QLineEdit>(&bar, QString::fromLatin1(name))->text();
    }
};
} // namespace

class TestClipboardRiddle : public QObject {
    Q_OBJECT
private slots:
    void answersTheCopiedRiddle();
    void missLeavesTheClipboard_data();
    void missLeavesTheClipboard();
    void pressWhileReadingIsTheSamePress();
};

void TestClipboardRiddle::answersTheCopiedRiddle()
{
    Shortcut shortcut;
    QVERIFY(shortcut.press(QStringLiteral("Кто он?")));
    QCOMPARE(shortcut.field("LabeledEdit1"), QString("Кто он?"));
    QCOMPARE(shortcut.field("LabeledEdit2"), QString("икар"));
    QCOMPARE(shortcut.clipboard.clipboardWrites, QStringList{"икар"});

    // A copy from a page: the field shows it on one line, trimmed.
    QVERIFY(shortcut.press(QStringLiteral("\u00a0Он был неизвестен, потом нарушил инструкцию,\r\nпогиб и "
                                          "прославился.\nКто он?\n\n")));
    QCOMPARE(shortcut.field("LabeledEdit1"),
             QString("Он был неизвестен, потом нарушил инструкцию, погиб и прославился. Кто он?"));
    QCOMPARE(shortcut.clipboard.clipboardWrites, (QStringList{"икар", "икар"}));

    // The longest riddle with a label is not too long.
    QVERIFY(shortcut.press("Загадка: " + riddle(longest())));
    QCOMPARE(shortcut.clipboard.clipboardWrites,
             (QStringList{"икар", "икар", kRiddleTable[longest()].answer}));
    QCOMPARE(shortcut.notFound.count(), 0);
}

void TestClipboardRiddle::missLeavesTheClipboard_data()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("riddleField"); // what the riddle field shows afterwards
    QTest::addColumn<QString>("missed");      // offered for teaching
    QTest::newRow("no riddle contains it") << "Добро пожаловать!\n"
                                           << "Добро пожаловать!"
                                           << "Добро пожаловать!\n";
    QTest::newRow("empty") << ""
                           << "28 дней"
                           << "";
    QTest::newRow("over 4,000 characters") << riddle(longest()) + QString(4000, QLatin1Char(' ')) << "28 дней"
                                           << "";
    QTest::newRow("blank") << " \n\t"
                           << "28 дней"
                           << " \n\t";
}

void TestClipboardRiddle::missLeavesTheClipboard()
{
    QFETCH(QString, copied);
    QFETCH(QString, riddleField);
    QFETCH(QString, missed);
    Shortcut shortcut;
    // An earlier miss, then a hit: neither is what a later miss offers.
    QVERIFY(shortcut.press(QStringLiteral("Ранний промах")));
    QVERIFY(shortcut.press(QStringLiteral("28 дней")));
    QVERIFY(shortcut.press(copied));
    QCOMPARE(shortcut.clipboard.clipboard, copied);
    QCOMPARE(shortcut.clipboard.clipboardWrites, QStringList{"все"});
    QCOMPARE(shortcut.field("LabeledEdit1"), riddleField);
    QCOMPARE(shortcut.field("LabeledEdit2"), QString("все"));
    QCOMPARE(shortcut.notFound.count(), 2);
    QCOMPARE(shortcut.notFound.at(1).at(0).toString(), QString("Загадка не найдена"));
    QCOMPARE(shortcut.lookup.missedRiddle(), missed);
}

void TestClipboardRiddle::pressWhileReadingIsTheSamePress()
{
    // The second press comes before the clipboard has answered the first: one read, one answer.
    Shortcut shortcut;
    shortcut.clipboard.clipboard = QStringLiteral("Кто он?");
    shortcut.lookup.lookUp();
    shortcut.lookup.lookUp();
    QCOMPARE(shortcut.clipboard.clipboardReads, 1);
    QTRY_COMPARE(shortcut.clipboard.clipboardWrites, QStringList{"икар"});
    // Once it has answered, a press reads again.
    QVERIFY(shortcut.press(QStringLiteral("28 дней")));
    QCOMPARE(shortcut.clipboard.clipboardReads, 2);
    QCOMPARE(shortcut.clipboard.clipboardWrites, (QStringList{"икар", "все"}));
}

QTEST_MAIN(TestClipboardRiddle)
#include "tst_clipboardriddle.moc"
