#include "Artwork.h"

void drawShellArt(const QDir &) {}
