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

#include <vector>

class QPainter;

namespace pav::chart {

struct DirectPixels;

class SymbolStamps {
public:
    // font as the symbols are drawn; dotsPerMeter of the canvas the stamps go on.
    SymbolStamps(const QFont& font, int dotsPerMeterX, int dotsPerMeterY);

    // Draws symbol in ink starting at origin on its baseline (whole canvas pixels, no
    // scaling): straight into direct when given, through the painter otherwise.
    void draw(QPainter& painter, const DirectPixels& direct, QPoint origin, const QString& symbol, QRgb ink);

private:
    struct Stamp {
        QImage ink;    // the glyph's inked pixels only
        QPoint offset; // of the ink from the baseline origin
        // One-colour glyphs (no antialiasing) also as a list of opaque pixels, set
        // straight into a 1:1 canvas; empty when some pixel is partly covered.
        std::vector<QPoint> pixels;
        QRgb colour = 0;
    };
    const Stamp& stampFor(const QString& symbol, QRgb ink);
    // Fills stamp.pixels when every inked pixel is fully covered.
    static void listOpaquePixels(Stamp& stamp);

    QFont m_font;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;
    QHash<QPair<QString, QRgb>, Stamp> m_stamps;
};

} // namespace pav::chart
