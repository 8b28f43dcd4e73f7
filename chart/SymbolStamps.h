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

class QPainter;

namespace pav::chart {

class SymbolStamps {
public:
    // font as the symbols are drawn; dotsPerMeter of the canvas the stamps go on.
    SymbolStamps(const QFont& font, int dotsPerMeterX, int dotsPerMeterY);

    // Draws symbol in ink with its text corner at topLeft (whole canvas pixels, no scaling).
    void draw(QPainter& painter, QPoint topLeft, const QString& symbol, const QColor& ink);

private:
    struct Stamp {
        QImage ink;    // the glyph's inked pixels only
        QPoint offset; // of the ink from the text corner
    };
    const Stamp& stampFor(const QString& symbol, QRgb ink);

    QFont m_font;
    int m_dotsPerMeterX;
    int m_dotsPerMeterY;
    QHash<QPair<QString, QRgb>, Stamp> m_stamps;
};

} // namespace pav::chart
