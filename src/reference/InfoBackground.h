#pragma once

#include <QColor>

// The system's colour for tool-tip backgrounds, with which the experience and alchemy
// tables mark the cells worth noticing.
QColor infoBackgroundColor();
