// The Tablet and Statistics pages as the player uses them: presses on the board, the menu
// choices (triggered directly, no menu is ever opened), the markers, the reset and the
// statistics; plus the artwork the pages rely on.
#include "hunting/HuntingBoard.h"
#include "hunting/SearchZoneMarker.h"
#include "hunting/StatisticsPage.h"
#include "hunting/TabletPage.h"
#include "pictures/BuiltInPicture.h"
#include "settings/Settings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {
struct OpenedMenu {
    QMenu *menu;
    QPoint at;
};

// One Tablet page with its hunt, its settings and a recorder in place of real menus.
struct Tablet {
    Settings settings;
    HuntingBoard hunt;
    QWidget window;
    TabletPage *page;
    QList<OpenedMenu> opened;

    Tablet()
    {
        page = new TabletPage(&hunt, &settings, &window);
        page->setGeometry(0, 0, 169, 176);
        page->setMenuOpener([this](QMenu *menu, QPoint at) { opened.append({menu, at}); });
        window.resize(169, 176);
        window.show();
    }

    QWidget *boardView() const { return page->findChild<QWidget *>(QStringLiteral("Image1")); }
    QMenu *menu(const char *name) const { return page->findChild<QMenu *>(QString::fromLatin1(name)); }
    QAction *action(const char *name) const { return page->findChild<QAction *>(QString::fromLatin1(name)); }
    SearchZoneMarker *marker(int n) const
    {
        return page->findChild<SearchZoneMarker *>(QStringLiteral("l%1").arg(n));
    }
    void press(Qt::MouseButton button, QPoint at)
    {
        QTest::mousePress(boardView(), button, Qt::NoModifier, at);
    }
    void choose(const char *actionName) { action(actionName)->trigger(); }
};

QImage art(const char *name)
{
    return QImage(QStringLiteral(":/hunting/%1").arg(QLatin1String(name)));
}

QStringList names(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << action->objectName();
    return result;
}

// True when `picture` was drawn transparently at `origin` on `board`: every pixel that is
// not the picture's key shows on the board.
bool shows(const QImage &board, QPoint origin, const QImage &picture)
{
    const QRgb key = picture.pixel(0, picture.height() - 1);
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (p == key)
                continue;
            if (board.pixel(origin + QPoint(x, y)) != p)
                return false;
            ++drawn;
        }
    }
    return drawn > 0;
}

bool cellIsClean(const TabletPage &page, int column, int row)
{
    const QRect cell(35 * column + 1, 35 * row + 2, 34, 33);
    return page.boardPicture().copy(cell) == page.cleanBoardPicture().copy(cell);
}
} // namespace

class TabletPageTest : public QObject {
    Q_OBJECT
private slots:
    // First: no other test of this run may have loaded an image plugin before it.
    void picturesNeedNoImagePlugin();
    void artworkSizesAndKeys();
    void artworkStaysInsideRestoredArea();
    void boardArtworkHasGridLines();
    void markerPicturesFollowDiscPattern();

    void layoutAndMenus();
    void pressRecordsPositionAndOpensMenuOfSetInUse();
    void wolfAndPeltAreDrawnAndShown();
    void menuOfOtherSetClearsAnimal();
    void clearMarkRedrawsInAlternativeSet();

    void markersSitAlongCellBottoms();
    void markerCycleChangesOnlyClickedMarker();
    void markerClickNeverReachesBoard();
    void markersAreTransparent();
    void hideAndShowKeepStates();
    void resetClearsBoardAndMarkersEvenWhenHidden();

    void statisticsPageAfterHunt();
};

void TabletPageTest::picturesNeedNoImagePlugin()
{
#ifdef Q_OS_LINUX
    // Loaded plugins show in the process's own memory map.
    const auto imagePluginLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("imageformats/");
    };
    Tablet tablet;
    QVERIFY(!tablet.page->grab().isNull());
    tablet.press(Qt::RightButton, QPoint(5, 5));
    // At normal density an icon reads no double-size picture.
    QCOMPARE(BuiltInPicture::icon(QStringLiteral(":/shell/tablet.png")).availableSizes(),
             (QList<QSize>{QSize(20, 20)}));
    QVERIFY(!imagePluginLoaded());
    // A JPEG still reads, through its plugin.
    QCOMPARE(BuiltInPicture::pixmap(QStringLiteral(":/reference/zakl-1.jpg")).isNull(), false);
    QVERIFY(imagePluginLoaded());
#else
    QSKIP("reads the process's memory map");
#endif
}

void TabletPageTest::artworkSizesAndKeys()
{
    const struct {
        const char *name;
        QSize size;
    } expected[] = {
        {"board.png", {142, 144}},     {"hare.png", {34, 34}},        {"wolf.png", {35, 35}},
        {"boar.png", {35, 35}},        {"bear.png", {35, 35}},        {"hare-colour.png", {32, 32}},
        {"wolf-colour.png", {32, 32}}, {"boar-colour.png", {32, 32}}, {"bear-colour.png", {32, 32}},
        {"hare-pelt.png", {34, 27}},   {"wolf-pelt.png", {34, 27}},   {"boar-pelt.png", {34, 27}},
        {"bear-pelt.png", {34, 27}},   {"cross.png", {35, 35}},       {"cross-item.png", {34, 34}},
        {"tick.png", {34, 34}},        {"grass.png", {32, 33}},
    };
    for (const auto &e : expected) {
        const QImage image = art(e.name);
        QVERIFY2(!image.isNull(), e.name);
        QCOMPARE(image.size(), e.size);
    }
    // Dark silhouettes on white.
    for (const char *name : {"hare.png", "wolf.png", "boar.png", "bear.png"}) {
        const QImage image = art(name);
        QCOMPARE(image.pixel(0, image.height() - 1), qRgb(255, 255, 255));
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(p == qRgb(255, 255, 255) || qGray(p) < 80, name);
                dark += p != qRgb(255, 255, 255);
            }
        }
        QVERIFY2(dark > 150, name);
    }
}

void TabletPageTest::artworkStaysInsideRestoredArea()
{
    // Whatever is drawn on a cell must lie inside the 32 × 33 an animal choice restores,
    // or changing an animal would leave scraps of the old picture behind.
    for (const char *name : {"hare.png", "wolf.png", "boar.png", "bear.png", "hare-colour.png",
                             "wolf-colour.png", "boar-colour.png", "bear-colour.png", "hare-pelt.png",
                             "wolf-pelt.png", "boar-pelt.png", "bear-pelt.png", "cross.png", "grass.png"}) {
        const QImage image = art(name);
        const QRgb key = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (x >= 32 || y >= 33)
                    QVERIFY2(image.pixel(x, y) == key,
                             qPrintable(QStringLiteral("%1 at %2,%3").arg(name).arg(x).arg(y)));
            }
        }
    }
}

void TabletPageTest::boardArtworkHasGridLines()
{
    const QImage board = art("board.png");
    const QRgb line = board.pixel(34, 20);
    QVERIFY(qGray(line) > 200);
    for (int x : {34, 69, 104, 139}) {
        for (int y = 1; y < 143; ++y)
            QCOMPARE(board.pixel(x, y), line);
    }
    for (int y : {35, 70, 105, 140}) {
        for (int x = 1; x < 141; ++x)
            QCOMPARE(board.pixel(x, y), line);
    }
    // Off the lines the ground is darker than the lines.
    QVERIFY(qGray(board.pixel(33, 20)) < qGray(line));
    QVERIFY(qGray(board.pixel(20, 34)) < qGray(line));
}

void TabletPageTest::markerPicturesFollowDiscPattern()
{
    static const char *const rows[11] = {
        "WWWWKKKWWWW", "WWKKFFFKKWW", "WKFFFFFFFKW", "WKFFFFFFFKW", "KFFFFFFFFFK", "KFFFFFFFFFK",
        "KFFFFFFFFFK", "WKFFFFFFFKW", "WKFFFFFFFKW", "WWKKFFFKKWW", "WWWWKKKWWWW",
    };
    const struct {
        MarkerColour colour;
        QRgb fill;
    } discs[] = {{MarkerColour::Gray, qRgb(0xc0, 0xc0, 0xc0)},
                 {MarkerColour::Red, qRgb(0xff, 0, 0)},
                 {MarkerColour::Green, qRgb(0, 0xff, 0)}};
    for (const auto &disc : discs) {
        const QImage image = SearchZoneMarker::pictureOf(disc.colour);
        QCOMPARE(image.size(), QSize(11, 11));
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 11; ++x) {
                const char c = rows[y][x];
                const QRgb want = c == 'W' ? qRgb(255, 255, 255) : c == 'K' ? qRgb(0, 0, 0) : disc.fill;
                QCOMPARE(image.pixel(x, y), want);
            }
        }
    }
}

void TabletPageTest::layoutAndMenus()
{
    Tablet t;
    QCOMPARE(t.page->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(t.boardView()->geometry(), QRect(0, 5, 142, 144));
    auto *reset = t.page->findChild<QPushButton *>(QStringLiteral("Button6"));
    QVERIFY(reset);
    QCOMPARE(reset->geometry(), QRect(144, 0, 18, 113));
    QCOMPARE(reset->text(), QStringLiteral("СБРОС"));

    // The menus, and the pictures they show, are made on the first press on the board.
    QVERIFY(!t.menu("PopupMenu1"));
    t.press(Qt::LeftButton, QPoint(5, 5));
    QVERIFY(t.menu("PopupMenu2"));
    QCOMPARE(t.opened.last().menu, t.menu("PopupMenu2"));
    QCOMPARE(names(t.menu("PopupMenu1")), QStringList({"X1", "N1", "N2", "N3", "N4"}));
    QCOMPARE(names(t.menu("PopupMenu4")),
             QStringList({"MenuItem5", "MenuItem6", "MenuItem7", "MenuItem8", "MenuItem9"}));
    QCOMPARE(names(t.menu("PopupMenu2")), QStringList({"N9", "N10", "N5"}));
    QCOMPARE(t.action("X1")->text(), QStringLiteral("Очистить"));
    QCOMPARE(t.action("MenuItem5")->text(), QStringLiteral("Очистить"));
    QCOMPARE(t.action("N5")->text(), QStringLiteral("Очистить"));
    for (const char *name :
         {"N1", "N2", "N3", "N4", "MenuItem6", "MenuItem7", "MenuItem8", "MenuItem9", "N9", "N10"}) {
        QCOMPARE(t.action(name)->text(), QStringLiteral(" "));
        QVERIFY2(!t.action(name)->icon().isNull(), name);
    }
    QVERIFY(!t.action("MenuItem5")->icon().isNull());
    QCOMPARE(t.action("N9")->data().toInt(), 0);
    QCOMPARE(t.action("N10")->data().toInt(), 3);
    QCOMPARE(t.action("N5")->data().toInt(), 5);
}

void TabletPageTest::pressRecordsPositionAndOpensMenuOfSetInUse()
{
    Tablet t;
    t.press(Qt::RightButton, QPoint(106, 10));
    QCOMPARE(t.page->pressPoint(), QPoint(106, 10));
    QCOMPARE(t.opened.size(), 1);
    QCOMPARE(t.opened[0].menu, t.menu("PopupMenu1"));

    t.press(Qt::LeftButton, QPoint(40, 100));
    QCOMPARE(t.page->pressPoint(), QPoint(40, 100));
    QCOMPARE(t.opened.size(), 2);
    QCOMPARE(t.opened[1].menu, t.menu("PopupMenu2"));

    // Other buttons only record the position.
    t.press(Qt::MiddleButton, QPoint(70, 70));
    QCOMPARE(t.page->pressPoint(), QPoint(70, 70));
    QCOMPARE(t.opened.size(), 2);

    t.settings.setStandardPictures(false);
    QCOMPARE(t.page->attachedAnimalMenu(), t.menu("PopupMenu4"));
    t.press(Qt::RightButton, QPoint(5, 5));
    QCOMPARE(t.opened.last().menu, t.menu("PopupMenu4"));
    t.settings.setStandardPictures(true);
    t.press(Qt::RightButton, QPoint(5, 5));
    QCOMPARE(t.opened.last().menu, t.menu("PopupMenu1"));
}

void TabletPageTest::wolfAndPeltAreDrawnAndShown()
{
    Tablet t;
    const HuntingBoard &board = t.hunt;
    // (106, 10) lies in the fourth column's square of the artwork.
    t.press(Qt::RightButton, QPoint(106, 10));
    t.choose("N2");
    QCOMPARE(int(board.animals()[3][0]), int(Wolf));
    QVERIFY(shows(t.page->boardPicture(), QPoint(106, 2), art("wolf.png")));
    QVERIFY(cellIsClean(*t.page, 2, 0));
    // What the player sees is the drawn board.
    QCOMPARE(t.boardView()->grab().toImage().convertToFormat(QImage::Format_RGB32), t.page->boardPicture());

    t.press(Qt::LeftButton, QPoint(120, 20));
    t.choose("N10");
    QCOMPARE(int(board.marks()[3][0]), int(TickMark));
    QVERIFY(shows(t.page->boardPicture(), QPoint(106, 2), art("wolf-pelt.png")));
    QVERIFY(!shows(t.page->boardPicture(), QPoint(106, 2), art("wolf.png")));
    QCOMPARE(t.boardView()->grab().toImage().convertToFormat(QImage::Format_RGB32), t.page->boardPicture());

    // The cross goes over the pelt.
    t.press(Qt::LeftButton, QPoint(120, 20));
    t.choose("N9");
    QCOMPARE(int(board.marks()[3][0]), int(CrossMark));
    QVERIFY(shows(t.page->boardPicture(), QPoint(106, 2), art("cross.png")));
}

void TabletPageTest::menuOfOtherSetClearsAnimal()
{
    Tablet t;
    const HuntingBoard &board = t.hunt;
    t.press(Qt::RightButton, QPoint(50, 50));
    t.choose("N4");
    QCOMPARE(int(board.animals()[1][1]), int(Bear));
    t.choose("N1");
    QCOMPARE(int(board.animals()[1][1]), int(Hare));
    QVERIFY(shows(t.page->boardPicture(), QPoint(36, 37), art("hare.png")));
    // An item of the alternative menu while the standard set is in use clears the cell.
    t.choose("MenuItem7");
    QCOMPARE(int(board.animals()[1][1]), 0);
    QVERIFY(cellIsClean(*t.page, 1, 1));

    t.settings.setStandardPictures(false);
    t.choose("MenuItem7");
    QCOMPARE(int(board.animals()[1][1]), int(Wolf));
    QVERIFY(shows(t.page->boardPicture(), QPoint(36, 37), art("wolf-colour.png")));
    t.choose("MenuItem5");
    QCOMPARE(int(board.animals()[1][1]), 0);
    QVERIFY(cellIsClean(*t.page, 1, 1));
}

void TabletPageTest::clearMarkRedrawsInAlternativeSet()
{
    Tablet t;
    const HuntingBoard &board = t.hunt;
    t.press(Qt::RightButton, QPoint(80, 120));
    t.choose("N3");
    QVERIFY(shows(t.page->boardPicture(), QPoint(71, 107), art("boar.png")));
    t.settings.setStandardPictures(false);
    // Switching sets redraws nothing.
    QVERIFY(shows(t.page->boardPicture(), QPoint(71, 107), art("boar.png")));
    t.press(Qt::LeftButton, QPoint(80, 120));
    t.choose("N10");
    QVERIFY(shows(t.page->boardPicture(), QPoint(71, 107), art("boar-pelt.png")));
    t.press(Qt::LeftButton, QPoint(80, 120));
    t.choose("N5");
    QCOMPARE(int(board.marks()[2][3]), 0);
    QCOMPARE(int(board.animals()[2][3]), int(Boar));
    QVERIFY(shows(t.page->boardPicture(), QPoint(71, 107), art("boar-colour.png")));

    // Grass on an empty glade, whichever set is in use.
    t.press(Qt::LeftButton, QPoint(10, 10));
    t.choose("N9");
    QVERIFY(shows(t.page->boardPicture(), QPoint(1, 2), art("grass.png")));
}

void TabletPageTest::markersSitAlongCellBottoms()
{
    Tablet t;
    const QPoint firstSix[6] = {{1, 29}, {12, 29}, {23, 29}, {37, 29}, {48, 29}, {59, 29}};
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(t.marker(n)->pos(), firstSix[n - 1]);
    QCOMPARE(t.marker(7)->pos(), QPoint(70, 29));
    QCOMPARE(t.marker(10)->pos(), QPoint(107, 29));
    QCOMPARE(t.marker(12)->pos(), QPoint(129, 29));
    QCOMPARE(t.marker(13)->pos(), QPoint(1, 64));
    QCOMPARE(t.marker(25)->pos(), QPoint(1, 100));
    QCOMPARE(t.marker(48)->pos(), QPoint(129, 133));
    for (int n = 1; n <= 48; ++n) {
        SearchZoneMarker *m = t.marker(n);
        QVERIFY(m);
        QCOMPARE(m->size(), QSize(11, 11));
        QCOMPARE(t.hunt.markerColour(n - 1), MarkerColour::Gray);
        QVERIFY(m->isVisible());
        // Each lies along the bottom of the board cell it belongs to.
        const BoardCell cell = HuntingBoard::cellAt(m->geometry().center() - QPoint(0, 5));
        QCOMPARE(int(cell.column), ((n - 1) % 12) / 3);
        QCOMPARE(int(cell.row), (n - 1) / 12);
    }
    QCOMPARE(t.page->findChildren<SearchZoneMarker *>().size(), 48);
}

void TabletPageTest::markerCycleChangesOnlyClickedMarker()
{
    Tablet t;
    SearchZoneMarker *m = t.marker(17);
    for (MarkerColour colour : {MarkerColour::Red, MarkerColour::Green, MarkerColour::Gray}) {
        QTest::mouseClick(m, Qt::LeftButton);
        QCOMPARE(t.hunt.markerColour(16), colour);
        QCOMPARE(m->picture(), SearchZoneMarker::pictureOf(colour));
    }
    QTest::mouseClick(m, Qt::LeftButton);
    for (int n = 1; n <= 48; ++n)
        QCOMPARE(t.hunt.markerColour(n - 1), n == 17 ? MarkerColour::Red : MarkerColour::Gray);
}

void TabletPageTest::markerClickNeverReachesBoard()
{
    Tablet t;
    t.press(Qt::LeftButton, QPoint(100, 100));
    t.opened.clear();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        QTest::mouseClick(t.marker(1), button);
    QVERIFY(t.opened.isEmpty());
    QCOMPARE(t.page->pressPoint(), QPoint(100, 100));
    // The press goes to whatever lies under it on the page: the marker, not the board.
    QCOMPARE(t.page->childAt(t.marker(1)->geometry().center()), t.marker(1));
}

void TabletPageTest::markersAreTransparent()
{
    Tablet t;
    QTest::mouseClick(t.marker(1), Qt::LeftButton);
    const QImage page = t.page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage &board = t.page->boardPicture();
    // l1 lies at (1, 29) of the page, (1, 24) of the board: its white corner shows the
    // board, its outline and fill show the disc.
    QCOMPARE(page.pixel(1, 29), board.pixel(1, 24));
    QCOMPARE(page.pixel(11, 39), board.pixel(11, 34));
    QCOMPARE(page.pixel(1 + 5, 29), qRgb(0, 0, 0));
    QCOMPARE(page.pixel(1 + 5, 29 + 5), qRgb(0xff, 0, 0));
}

void TabletPageTest::hideAndShowKeepStates()
{
    Tablet t;
    QTest::mouseClick(t.marker(2), Qt::LeftButton);
    QTest::mouseClick(t.marker(48), Qt::LeftButton);
    QTest::mouseClick(t.marker(48), Qt::LeftButton);
    t.settings.setSearchZones(false);
    for (int n = 1; n <= 48; ++n)
        QVERIFY(!t.marker(n)->isVisible());
    t.settings.setSearchZones(true);
    for (int n = 1; n <= 48; ++n)
        QVERIFY(t.marker(n)->isVisible());
    QCOMPARE(t.marker(2)->picture(), SearchZoneMarker::pictureOf(MarkerColour::Red));
    QCOMPARE(t.marker(48)->picture(), SearchZoneMarker::pictureOf(MarkerColour::Green));
}

void TabletPageTest::resetClearsBoardAndMarkersEvenWhenHidden()
{
    Tablet t;
    const HuntingBoard &board = t.hunt;
    const QImage cleanAtStart = art("board.png").convertToFormat(QImage::Format_RGB32);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            const QPoint at(35 * c + 10, 35 * r + 10);
            t.press(Qt::RightButton, at);
            t.choose(c % 2 ? "N2" : "N4");
            t.press(Qt::LeftButton, at);
            t.choose(r % 2 ? "N9" : "N10");
        }
    }
    QTest::mouseClick(t.marker(5), Qt::LeftButton);
    QTest::mouseClick(t.marker(30), Qt::LeftButton);
    QTest::mouseClick(t.marker(30), Qt::LeftButton);
    t.settings.setSearchZones(false);

    QTest::mouseClick(t.page->findChild<QPushButton *>(QStringLiteral("Button6")), Qt::LeftButton);
    QCOMPARE(t.page->boardPicture(), cleanAtStart);
    QCOMPARE(t.boardView()->grab().toImage().convertToFormat(QImage::Format_RGB32), cleanAtStart);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(int(board.animals()[c][r]), 0);
            QCOMPARE(int(board.marks()[c][r]), 0);
        }
    }
    for (int n = 1; n <= 48; ++n) {
        QCOMPARE(t.hunt.markerColour(n - 1), MarkerColour::Gray);
        QCOMPARE(t.marker(n)->picture(), SearchZoneMarker::pictureOf(MarkerColour::Gray));
        QVERIFY(!t.marker(n)->isVisible());
    }
    t.settings.setSearchZones(true);
    QTest::mouseClick(t.marker(30), Qt::LeftButton);
    QCOMPARE(t.hunt.markerColour(29), MarkerColour::Red);
}

void TabletPageTest::statisticsPageAfterHunt()
{
    Tablet t;
    QWidget holder;
    auto *stats = new StatisticsPage(&t.hunt, &holder);
    stats->setGeometry(0, 0, 169, 176);
    holder.resize(169, 176);
    auto *grid = stats->findChild<QTableWidget *>(QStringLiteral("SGrid"));
    auto *caption = stats->findChild<QLabel *>(QStringLiteral("Label_Opyt"));
    auto *skill = stats->findChild<QLabel *>(QStringLiteral("Label_NOpyt"));
    QVERIFY(grid && caption && skill);
    QCOMPARE(stats->objectName(), QStringLiteral("TabSheet2"));
    QCOMPARE(caption->text(), QStringLiteral("Навык увеличен на:"));
    QCOMPARE(caption->pos(), QPoint(0, 136));

    auto run = [&] {
        stats->recount();
        holder.show();
        stats->finishAfterShown();
    };
    auto column = [&](int c) {
        QStringList texts;
        for (int r = 0; r < 5; ++r)
            texts << grid->item(r, c)->text();
        return texts;
    };

    run();
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(column(0), QStringList({"", "Заяц", "Волк", "Кабан", "Медведь"}));
    QCOMPARE(column(1), QStringList({"Найдено", "0/4", "0/2", "0/2", "0/1"}));
    QCOMPARE(column(2), QStringList({"Шкуры", "0", "0", "0", "0"}));
    QCOMPARE(skill->text(), QStringLiteral("0"));
    // The number stands at x 104 on the caption's line, or after the caption if that is wider.
    QCOMPARE(skill->y(), 136);
    QVERIFY(skill->x() >= 104);
    QVERIFY(skill->x() >= caption->x() + caption->sizeHint().width());
    // The animals' names are never cut short.
    for (int r = 1; r < 5; ++r)
        QVERIFY(QFontMetrics(grid->font()).horizontalAdvance(grid->item(r, 0)->text()) <=
                grid->columnWidth(0) - 2);
    QCOMPARE(grid->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(grid->height(), 129);
    // The three columns and the two lines between them fill the grid's inside.
    const int inside = grid->width() - 2 * grid->frameWidth();
    QCOMPARE(grid->columnWidth(0), 50);
    QCOMPARE(50 + 1 + grid->columnWidth(1) + 1 + grid->columnWidth(2), inside);

    // A ticked wolf, a crossed hare, a glade with a cross.
    t.press(Qt::RightButton, QPoint(10, 10));
    t.choose("N2");
    t.press(Qt::LeftButton, QPoint(10, 10));
    t.choose("N10");
    t.press(Qt::RightButton, QPoint(140, 140));
    t.choose("N1");
    t.press(Qt::LeftButton, QPoint(140, 140));
    t.choose("N9");
    t.press(Qt::LeftButton, QPoint(70, 70));
    t.choose("N9");
    // The page shows what it counted until it is run again.
    QCOMPARE(column(1), QStringList({"Найдено", "0/4", "0/2", "0/2", "0/1"}));
    run();
    QCOMPARE(column(1), QStringList({"Найдено", "1/4", "1/2", "0/2", "0/1"}));
    QCOMPARE(column(2), QStringList({"Шкуры", "0", "1", "0", "0"}));
    QCOMPARE(skill->text(), QStringLiteral("4"));
    // Nothing accumulates between runs.
    run();
    QCOMPARE(column(1), QStringList({"Найдено", "1/4", "1/2", "0/2", "0/1"}));
    QCOMPARE(skill->text(), QStringLiteral("4"));
}

QTEST_MAIN(TabletPageTest)
#include "tst_tabletpage.moc"
