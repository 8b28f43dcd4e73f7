#include "image/BmpWriter.h"

#include "BmpFormat.h"

#include <algorithm>
#include <vector>

namespace pav::image {
namespace {

qint64 rowBytes(const QImage& picture) {
    return (3 * static_cast<qint64>(picture.width()) + 3) & ~qint64{3};
}

// The pieces handed to the sink: large enough that writing costs few calls.
constexpr qint64 kChunkBytes = 256 * 1024;

} // namespace

qint64 bmp24FileSize(const QImage& picture) {
    return static_cast<qint64>(kFileHeaderSize + kInfoHeaderSize) + rowBytes(picture) * picture.height();
}

bool writeBmp24(const QImage& picture, const ByteSink& sink) {
    if (picture.isNull()) return false;
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const qint64 row = rowBytes(rgb);
    const qint64 dataSize = row * rgb.height();
    const auto fileHeader = bmpFileHeader(static_cast<std::uint32_t>(bmp24FileSize(rgb)),
                                          static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));
    const auto infoHeader = bmpInfoHeader(rgb.width(), rgb.height(), 24, static_cast<std::uint32_t>(dataSize),
                                          rgb.dotsPerMeterX(), rgb.dotsPerMeterY());
    if (!sink(reinterpret_cast<const char*>(fileHeader.data()), kFileHeaderSize) ||
        !sink(reinterpret_cast<const char*>(infoHeader.data()), kInfoHeaderSize))
        return false;

    const int rowsPerChunk = static_cast<int>(std::max<qint64>(1, kChunkBytes / row));
    std::vector<char> chunk(static_cast<std::size_t>(row * std::min(rowsPerChunk, rgb.height())), 0);
    int inChunk = 0;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* out = chunk.data() + inChunk * row;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = source[x];
            out[3 * x] = static_cast<char>(qBlue(pixel));
            out[3 * x + 1] = static_cast<char>(qGreen(pixel));
            out[3 * x + 2] = static_cast<char>(qRed(pixel));
        }
        if (++inChunk == rowsPerChunk || y == 0) {
            if (!sink(chunk.data(), inChunk * row)) return false;
            inChunk = 0;
        }
    }
    return true;
}

} // namespace pav::image
