#pragma once

#include <QPoint>
#include <QRect>

namespace Placement {
// Where the main window's frame goes at start: its right edge on the right edge of the
// screen's work area, its top 10 pixels below the work area's top.
inline QPoint startPosition(const QRect &workArea, int frameWidth)
{
    return {workArea.x() + workArea.width() - frameWidth, workArea.y() + 10};
}
} // namespace Placement
