#include "app/WorkingPicture.h"

#include <algorithm>

namespace pav::app {

namespace {

int floorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

} // namespace

void WorkingPicture::resample(std::shared_ptr<const SourcePicture> source, QSize size) {
    m_source = std::move(source);
    m_size = QSize(std::max(0, size.width()), std::max(0, size.height()));
    m_tiles.clear();
}

QImage WorkingPicture::computed(const QRect& rect) const {
    if (m_source) return m_source->stretched(m_size, rect);
    QImage blank(rect.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QImage WorkingPicture::region(const QRect& rect) const {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    const QRect inside = rect.intersected(boxRect());
    if (inside.isEmpty()) return out;

    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(inside.topLeft() - rect.topLeft(), computed(inside));
    if (!m_tiles.empty()) {
        const int tx0 = floorDiv(inside.left(), kTile), tx1 = floorDiv(inside.right(), kTile);
        const int ty0 = floorDiv(inside.top(), kTile), ty1 = floorDiv(inside.bottom(), kTile);
        for (int ty = ty0; ty <= ty1; ++ty) {
            for (int tx = tx0; tx <= tx1; ++tx) {
                const auto found = m_tiles.find(keyOf(tx, ty));
                if (found == m_tiles.end()) continue;
                const QRect tileRect(tx * kTile, ty * kTile, kTile, kTile);
                const QRect part = tileRect.intersected(inside);
                painter.drawImage(part.topLeft() - rect.topLeft(), found->second,
                                  QRect(part.topLeft() - tileRect.topLeft(), part.size()));
            }
        }
    }
    painter.end();
    return out;
}

QRgb WorkingPicture::pixel(int x, int y) const { return region(QRect(x, y, 1, 1)).pixel(0, 0); }

QImage& WorkingPicture::tileFor(int tx, int ty) {
    auto found = m_tiles.find(keyOf(tx, ty));
    if (found != m_tiles.end()) return found->second;
    const QRect tileRect(tx * kTile, ty * kTile, kTile, kTile);
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    tile.fill(Qt::white);
    const QRect inside = tileRect.intersected(boxRect());
    QPainter painter(&tile);
    painter.drawImage(inside.topLeft() - tileRect.topLeft(), computed(inside));
    painter.end();
    return m_tiles.emplace(keyOf(tx, ty), std::move(tile)).first->second;
}

void WorkingPicture::draw(const QRect& area, const std::function<void(QPainter&)>& drawing) {
    const QRect inside = area.intersected(boxRect());
    if (inside.isEmpty()) return;
    const int tx0 = floorDiv(inside.left(), kTile), tx1 = floorDiv(inside.right(), kTile);
    const int ty0 = floorDiv(inside.top(), kTile), ty1 = floorDiv(inside.bottom(), kTile);
    for (int ty = ty0; ty <= ty1; ++ty) {
        for (int tx = tx0; tx <= tx1; ++tx) {
            QImage& tile = tileFor(tx, ty);
            const QRect tileRect(tx * kTile, ty * kTile, kTile, kTile);
            QPainter painter(&tile);
            // Nothing may land outside the box or outside the area drawn on.
            painter.setClipRect(inside.intersected(tileRect).translated(-tileRect.topLeft()));
            painter.translate(-tileRect.topLeft());
            drawing(painter);
        }
    }
}

void WorkingPicture::paste(const QImage& block, QPoint at) {
    const QRect area(at, block.size());
    draw(area, [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, block);
    });
}

std::int64_t WorkingPicture::overlayBytes() const {
    std::int64_t bytes = 0;
    for (const auto& entry : m_tiles) bytes += entry.second.sizeInBytes();
    return bytes;
}

} // namespace pav::app
