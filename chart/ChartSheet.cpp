#include "chart/ChartSheet.h"

#include "chart/StitchMarks.h"
#include "chart/SymbolStamps.h"

#include <QPainter>

#include <algorithm>

namespace pav::chart {
namespace {

// The whole sheet through painter, whose device may hold only part of it.
bool drawSheet(QPainter& painter, ChartGeometry& g, const Chart& chart, const SheetOptions& options,
               SymbolStamps& stamps, const JobControl& job, const std::function<void()>& beforeSymbols) {
    const int w = chart.width(), h = chart.height();
    const int listed = static_cast<int>(chart.legend().size());
    const QString subtitle = chartSubtitle(chartRange(chart.rangeName), listed, w, h);
    g.gridTop = drawTitle(painter, g, chartTitle(chart.title), subtitle) + 3;
    const QRect cells = allCells(chart);
    const std::optional<GridDrawn> grid = drawGrid(painter, g, GridInput{chart, cells, options.style}, job);
    if (!grid) return false;
    g.legendTop = grid->bottom + 8;
    g.footerTop = drawLegendGrid(painter, g, w, h, listed);
    drawLegendEntries(painter, g, LegendInput{chart, options.colorBit}, job);
    drawFooter(painter, g, w, h);

    if (beforeSymbols) beforeSymbols();
    const bool symbols = options.style != ChartStyle::BlocksOnly;
    if (symbols && !drawSymbols(painter, g, SymbolInput{chart, cells, grid->blocks}, job, &stamps)) return false;
    drawStitchMarks(painter, g, MarkInput{chart, cells, grid->blocks, symbols});
    return true;
}

} // namespace

QSize sheetSize(const Chart& chart) {
    const int listed = static_cast<int>(chart.legend().size());
    return QSize(canvasWidth(chart.width()), canvasHeight(chart.width(), chart.height(), listed));
}

QImage newSheetCanvas(const Chart& chart) {
    const QSize size = sheetSize(chart);
    return newCanvas(size.width(), size.height());
}

bool drawChartSheet(QImage& canvas, ChartGeometry& g, const Chart& chart, const SheetOptions& options,
                    const JobControl& job, const std::function<void()>& beforeSymbols) {
    g.sheetWidth = canvas.width();
    QPainter painter(&canvas);
    SymbolStamps stamps(g.symbolFont, canvas.dotsPerMeterX(), canvas.dotsPerMeterY());
    return drawSheet(painter, g, chart, options, stamps, job, beforeSymbols);
}

bool drawChartSheetInBands(const Chart& chart, const SheetOptions& options, int bandRows, const SheetBand& band) {
    const QSize size = sheetSize(chart);
    bandRows = std::clamp(bandRows, 1, size.height());
    QImage canvas = newCanvas(size.width(), bandRows);
    ChartGeometry g = canvasGeometry();
    g.sheetWidth = size.width();
    SymbolStamps stamps(g.symbolFont, canvas.dotsPerMeterX(), canvas.dotsPerMeterY());
    for (int bottom = size.height(); bottom > 0; bottom -= bandRows) {
        const int first = std::max(0, bottom - bandRows);
        if (bottom != size.height()) canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.translate(0, -first);
        const bool drawn = drawSheet(painter, g, chart, options, stamps, JobControl{}, {});
        painter.end();
        if (!drawn || !band(canvas, first, bottom - first)) return false;
    }
    return true;
}

} // namespace pav::chart
