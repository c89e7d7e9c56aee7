#pragma once

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

// The hunt the player marks: the animal and mark of every cell and the colours of the
// search-zone markers. Drawing it is BoardRenderer's job; the geometry of the board's
// artwork lives here because the cells are defined by it.
class HuntingBoard {
public:
    static constexpr int kCells = 4;
    static constexpr int kPitch = 35;
    static constexpr int kMarkerCount = 48;

    // The cell whose square in the artwork contains the board pixel `point`; points past
    // the last grid line belong to the last column or row.
    static BoardCell cellAt(QPoint point);
    // Where every picture for the cell is drawn.
    static QPoint drawingOrigin(BoardCell cell);
    // The 34 × 33 rectangle a mark operation restores.
    static QRect markRect(BoardCell cell);
    // The 32 × 33 rectangle an animal choice restores.
    static QRect animalRect(BoardCell cell);

    // Animal and mark code of every cell.
    const CellTable &animals() const { return m_animal; }
    const CellTable &marks() const { return m_mark; }
    std::uint8_t animalAt(BoardCell cell) const { return m_animal[cell.column][cell.row]; }

    // An animal menu choice on `cell`: `code` 1..4 puts that animal there, anything else
    // clears it. The cell's mark is kept either way.
    void chooseAnimal(BoardCell cell, int code);
    // A mark menu choice on `cell`, by the item's tag; unknown tags do nothing.
    void chooseMark(BoardCell cell, int tag);

    // Marker `index` (0..47, in the order of the markers' numbers).
    MarkerColour markerColour(int index) const { return m_markers[static_cast<std::size_t>(index)]; }
    // A click on a marker: gray turns red, red green, green gray.
    void advanceMarker(int index);

    // Forgets every animal and mark and turns every marker gray.
    void reset();

private:
    CellTable m_animal{};
    CellTable m_mark{};
    std::array<MarkerColour, kMarkerCount> m_markers{};
};
