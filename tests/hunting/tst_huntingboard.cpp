// The board model and the statistics, without widgets: cell mapping, what each operation
// restores and draws, the cell tables through sequences of operations, the tally.
#include "hunting/BoardRenderer.h"
#include "hunting/HuntStatistics.h"
#include "hunting/HuntingBoard.h"

#include <QTest>

namespace {
// Every pixel of the test board is different, so a restore from the wrong place shows.
QImage patternedBoard()
{
    QImage board(142, 144, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, qRgb(x, y, (x * 7 + y * 3) & 0xff));
    }
    return board;
}

// A solid picture of `fill` with holes of its key colour, which is its bottom-left colour.
// The holes lie differently in each picture, so pictures drawn over each other show
// which one is on top.
QImage holedPicture(QSize size, QRgb fill, QRgb key)
{
    static int seed = 0;
    ++seed;
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, (x + 2 * y + seed) % 5 == 0 ? key : fill);
    }
    picture.setPixel(0, size.height() - 1, key);
    return picture;
}

const QRgb kWhite = qRgb(255, 255, 255);
// The alternative pictures use another key and carry white as a real colour.
const QRgb kAltKey = qRgb(1, 2, 3);

HuntingPictures testPictures()
{
    HuntingPictures p;
    const QSize standardSizes[4] = {{34, 34}, {35, 35}, {35, 35}, {35, 35}};
    for (int i = 0; i < 4; ++i) {
        p.standardAnimals[i] = holedPicture(standardSizes[i], qRgb(10 + i, 20, 30), kWhite);
        p.alternativeAnimals[i] = holedPicture({32, 32}, kWhite, kAltKey);
        p.alternativeAnimals[i].setPixel(5, 5, qRgb(40 + i, 50, 60));
        p.alternativeAnimals[i].setPixel(1, 1, kWhite);
        p.pelts[i] = holedPicture({34, 27}, qRgb(70 + i, 80, 90), kWhite);
    }
    p.cross = holedPicture({35, 35}, qRgb(200, 0, 0), kWhite);
    p.grass = holedPicture({32, 33}, qRgb(0, 150, 0), kWhite);
    return p;
}

// The hunt and its picture driven as the Tablet page drives them: every choice acts on
// the cell under the last press and is drawn right after the hunt took it.
struct DrawnBoard : HuntingBoard {
    BoardRenderer renderer;
    QPoint press;

    DrawnBoard(const QImage &board, const HuntingPictures &pictures) : renderer(board, pictures) {}
    void setClickPoint(QPoint point) { press = point; }
    void chooseAnimal(int code, bool standardSet)
    {
        HuntingBoard::chooseAnimal(cellAt(press), code);
        renderer.drawAnimalChoice(*this, cellAt(press), standardSet);
    }
    void chooseMark(int tag, bool standardSet)
    {
        HuntingBoard::chooseMark(cellAt(press), tag);
        renderer.drawMarkChoice(*this, cellAt(press), tag, standardSet);
    }
    void reset()
    {
        HuntingBoard::reset();
        renderer.reset();
    }
    const QImage &picture() const { return renderer.picture(); }
    const QImage &cleanPicture() const { return renderer.cleanPicture(); }
};

QPoint pressInside(int column, int row)
{
    return {35 * column + 17, 35 * row + 18};
}

// What the board must show at `point` after `picture` was drawn transparently at
// `origin` over `under`.
QRgb over(const QImage &picture, QPoint origin, QPoint point, QRgb under)
{
    const QPoint local = point - origin;
    if (!QRect(QPoint(0, 0), picture.size()).contains(local))
        return under;
    const QRgb key = picture.pixel(0, picture.height() - 1);
    const QRgb p = picture.pixel(local);
    return p == key ? under : p;
}

// Compares the whole board with `expected(x, y)`, reporting the first difference.
template <typename Expected> bool boardIs(const QImage &board, Expected expected)
{
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            if (board.pixel(x, y) != expected(QPoint(x, y))) {
                qWarning("pixel (%d, %d) is %08x, expected %08x", x, y, board.pixel(x, y),
                         expected(QPoint(x, y)));
                return false;
            }
        }
    }
    return true;
}
} // namespace

class HuntingBoardTest : public QObject {
    Q_OBJECT
private slots:
    void cellAt_data();
    void cellAt();
    void cellAtCoversPicture();
    void transparentDrawingKeysOnBottomLeftColour();
    void animalChoiceRestoresNarrowRectangle();
    void animalClearKeepsMark();
    void crossDrawsOverWithoutRestore();
    void tickRestoresWideRectangleAndDrawsPelt();
    void clearMarkRedrawsAnimalInSetInUse();
    void tablesThroughSequences();
    void unknownTagDoesNothing();
    void resetReturnsCleanBoard();

    void tallyEmptyBoard();
    void tallyCountsAnimalsPeltsAndSkill();
    void tallyMarksFollowChangedAnimals();
    void columnWidthsFillClientWidth_data();
    void columnWidthsFillClientWidth();
};

void HuntingBoardTest::cellAt_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("origin") << QPoint(0, 0) << 0 << 0;
    QTest::newRow("first grid lines") << QPoint(34, 35) << 0 << 0;
    QTest::newRow("35,35") << QPoint(35, 35) << 1 << 0;
    QTest::newRow("36,36") << QPoint(36, 36) << 1 << 1;
    QTest::newRow("fourth column near top") << QPoint(106, 10) << 3 << 0;
    QTest::newRow("third column's last pixel") << QPoint(104, 105) << 2 << 2;
    QTest::newRow("fourth column's first pixel") << QPoint(105, 106) << 3 << 3;
    QTest::newRow("last grid lines") << QPoint(139, 140) << 3 << 3;
    QTest::newRow("bottom-right corner") << QPoint(141, 143) << 3 << 3;
    QTest::newRow("row 1 starts at y 36") << QPoint(0, 36) << 0 << 1;
}

void HuntingBoardTest::cellAt()
{
    QFETCH(QPoint, point);
    QFETCH(int, column);
    QFETCH(int, row);
    const BoardCell cell = HuntingBoard::cellAt(point);
    QCOMPARE(int(cell.column), column);
    QCOMPARE(int(cell.row), row);
}

void HuntingBoardTest::cellAtCoversPicture()
{
    // Every pixel a cell's pictures are drawn on selects that cell, and every pixel of the
    // board selects some cell.
    for (int y = 0; y < 144; ++y) {
        for (int x = 0; x < 142; ++x) {
            const BoardCell cell = HuntingBoard::cellAt({x, y});
            QVERIFY(cell.column < 4 && cell.row < 4);
        }
    }
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            const QRect drawn = HuntingBoard::markRect({std::uint8_t(c), std::uint8_t(r)});
            for (const QPoint corner :
                 {drawn.topLeft(), drawn.topRight(), drawn.bottomLeft(), drawn.bottomRight()}) {
                const BoardCell cell = HuntingBoard::cellAt(corner);
                QCOMPARE(int(cell.column), c);
                QCOMPARE(int(cell.row), r);
            }
        }
    }
}

void HuntingBoardTest::transparentDrawingKeysOnBottomLeftColour()
{
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(qRgb(9, 9, 9));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(kWhite);            // white is a real colour here
    picture.setPixel(0, 3, kAltKey); // the key
    picture.setPixel(2, 1, kAltKey);
    drawTransparently(target, QPoint(8, 8), picture); // partly off the target
    QCOMPARE(target.pixel(8, 8), kWhite);
    QCOMPARE(target.pixel(9, 9), kWhite);
    QCOMPARE(target.pixel(7, 7), qRgb(9, 9, 9));
    drawTransparently(target, QPoint(0, 0), picture);
    QCOMPARE(target.pixel(0, 3), qRgb(9, 9, 9));
    QCOMPARE(target.pixel(2, 1), qRgb(9, 9, 9));
    QCOMPARE(target.pixel(1, 1), kWhite);
    QCOMPARE(target.pixel(4, 0), qRgb(9, 9, 9));
}

void HuntingBoardTest::animalChoiceRestoresNarrowRectangle()
{
    const HuntingPictures pictures = testPictures();
    DrawnBoard board(patternedBoard(), pictures);
    const QImage clean = board.cleanPicture();
    const QPoint origin(35 * 1 + 1, 35 * 2 + 2);

    board.setClickPoint(pressInside(1, 2));
    board.chooseAnimal(Wolf, true);
    QCOMPARE(int(board.animals()[1][2]), int(Wolf));
    const QImage wolf = pictures.standardAnimals[Wolf - 1];
    QVERIFY(boardIs(board.picture(), [&](QPoint p) { return over(wolf, origin, p, clean.pixel(p)); }));

    // A hare over the wolf: only 32 × 33 is restored first, so the wolf's last columns
    // and rows stay where the smaller hare leaves them out.
    board.chooseAnimal(Hare, true);
    const QImage hare = pictures.standardAnimals[Hare - 1];
    const QRect restored(origin, QSize(32, 33));
    QVERIFY(boardIs(board.picture(), [&](QPoint p) {
        const QRgb under = restored.contains(p) ? clean.pixel(p) : over(wolf, origin, p, clean.pixel(p));
        return over(hare, origin, p, under);
    }));
    QCOMPARE(int(board.animals()[1][2]), int(Hare));
}

void HuntingBoardTest::animalClearKeepsMark()
{
    const HuntingPictures pictures = testPictures();
    DrawnBoard board(patternedBoard(), pictures);
    const QImage clean = board.cleanPicture();
    board.setClickPoint(pressInside(2, 0));
    board.chooseAnimal(Bear, true);
    board.chooseMark(CrossTag, true);
    board.chooseAnimal(NoAnimal, true);
    QCOMPARE(int(board.animals()[2][0]), 0);
    QCOMPARE(int(board.marks()[2][0]), int(CrossMark));
    // Inside 32 × 33 the cell is clean again; outside it the bear and cross remain.
    const QPoint origin(71, 2);
    const QRect restored(origin, QSize(32, 33));
    const QImage bear = pictures.standardAnimals[Bear - 1];
    QVERIFY(boardIs(board.picture(), [&](QPoint p) {
        if (restored.contains(p))
            return clean.pixel(p);
        return over(pictures.cross, origin, p, over(bear, origin, p, clean.pixel(p)));
    }));
}

void HuntingBoardTest::crossDrawsOverWithoutRestore()
{
    const HuntingPictures pictures = testPictures();
    DrawnBoard board(patternedBoard(), pictures);
    const QImage clean = board.cleanPicture();

    // On an animal: the cross over the animal.
    board.setClickPoint(pressInside(0, 3));
    board.chooseAnimal(Boar, true);
    board.chooseMark(CrossTag, true);
    const QPoint origin03(1, 107);
    const QImage boar = pictures.standardAnimals[Boar - 1];
    // On an empty cell: grass over the clean board, twice without harm.
    board.setClickPoint(pressInside(3, 1));
    board.chooseMark(CrossTag, true);
    board.chooseMark(CrossTag, true);
    const QPoint origin31(106, 37);
    QVERIFY(boardIs(board.picture(), [&](QPoint p) {
        return over(pictures.grass, origin31, p,
                    over(pictures.cross, origin03, p, over(boar, origin03, p, clean.pixel(p))));
    }));
    QCOMPARE(int(board.marks()[0][3]), int(CrossMark));
    QCOMPARE(int(board.marks()[3][1]), int(CrossMark));
    QCOMPARE(int(board.animals()[3][1]), 0);
}

void HuntingBoardTest::tickRestoresWideRectangleAndDrawsPelt()
{
    const HuntingPictures pictures = testPictures();
    DrawnBoard board(patternedBoard(), pictures);
    const QImage clean = board.cleanPicture();
    board.setClickPoint(pressInside(3, 3));
    board.chooseAnimal(Wolf, true);
    board.chooseMark(CrossTag, true);
    board.chooseMark(TickTag, true);
    QCOMPARE(int(board.marks()[3][3]), int(TickMark));
    QCOMPARE(int(board.animals()[3][3]), int(Wolf));
    // 34 × 33 restored, then the wolf's pelt; the last column and the bottom two rows of
    // the 35 × 35 wolf and cross stay.
    const QPoint origin(106, 107);
    const QRect restored(origin, QSize(34, 33));
    const QImage wolf = pictures.standardAnimals[Wolf - 1];
    QVERIFY(boardIs(board.picture(), [&](QPoint p) {
        const QRgb under = restored.contains(p)
                               ? clean.pixel(p)
                               : over(pictures.cross, origin, p, over(wolf, origin, p, clean.pixel(p)));
        return over(pictures.pelts[Wolf - 1], origin, p, under);
    }));
    // Nothing ever reaches the last pixel column or the last two rows.
    for (int y = 0; y < 144; ++y)
        QCOMPARE(board.picture().pixel(141, y), clean.pixel(141, y));
    for (int x = 0; x < 142; ++x) {
        QCOMPARE(board.picture().pixel(x, 142), clean.pixel(x, 142));
        QCOMPARE(board.picture().pixel(x, 143), clean.pixel(x, 143));
    }

    // A tick on an empty cell leaves it clean.
    board.setClickPoint(pressInside(0, 0));
    board.chooseMark(CrossTag, true); // grass first
    board.chooseMark(TickTag, true);
    const QRect cell00(QPoint(1, 2), QSize(34, 33));
    for (int y = cell00.top(); y <= cell00.bottom(); ++y) {
        for (int x = cell00.left(); x <= cell00.right(); ++x)
            QCOMPARE(board.picture().pixel(x, y), clean.pixel(x, y));
    }
    QCOMPARE(int(board.marks()[0][0]), int(TickMark));
}

void HuntingBoardTest::clearMarkRedrawsAnimalInSetInUse()
{
    const HuntingPictures pictures = testPictures();
    DrawnBoard board(patternedBoard(), pictures);
    const QImage clean = board.cleanPicture();
    board.setClickPoint(pressInside(2, 1));
    board.chooseAnimal(Bear, true); // drawn from the standard set
    board.chooseMark(TickTag, true);
    board.chooseMark(ClearMarkTag, false); // cleared while the alternative set is in use
    QCOMPARE(int(board.marks()[2][1]), 0);
    QCOMPARE(int(board.animals()[2][1]), int(Bear));
    const QPoint origin(71, 37);
    const QRect restored(origin, QSize(34, 33));
    const QImage standardBear = pictures.standardAnimals[Bear - 1];
    const QImage alternativeBear = pictures.alternativeAnimals[Bear - 1];
    QVERIFY(boardIs(board.picture(), [&](QPoint p) {
        const QRgb under =
            restored.contains(p) ? clean.pixel(p) : over(standardBear, origin, p, clean.pixel(p));
        return over(alternativeBear, origin, p, under);
    }));
    // The alternative bear's white is drawn, its own key is not.
    QCOMPARE(board.picture().pixel(origin + QPoint(1, 1)), kWhite);
    QCOMPARE(board.picture().pixel(origin + QPoint(5, 5)), qRgb(43, 50, 60));
}

void HuntingBoardTest::tablesThroughSequences()
{
    DrawnBoard board(patternedBoard(), testPictures());
    // A ticked wolf changed into a boar keeps its tick.
    board.setClickPoint(pressInside(1, 1));
    board.chooseAnimal(Wolf, true);
    board.chooseMark(TickTag, true);
    board.chooseAnimal(Boar, false);
    QCOMPARE(int(board.animals()[1][1]), int(Boar));
    QCOMPARE(int(board.marks()[1][1]), int(TickMark));
    // A cross after the tick, then a tick again.
    board.chooseMark(CrossTag, true);
    QCOMPARE(int(board.marks()[1][1]), int(CrossMark));
    board.chooseMark(TickTag, true);
    QCOMPARE(int(board.marks()[1][1]), int(TickMark));
    // Marks on an empty cell stay stored until an animal comes.
    board.setClickPoint(pressInside(0, 2));
    board.chooseMark(CrossTag, true);
    QCOMPARE(int(board.marks()[0][2]), int(CrossMark));
    QCOMPARE(int(board.animals()[0][2]), 0);
    board.chooseAnimal(Hare, true);
    QCOMPARE(int(board.marks()[0][2]), int(CrossMark));
    // The tables are indexed [column][row]: nothing else moved.
    int marked = 0, animals = 0;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            marked += board.marks()[c][r] != 0;
            animals += board.animals()[c][r] != 0;
        }
    }
    QCOMPARE(marked, 2);
    QCOMPARE(animals, 2);
    QCOMPARE(int(board.animals()[2][0]), 0);
}

void HuntingBoardTest::unknownTagDoesNothing()
{
    DrawnBoard board(patternedBoard(), testPictures());
    board.setClickPoint(pressInside(1, 0));
    board.chooseAnimal(Hare, true);
    const QImage before = board.picture().copy();
    board.chooseMark(7, true);
    board.chooseMark(2, true);
    QCOMPARE(board.picture(), before);
    QCOMPARE(int(board.marks()[1][0]), 0);
    QCOMPARE(int(board.animals()[1][0]), int(Hare));
}

void HuntingBoardTest::resetReturnsCleanBoard()
{
    DrawnBoard board(patternedBoard(), testPictures());
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            board.setClickPoint(pressInside(c, r));
            board.chooseAnimal(1 + (c + r) % 4, (c + r) % 2 == 0);
            board.chooseMark((c * r) % 2 ? CrossTag : TickTag, true);
        }
    }
    QVERIFY(board.picture() != board.cleanPicture());
    board.reset();
    QCOMPARE(board.picture(), board.cleanPicture());
    QCOMPARE(board.picture(), patternedBoard());
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(int(board.animals()[c][r]), 0);
            QCOMPARE(int(board.marks()[c][r]), 0);
        }
    }
}

void HuntingBoardTest::tallyEmptyBoard()
{
    const HuntTally tally = tallyHunt(CellTable{}, CellTable{});
    for (int kind = 0; kind < 4; ++kind) {
        QCOMPARE(int(tally.found[kind]), 0);
        QCOMPARE(int(tally.pelts[kind]), 0);
    }
    QCOMPARE(tally.skillGain, 0);
}

void HuntingBoardTest::tallyCountsAnimalsPeltsAndSkill()
{
    CellTable animals{}, marks{};
    animals[0][0] = Hare;
    marks[0][0] = CrossMark;
    animals[3][2] = Bear;
    marks[3][2] = TickMark;
    HuntTally tally = tallyHunt(animals, marks);
    QCOMPARE(int(tally.found[0]), 1);
    QCOMPARE(int(tally.pelts[0]), 0);
    QCOMPARE(int(tally.found[3]), 1);
    QCOMPARE(int(tally.pelts[3]), 1);
    QCOMPARE(tally.skillGain, 4);

    // Five hares, one of them unmarked; marks without animals count for nothing.
    for (int r = 0; r < 4; ++r)
        animals[1][r] = Hare;
    marks[2][2] = TickMark;
    marks[2][3] = CrossMark;
    tally = tallyHunt(animals, marks);
    QCOMPARE(int(tally.found[0]), 5);
    QCOMPARE(int(tally.pelts[0]), 0);
    QCOMPARE(int(tally.found[1]), 0);
    QCOMPARE(int(tally.found[2]), 0);
    QCOMPARE(tally.skillGain, 4);

    // A full board of ticked bears: the largest figures there can be.
    CellTable allBears{}, allTicks{};
    for (auto &column : allBears)
        column.fill(Bear);
    for (auto &column : allTicks)
        column.fill(TickMark);
    tally = tallyHunt(allBears, allTicks);
    QCOMPARE(int(tally.found[3]), 16);
    QCOMPARE(int(tally.pelts[3]), 16);
    QCOMPARE(tally.skillGain, 48);
}

void HuntingBoardTest::tallyMarksFollowChangedAnimals()
{
    DrawnBoard board(patternedBoard(), testPictures());
    board.setClickPoint(pressInside(2, 3));
    board.chooseAnimal(Wolf, true);
    board.chooseMark(TickTag, true);
    board.chooseAnimal(Boar, true);
    board.setClickPoint(pressInside(0, 1));
    board.chooseMark(CrossTag, true); // empty glade
    HuntTally tally = tallyHunt(board.animals(), board.marks());
    QCOMPARE(int(tally.found[Wolf - 1]), 0);
    QCOMPARE(int(tally.found[Boar - 1]), 1);
    QCOMPARE(int(tally.pelts[Boar - 1]), 1);
    QCOMPARE(tally.skillGain, 3);
    // The glade's cross counts once an animal is chosen there.
    board.chooseAnimal(Hare, true);
    tally = tallyHunt(board.animals(), board.marks());
    QCOMPARE(int(tally.found[Hare - 1]), 1);
    QCOMPARE(tally.skillGain, 4);
}

void HuntingBoardTest::columnWidthsFillClientWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("found");
    QTest::newRow("157") << 157 << 53;
    QTest::newRow("165") << 165 << 57;
    QTest::newRow("164") << 164 << 56;
}

void HuntingBoardTest::columnWidthsFillClientWidth()
{
    QFETCH(int, width);
    QFETCH(int, found);
    const StatisticsColumnWidths widths = statisticsColumnWidths(width);
    QCOMPARE(widths.found, found);
    QCOMPARE(50 + 1 + widths.found + 1 + widths.pelts, width);
    QVERIFY(widths.found - widths.pelts == 0 || widths.found - widths.pelts == 1);
}

QTEST_GUILESS_MAIN(HuntingBoardTest)
#include "tst_huntingboard.moc"
