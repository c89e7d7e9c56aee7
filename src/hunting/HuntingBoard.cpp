#include "hunting/HuntingBoard.h"

#include <QPainter>

#include <algorithm>

void drawTransparently(QImage &target, QPoint origin, const QImage &picture)
{
    if (picture.isNull())
        return;
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = masked.pixel(0, masked.height() - 1);
    const QImage keep = masked.createMaskFromColor(key, Qt::MaskOutColor);
    for (int y = 0; y < masked.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            line[x] = keep.pixelIndex(x, y) ? (line[x] | 0xff000000u) : 0u;
    }
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(origin, masked);
}

HuntingPictures HuntingPictures::builtIn()
{
    HuntingPictures pictures;
    const char *const kinds[4] = {"hare", "wolf", "boar", "bear"};
    for (int i = 0; i < 4; ++i) {
        const QString kind = QString::fromLatin1(kinds[i]);
        pictures.standardAnimals[i] = QImage(QStringLiteral(":/hunting/%1.png").arg(kind));
        pictures.alternativeAnimals[i] = QImage(QStringLiteral(":/hunting/%1-colour.png").arg(kind));
        pictures.pelts[i] = QImage(QStringLiteral(":/hunting/%1-pelt.png").arg(kind));
    }
    pictures.cross = QImage(QStringLiteral(":/hunting/cross.png"));
    pictures.grass = QImage(QStringLiteral(":/hunting/grass.png"));
    return pictures;
}

HuntingBoard HuntingBoard::builtIn()
{
    return HuntingBoard(QImage(QStringLiteral(":/hunting/board.png")), HuntingPictures::builtIn());
}

HuntingBoard::HuntingBoard(const QImage &board, const HuntingPictures &pictures)
    : m_board(board.convertToFormat(QImage::Format_RGB32)), m_clean(m_board), m_pictures(pictures)
{
    // The clean copy must never share pixels with the picture that is drawn on.
    m_clean.detach();
}

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

const QImage &HuntingBoard::animalPicture(int code, bool standardSet) const
{
    const auto &set = standardSet ? m_pictures.standardAnimals : m_pictures.alternativeAnimals;
    return set[static_cast<std::size_t>(code - 1)];
}

void HuntingBoard::restore(const QRect &rect)
{
    QPainter painter(&m_board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), m_clean, rect);
}

void HuntingBoard::chooseAnimal(int code, bool standardSet)
{
    const BoardCell cell = clickedCell();
    restore(animalRect(cell));
    if (code < Hare || code > Bear) {
        m_animal[cell.column][cell.row] = NoAnimal;
        return;
    }
    drawTransparently(m_board, drawingOrigin(cell), animalPicture(code, standardSet));
    m_animal[cell.column][cell.row] = static_cast<std::uint8_t>(code);
}

void HuntingBoard::chooseMark(int tag, bool standardSet)
{
    const BoardCell cell = clickedCell();
    const std::uint8_t animal = m_animal[cell.column][cell.row];
    switch (tag) {
    case CrossTag:
        // Drawn over whatever the cell shows: an animal, a pelt or earlier grass.
        m_mark[cell.column][cell.row] = CrossMark;
        drawTransparently(m_board, drawingOrigin(cell),
                          animal != NoAnimal ? m_pictures.cross : m_pictures.grass);
        break;
    case TickTag:
        restoreCell(cell.column, cell.row);
        m_mark[cell.column][cell.row] = TickMark;
        if (animal != NoAnimal)
            drawTransparently(m_board, drawingOrigin(cell), m_pictures.pelts[animal - 1]);
        break;
    case ClearMarkTag:
        clearMark(cell.column, cell.row, standardSet);
        break;
    default:
        break;
    }
}

void HuntingBoard::restoreCell(std::uint8_t column, std::uint8_t row)
{
    restore(markRect({column, row}));
}

void HuntingBoard::clearMark(std::uint8_t column, std::uint8_t row, bool standardSet)
{
    restoreCell(column, row);
    const std::uint8_t animal = m_animal[column][row];
    // The animal comes back in the set in use now, whichever set first drew it.
    if (animal != NoAnimal)
        drawTransparently(m_board, drawingOrigin({column, row}), animalPicture(animal, standardSet));
    m_mark[column][row] = NoMark;
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
    // The last pixel column and the last two rows are never drawn on.
    restore(QRect(0, 0, m_clean.width() - 1, m_clean.height() - 1));
    for (auto &column : m_mark)
        column.fill(NoMark);
    for (auto &column : m_animal)
        column.fill(NoAnimal);
    m_markers.fill(MarkerColour::Gray);
}
