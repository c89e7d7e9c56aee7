#include "Artwork.h"

void drawReferenceArt(const QDir &dir) { drawPictureRefArt(dir); }
