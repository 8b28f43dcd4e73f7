#pragma once
// The ordered-dither threshold table and the 1-bit pixel masks shared by every
// colour-reduction mode. Plain C++, no Qt.

#include <array>
#include <cstdint>

namespace pav::image {

// The fixed threshold constants (DitherTable.cpp), index = row * 16 + column.
extern const std::array<std::uint8_t, 256> kDitherThresholds;

struct DitherTables {
    std::array<std::uint8_t, 256> threshold{};
    // bitMask[i] = 2^(7 - i): the mask of the i-th pixel (from the left) of a 1-bit byte.
    std::array<std::uint8_t, 8> bitMask{};
};

// Fills both tables the first time it is called (start-up calls it before any
// window exists) and returns them; later calls return the same tables unchanged.
const DitherTables& initDither();

// Threshold of pixel (x, y), y counted from the top of the picture.
inline std::uint8_t standardThreshold(const DitherTables& d, int x, int y) {
    return d.threshold[(y & 15) * 16 + (x & 15)];
}
// The rotated lookups used for blue and red when a mode's rotate flag is set.
inline std::uint8_t rotatedBlueThreshold(const DitherTables& d, int x, int y) {
    return d.threshold[(x & 15) * 16 + 15 - (y & 15)];
}
inline std::uint8_t rotatedRedThreshold(const DitherTables& d, int x, int y) {
    return d.threshold[(15 - (x & 15)) * 16 + (y & 15)];
}

} // namespace pav::image
