#include "Artwork.h"

void drawTimersArt(const QDir &)
{
}
