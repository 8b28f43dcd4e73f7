#include "chart/ChartSheet.h"

#include "chart/SymbolStamps.h"

#include <QPainter>

namespace pav::chart {

QImage newSheetCanvas(const Chart& chart) {
    const int listed = static_cast<int>(chart.legend().size());
    return newCanvas(canvasWidth(chart.width()), canvasHeight(chart.width(), chart.height(), listed));
}

bool drawChartSheet(QImage& canvas, ChartGeometry& g, const Chart& chart, const SheetOptions& options,
                    const JobControl& job, const std::function<void()>& beforeSymbols) {
    const int w = chart.width(), h = chart.height();
    const int listed = static_cast<int>(chart.legend().size());
    g.sheetWidth = canvas.width();
    QPainter painter(&canvas);
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
    if (options.style != ChartStyle::BlocksOnly) {
        SymbolStamps stamps(g.symbolFont, canvas.dotsPerMeterX(), canvas.dotsPerMeterY());
        if (!drawSymbols(painter, g, SymbolInput{chart, cells, grid->blocks}, job, &stamps)) return false;
    }
    drawBackStitches(painter, g, chart, cells);
    return true;
}

} // namespace pav::chart
