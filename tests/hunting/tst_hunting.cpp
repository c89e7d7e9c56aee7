// The hunting area's tests: the board model and statistics, the pages, and a hunt in the
// main window.
#include <QApplication>
#include <QTest>

#include <memory>

QObject *newHuntingBoardTest();
QObject *newTabletPageTest();
QObject *newHuntInWindowTest();

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    for (QObject *(*make)() : {newHuntingBoardTest, newTabletPageTest, newHuntInWindowTest}) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
