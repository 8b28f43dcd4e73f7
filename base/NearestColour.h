#pragma once
// Nearest colour by squared RGB distance, the rule every plain colour match of
// the program uses (thread matching, palette reductions, colour tables).

#include <cstdint>
#include <span>

namespace pav {

constexpr int redOfRgb(std::int32_t rgb) { return rgb & 255; }
constexpr int greenOfRgb(std::int32_t rgb) { return (rgb >> 8) & 255; }
constexpr int blueOfRgb(std::int32_t rgb) { return (rgb >> 16) & 255; }

// The index (0-based) of the candidate nearest to rgb by squared RGB distance, the
// first one on a tie; -1 when there is none. Colours are R + 256*G + 65536*B.
int nearestRgbIndex(std::span<const std::int32_t> candidates, std::int32_t rgb);

} // namespace pav
