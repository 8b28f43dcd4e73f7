#pragma once
// RGB values as every part of the program passes them (R + 256*G + 65536*B),
// the white that marks bare fabric, and the limits of the colour index.

#include <cstdint>

namespace pav::palette {

constexpr int kListCapacity = 500; // distinct stitch colours a chart may have before matching
constexpr int kThreadRows = 423;   // DMC rows 1..423
constexpr std::int32_t kWhite = 16777215;

constexpr int redOf(std::int32_t rgb) { return rgb & 255; }
constexpr int greenOf(std::int32_t rgb) { return (rgb >> 8) & 255; }
constexpr int blueOf(std::int32_t rgb) { return (rgb >> 16) & 255; }
constexpr std::int32_t makeRgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

} // namespace pav::palette
