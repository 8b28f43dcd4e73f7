#pragma once
// The fabric's stitch colours and a chart's stitches as plain grids, for the
// colour steps that work on whole pictures (best-N threads, quality figures).

#include "chart/Chart.h"
#include "colour/ChartQuality.h"
#include "colour/RgbGrid.h"
#include "palette/RgbValues.h"

namespace pav::chart {

// The stitch colours of the area 0 <= x < width, 0 <= y < height of colours, row
// by row; cells past colours' edges are white.
colour::RgbGrid stitchGrid(const colour::RgbGrid& colours, int width, int height);

// The colour of every cell of the chart as its block shows it, row by row.
colour::RgbGrid blockColours(const Chart& chart);

// How well the chart renders `before` (the stitch colours it was made from, of the
// chart's size): the mean CIEDE2000 between each stitch's colour and its thread's,
// and the isolated stitches. A cell with no stitch counts as bare fabric, white.
// When before is not of the chart's size, the chart's block colours stand in.
colour::ChartQuality chartQuality(const colour::RgbGrid& before, const Chart& chart);

} // namespace pav::chart
