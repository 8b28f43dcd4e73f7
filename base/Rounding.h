#pragma once
// Real to whole numbers: the nearest integer, halves to even (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2), the one rounding of the program. Worked out by hand
// rather than through the floating-point rounding mode, which a library may change.

#include <cmath>

namespace pav {

inline double roundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5) return down + 1.0;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// For values known to fit an int.
inline int roundedInt(double value) {
    return static_cast<int>(roundHalfEven(value));
}

} // namespace pav
