#include "Artwork.h"

void drawWebArt(const QDir &) {}
