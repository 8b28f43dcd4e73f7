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

// Shows a top-level window inside the available area. A window manager adds the
// frame only after the window is mapped, so the place is checked again when the
// frame arrives (at the window's moves and resizes in the moment after showing).
void showOnScreen(QWidget* window);

// Hides a window and shows it again where it was: a window manager would
// otherwise place a window mapped anew as it places a new one.
void hideKeepingPlace(QWidget* window);
void showInPlace(QWidget* window);

} // namespace pav::app
