#pragma once

#include <QPoint>
#include <QRect>

namespace Placement {
// Where the main window's frame goes at start: its right edge on the screen's right
// edge, its top 10 pixels below the screen's top.
inline QPoint startPosition(const QRect &screen, int frameWidth)
{
    return {screen.x() + screen.width() - frameWidth, screen.y() + 10};
}
} // namespace Placement
