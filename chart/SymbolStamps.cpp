#include "chart/SymbolStamps.h"

#include "chart/ChartRenderer.h"

#include <QFontMetricsF>
#include <QPainter>

namespace pav::chart {

SymbolStamps::SymbolStamps(const QFont& font, int dotsPerMeterX, int dotsPerMeterY)
    : m_font(font), m_dotsPerMeterX(dotsPerMeterX), m_dotsPerMeterY(dotsPerMeterY) {}

void SymbolStamps::draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol,
                        QRgb ink) {
    const Stamp& stamp = stampFor(symbol, ink);
    if (stamp.ink.isNull()) return;
    if (!direct || stamp.pixels.empty()) return painter.drawImage(origin + stamp.offset, stamp.ink);
    for (const QPoint& pixel : stamp.pixels)
        direct.set(origin.x() + pixel.x(), origin.y() + pixel.y(), stamp.colour);
}

const SymbolStamps::Stamp& SymbolStamps::stampFor(const QString& symbol, QRgb ink) {
    const QPair<QString, QRgb> key(symbol, ink);
    auto found = m_stamps.constFind(key);
    if (found != m_stamps.constEnd()) return *found;

    // Draw the glyph with room on every side, as the canvas would draw it at a whole-pixel origin.
    QImage sheet(1, 1, QImage::Format_ARGB32_Premultiplied);
    sheet.setDotsPerMeterX(m_dotsPerMeterX);
    sheet.setDotsPerMeterY(m_dotsPerMeterY);
    const QFontMetricsF metrics(m_font, &sheet);
    const int pad = static_cast<int>(metrics.height()) + 2;
    sheet = QImage(3 * pad, 3 * pad, QImage::Format_ARGB32_Premultiplied);
    sheet.setDotsPerMeterX(m_dotsPerMeterX);
    sheet.setDotsPerMeterY(m_dotsPerMeterY);
    sheet.fill(Qt::transparent);
    {
        QPainter painter(&sheet);
        painter.setFont(m_font);
        painter.setPen(QColor::fromRgb(ink));
        painter.drawText(QPointF(pad, pad), symbol);
    }
    // Keep only the inked box so that each stamp blends as few pixels as possible.
    int left = sheet.width(), top = sheet.height(), right = -1, bottom = -1;
    for (int y = 0; y < sheet.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    Stamp stamp;
    if (right >= 0) {
        stamp.ink = sheet.copy(left, top, right - left + 1, bottom - top + 1);
        stamp.offset = QPoint(left - pad, top - pad);
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
