#include "NewsLinks.h"

void NewsLinks::addTo(QWidget *, const Services &) {}
