#include "BmpHeader.h"
#include "BmpFormat.h"

namespace pav::image {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12; // the old header with 16-bit sizes

constexpr std::uint32_t Rgb = BmpRgb, Rle8 = BmpRle8, Rle4 = BmpRle4, BitFields = BmpBitFields,
                        AlphaBitFields = BmpAlphaBitFields;

bool knownHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}
bool knownCompression(std::uint32_t c, int bits) {
    switch (c) {
    case Rgb:
        return true;
    case Rle8:
        return bits == 8;
    case Rle4:
        return bits == 4;
    case BitFields:
    case AlphaBitFields:
        return bits == 16 || bits == 32;
    default:
        return false; // embedded JPEG/PNG and the rest
    }
}

BmpHeaderCheck refuse(std::string why, bool truncated = false, bool tooLarge = false) {
    BmpHeaderCheck c;
    c.error = std::move(why);
    c.truncated = truncated;
    c.tooLarge = tooLarge;
    return c;
}

BmpHeaderCheck refuseTruncated(std::string why) {
    return refuse(std::move(why), true);
}

} // namespace

BmpHeaderCheck checkBmpHeader(std::span<const std::uint8_t> file, std::int64_t maxPixels) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return refuse("not a BMP file");
    if (file.size() < kFileHeaderSize + 4) return refuseTruncated("truncated BMP file (no bitmap header)");
    const std::uint32_t headerSize = le32(file, kFileHeaderSize);
    if (!knownHeaderSize(headerSize))
        return refuse("unsupported BMP header size " + std::to_string(headerSize));
    if (file.size() < kFileHeaderSize + headerSize) return refuseTruncated("truncated BMP file (bitmap header)");

    const std::size_t h = kFileHeaderSize;
    std::int64_t width = 0, height = 0;
    int bits = 0;
    std::uint32_t compression = Rgb;
    if (headerSize == kCoreHeaderSize) {
        width = le16(file, h + 4);
        height = le16(file, h + 6);
        bits = le16(file, h + 10);
    } else {
        width = static_cast<std::int32_t>(le32(file, h + 4));
        height = static_cast<std::int32_t>(le32(file, h + 8));
        bits = le16(file, h + 14);
        compression = le32(file, h + 16);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0)
        return refuse("invalid BMP size " + std::to_string(width) + " x " + std::to_string(height));
    if (width * height > maxPixels)
        return refuse("BMP picture too large (" + std::to_string(width) + " x " + std::to_string(height) +
                      ")", false, true);
    if (!isBmpDepth(bits)) return refuse("unsupported BMP depth " + std::to_string(bits));
    if (!knownCompression(compression, bits))
        return refuse("unsupported BMP compression " + std::to_string(compression));
    if (topDown && (compression == Rle8 || compression == Rle4)) return refuse("invalid top-down RLE BMP");

    const std::uint64_t offset = le32(file, 10);
    // Pixels that start inside the headers or the masks would be read from them.
    const std::uint64_t headersEnd = kFileHeaderSize + headerSize + bmpMaskBytesAfterHeader(headerSize, compression);
    if (offset < headersEnd) return refuse("damaged BMP file (pixel data inside its header)");
    if (offset >= file.size()) return refuseTruncated("truncated BMP file (no pixel data)");
    if (compression != Rle8 && compression != Rle4) {
        const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
        if (offset + stride * static_cast<std::uint64_t>(height) > file.size())
            return refuseTruncated("truncated BMP file (pixel data)");
    }

    BmpHeaderCheck c;
    c.info = {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), topDown, bits,
              compression, headerSize, static_cast<std::uint32_t>(offset)};
    return c;
}

} // namespace pav::image
