#include "chart/SymbolStamps.h"

#include "chart/ChartRenderer.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace pav::chart {
namespace {

// A glyph drawn as the canvas would draw it at a whole-pixel origin, with room
// on every side; box is its inked pixels relative to the origin (empty when none).
struct Glyph {
    QImage sheet;
    QPoint origin;
    QRect box;
};

Glyph drawGlyph(const QFont& font, const QString& symbol, QRgb ink, int dotsPerMeterX, int dotsPerMeterY) {
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDotsPerMeterX(dotsPerMeterX);
    probe.setDotsPerMeterY(dotsPerMeterY);
    const QFontMetricsF metrics(font, &probe);
    const int pad = static_cast<int>(metrics.height()) + 2;
    Glyph glyph;
    glyph.origin = QPoint(pad, pad);
    glyph.sheet = QImage(3 * pad, 3 * pad, QImage::Format_ARGB32_Premultiplied);
    glyph.sheet.setDotsPerMeterX(dotsPerMeterX);
    glyph.sheet.setDotsPerMeterY(dotsPerMeterY);
    glyph.sheet.fill(Qt::transparent);
    {
        QPainter painter(&glyph.sheet);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(ink));
        painter.drawText(QPointF(pad, pad), symbol);
    }
    int left = glyph.sheet.width(), top = glyph.sheet.height(), right = -1, bottom = -1;
    for (int y = 0; y < glyph.sheet.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(glyph.sheet.constScanLine(y));
        for (int x = 0; x < glyph.sheet.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right >= 0) glyph.box = QRect(QPoint(left, top) - glyph.origin, QPoint(right, bottom) - glyph.origin);
    return glyph;
}

// The shift that moves box inside interior along one axis (box no larger than it).
int shiftInto(int low, int high, int interiorLow, int interiorHigh) {
    if (low < interiorLow) return interiorLow - low;
    if (high > interiorHigh) return interiorHigh - high;
    return 0;
}

} // namespace

SymbolFitter::SymbolFitter(const QFont& font, int dotsPerMeterX, int dotsPerMeterY, std::optional<QRect> interior)
    : m_font(font), m_dotsPerMeterX(dotsPerMeterX), m_dotsPerMeterY(dotsPerMeterY), m_interior(interior) {}

const SymbolPlacement& SymbolFitter::placementFor(const QString& symbol) {
    auto found = m_placements.constFind(symbol);
    if (found != m_placements.constEnd()) return *found;
    SymbolPlacement placement{m_font, QPoint()};
    if (m_interior && !m_interior->isEmpty()) {
        const QRect& room = *m_interior;
        Glyph glyph = drawGlyph(placement.font, symbol, qRgb(0, 0, 0), m_dotsPerMeterX, m_dotsPerMeterY);
        // A glyph larger than the room is drawn a pixel size smaller until it fits.
        const double dotsPerPoint = m_dotsPerMeterY * 0.0254 / 72.0;
        int pixels = m_font.pixelSize() > 0 ? m_font.pixelSize()
                                            : static_cast<int>(std::lround(m_font.pointSizeF() * dotsPerPoint));
        while ((glyph.box.width() > room.width() || glyph.box.height() > room.height()) && pixels > 4) {
            placement.font.setPixelSize(--pixels);
            glyph = drawGlyph(placement.font, symbol, qRgb(0, 0, 0), m_dotsPerMeterX, m_dotsPerMeterY);
        }
        if (!glyph.box.isEmpty())
            placement.shift = QPoint(shiftInto(glyph.box.left(), glyph.box.right(), room.left(), room.right()),
                                     shiftInto(glyph.box.top(), glyph.box.bottom(), room.top(), room.bottom()));
    }
    return *m_placements.insert(symbol, placement);
}

SymbolStamps::SymbolStamps(const QFont& font, int dotsPerMeterX, int dotsPerMeterY)
    : m_font(font), m_dotsPerMeterX(dotsPerMeterX), m_dotsPerMeterY(dotsPerMeterY) {}

void SymbolStamps::draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol,
                        QRgb ink) {
    draw(painter, direct, origin, symbol, ink, m_font);
}

void SymbolStamps::draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol,
                        QRgb ink, const QFont& font) {
    const Stamp& stamp = stampFor(symbol, ink, font);
    if (stamp.ink.isNull()) return;
    if (!direct || stamp.pixels.empty()) return painter.drawImage(origin + stamp.offset, stamp.ink);
    for (const QPoint& pixel : stamp.pixels)
        direct.set(origin.x() + pixel.x(), origin.y() + pixel.y(), stamp.colour);
}

const SymbolStamps::Stamp& SymbolStamps::stampFor(const QString& symbol, QRgb ink, const QFont& font) {
    const QString sized = font == m_font ? symbol : symbol + QChar(0) + font.key();
    const QPair<QString, QRgb> key(sized, ink);
    auto found = m_stamps.constFind(key);
    if (found != m_stamps.constEnd()) return *found;

    // Keep only the inked box so that each stamp blends as few pixels as possible.
    const Glyph glyph = drawGlyph(font, symbol, ink, m_dotsPerMeterX, m_dotsPerMeterY);
    Stamp stamp;
    if (!glyph.box.isEmpty()) {
        stamp.ink = glyph.sheet.copy(glyph.box.translated(glyph.origin));
        stamp.offset = glyph.box.topLeft();
        stamp.colour = ink | 0xff000000u;
        listOpaquePixels(stamp);
    }
    return *m_stamps.insert(key, stamp);
}

void SymbolStamps::listOpaquePixels(Stamp& stamp) {
    for (int y = 0; y < stamp.ink.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stamp.ink.constScanLine(y));
        for (int x = 0; x < stamp.ink.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            if (qAlpha(line[x]) != 255) {
                stamp.pixels.clear();
                return;
            }
            stamp.pixels.push_back(stamp.offset + QPoint(x, y));
        }
    }
}

} // namespace pav::chart
