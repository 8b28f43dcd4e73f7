#pragma once
// Where every element of the chart sheet goes, in the units of the painter it
// is drawn with: canvas pixels for the on-screen sheet (canvasGeometry), or
// another unit such as millimetres when a printer page is drawn with the same
// renderer. Offsets are relative to the cell or table corner they belong to.

#include "base/Rounding.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <array>
#include <cmath>

namespace pav::chart {

struct ChartGeometry {
    double sheetWidth = 0; // the title is centred on this width
    double cell = 10;      // one stitch
    double titleTop = 11;
    double leftMargin = 40; // x of the grid's left edge (L)
    double gridTop = 0;     // y of the grid's top edge (T), set by the caller
    double legendTop = 0;
    double footerTop = 0;

    // Title block: subtitle y = title height + titleTop + subtitleGap; drawTitle
    // returns the pen's y after the subtitle + its height + titleBottomGap.
    double subtitleGap = 8;
    double titleBottomGap = 3;

    // Grid: thin row lines start at rowLineStart (reaching into the label margin);
    // thin column lines run columnLineOverrun past the grid's bottom edge.
    double rowLineStart = 12;
    double columnLineOverrun = 40;
    double blockInset = 1; // colour block inside its cell
    double blockSize = 9;
    // Blocks in the colour of the stitch's thread (what is stitched) instead of the stitch's own colour.
    bool blocksInThreadColour = false;
    // The colour blocks go down before the thin lines instead of after them. A
    // printed block reaches to 0.01 mm of its cell's edges and would cover a line
    // one device pixel wide wherever the page is shown or printed at a lower
    // resolution than it was drawn at; on the canvas a block leaves the lines free.
    bool blocksUnderLines = false;
    // A symbol starts symbolDx right of its cell's left edge and stands on the
    // baseline symbolBaseline below the cell's top: the cell's bottom line.
    double symbolDx = 1;
    double symbolBaseline = 10;
    // Each row's symbols written as one run of glyphs per ink, each centred across
    // its cell, instead of one text per stitch: far fewer and smaller operations in a PDF.
    bool symbolRuns = false;
    // With runs: a space glyph after each symbol, so that a PDF's text layer reads every cell's symbol as one word.
    bool symbolWords = false;
    QPointF rowLabelOffset{-18, -1};          // from (L, T + cell*y)
    QPointF letterOffset{-5, 42};             // from (L + cell*x, T + cell*H)
    double digitDx = 2;                       // from L + cell*x
    std::array<double, 3> digitDy{2, 12, 22}; // from T + cell*H
    double gridBottomGap = 50;                // drawGrid returns T + cell*H + gridBottomGap

    // The stitchers' convention of a multi-page pattern instead of the sheet's
    // (heavy every 16th line, rows 01..16, column digits and letters below):
    // a heavy line every patternEvery stitches of the chart, the chart's own edges
    // and a block's edges included where they fall on one; the numbers 10, 20, ...
    // above and left of the grid, numberGap from it, in arialFont; and where the
    // block holds the chart's middle row or column, an arrow arrowSize long
    // pointing at it from each side, beyond the numbers.
    bool patternMarks = false;
    int patternEvery = 10;
    double numberGap = 0;
    double arrowSize = 0; // 0 draws no arrows

    // Legend table and footer.
    double legendCellWidth = 38;
    double legendCellHeight = 14;
    // N, the cells across the legend table, when >= 0; otherwise as many as the grid's width holds.
    int legendCellsAcross = -1;
    QPointF legendTextOffset{4, 1}; // from a legend cell's corner
    QRectF swatch{1, 1, 35, 11};    // from a symbol cell's corner; empty = no swatches
    QPointF footerOffset{2, 18};    // from (L, footerTop)
    bool clipLegendText = true;     // keep each legend text inside its own cell

    // Thin lines are one device pixel wide, heavy lines two; widths are device pixels.
    int thinPen = 1;
    int heavyPen = 2;
    // Pattern pages: a light line under each heavy one, wider than it, so that the
    // heavy line shows on dark blocks too; 0 draws none.
    int heavyHaloPen = 0;
    QColor heavyHalo{255, 255, 255, 210};
    // Text corners are rounded to whole units (pixels on the canvas).
    bool snapText = true;

    QFont songFont;   // title, footer
    // The legend's captions and entries. A text wider than its cell is written
    // smaller, so that every number is shown whole.
    QFont legendFont;
    QFont symbolFont; // the grid's symbols
    QFont arialFont;  // numbering
};

// The on-screen sheet: 10-pixel cells, the fonts at 96 dots per inch.
ChartGeometry canvasGeometry();

// The cells across a legend table at most width wide: (width rounded \ cellWidth) - 1,
// the caption cell and the colour cells; none when not even two cells fit.
int legendCellsFor(double width, double cellWidth);

// Halves to even, like every real-to-integer conversion of the sheet.
using pav::roundedInt;

// Legend table arithmetic for a chart chartW stitches wide holding maxColor threads.
struct LegendLayout {
    int cellsAcross = 0; // N: the caption cell and the colour cells of a band
    int colourCells = 0; // C = N - 1
    int bands = 0;       // ceil(maxColor / C); none when there is no colour cell
    int rows = 0;        // R = 3 * bands
};
LegendLayout legendLayout(const ChartGeometry& geometry, int chartW, int maxColor);

// Room below the grid on the canvas: 14 * R + 260, R the canvas legend's rows.
// The print job scales the canvas proportions, so this stays in canvas pixels.
int legendExtraHeight(int chartW, int maxColor);

// Canvas size for a chart: 10 * chartW + 83 (a chart narrower than 12 stitches as if 12,
// for its legend) by 10 * chartH + legendExtraHeight.
int canvasWidth(int chartW);
int canvasHeight(int chartW, int chartH, int maxColor);

} // namespace pav::chart
