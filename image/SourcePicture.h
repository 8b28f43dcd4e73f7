#pragma once
// The installed source picture (the hidden box Picture3). Its size is always
// that of the whole picture in the file; its pixels may be held at a reduced
// scale so that a huge photo never takes more than kMaxDecodedPixels pixels.
// A chain of halved copies, built on demand, keeps any stretch cheap.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>

#include "image/PictureDecoder.h"

namespace pav::image {

class SourcePicture {
public:
    // 24 million pixels (96 MB at 4 bytes); the halved copies add a third.
    static constexpr std::int64_t kMaxDecodedPixels = 24'000'000;

    // Decodes a BMP, JPEG or GIF (first frame) file, or any other format the
    // decoder knows, recognised from the content, not the name. Transparent
    // pixels become white. Null with the fault and a one-line reason on
    // failure (a hostile, damaged or cut file, or not a file). With
    // `needed`, the picture is only ever read fitted into that size: JPEG
    // files then decode at the smallest scale of 1/2, 1/4 or 1/8 that still
    // covers it.
    static std::shared_ptr<const SourcePicture> decode(const std::string& path, PictureError* error = nullptr,
                                                       QSize needed = QSize());
    // A picture already in memory, at its own size.
    static std::shared_ptr<const SourcePicture> fromImage(const QImage& image);

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QSize size() const { return m_size; }

    // The whole picture stretched onto a target of the given size (area
    // averaging), computed for rect only (in target pixels, clipped).
    QImage stretched(QSize target, const QRect& rect) const;

    // Bytes of pixel data held now (decoded pixels and halved copies).
    std::int64_t pixelBytes() const;
    // The decoded pixels (possibly at reduced scale).
    const QImage& decoded() const { return m_levels.front(); }

private:
    SourcePicture(QSize size, QImage decoded);
    const QImage& levelFor(QSize target) const;

    QSize m_size;
    mutable std::vector<QImage> m_levels;  // [0] decoded, [k] = [k-1] halved
};

} // namespace pav::image
