#pragma once
// The working picture Picture4: the source stretched onto the box's size, plus
// whatever was drawn onto it since (reduced stitches copied back, stamped
// text, captured blocks). The box can be far larger than memory allows (a
// zoom to 32767 pixels wide), so the stretched pixels are computed on demand
// for the part that is read, and the drawings live in 64 x 64 tiles that hold
// the finished pixels of every tile ever drawn on. Pixels outside the box
// read as white.

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

#include "image/SourcePicture.h"

namespace pav::app {

using image::SourcePicture;

class WorkingPicture {
public:
    static constexpr int kTile = 64;

    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }

    // Clears the box and stretches the whole source onto it at the given size
    // (no source: a white box). Earlier drawings are gone.
    void resample(std::shared_ptr<const SourcePicture> source, QSize size);

    // Pixels of rect (box pixels); the parts outside the box are white.
    QImage region(const QRect& rect) const;
    QRgb pixel(int x, int y) const;

    // Copies block onto the box with its top-left at `at`, clipped to the box.
    void paste(const QImage& block, QPoint at);
    // Draws onto the part `area` of the box: the painter's origin is the box's origin.
    void draw(const QRect& area, const std::function<void(QPainter&)>& drawing);

    // Bytes of pixel data held by the drawings.
    std::int64_t overlayBytes() const;

private:
    using TileKey = std::uint64_t;
    static TileKey keyOf(int tx, int ty) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(tx)) << 32) | static_cast<std::uint32_t>(ty);
    }
    QImage computed(const QRect& rect) const;   // stretched source only, inside the box
    QImage& tileFor(int tx, int ty);            // materialises the tile on first use
    QRect boxRect() const { return QRect(QPoint(0, 0), m_size); }

    std::shared_ptr<const SourcePicture> m_source;
    QSize m_size{0, 0};
    std::unordered_map<TileKey, QImage> m_tiles;
};

} // namespace pav::app
