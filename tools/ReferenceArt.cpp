#include "Artwork.h"

void drawReferenceArt(const QDir &dir)
{
    drawCraftArt(dir);
    drawPictureRefArt(dir);
}
