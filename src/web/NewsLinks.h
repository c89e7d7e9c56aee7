#pragma once

#include "platform/Services.h"

class QWidget;

namespace NewsLinks {
// Puts the two news links onto the Knowledge page: `Label13` (the game's news) and
// `Label14` (the community's start page), each opening on a click and on a double click.
void addTo(QWidget *knowledgePage, const Services &services);
} // namespace NewsLinks
