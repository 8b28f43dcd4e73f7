#pragma once
// Rounding and twip conversions of the picture sources' windows.

#include <cmath>

#include <QPoint>

namespace pav::sources {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
inline int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    double result = down;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) result = down + 1.0;
    return static_cast<int>(result);
}

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

// A window opened beside the main window: its corner at fixed twip offsets from the main window's corner.
inline QPoint besideMainWindow(QPoint mainTopLeft, int rightTwips, int downTwips) {
    return mainTopLeft + QPoint(twipsToPixels(rightTwips), twipsToPixels(downTwips));
}

} // namespace pav::sources
