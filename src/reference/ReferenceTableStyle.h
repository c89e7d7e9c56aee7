#pragma once

#include <QColor>
#include <QFont>

// The look the reference tables share.
namespace ReferenceTableStyle {
// The system's colour for tool-tip backgrounds, with which the experience and alchemy
// tables mark the cells worth noticing.
QColor highlightColor();

// The tables' column and button widths are tight for the default face; the same font,
// semi-condensed, keeps captions and names whole. Only the stretch is set, so the family
// and size still come from the window.
QFont narrowFont();
} // namespace ReferenceTableStyle
