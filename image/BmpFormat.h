#pragma once
// Sizes and little-endian fields of the BMP file layout. Plain C++.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pav::image {

inline constexpr std::size_t kFileHeaderSize = 14; // "BM", file size, reserved, pixel-data offset
inline constexpr std::size_t kInfoHeaderSize = 40;

// The depths a bitmap may have.
inline bool isBmpDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

inline void putLE16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putLE32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
// The 14-byte file header: "BM", the file's size and where its pixels start.
inline std::array<std::uint8_t, kFileHeaderSize> bmpFileHeader(std::uint32_t fileSize, std::uint32_t pixelOffset) {
    std::array<std::uint8_t, kFileHeaderSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    putLE32(&header[2], fileSize);
    putLE32(&header[10], pixelOffset);
    return header;
}

// The 40-byte information header of an uncompressed bitmap whose rows run bottom-up.
inline std::array<std::uint8_t, kInfoHeaderSize> bmpInfoHeader(std::int32_t width, std::int32_t height, int bits,
                                                               std::uint32_t dataSize, std::int32_t dotsPerMeterX = 0,
                                                               std::int32_t dotsPerMeterY = 0) {
    std::array<std::uint8_t, kInfoHeaderSize> header{};
    putLE32(&header[0], kInfoHeaderSize);
    putLE32(&header[4], static_cast<std::uint32_t>(width));
    putLE32(&header[8], static_cast<std::uint32_t>(height));
    putLE16(&header[12], 1);
    putLE16(&header[14], static_cast<std::uint16_t>(bits));
    putLE32(&header[20], dataSize);
    putLE32(&header[24], static_cast<std::uint32_t>(dotsPerMeterX));
    putLE32(&header[28], static_cast<std::uint32_t>(dotsPerMeterY));
    return header;
}

inline std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

} // namespace pav::image
