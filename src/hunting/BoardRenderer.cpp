#include "hunting/BoardRenderer.h"

#include "pictures/BuiltInPicture.h"

#include <QPainter>

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
        pictures.standardAnimals[i] = BuiltInPicture::image(QStringLiteral(":/hunting/%1.png").arg(kind));
        pictures.alternativeAnimals[i] =
            BuiltInPicture::image(QStringLiteral(":/hunting/%1-colour.png").arg(kind));
        pictures.pelts[i] = BuiltInPicture::image(QStringLiteral(":/hunting/%1-pelt.png").arg(kind));
    }
    pictures.cross = BuiltInPicture::image(QStringLiteral(":/hunting/cross.png"));
    pictures.grass = BuiltInPicture::image(QStringLiteral(":/hunting/grass.png"));
    return pictures;
}

BoardRenderer BoardRenderer::builtIn()
{
    return BoardRenderer(BuiltInPicture::image(QStringLiteral(":/hunting/board.png")),
                         &HuntingPictures::builtIn);
}

BoardRenderer::BoardRenderer(const QImage &board, const HuntingPictures &pictures)
    : BoardRenderer(board, nullptr)
{
    m_pictures = pictures;
}

BoardRenderer::BoardRenderer(const QImage &board, HuntingPictures (*loadPictures)())
    : m_board(board.convertToFormat(QImage::Format_RGB32)), m_clean(m_board), m_loadPictures(loadPictures)
{
    // The clean copy must never share pixels with the picture that is drawn on.
    m_clean.detach();
}

const HuntingPictures &BoardRenderer::pictures() const
{
    if (!m_pictures)
        m_pictures = m_loadPictures();
    return *m_pictures;
}

const QImage &BoardRenderer::animalPicture(int code, bool standardSet) const
{
    const auto &set = standardSet ? pictures().standardAnimals : pictures().alternativeAnimals;
    return set[static_cast<std::size_t>(code - 1)];
}

void BoardRenderer::restore(const QRect &rect)
{
    QPainter painter(&m_board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), m_clean, rect);
}

void BoardRenderer::drawAnimalChoice(const HuntingBoard &hunt, BoardCell cell, bool standardSet)
{
    restore(HuntingBoard::animalRect(cell));
    if (const int animal = hunt.animalAt(cell); animal != NoAnimal)
        drawTransparently(m_board, HuntingBoard::drawingOrigin(cell), animalPicture(animal, standardSet));
}

void BoardRenderer::drawMarkChoice(const HuntingBoard &hunt, BoardCell cell, int tag, bool standardSet)
{
    const int animal = hunt.animalAt(cell);
    const QPoint origin = HuntingBoard::drawingOrigin(cell);
    switch (tag) {
    case CrossTag:
        // Drawn over whatever the cell shows: an animal, a pelt or earlier grass.
        drawTransparently(m_board, origin, animal != NoAnimal ? pictures().cross : pictures().grass);
        break;
    case TickTag:
        restore(HuntingBoard::markRect(cell));
        if (animal != NoAnimal)
            drawTransparently(m_board, origin, pictures().pelts[static_cast<std::size_t>(animal - 1)]);
        break;
    case ClearMarkTag:
        restore(HuntingBoard::markRect(cell));
        // The animal comes back in the set in use now, whichever set first drew it.
        if (animal != NoAnimal)
            drawTransparently(m_board, origin, animalPicture(animal, standardSet));
        break;
    default:
        break;
    }
}

void BoardRenderer::reset()
{
    // The last pixel column and the last two rows are never drawn on.
    restore(QRect(0, 0, m_clean.width() - 1, m_clean.height() - 1));
}
