#pragma once
// Rounding and twip conversions of the picture sources' windows, by the main
// window's own rules (15 twips to the pixel, halves to even).

#include <QPoint>

#include "app/ControlRules.h"

namespace pav::sources {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0); for screen coordinates and sizes.
inline int roundHalfEven(double value) {
    return static_cast<int>(app::roundHalfEven(value));
}

inline int twipsToPixels(int twips) {
    return roundHalfEven(app::twipsToPixels(twips));
}

// A window opened beside the main window: its corner at fixed twip offsets from the main window's corner.
inline QPoint besideMainWindow(QPoint mainTopLeft, int rightTwips, int downTwips) {
    return mainTopLeft + QPoint(twipsToPixels(rightTwips), twipsToPixels(downTwips));
}

} // namespace pav::sources
