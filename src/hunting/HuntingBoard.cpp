#include "hunting/HuntingBoard.h"

#include <algorithm>

BoardCell HuntingBoard::cellAt(QPoint point)
{
    // Columns start at x = 0 and rows at y = 1 in the artwork: the grid lines lie at
    // x = 34, 69, 104, 139 and y = 35, 70, 105, 140, one pixel past each cell's square.
    const int column = std::min(kCells - 1, std::max(0, point.x()) / kPitch);
    const int row = std::min(kCells - 1, std::max(0, point.y() - 1) / kPitch);
    return {static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row)};
}

QPoint HuntingBoard::drawingOrigin(BoardCell cell)
{
    return {kPitch * cell.column + 1, kPitch * cell.row + 2};
}

QRect HuntingBoard::markRect(BoardCell cell)
{
    return QRect(drawingOrigin(cell), QSize(34, 33));
}

QRect HuntingBoard::animalRect(BoardCell cell)
{
    return QRect(drawingOrigin(cell), QSize(32, 33));
}

void HuntingBoard::chooseAnimal(BoardCell cell, int code)
{
    const bool animal = code >= Hare && code <= Bear;
    m_animal[cell.column][cell.row] = animal ? static_cast<std::uint8_t>(code) : std::uint8_t(NoAnimal);
}

void HuntingBoard::chooseMark(BoardCell cell, int tag)
{
    std::uint8_t &mark = m_mark[cell.column][cell.row];
    switch (tag) {
    case CrossTag:
        mark = CrossMark;
        break;
    case TickTag:
        mark = TickMark;
        break;
    case ClearMarkTag:
        mark = NoMark;
        break;
    default:
        break;
    }
}

void HuntingBoard::advanceMarker(int index)
{
    MarkerColour &colour = m_markers[static_cast<std::size_t>(index)];
    colour = colour == MarkerColour::Gray  ? MarkerColour::Red
             : colour == MarkerColour::Red ? MarkerColour::Green
                                           : MarkerColour::Gray;
}

void HuntingBoard::reset()
{
    for (auto &column : m_mark)
        column.fill(NoMark);
    for (auto &column : m_animal)
        column.fill(NoAnimal);
    m_markers.fill(MarkerColour::Gray);
}
