#include "app/CommandLine.h"

#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status"); // -1: Kelo starts
    QTest::addColumn<QString>("hotkey");
    QTest::addColumn<QString>("message"); // a piece of what is printed
    QTest::newRow("nothing given") << QStringList{} << -1 << "Ctrl+Alt+Z"
                                   << "";
    QTest::newRow("other keys") << QStringList{"--riddle-hotkey=ctrl+shift+f12"} << -1 << "Ctrl+Shift+F12"
                                << "";
    QTest::newRow("none") << QStringList{"--riddle-hotkey=none"} << -1 << ""
                          << "";
    QTest::newRow("Qt's own options")
        << QStringList{"-platform", "xcb", "-style=fusion", "-reverse"} << -1 << "Ctrl+Alt+Z"
        << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << ""
                          << "--riddle-hotkey <keys>";
    QTest::newRow("version") << QStringList{"--version"} << 0 << ""
                             << "Kelo 1.";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "Unknown option 'bogus'";
    QTest::newRow("stray argument") << QStringList{"Кто он?"} << 2 << ""
                                    << "unexpected argument 'Кто он?'";
    QTest::newRow("modifiers only") << QStringList{"--riddle-hotkey=Ctrl+Alt"} << 2 << ""
                                    << "'Ctrl+Alt'";
    QTest::newRow("two combinations") << QStringList{"--riddle-hotkey=Ctrl+A, Ctrl+B"} << 2 << ""
                                      << "Ctrl+A";
    QTest::newRow("no such key") << QStringList{"--riddle-hotkey=Ctrl+Foo"} << 2 << ""
                                 << "Ctrl+Foo";
    QTest::newRow("value missing") << QStringList{"--riddle-hotkey"} << 2 << ""
                                   << "riddle-hotkey";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, hotkey);
    QFETCH(QString, message);
    const CommandLine result = CommandLine::parse(QStringList{"kelo"} + arguments);
    QCOMPARE(result.exitStatus.value_or(-1), status);
    QCOMPARE(result.riddleHotkey.toString(QKeySequence::PortableText), hotkey);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    if (status == 2)
        QVERIFY(result.message.startsWith("kelo: ") &&
                result.message.endsWith("--help' for more information.\n"));
    else if (status == -1)
        QVERIFY(result.message.isEmpty());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
