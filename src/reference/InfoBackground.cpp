#include "InfoBackground.h"

#include <QPalette>
#include <QToolTip>

QColor infoBackgroundColor()
{
    return QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase);
}
