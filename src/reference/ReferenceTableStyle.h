#pragma once

#include <QColor>
#include <QFont>

// The system's colour for tool-tip backgrounds, with which the experience and alchemy
// tables mark the cells worth noticing.
QColor infoBackgroundColor();

// The reference windows' column and button widths were laid out for a narrow bitmap
// font; the same font, semi-condensed, keeps captions and names whole. Only the stretch is set, so the
// family and size still come from the window.
QFont narrowFont();
