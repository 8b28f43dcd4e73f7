#pragma once
// Checks the headers of a BMP file held in memory before any decoder sees it, so
// that damaged or hostile files are refused with a clear reason and never make
// anything allocate more than their claimed, capped size. Plain C++.

#include <cstdint>
#include <span>
#include <string>

namespace pav::image {

struct BmpHeaderInfo {
    std::int32_t width = 0;
    std::int32_t height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 0;  // of the information header: 12, 40, 52, 56, 64, 108 or 124
    std::uint32_t pixelOffset = 0; // where the pixel data starts in the file
};

// Compression codes of the information header.
enum BmpCompression : std::uint32_t {
    BmpRgb = 0,
    BmpRle8 = 1,
    BmpRle4 = 2,
    BmpBitFields = 3,
    BmpAlphaBitFields = 6,
};

// Bytes of channel masks that follow a 40-byte information header (none after a larger one,
// which holds them itself).
inline std::uint32_t bmpMaskBytesAfterHeader(std::uint32_t headerSize, std::uint32_t compression) {
    if (headerSize != 40) return 0;
    return compression == BmpBitFields ? 12 : compression == BmpAlphaBitFields ? 16 : 0;
}

struct BmpHeaderCheck {
    BmpHeaderInfo info;
    std::string error; // empty when the headers are sound
    bool truncated = false; // the file ends before its headers or pixel data
    bool tooLarge = false;  // sound, but beyond the size allowed
    bool ok() const { return error.empty(); }
};

BmpHeaderCheck checkBmpHeader(std::span<const std::uint8_t> file, std::int64_t maxPixels);

} // namespace pav::image
