#include "image/BmpWriter.h"

#include "BmpFormat.h"

#include <algorithm>
#include <vector>

namespace pav::image {
namespace {

qint64 rowBytes(int width) {
    return (3 * static_cast<qint64>(width) + 3) & ~qint64{3};
}

// The pieces handed to the sink: large enough that writing costs few calls.
constexpr qint64 kChunkBytes = 256 * 1024;

} // namespace

qint64 bmp24FileSize(QSize size) {
    return static_cast<qint64>(kFileHeaderSize + kInfoHeaderSize) + rowBytes(size.width()) * size.height();
}

bool writeBmp24Header(QSize size, int dotsPerMeterX, int dotsPerMeterY, const ByteSink& sink) {
    if (size.isEmpty()) return false;
    const qint64 dataSize = rowBytes(size.width()) * size.height();
    const auto fileHeader = bmpFileHeader(static_cast<std::uint32_t>(bmp24FileSize(size)),
                                          static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));
    const auto infoHeader = bmpInfoHeader(size.width(), size.height(), 24, static_cast<std::uint32_t>(dataSize),
                                          dotsPerMeterX, dotsPerMeterY);
    return sink(reinterpret_cast<const char*>(fileHeader.data()), kFileHeaderSize) &&
           sink(reinterpret_cast<const char*>(infoHeader.data()), kInfoHeaderSize);
}

bool writeBmp24Rows(const QImage& picture, int first, int count, const ByteSink& sink) {
    first = std::max(first, 0);
    count = std::min(count, picture.height() - first);
    if (count <= 0) return true;
    const qint64 row = rowBytes(picture.width());
    const int rowsPerChunk = static_cast<int>(std::max<qint64>(1, kChunkBytes / row));
    std::vector<char> chunk(static_cast<std::size_t>(row * std::min(rowsPerChunk, count)), 0);
    int inChunk = 0;
    const int width = picture.width();
    for (int y = first + count - 1; y >= first; --y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        char* out = chunk.data() + inChunk * row;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = source[x];
            out[3 * x] = static_cast<char>(qBlue(pixel));
            out[3 * x + 1] = static_cast<char>(qGreen(pixel));
            out[3 * x + 2] = static_cast<char>(qRed(pixel));
        }
        if (++inChunk == rowsPerChunk || y == first) {
            if (!sink(chunk.data(), inChunk * row)) return false;
            inChunk = 0;
        }
    }
    return true;
}

bool writeBmp24(const QImage& picture, const ByteSink& sink) {
    if (picture.isNull()) return false;
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    return writeBmp24Header(rgb.size(), rgb.dotsPerMeterX(), rgb.dotsPerMeterY(), sink) &&
           writeBmp24Rows(rgb, 0, rgb.height(), sink);
}

} // namespace pav::image
