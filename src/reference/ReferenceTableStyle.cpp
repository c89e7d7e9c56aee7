#include "reference/ReferenceTableStyle.h"

#include <QPalette>
#include <QToolTip>

QColor ReferenceTableStyle::highlightColor()
{
    return QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase);
}

QFont ReferenceTableStyle::narrowFont()
{
    // Narrow enough that "Увеличение характеристик" fits its 150-pixel header with the
    // header's margins; Qt narrows the glyphs itself where no condensed face exists.
    QFont font;
    font.setStretch(QFont::SemiCondensed);
    return font;
}
