// A hunt marked in the main window and summed up by the Statistics button.
#include "common/TestSupport.h"
#include "hunting/TabletPage.h"
#include "platform/Services.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

class HuntInWindowTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsButtonSumsUpTheBoard();
};

void HuntInWindowTest::statisticsButtonSumsUpTheBoard()
{
    MainWindow window(Services::silent());
    window.show();
    auto *tablet = window.findChild<TabletPage *>(QStringLiteral("TabSheet1"));
    QVERIFY(tablet);
    QList<QMenu *> opened;
    tablet->setMenuOpener([&](QMenu *menu, QPoint) { opened << menu; });
    auto *boardView = tablet->findChild<QWidget *>(QStringLiteral("Image1"));

    // A wolf in the second column of the top row, then its pelt.
    QTest::mousePress(boardView, Qt::RightButton, Qt::NoModifier, QPoint(50, 20));
    requireChild<QAction>(tablet, QStringLiteral("N2"))->trigger();
    QTest::mousePress(boardView, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
    requireChild<QAction>(tablet, QStringLiteral("N10"))->trigger();
    QCOMPARE(opened.size(), 2);

    QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    QWidget *statistics = window.pageStack()->currentWidget();
    QCOMPARE(statistics->objectName(), QStringLiteral("TabSheet2"));
    auto *grid = statistics->findChild<QTableWidget *>(QStringLiteral("SGrid"));
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Волк"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("1/2"));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("1"));
    QCOMPARE(requireChild<QLabel>(statistics, QStringLiteral("Label_NOpyt"))->text(), QStringLiteral("3"));
    // The widths come from the grid as it is shown: together they fill it.
    const int inside = grid->width() - 2 * grid->frameWidth();
    QCOMPARE(50 + 1 + grid->columnWidth(1) + 1 + grid->columnWidth(2), inside);
}

#include "tst_huntinwindow.moc"

QObject *newHuntInWindowTest()
{
    return new HuntInWindowTest;
}
