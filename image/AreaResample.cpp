#include "image/AreaResample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pav::image {

namespace {

// The source pixels one target pixel covers along one axis, with their weights.
struct AxisSpan {
    int first = 0;
    int count = 0;
    int weightOffset = 0;
};

struct AxisMap {
    std::vector<AxisSpan> spans;   // one per target index from `begin`
    std::vector<float> weights;
    int sourceFirst = 0;           // lowest source index any span uses
    int sourceLast = 0;            // highest
};

AxisMap mapAxis(int sourceLength, int targetLength, int begin, int end) {
    AxisMap map;
    const double factor = static_cast<double>(sourceLength) / targetLength;
    map.sourceFirst = sourceLength;
    map.sourceLast = 0;
    for (int d = begin; d < end; ++d) {
        const double a = d * factor;
        const double b = (d + 1) * factor;
        int first = static_cast<int>(std::floor(a));
        int last = static_cast<int>(std::ceil(b)) - 1;
        first = std::clamp(first, 0, sourceLength - 1);
        last = std::clamp(last, first, sourceLength - 1);
        AxisSpan span{first, last - first + 1, static_cast<int>(map.weights.size())};
        double total = 0;
        for (int i = first; i <= last; ++i) {
            const double w = std::max(0.0, std::min(b, i + 1.0) - std::max(a, static_cast<double>(i)));
            map.weights.push_back(static_cast<float>(w));
            total += w;
        }
        if (total <= 0) {  // degenerate rounding at the far edge: take the last pixel whole
            std::fill(map.weights.begin() + span.weightOffset, map.weights.end(), 0.0f);
            map.weights.back() = 1.0f;
            total = 1.0;
        }
        for (int k = 0; k < span.count; ++k) map.weights[span.weightOffset + k] /= static_cast<float>(total);
        map.spans.push_back(span);
        map.sourceFirst = std::min(map.sourceFirst, first);
        map.sourceLast = std::max(map.sourceLast, last);
    }
    return map;
}

inline int toByte(float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); }

} // namespace

QImage areaResample(const QImage& sourceIn, QSize target, const QRect& rectIn) {
    const QRect rect = rectIn.intersected(QRect(QPoint(0, 0), target));
    QImage out(rect.size().isValid() ? rect.size() : QSize(0, 0), QImage::Format_RGB32);
    if (rect.isEmpty() || sourceIn.isNull()) {
        out.fill(Qt::white);
        return out;
    }
    const QImage source = (sourceIn.format() == QImage::Format_RGB32 || sourceIn.format() == QImage::Format_ARGB32)
                              ? sourceIn
                              : sourceIn.convertToFormat(QImage::Format_RGB32);
    if (target == source.size()) {  // one to one: a plain copy
        out = source.copy(rect).convertToFormat(QImage::Format_RGB32);
        return out;
    }

    const AxisMap xs = mapAxis(source.width(), target.width(), rect.left(), rect.right() + 1);
    const AxisMap ys = mapAxis(source.height(), target.height(), rect.top(), rect.bottom() + 1);
    const int columns = xs.sourceLast - xs.sourceFirst + 1;
    std::vector<float> rowSum(static_cast<std::size_t>(columns) * 3);

    for (int dy = 0; dy < rect.height(); ++dy) {
        const AxisSpan& vs = ys.spans[dy];
        std::fill(rowSum.begin(), rowSum.end(), 0.0f);
        for (int k = 0; k < vs.count; ++k) {
            const float w = ys.weights[vs.weightOffset + k];
            const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(vs.first + k)) + xs.sourceFirst;
            float* acc = rowSum.data();
            for (int sx = 0; sx < columns; ++sx, acc += 3) {
                const QRgb p = line[sx];
                acc[0] += w * static_cast<float>(qRed(p));
                acc[1] += w * static_cast<float>(qGreen(p));
                acc[2] += w * static_cast<float>(qBlue(p));
            }
        }
        auto* outLine = reinterpret_cast<QRgb*>(out.scanLine(dy));
        for (int dx = 0; dx < rect.width(); ++dx) {
            const AxisSpan& hs = xs.spans[dx];
            float r = 0, g = 0, b = 0;
            const float* acc = rowSum.data() + static_cast<std::size_t>(hs.first - xs.sourceFirst) * 3;
            for (int k = 0; k < hs.count; ++k, acc += 3) {
                const float w = xs.weights[hs.weightOffset + k];
                r += w * acc[0];
                g += w * acc[1];
                b += w * acc[2];
            }
            outLine[dx] = qRgb(toByte(r), toByte(g), toByte(b));
        }
    }
    return out;
}

QImage halveImage(const QImage& source) {
    const int w = (source.width() + 1) / 2;
    const int h = (source.height() + 1) / 2;
    QImage out(w, h, QImage::Format_RGB32);
    const int lastX = source.width() - 1;
    const int lastY = source.height() - 1;
    for (int y = 0; y < h; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(source.constScanLine(std::min(2 * y, lastY)));
        const auto* b = reinterpret_cast<const QRgb*>(source.constScanLine(std::min(2 * y + 1, lastY)));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int x0 = 2 * x;
            const int x1 = std::min(2 * x + 1, lastX);
            const QRgb p0 = a[x0], p1 = a[x1], p2 = b[x0], p3 = b[x1];
            // Sum the four pixels channel-wise in one go: red and blue in one
            // word, green in another, then round the mean.
            const quint32 rb = (p0 & 0xFF00FFu) + (p1 & 0xFF00FFu) + (p2 & 0xFF00FFu) + (p3 & 0xFF00FFu) + 0x020002u;
            const quint32 g = (p0 & 0x00FF00u) + (p1 & 0x00FF00u) + (p2 & 0x00FF00u) + (p3 & 0x00FF00u) + 0x000200u;
            o[x] = 0xFF000000u | ((rb >> 2) & 0xFF00FFu) | ((g >> 2) & 0x00FF00u);
        }
    }
    return out;
}

} // namespace pav::image
