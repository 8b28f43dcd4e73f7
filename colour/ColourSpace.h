#pragma once
// Colour science over the program's RGB values (R + 256*G + 65536*B, 8-bit sRGB):
// linear light, CIELAB (D65 white) and OKLab, and the CIEDE2000 colour difference.
// Plain C++, no Qt.

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour {

// Linear-light RGB, each channel 0..1.
struct LinearRgb {
    double r = 0, g = 0, b = 0;
};

// A point of a Lab-like space: CIELAB (L 0..100) or OKLab (L 0..1).
struct Lab {
    double L = 0, a = 0, b = 0;
    friend bool operator==(const Lab&, const Lab&) = default;
};

// An 8-bit sRGB channel (0..255) in linear light (0..1), by the sRGB transfer curve.
double linearFromSrgb8(int channel);

LinearRgb linearFromRgb(std::int32_t rgb);

// CIELAB with the D65 reference white, from linear sRGB or from an RGB value.
Lab labFromLinear(const LinearRgb& linear);
Lab labFromRgb(std::int32_t rgb);

// OKLab from linear sRGB or from an RGB value.
Lab oklabFromLinear(const LinearRgb& linear);
Lab oklabFromRgb(std::int32_t rgb);

// CIELAB of every colour of a list, in order.
std::vector<Lab> labsFromRgb(std::span<const std::int32_t> colours);

// Squared Euclidean distance of two points of the same space (CIE76 squared for CIELAB).
inline double distanceSquared(const Lab& x, const Lab& y) {
    const double dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
    return dL * dL + da * da + db * db;
}

// CIEDE2000 between two CIELAB colours (kL = kC = kH = 1), and its square.
double deltaE2000(const Lab& x, const Lab& y);
double deltaE2000Squared(const Lab& x, const Lab& y);

} // namespace pav::colour
