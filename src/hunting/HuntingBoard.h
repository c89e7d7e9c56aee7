#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>

// Codes stored per cell.
enum AnimalCode : std::uint8_t { NoAnimal = 0, Hare = 1, Wolf = 2, Boar = 3, Bear = 4 };
enum MarkCode : std::uint8_t { NoMark = 0, CrossMark = 1, TickMark = 3 };

// The tags of the mark menu's items.
enum MarkMenuTag { CrossTag = 0, TickTag = 3, ClearMarkTag = 5 };

// The colour of a search-zone marker; each click moves it on to the next, Green to Gray.
enum class MarkerColour : std::uint8_t { Gray, Red, Green };

struct BoardCell {
    std::uint8_t column = 0;
    std::uint8_t row = 0;
};

// A 4 × 4 table of byte codes, indexed [column][row].
using CellTable = std::array<std::array<std::uint8_t, 4>, 4>;

// Draws `picture` onto `target` with its top-left corner at `origin`, leaving out every
// pixel that has the colour of the picture's own bottom-left pixel.
void drawTransparently(QImage &target, QPoint origin, const QImage &picture);

// The pictures the board operations draw. Index 0 of the arrays is the hare, 3 the bear.
struct HuntingPictures {
    std::array<QImage, 4> standardAnimals;
    std::array<QImage, 4> alternativeAnimals;
    QImage cross;
    QImage grass;
    std::array<QImage, 4> pelts;

    // The program's own artwork.
    static HuntingPictures builtIn();
};

// The hunt the player marks, without widgets: the board picture, its clean copy, the last
// press position, the two cell tables and the search-zone markers over the board. Every
// board operation works on the cell under the last press, exactly as the player's menus do.
class HuntingBoard {
public:
    static constexpr int kCells = 4;
    static constexpr int kPitch = 35;
    static constexpr int kMarkerCount = 48;

    HuntingBoard(const QImage &board, const HuntingPictures &pictures);
    // The board of the program's own artwork.
    static HuntingBoard builtIn();

    // The cell whose square in the artwork contains the board pixel `point`; points past
    // the last grid line belong to the last column or row.
    static BoardCell cellAt(QPoint point);
    // Where every picture for the cell is drawn.
    static QPoint drawingOrigin(BoardCell cell);
    // The 34 × 33 rectangle a mark operation restores.
    static QRect markRect(BoardCell cell);
    // The 32 × 33 rectangle an animal choice restores.
    static QRect animalRect(BoardCell cell);

    const QImage &picture() const { return m_board; }
    const QImage &cleanPicture() const { return m_clean; }

    QPoint clickPoint() const { return m_clickPoint; }
    void setClickPoint(QPoint point) { m_clickPoint = point; }
    BoardCell clickedCell() const { return cellAt(m_clickPoint); }

    // Animal and mark code of every cell.
    const CellTable &animals() const { return m_animal; }
    const CellTable &marks() const { return m_mark; }

    // An animal menu choice on the clicked cell: `code` 0 clears the animal, 1..4 draws
    // that animal of the chosen picture set. The cell's mark is kept either way.
    void chooseAnimal(int code, bool standardSet);
    // A mark menu choice on the clicked cell, by the item's tag; unknown tags do nothing.
    void chooseMark(int tag, bool standardSet);

    // Marker `index` (0..47, in the order of the markers' numbers).
    MarkerColour markerColour(int index) const { return m_markers[static_cast<std::size_t>(index)]; }
    // A click on a marker: gray turns red, red green, green gray.
    void advanceMarker(int index);

    // Returns the whole board to its clean look, forgets every animal and mark and turns
    // every marker gray.
    void reset();

private:
    const QImage &animalPicture(int code, bool standardSet) const;
    void restore(const QRect &rect);
    void restoreCell(std::uint8_t column, std::uint8_t row);
    void clearMark(std::uint8_t column, std::uint8_t row, bool standardSet);

    QImage m_board;
    QImage m_clean;
    HuntingPictures m_pictures;
    QPoint m_clickPoint;
    CellTable m_animal{};
    CellTable m_mark{};
    std::array<MarkerColour, kMarkerCount> m_markers{};
};
