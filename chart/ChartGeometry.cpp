#include "chart/ChartGeometry.h"

#include "chart/ChartFonts.h"

#include <algorithm>
#include <cmath>

namespace pav::chart {

ChartGeometry canvasGeometry() {
    ChartGeometry geometry;
    geometry.songFont = songFont();
    geometry.symbolFont = symbolFont();
    geometry.arialFont = arialFont();
    return geometry;
}

LegendLayout legendLayout(const ChartGeometry& geometry, int chartW, int maxColor) {
    LegendLayout layout;
    const auto gridWidth = static_cast<long>(std::nearbyint(chartW * geometry.cell));
    const auto cellWidth = static_cast<long>(std::nearbyint(geometry.legendCellWidth));
    // A chart narrower than two legend cells has no table columns at all.
    layout.cellsAcross = cellWidth > 0 ? std::max(0, static_cast<int>(gridWidth / cellWidth) - 1) : 0;
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
    return 10 * chartW + 83;
}

int canvasHeight(int chartW, int chartH, int maxColor) {
    return 10 * chartH + legendExtraHeight(chartW, maxColor);
}

} // namespace pav::chart
