#include "timers/Countdown.h"
#include "timers/SecondsField.h"

#include <QtTest>

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    void timeLeftText_data();
    void timeLeftText();
    void runEndsOnTheTickAfterTheLastSecond_data();
    void runEndsOnTheTickAfterTheLastSecond();
    void secondsFieldReading_data();
    void secondsFieldReading();
};

void TestCountdown::timeLeftText_data()
{
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<QString>("text");
    QTest::newRow("forest first tick") << 7199 << QStringLiteral("Осталось 1:59:59");
    QTest::newRow("hunting first tick") << 10799 << QStringLiteral("Осталось 2:59:59");
    QTest::newRow("fishing first tick") << 1799 << QStringLiteral("Осталось 0:29:59");
    QTest::newRow("cave first tick") << 899 << QStringLiteral("Осталось 0:14:59");
    QTest::newRow("no leading zero in seconds") << 1745 << QStringLiteral("Осталось 0:29:5");
    QTest::newRow("whole minute") << 1740 << QStringLiteral("Осталось 0:29:0");
    QTest::newRow("whole hour") << 3600 << QStringLiteral("Осталось 1:0:0");
    QTest::newRow("last second") << 0 << QStringLiteral("Осталось 0:0:0");
}

void TestCountdown::timeLeftText()
{
    QFETCH(int, secondsLeft);
    QFETCH(QString, text);
    QCOMPARE(Countdown::timeLeftText(secondsLeft), text);
}

void TestCountdown::runEndsOnTheTickAfterTheLastSecond_data()
{
    QTest::addColumn<int>("duration");
    for (int d : {7200, 10800, 1800, 900, 1})
        QTest::newRow(qPrintable(QString::number(d))) << d;
}

void TestCountdown::runEndsOnTheTickAfterTheLastSecond()
{
    QFETCH(int, duration);
    int elapsed = 0;
    for (int k = 1; k <= duration; ++k) {
        const Countdown::Step step = Countdown::tick(elapsed, duration);
        QVERIFY2(!step.ended, qPrintable(QStringLiteral("ended early, on tick %1").arg(k)));
        QCOMPARE(step.secondsLeft, duration - k);
    }
    QCOMPARE(elapsed, duration);
    QVERIFY(Countdown::tick(elapsed, duration).ended);
    // The end does not count: the counter stays at the duration.
    QCOMPARE(elapsed, duration);
}

void TestCountdown::secondsFieldReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("plain") << "60" << 60;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("minus sign") << "-5" << -5;
    QTest::newRow("leading spaces") << "  12" << 12;
    QTest::newRow("dollar hex") << "$FF" << 255;
    QTest::newRow("negative dollar hex") << "-$10" << -16;
    QTest::newRow("0x hex") << "0x1A" << 26;
    QTest::newRow("0X hex lower digits") << "0Xff" << 255;
    QTest::newRow("x hex") << "x10" << 16;
    QTest::newRow("X hex") << "X10" << 16;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("hex largest") << "$7FFFFFFF" << 2147483647;
    // Everything below reads as 60.
    QTest::newRow("one past largest") << "2147483648" << 60;
    QTest::newRow("one past smallest") << "-2147483649" << 60;
    QTest::newRow("hex past largest") << "$FFFFFFFF" << 60;
    QTest::newRow("very long") << "99999999999999999999999" << 60;
    QTest::newRow("trailing space") << "12 " << 60;
    QTest::newRow("empty") << "" << 60;
    QTest::newRow("only spaces") << "   " << 60;
    QTest::newRow("letters") << "abc" << 60;
    QTest::newRow("fraction") << "1.5" << 60;
    QTest::newRow("sign alone") << "-" << 60;
    QTest::newRow("dollar alone") << "$" << 60;
    QTest::newRow("0x alone") << "0x" << 60;
    QTest::newRow("hex digit in decimal") << "1A" << 60;
    QTest::newRow("space after sign") << "- 5" << 60;
    QTest::newRow("two signs") << "--5" << 60;
    QTest::newRow("tab is not a space") << "\t5" << 60;
    QTest::newRow("non-ASCII digit") << QStringLiteral("\u0665") << 60;
}

void TestCountdown::secondsFieldReading()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(SecondsField::read(text), seconds);
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
