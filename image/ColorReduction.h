#pragma once
// The dithered colour-reduction modes as plain functions over byte views: a 24-bit
// source (rows bottom-up, blue-green-red) into a destination of the mode's depth.
// Plain C++, no Qt.

#include <cstdint>
#include <vector>

namespace pav::image {

enum class ReductionMode {
    BlackWhite,   // 1 bit
    FourGreys,    // 4 bits, 4 of 16 entries
    EightColours, // 4 bits, 8 of 16 entries
    SixteenGreys, // 4 bits
    Colours216,   // 8 bits, 216 of 256 entries
    Colours256,   // 8 bits: 8 blue x 8 green x 4 red
    Rgb565,       // 24 bits: 32 levels of blue and red, 64 of green
};

// The main window's reduction codes (ColorBit) that are no dither mode: the
// stitch colours as they are, and the N most frequent colours.
inline constexpr int kColorBitNone = 0;
inline constexpr int kColorBitMostFrequent = 99;

// Bits per pixel of the mode's result.
int reductionDepth(ReductionMode mode);

// The colour-table entries the mode writes, from entry 0, as R + 256 G + 65536 B.
std::vector<std::int32_t> reductionPalette(ReductionMode mode);

struct PixelRows {
    std::uint8_t* data;
    std::int32_t stride;
};
struct ConstPixelRows {
    const std::uint8_t* data;
    std::int32_t stride;
};

// Fills the destination rows pixel by pixel; padding bytes are left as they are.
// The dither is anchored at the picture's top-left, i.e. at the last row in memory.
void reducePixels(ReductionMode mode, bool rotate, ConstPixelRows source, PixelRows destination,
                  std::int32_t width, std::int32_t height);

} // namespace pav::image
