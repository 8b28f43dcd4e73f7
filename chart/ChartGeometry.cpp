#include "chart/ChartGeometry.h"
#include "base/Rounding.h"

#include "chart/ChartFonts.h"

#include <algorithm>
#include <cmath>

namespace pav::chart {

ChartGeometry canvasGeometry() {
    ChartGeometry geometry;
    geometry.songFont = songFont();
    geometry.legendFont = geometry.songFont;
    geometry.symbolFont = symbolFont();
    geometry.arialFont = arialFont();
    return geometry;
}

int legendCellsFor(double width, double cellWidth) {
    const auto whole = static_cast<long>(roundHalfEven(width));
    const auto cell = static_cast<long>(roundHalfEven(cellWidth));
    return cell > 0 ? static_cast<int>(std::max(0L, whole / cell - 1)) : 0;
}

namespace {
// The sheet of a narrower chart is as wide as this one's, so that its legend has a
// colour cell in each band.
constexpr int kNarrowestSheetStitches = 12;
} // namespace

LegendLayout legendLayout(const ChartGeometry& geometry, int chartW, int maxColor) {
    LegendLayout layout;
    layout.cellsAcross =
        geometry.legendCellsAcross >= 0
            ? geometry.legendCellsAcross
            : legendCellsFor(std::max(chartW, kNarrowestSheetStitches) * geometry.cell, geometry.legendCellWidth);
    layout.colourCells = std::max(0, layout.cellsAcross - 1);
    // A chart too narrow for one colour cell gets no bands instead of dividing by zero.
    if (layout.colourCells > 0 && maxColor > 0)
        layout.bands = (maxColor + layout.colourCells - 1) / layout.colourCells;
    layout.rows = 3 * layout.bands;
    return layout;
}

int legendExtraHeight(int chartW, int maxColor) {
    const ChartGeometry canvas; // the default values are the canvas's
    return static_cast<int>(canvas.legendCellHeight) * legendLayout(canvas, chartW, maxColor).rows + 260;
}

int canvasWidth(int chartW) {
    return 10 * std::max(chartW, kNarrowestSheetStitches) + 83;
}

int canvasHeight(int chartW, int chartH, int maxColor) {
    return 10 * chartH + legendExtraHeight(chartW, maxColor);
}

} // namespace pav::chart
