#pragma once
// The chart sheet on the canvas: title block, grid with colour blocks and
// numbering, legend, footer, symbols and back stitches, in the order the chart
// window draws them. The chart window and the command line draw it alike.

#include "chart/Chart.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartRenderer.h"

#include <QImage>
#include <QSize>

#include <functional>

namespace pav::chart {

// The sheet's size in canvas pixels: its grid and its legend's rows.
QSize sheetSize(const Chart& chart);

// A white canvas sized for the chart's sheet.
QImage newSheetCanvas(const Chart& chart);

struct SheetOptions {
    // Read when each pass starts: the chart window's list may change it while the sheet is drawn.
    const ChartStyle& style;
    Swatches swatches = Swatches::ThreadColours;
};

// Draws the sheet on canvas (a new sheet canvas of the chart) with the canvas
// geometry, whose sheet width and grid, legend and footer tops it sets.
// beforeSymbols runs once the legend and footer are down, before the symbol
// pass. False when an abort check stopped it; what was drawn stays.
bool drawChartSheet(QImage& canvas, ChartGeometry& geometry, const Chart& chart, const SheetOptions& options,
                    const JobControl& job = {}, const std::function<void()>& beforeSymbols = {});

// Rows first .. first + count - 1 of the sheet, drawn on band (pixel row 0 is sheet row first).
using SheetBand = std::function<bool(const QImage& band, int first, int count)>;

// Draws the same sheet as drawChartSheet a band of at most bandRows rows at a time,
// the lowest band first, so that a large sheet is never held whole; false when
// drawing stopped or a band's handler failed.
bool drawChartSheetInBands(const Chart& chart, const SheetOptions& options, int bandRows, const SheetBand& band);

} // namespace pav::chart
