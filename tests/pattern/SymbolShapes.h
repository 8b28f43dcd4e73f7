#pragma once
// A pattern's symbol as a stitcher sees it at a 2 mm cell: the glyph drawn as
// the pattern draws it (centred across its cell on the pattern's baseline),
// its ink, and a picture of 20 x 20 dots of the cell (about what the eye makes
// out of 2 mm at reading distance) to compare two symbols by.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pav::pattern::test {

constexpr int kShapeCell = 60; // pixels a cell is drawn at
constexpr int kSeen = 20;      // dots across a cell as the eye makes it out

struct SymbolShape {
    QRectF ink;               // in cell pixels
    std::vector<float> seen;  // kSeen x kSeen, 0 (paper) .. 1 (ink), as drawn
    std::vector<float> alike; // the ink's square box scaled to the whole picture: blind to size
    double coverage = 0;
};

// The ink of area `from` of img in kSeen x kSeen dots, each the mean of 4 x 4 samples.
inline std::vector<float> seenDots(const QImage& img, const QRectF& from) {
    std::vector<float> dots(kSeen * kSeen, 0.f);
    for (int y = 0; y < kSeen; ++y)
        for (int x = 0; x < kSeen; ++x) {
            double sum = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const int ix = static_cast<int>(std::floor(from.x() + (x + (sx + 0.5) / 4) * from.width() / kSeen));
                    const int iy = static_cast<int>(std::floor(from.y() + (y + (sy + 0.5) / 4) * from.height() / kSeen));
                    if (ix >= 0 && iy >= 0 && ix < img.width() && iy < img.height())
                        sum += (255 - qGray(img.pixel(ix, iy))) / 255.0;
                }
            dots[static_cast<std::size_t>(y * kSeen + x)] = static_cast<float>(sum / 16);
        }
    return dots;
}

// The glyph at emOfCell of the cell, its baseline baselineEm below the cell's centre.
inline SymbolShape symbolShape(QRawFont font, quint32 glyph, double emOfCell, double baselineEm) {
    QImage img(kShapeCell, kShapeCell, QImage::Format_RGB32);
    img.fill(Qt::white);
    font.setPixelSize(emOfCell * kShapeCell);
    const double advance = font.advancesForGlyphIndexes({glyph}).value(0).x();
    QPainterPath path = font.pathForGlyph(glyph);
    path.translate((kShapeCell - advance) / 2, kShapeCell / 2.0 + baselineEm * emOfCell * kShapeCell);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::black);
    painter.end();
    SymbolShape shape;
    shape.ink = path.boundingRect();
    shape.seen = seenDots(img, QRectF(0, 0, kShapeCell, kShapeCell));
    double sum = 0;
    for (const float v : shape.seen) sum += v;
    shape.coverage = sum / (kSeen * kSeen);
    const double side = std::max(shape.ink.width(), shape.ink.height());
    shape.alike = seenDots(img, QRectF(shape.ink.center().x() - side / 2, shape.ink.center().y() - side / 2, side, side));
    return shape;
}

// How unlike two pictures are: 0 the same, 1 nothing in common.
inline double unlike(const std::vector<float>& a, const std::vector<float>& b) {
    double differ = 0, inked = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        differ += std::abs(a[i] - b[i]);
        inked += std::max(a[i], b[i]);
    }
    return inked > 0 ? differ / inked : 0;
}

} // namespace pav::pattern::test
