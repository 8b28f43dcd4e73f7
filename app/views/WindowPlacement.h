#pragma once
// Every window opens fully inside the available area of its screen (not under
// a panel, not past the bottom), whatever position it asked for.

#include <QRect>

class QWidget;

namespace pav::app {

// The frame moved the least so that it lies inside available; a frame larger
// than the area keeps its top-left corner inside.
QRect placedInside(const QRect& frame, const QRect& available);

// Moves a top-level window so that its frame lies inside the available area
// of the screen it is on.
void keepOnScreen(QWidget* window);

} // namespace pav::app
