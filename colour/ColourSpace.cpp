#include "colour/ColourSpace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace pav::colour {

namespace {

const std::array<double, 256>& linearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            values[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

// The CIELAB companding function of a ratio to the white point.
double labCurve(double t) {
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
}

constexpr double kDegree = std::numbers::pi / 180.0;
// Cosines and sines of the fixed angles in CIEDE2000's T.
const double kCos30 = std::cos(30 * kDegree), kSin30 = std::sin(30 * kDegree);
const double kCos6 = std::cos(6 * kDegree), kSin6 = std::sin(6 * kDegree);
const double kCos63 = std::cos(63 * kDegree), kSin63 = std::sin(63 * kDegree);

// Hue angle of (a, b) in degrees, 0..360; 0 for the neutral axis.
double hueDegrees(double b, double a) {
    if (a == 0 && b == 0) return 0;
    const double h = std::atan2(b, a) / kDegree;
    return h < 0 ? h + 360.0 : h;
}

} // namespace

double linearFromSrgb8(int channel) { return linearTable()[channel & 255]; }

LinearRgb linearFromRgb(std::int32_t rgb) {
    const auto& table = linearTable();
    return {table[rgb & 255], table[(rgb >> 8) & 255], table[(rgb >> 16) & 255]};
}

Lab labFromLinear(const LinearRgb& c) {
    // sRGB primaries to XYZ, then relative to the D65 white (0.95047, 1, 1.08883).
    const double x = (0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b) / 0.95047;
    const double y = 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b;
    const double z = (0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b) / 1.08883;
    const double fx = labCurve(x), fy = labCurve(y), fz = labCurve(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Lab labFromRgb(std::int32_t rgb) { return labFromLinear(linearFromRgb(rgb)); }

std::vector<Lab> labsFromRgb(std::span<const std::int32_t> colours) {
    std::vector<Lab> labs;
    labs.reserve(colours.size());
    std::int32_t last = 0;
    Lab lastLab;
    bool any = false;
    for (const std::int32_t c : colours) {
        if (!any || c != last) { // neighbouring stitches often share a colour
            lastLab = labFromRgb(c);
            last = c;
            any = true;
        }
        labs.push_back(lastLab);
    }
    return labs;
}

Lab oklabFromLinear(const LinearRgb& c) {
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Lab oklabFromRgb(std::int32_t rgb) { return oklabFromLinear(linearFromRgb(rgb)); }

double deltaE2000Squared(const Lab& x, const Lab& y) {
    constexpr double k25To7 = 6103515625.0; // 25^7
    const auto pow7 = [](double v) {
        const double v2 = v * v;
        return v2 * v2 * v2 * v;
    };

    const double chroma1 = std::sqrt(x.a * x.a + x.b * x.b), chroma2 = std::sqrt(y.a * y.a + y.b * y.b);
    const double meanChroma7 = pow7((chroma1 + chroma2) / 2);
    const double g = 0.5 * (1 - std::sqrt(meanChroma7 / (meanChroma7 + k25To7)));
    const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
    const double c1 = std::sqrt(a1 * a1 + x.b * x.b), c2 = std::sqrt(a2 * a2 + y.b * y.b);
    const double h1 = hueDegrees(x.b, a1), h2 = hueDegrees(y.b, a2);

    const double dL = y.L - x.L;
    const double dC = c2 - c1;
    const bool neutral = c1 * c2 == 0;
    double dh = neutral ? 0 : h2 - h1;
    if (dh > 180) dh -= 360;
    else if (dh < -180) dh += 360;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh * kDegree / 2);

    const double meanL = (x.L + y.L) / 2;
    const double meanC = (c1 + c2) / 2;
    double meanH = h1 + h2;
    if (!neutral) {
        if (std::abs(h1 - h2) > 180) meanH += meanH < 360 ? 360 : -360;
        meanH /= 2;
    }

    // T's four cosines from one sine and cosine of H' by the multiple-angle formulas.
    const double hc = std::cos(meanH * kDegree), hs = std::sin(meanH * kDegree);
    const double cos2 = 2 * hc * hc - 1, sin2 = 2 * hs * hc;
    const double cos3 = hc * (4 * hc * hc - 3), sin3 = hs * (3 - 4 * hs * hs);
    const double cos4 = 2 * cos2 * cos2 - 1, sin4 = 2 * sin2 * cos2;
    const double t = 1 - 0.17 * (hc * kCos30 + hs * kSin30) + 0.24 * cos2 + 0.32 * (cos3 * kCos6 - sin3 * kSin6) -
                     0.20 * (cos4 * kCos63 + sin4 * kSin63);
    const double hueOffset = (meanH - 275) / 25;
    const double dTheta = 30 * std::exp(-hueOffset * hueOffset);
    const double meanC7 = pow7(meanC);
    const double rc = 2 * std::sqrt(meanC7 / (meanC7 + k25To7));
    const double l50 = (meanL - 50) * (meanL - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * meanC;
    const double sh = 1 + 0.015 * meanC * t;
    const double rt = -std::sin(2 * dTheta * kDegree) * rc;

    const double lightness = dL / sl, chroma = dC / sc, hue = dH / sh;
    // The form is positive (|rt| < 2); the clamp only keeps rounding off sqrt's negative side.
    return std::max(0.0, lightness * lightness + chroma * chroma + hue * hue + rt * chroma * hue);
}

double deltaE2000(const Lab& x, const Lab& y) { return std::sqrt(deltaE2000Squared(x, y)); }

} // namespace pav::colour
