#include "Artwork.h"

void drawReferenceArt(const QDir &) {}
