#pragma once
// The printed chart's page arithmetic, in millimetres from the top-left corner
// of the printable area. The sheet keeps the canvas's proportions and fills the
// limiting page dimension: one stitch becomes printCell millimetres and a
// canvas pixel offset of n becomes n * printCell / 10 millimetres. The legend
// table keeps fixed 8 x 3 mm cells whatever the scale.

#include "chart/ChartGeometry.h"

#include <QPointF>

namespace pav::print {

// The printable area, PW x PH.
struct PaperSize {
    double width = 0;
    double height = 0;
};

// Line heights of the two sheet fonts on the paper, in millimetres.
struct PaperText {
    double song = 0;  // "宋体" 9 pt: title, legend, footer
    double arial = 0; // "Arial" 8 pt: numbering and the mark line
};

struct PaperChart {
    int chartW = 0;
    int chartH = 0;
    int maxColor = 0;
};

inline constexpr double kLegendCellWidth = 8;  // the canvas's 38 pixels / 5, rounded
inline constexpr double kLegendCellHeight = 3; // the canvas's 14 pixels / 5, rounded
inline constexpr double kFooterLineDown = 18;  // total line below footerTop
inline constexpr double kMarkDown = 48;        // mark line below footerTop
inline constexpr double kMarkBack = 120;       // mark line left of the grid's right edge

// Millimetres per stitch: the page is relatively wider than the canvas
// (10W + 83 by 10H + legendExtraHeight) -> limited by its height, otherwise by
// its width; less 0.01 mm so rounding never pushes the sheet over the edge.
double printCellFor(const PaperChart& chart, PaperSize page);

// The legend table laid out over legendWidth millimetres: N = (legendWidth
// rounded \ 8) - 1 cells across, C = N - 1 colour cells, three rows per band.
chart::LegendLayout paperLegend(double legendWidth, int maxColor);

// Every position of the printed page.
struct PaperLayout {
    double printCell = 0;  // u
    double titleTop = 0;   // 11u / 5
    double leftMargin = 0; // L = 40u / 5
    double gridTop = 0;    // title block + 3u / 5
    double legendTop = 0;  // below the numbering + 8u / 5
    double footerTop = 0;  // below the legend table
    // The table spans the grid's width (N = (width rounded \ 8) - 1 cells), or
    // the printable width right of L when the grid leaves no colour cell.
    double legendWidth = 0;
    chart::LegendLayout legend;
    QPointF totalLine; // the stitch total
    QPointF mark;      // "Korvane inc.Printed"
    // The scale rule was reduced so that the legend and footer stay on the page.
    bool shrunk = false;

    // Where printTitle, printGrid and printLegendGrid end (whole millimetres).
    int titleBottom = 0;
    int gridBottom = 0;
    int legendBottom = 0;
};

// The layout of the page for a chart, and the shrunk scale when the sheet as
// placed would run past the bottom of the printable area; the legend keeps
// the cell count its grid's width gives.
PaperLayout layOutPaper(const PaperChart& chart, PaperSize page, PaperText text);

// The layout at a given scale; legendOverPage lays the legend over the printable width.
PaperLayout layOutPaperAt(const PaperChart& chart, PaperSize page, PaperText text, double printCell,
                          bool legendOverPage);

// Lowest point of the sheet's text: the total line and, under it, the mark line.
bool fitsOnPage(const PaperLayout& layout, PaperSize page, PaperText text);

} // namespace pav::print
