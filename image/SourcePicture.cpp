#include "image/SourcePicture.h"

#include <cmath>

#include "image/AreaResample.h"

namespace pav::image {

namespace {

// Transparent pixels over white, worked out in place so that a huge picture
// is never held twice.
QImage opaqueRgb32(QImage image) {
    if (!image.hasAlphaChannel()) {
        if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
        return image;
    }
    if (image.format() != QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32);
    const auto overWhite = [](int channel, int alpha) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            line[x] = qRgb(overWhite(qRed(p), a), overWhite(qGreen(p), a), overWhite(qBlue(p), a));
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QSize withinBudget(QSize full) {
    const double pixels = static_cast<double>(full.width()) * full.height();
    if (pixels <= static_cast<double>(SourcePicture::kMaxDecodedPixels)) return full;
    const double scale = std::sqrt(static_cast<double>(SourcePicture::kMaxDecodedPixels) / pixels);
    return QSize(std::max(1, static_cast<int>(full.width() * scale)), std::max(1, static_cast<int>(full.height() * scale)));
}

// The size to decode at when the picture is only ever shown within `needed`:
// the whole picture divided by the largest of 8, 4 or 2 that keeps it at
// least as large as the picture fitted into `needed` with its aspect.
QSize enoughFor(QSize full, QSize needed) {
    const QSize fitted = full.scaled(needed, Qt::KeepAspectRatio);
    for (int divisor : {8, 4, 2}) {
        const QSize scaled((full.width() + divisor - 1) / divisor, (full.height() + divisor - 1) / divisor);
        if (scaled.width() >= fitted.width() && scaled.height() >= fitted.height()) return scaled;
    }
    return full;
}

} // namespace

SourcePicture::SourcePicture(QSize size, QImage decoded) : m_size(size) { m_levels.push_back(std::move(decoded)); }

std::shared_ptr<const SourcePicture> SourcePicture::decode(const std::string& path, PictureError* error,
                                                           QSize needed) {
    DecodedPicture picture = decodePicture(path, [needed](QSize full, bool scalesOnRead) {
        if (needed.isValid() && scalesOnRead) return withinBudget(enoughFor(full, needed));
        return withinBudget(full);
    });
    if (!picture.ok()) {
        if (error) *error = std::move(picture.error);
        return nullptr;
    }
    return std::shared_ptr<const SourcePicture>(
        new SourcePicture(picture.fullSize, opaqueRgb32(std::move(picture.image))));
}

std::shared_ptr<const SourcePicture> SourcePicture::fromImage(const QImage& image) {
    if (image.isNull()) return nullptr;
    return std::shared_ptr<const SourcePicture>(new SourcePicture(image.size(), opaqueRgb32(image)));
}

const QImage& SourcePicture::levelFor(QSize target) const {
    // The smallest halved copy still at least as large as the target, so that
    // the area average reads at most about two source pixels per target pixel.
    std::size_t level = 0;
    while (true) {
        const QImage& current = m_levels[level];
        const int nextW = (current.width() + 1) / 2;
        const int nextH = (current.height() + 1) / 2;
        if (nextW < target.width() || nextH < target.height() || current.width() < 2 || current.height() < 2) break;
        if (level + 1 == m_levels.size()) m_levels.push_back(halveImage(current));
        ++level;
    }
    return m_levels[level];
}

QImage SourcePicture::stretched(QSize target, const QRect& rect) const {
    if (target == m_levels.front().size()) return areaResample(m_levels.front(), target, rect);
    return areaResample(levelFor(target), target, rect);
}

std::int64_t SourcePicture::pixelBytes() const {
    std::int64_t bytes = 0;
    for (const QImage& level : m_levels) bytes += level.sizeInBytes();
    return bytes;
}

} // namespace pav::image
