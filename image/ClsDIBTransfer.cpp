// Copies between the buffer and Qt images, which stand in for drawing contexts.
// Every transfer paints on a top-down 32-bit picture of the buffer and stores
// the touched rectangle back at the buffer's own depth.
#include "ClsDIB.h"

#include "base/NearestColour.h"
#include "image/RgbValue.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <limits>
#include <optional>
#include <span>

namespace pav::image {

namespace {

std::optional<QPainter::CompositionMode> compositionFor(RasterOp op) {
    switch (op) {
    case SrcCopy:
        return QPainter::CompositionMode_Source;
    case SrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case SrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case SrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case NotSrcCopy:
        return QPainter::RasterOp_NotSource;
    case Blackness:
    case Whiteness:
        return QPainter::CompositionMode_Source;
    }
    return std::nullopt;
}

// Whether a rectangle's far edges are ints: Qt's rectangles and the clipping of
// storeRect compute them, and an edge past the int range would wrap.
bool edgesFit(int x, int y, int w, int h) {
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    return std::int64_t{x} + w <= kMax && std::int64_t{y} + h <= kMax;
}

// 5-bit channels widen to the full range (31 is 255), rounded, as the BMP reader
// widens them, so a 16-bit buffer shows the same colours as its saved file loads with.
std::uint8_t expand5(unsigned v) {
    return static_cast<std::uint8_t>((v * 255 + 15) / 31);
}

// A colour table (0x00RRGGBB) as RGB values, for the program's one nearest-colour rule.
std::array<std::int32_t, 256> tableRgbValues(const std::array<std::uint32_t, 256>& table, int entries) {
    std::array<std::int32_t, 256> values{};
    for (int i = 0; i < entries; ++i) values[static_cast<std::size_t>(i)] = fromQRgb(table[static_cast<std::size_t>(i)]);
    return values;
}

} // namespace

QImage ClsDIB::ToQImage() const {
    if (!m_hasBitmap) return {};
    QImage picture(m_width, m_height, QImage::Format_RGB32);
    if (picture.isNull()) return {};
    for (int y = 0; y < m_height; ++y) {
        const std::uint8_t* row = m_pixels.data() + static_cast<std::size_t>(m_height - 1 - y) * m_stride;
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            switch (m_bits) {
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            case 16: {
                const unsigned v = row[2 * x] | row[2 * x + 1] << 8;
                out[x] = qRgb(expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31));
                break;
            }
            default: {
                const int perByte = 8 / m_bits;
                const int shift = 8 - m_bits * (x % perByte + 1);
                const int index = (row[x / perByte] >> shift) & ((1 << m_bits) - 1);
                out[x] = 0xFF000000u | m_colorTable[static_cast<std::size_t>(index)];
            }
            }
        }
    }
    return picture;
}

// Writes a rectangle of a top-down 32-bit picture of the buffer's size back into the pixel bytes.
bool ClsDIB::storeRect(const QImage& picture, int x, int y, int w, int h) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, m_width), y1 = std::min(y + h, m_height);
    const int entries = paletteSize();
    const std::array<std::int32_t, 256> table = tableRgbValues(m_colorTable, entries);
    const std::span<const std::int32_t> candidates(table.data(), static_cast<std::size_t>(std::max(entries, 0)));
    for (int py = y0; py < y1; ++py) {
        std::uint8_t* row = m_pixels.data() + static_cast<std::size_t>(m_height - 1 - py) * m_stride;
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(py));
        for (int px = x0; px < x1; ++px) {
            const QRgb c = in[px];
            switch (m_bits) {
            case 24:
                row[3 * px] = qBlue(c), row[3 * px + 1] = qGreen(c), row[3 * px + 2] = qRed(c);
                break;
            case 32:
                row[4 * px] = qBlue(c), row[4 * px + 1] = qGreen(c), row[4 * px + 2] = qRed(c),
                        row[4 * px + 3] = 0;
                break;
            case 16: {
                const unsigned v = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
                row[2 * px] = static_cast<std::uint8_t>(v),
                        row[2 * px + 1] = static_cast<std::uint8_t>(v >> 8);
                break;
            }
            default: {
                const int perByte = 8 / m_bits;
                const int shift = 8 - m_bits * (px % perByte + 1);
                const int mask = ((1 << m_bits) - 1) << shift;
                const int index = std::max(nearestRgbIndex(candidates, fromQRgb(c)), 0);
                std::uint8_t& b = row[px / perByte];
                b = static_cast<std::uint8_t>((b & ~mask) | (index << shift));
            }
            }
        }
    }
    return true;
}

bool ClsDIB::blit(const QImage& source, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                  RasterOp op) {
    const auto mode = compositionFor(op);
    if (!m_hasBitmap || !mode || w < 0 || h < 0 || sw < 0 || sh < 0) return false;
    if (!edgesFit(x, y, w, h) || !edgesFit(sx, sy, sw, sh)) return false;
    const bool fill = op == Blackness || op == Whiteness;
    if (!fill && source.isNull()) return false;
    QImage canvas = ToQImage();
    QPainter painter;
    if (canvas.isNull() || !painter.begin(&canvas)) return false;
    painter.setCompositionMode(*mode);
    if (fill) {
        painter.fillRect(QRect(x, y, w, h), op == Blackness ? Qt::black : Qt::white);
    } else {
        // Alpha plays no part in a block copy: only the colour bits are moved.
        const QImage opaque = source.convertToFormat(QImage::Format_RGB32);
        painter.drawImage(QRect(x, y, w, h), opaque, QRect(sx, sy, sw, sh));
    }
    painter.end();
    return storeRect(canvas, x, y, w, h);
}

bool ClsDIB::GetMap(const QImage& picture, bool autoSize, RasterOp op) {
    if (picture.isNull()) return false;
    if (autoSize && !Create(picture.width(), picture.height(), 24, true)) return false;
    if (!m_hasBitmap) return false;
    return blit(picture, 0, 0, m_width, m_height, 0, 0, picture.width(), picture.height(), op);
}

bool ClsDIB::GetMapEx(const QImage& picture, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                      RasterOp op) {
    if (picture.isNull()) return false;
    return blit(picture, x, y, w ? w : m_width, h ? h : m_height, sx, sy, sw ? sw : picture.width(),
                sh ? sh : picture.height(), op);
}

bool ClsDIB::GethDC(const QImage& source, int x, int y, int w, int h, int sx, int sy, RasterOp op) {
    w = w ? w : m_width;
    h = h ? h : m_height;
    return blit(source, x, y, w, h, sx, sy, w, h, op);
}

bool ClsDIB::GethDCEx(const QImage& source, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                      RasterOp op) {
    w = w ? w : m_width;
    h = h ? h : m_height;
    return blit(source, x, y, w, h, sx, sy, sw ? sw : w, sh ? sh : h, op);
}

bool ClsDIB::PuthDC(QImage& target, int x, int y, int w, int h, int bx, int by, RasterOp op) const {
    w = w ? w : m_width;
    h = h ? h : m_height;
    return PuthDCEx(target, x, y, w, h, bx, by, w, h, op);
}

bool ClsDIB::PuthDCEx(QImage& target, int x, int y, int w, int h, int bx, int by, int bw, int bh,
                      RasterOp op) const {
    const auto mode = compositionFor(op);
    if (!m_hasBitmap || !mode || target.isNull()) return false;
    w = w ? w : m_width;
    h = h ? h : m_height;
    bw = bw ? bw : m_width;
    bh = bh ? bh : m_height;
    if (w < 0 || h < 0 || bw < 0 || bh < 0) return false;
    if (!edgesFit(x, y, w, h) || !edgesFit(bx, by, bw, bh)) return false;
    QPainter painter;
    if (!painter.begin(&target)) return false;
    painter.setCompositionMode(*mode);
    if (op == Blackness || op == Whiteness)
        painter.fillRect(QRect(x, y, w, h), op == Blackness ? Qt::black : Qt::white);
    else
        painter.drawImage(QRect(x, y, w, h), ToQImage(), QRect(bx, by, bw, bh));
    painter.end();
    return true;
}

} // namespace pav::image
