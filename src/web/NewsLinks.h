#pragma once

#include "desktop/Services.h"

class LinkLabel;
class QWidget;

namespace NewsLinks {
// The link to the game's news (`Label13`), opening on a click and on a double click.
LinkLabel *gameNews(const Services &services, QWidget *parent);
// The link to the community's start page (`Label14`), the same way.
LinkLabel *communityNews(const Services &services, QWidget *parent);
} // namespace NewsLinks
