#pragma once

#include "hunting/HuntingBoard.h"

#include <QImage>

#include <optional>

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

// The board picture the player sees. It is drawn step by step as the hunt changes, each
// choice over what the earlier ones left (a cross lies over grass or a pelt), so it is
// told of every choice right after the hunt took it.
class BoardRenderer {
public:
    BoardRenderer(const QImage &board, const HuntingPictures &pictures);
    // The pictures come from `loadPictures` when first needed: a board nobody has marked
    // needs none of them, so the first frame does not wait for them.
    BoardRenderer(const QImage &board, HuntingPictures (*loadPictures)());
    // The board of the program's own artwork.
    static BoardRenderer builtIn();

    const QImage &picture() const { return m_board; }
    const QImage &cleanPicture() const { return m_clean; }
    const HuntingPictures &pictures() const;

    // After an animal choice on `cell`: its 32 × 33 square restored, then its animal (if
    // any) in the picture set in use.
    void drawAnimalChoice(const HuntingBoard &hunt, BoardCell cell, bool standardSet);
    // After a mark choice with menu tag `tag` on `cell`.
    void drawMarkChoice(const HuntingBoard &hunt, BoardCell cell, int tag, bool standardSet);
    // The whole board back to its clean look.
    void reset();

private:
    const QImage &animalPicture(int code, bool standardSet) const;
    void restore(const QRect &rect);

    QImage m_board;
    QImage m_clean;
    mutable std::optional<HuntingPictures> m_pictures;
    HuntingPictures (*m_loadPictures)() = nullptr;
};
