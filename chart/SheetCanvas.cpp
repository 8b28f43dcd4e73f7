// The sheet's canvas: allocated for its size at 96 dots per inch, and the
// direct pixel access the renderer's hot loops use on a 1:1 canvas.
#include "chart/ChartRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <sys/mman.h>

namespace pav::chart {
namespace {


// A sheet canvas is tens of megabytes that are all written once by the white fill:
// in 4 KB pages that first touch is most of a sheet's time. A large canvas gets a
// mapping of its own, aligned for 2 MB pages and asking for them.
struct Mapping {
    void* start = nullptr;
    std::size_t size = 0;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    ::munmap(mapping->start, mapping->size);
    delete mapping;
}

QImage largeImage(int width, int height) {
    constexpr std::size_t kHugePage = 2u << 20;
    const std::size_t bytes = 4 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (bytes < 2 * kHugePage) return QImage(width, height, QImage::Format_RGB32);
    const std::size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return QImage(width, height, QImage::Format_RGB32);
    // Keep only the aligned part of the over-sized mapping.
    auto* base = static_cast<std::uint8_t*>(mapped);
    auto* start = reinterpret_cast<std::uint8_t*>((reinterpret_cast<std::uintptr_t>(base) + kHugePage - 1) &
                                                  ~std::uintptr_t{kHugePage - 1});
    if (start > base) ::munmap(base, static_cast<std::size_t>(start - base));
    if (start + size < base + size + kHugePage)
        ::munmap(start + size, static_cast<std::size_t>(base + size + kHugePage - (start + size)));
#ifdef MADV_HUGEPAGE
    ::madvise(start, size, MADV_HUGEPAGE);
#endif
    auto* mapping = new Mapping{start, size};
    QImage image(start, width, height, 4 * static_cast<qsizetype>(width), QImage::Format_RGB32, unmap, mapping);
    if (image.isNull()) {
        unmap(mapping);
        return QImage(width, height, QImage::Format_RGB32);
    }
    return image;
}

} // namespace

QImage newCanvas(int width, int height) {
    QImage canvas = largeImage(std::max(width, 1), std::max(height, 1));
    canvas.setDotsPerMeterX(kCanvasDotsPerMeter);
    canvas.setDotsPerMeterY(kCanvasDotsPerMeter);
    canvas.fill(Qt::white);
    return canvas;
}

std::optional<QPoint> wholePixelShift(const QPainter& painter) {
    const QTransform transform = painter.combinedTransform();
    if (transform.type() > QTransform::TxTranslate) return std::nullopt;
    const double dx = transform.dx(), dy = transform.dy();
    if (dx != std::floor(dx) || dy != std::floor(dy)) return std::nullopt;
    return QPoint(static_cast<int>(dx), static_cast<int>(dy));
}

DirectPixels directPixels(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image || painter.hasClipping()) return {};
    const std::optional<QPoint> shift = wholePixelShift(painter);
    if (!shift) return {};
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32) return {};
    return DirectPixels{reinterpret_cast<QRgb*>(image->bits()), image->bytesPerLine() / 4, image->width(),
                        image->height(), *shift};
}

void DirectPixels::fill(QRect rect, QRgb colour) const {
    rect = rect.translated(shift) & QRect(0, 0, width, height);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::fill(bits + y * stride + rect.left(), bits + y * stride + rect.right() + 1, colour);
}

} // namespace pav::chart
