#include "Artwork.h"

void drawHuntingArt(const QDir &) {}
