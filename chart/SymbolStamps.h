#pragma once
// Cached glyph images for the symbol pass. Laying out text for each of tens of
// thousands of stitches is the slow part of a chart; a stamp is the glyph drawn
// once into a transparent image, so blending it gives the very pixels that
// drawing the character at the same whole-pixel position gives.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPair>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace pav::chart {

struct DirectPixels;

// Where a symbol goes so that its ink stays inside its cell's interior: the font
// it is drawn with (a smaller size for a glyph larger than the interior) and
// its shift, in whole pixels, from the cell's usual baseline origin.
struct SymbolPlacement {
    QFont font;
    QPoint shift;
};

// The placements of the symbols drawn on one image. interior is the cell's
// inside relative to the baseline origin (a descender below the baseline lands
// on the grid line otherwise); none leaves every glyph as the font draws it.
class SymbolFitter {
public:
    SymbolFitter(const QFont& font, int dotsPerMeterX, int dotsPerMeterY, std::optional<QRect> interior);
    const SymbolPlacement& placementFor(const QString& symbol);

private:
    QFont m_font;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;
    std::optional<QRect> m_interior;
    QHash<QString, SymbolPlacement> m_placements;
};

class SymbolStamps {
public:
    // font as the symbols are drawn; dotsPerMeter of the canvas the stamps go on.
    SymbolStamps(const QFont& font, int dotsPerMeterX, int dotsPerMeterY);

    // Draws symbol in ink starting at origin on its baseline (whole canvas pixels, no
    // scaling): straight into direct when given, through the painter otherwise.
    void draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol, QRgb ink);
    // The same in a font of its own, such as a placement's.
    void draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol, QRgb ink,
              const QFont& font);

private:
    struct Stamp {
        QImage ink;    // the glyph's inked pixels only
        QPoint offset; // of the ink from the baseline origin
        // One-colour glyphs (no antialiasing) also as a list of opaque pixels, set
        // straight into a 1:1 canvas; empty when some pixel is partly covered.
        std::vector<QPoint> pixels;
        QRgb colour = 0;
    };
    const Stamp& stampFor(const QString& symbol, QRgb ink, const QFont& font);
    // Fills stamp.pixels when every inked pixel is fully covered.
    static void listOpaquePixels(Stamp& stamp);

    QFont m_font;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;
    QHash<QPair<QString, QRgb>, Stamp> m_stamps; // keyed by the symbol, its font's size and the ink
};

} // namespace pav::chart
