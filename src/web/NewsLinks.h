#pragma once

#include "Services.h"

class QWidget;

namespace NewsLinks {
// Puts the two news links onto the Knowledge page.
void addTo(QWidget *knowledgePage, const Services &services);
}
