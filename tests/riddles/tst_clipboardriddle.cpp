#include "common/TestSupport.h"
#include "data/RiddleTable.h"
#include "riddles/ClipboardRiddle.h"
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
} // namespace

class TestClipboardRiddle : public QObject {
    Q_OBJECT
private slots:
    void answersTheCopiedRiddle();
    void missLeavesTheClipboard_data();
    void missLeavesTheClipboard();
};

void TestClipboardRiddle::answersTheCopiedRiddle()
{
    RecordingServices clipboard;
    clipboard.clipboard = QStringLiteral("Кто он?");
    RiddleBar bar(clipboard.services());
    ClipboardRiddle lookup(clipboard.services(), &bar);
    QSignalSpy notFound(&lookup, &ClipboardRiddle::notFound);
    lookup.lookUp();
    QCOMPARE(requireChild<QLineEdit>(&bar, QStringLiteral("LabeledEdit1"))->text(), QString("Кто он?"));
    QCOMPARE(requireChild<QLineEdit>(&bar, QStringLiteral("LabeledEdit2"))->text(), QString("икар"));
    QCOMPARE(clipboard.clipboardWrites, QStringList{"икар"});

    // A copy from a page: the field shows it on one line, trimmed.
    clipboard.clipboard = QStringLiteral("\u00a0Он был неизвестен, потом нарушил инструкцию,\r\nпогиб и "
                                         "прославился.\nКто он?\n\n");
    lookup.lookUp();
    QCOMPARE(requireChild<QLineEdit>(&bar, QStringLiteral("LabeledEdit1"))->text(),
             QString("Он был неизвестен, потом нарушил инструкцию, погиб и прославился. Кто он?"));
    QCOMPARE(clipboard.clipboardWrites, (QStringList{"икар", "икар"}));

    // The longest riddle with a label is not too long.
    clipboard.clipboard = "Загадка: " + riddle(longest());
    lookup.lookUp();
    QCOMPARE(clipboard.clipboardWrites, (QStringList{"икар", "икар", kRiddleTable[longest()].answer}));
    QCOMPARE(notFound.count(), 0);
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
    RecordingServices clipboard;
    RiddleBar bar(clipboard.services());
    ClipboardRiddle lookup(clipboard.services(), &bar);
    QSignalSpy notFound(&lookup, &ClipboardRiddle::notFound);
    // An earlier miss, then a hit: neither is what a later miss offers.
    clipboard.clipboard = QStringLiteral("Ранний промах");
    lookup.lookUp();
    clipboard.clipboard = QStringLiteral("28 дней");
    lookup.lookUp();
    clipboard.clipboard = copied;
    lookup.lookUp();
    QCOMPARE(clipboard.clipboard, copied);
    QCOMPARE(clipboard.clipboardWrites, QStringList{"все"});
    QCOMPARE(requireChild<QLineEdit>(&bar, QStringLiteral("LabeledEdit1"))->text(), riddleField);
    QCOMPARE(requireChild<QLineEdit>(&bar, QStringLiteral("LabeledEdit2"))->text(), QString("все"));
    QCOMPARE(notFound.count(), 2);
    QCOMPARE(notFound.at(1).at(0).toString(), QString("Загадка не найдена"));
    QCOMPARE(lookup.missedRiddle(), missed);
}

QTEST_MAIN(TestClipboardRiddle)
#include "tst_clipboardriddle.moc"
