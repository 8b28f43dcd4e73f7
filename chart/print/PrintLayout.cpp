#include "chart/print/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace pav::print {
namespace {

// printTitle: the subtitle starts a title line and 3 mm below titleTop; the
// block ends one more line and 2 mm below the subtitle's line.
int titleBlockBottom(double titleTop, double songHeight) {
    const double subtitleTop = titleTop + songHeight + 3;
    return chart::roundedInt(subtitleTop + 2 * songHeight + 2);
}

// printGrid ends 10 mm below the grid, under the column numbers and letters.
int gridBlockBottom(double gridTop, double printCell, int chartH) {
    return chart::roundedInt(gridTop + printCell * chartH + 10);
}

} // namespace

double printCellFor(const PaperChart& chart, PaperSize page) {
    const double canvasW = chart::canvasWidth(chart.chartW);
    const double canvasH = chart::canvasHeight(chart.chartW, chart.chartH, chart.maxColor);
    if (page.height <= 0 || canvasH <= 0) return 0;
    if (page.width / page.height > canvasW / canvasH) return page.height * 10 / canvasH - 0.01;
    return page.width * 10 / canvasW - 0.01;
}

chart::LegendLayout paperLegend(double legendWidth, int maxColor) {
    chart::ChartGeometry paper;
    paper.legendCellsAcross = chart::legendCellsFor(legendWidth, kLegendCellWidth);
    return chart::legendLayout(paper, 0, maxColor);
}

PaperLayout layOutPaperAt(const PaperChart& chart, PaperSize page, PaperText text, double printCell,
                          bool legendOverPage) {
    PaperLayout p;
    const double u = printCell;
    p.printCell = u;
    p.titleTop = 11 * u / 5;
    p.leftMargin = 40 * u / 5;
    p.titleBottom = titleBlockBottom(p.titleTop, text.song);
    p.gridTop = p.titleBottom + 3 * u / 5;
    p.gridBottom = gridBlockBottom(p.gridTop, u, chart.chartH);
    p.legendTop = p.gridBottom + 8 * u / 5;

    const double gridWidth = u * chart.chartW;
    p.legendWidth = gridWidth;
    p.legend = paperLegend(p.legendWidth, chart.maxColor);
    // A grid narrower than three legend cells would leave the threads no cell at all.
    if (legendOverPage || p.legend.colourCells < 1) {
        p.legendWidth = std::max(gridWidth, page.width - p.leftMargin);
        p.legend = paperLegend(p.legendWidth, chart.maxColor);
    }
    p.legendBottom = chart::roundedInt(p.legendTop + kLegendCellHeight * (p.legend.rows + 2));
    p.footerTop = p.legendBottom;

    p.totalLine = QPointF(p.leftMargin + 2, p.footerTop + kFooterLineDown);
    // The mark line stays on the page: never left of its edge, never below its
    // bottom, and never over the total line.
    const double markTop = std::min(p.footerTop + kMarkDown, page.height - text.arial);
    p.mark = QPointF(std::max(0.0, gridWidth + p.leftMargin - kMarkBack),
                     std::max(p.totalLine.y() + text.song, markTop));
    return p;
}

bool fitsOnPage(const PaperLayout& layout, PaperSize page, PaperText text) {
    return layout.totalLine.y() + text.song + text.arial <= page.height;
}

PaperLayout layOutPaper(const PaperChart& chart, PaperSize page, PaperText text) {
    const double u = printCellFor(chart, page);
    PaperLayout asScaled = layOutPaperAt(chart, page, text, u, false);
    if (fitsOnPage(asScaled, page, text)) return asScaled;

    // Paper legend rows are taller than the canvas's scaled ones, so a chart with
    // many threads can push the legend off the page: the stitches are made
    // smaller until it fits, the table keeping the cells its grid's width gives.
    // Fewer cells across make the table taller at a smaller scale, so the scale
    // is walked down from the top and the first step that fits is refined. Only
    // when no such scale exists does the table take the printable width.
    for (const bool overPage : {false, true}) {
        const auto fitsAt = [&](double cell) {
            const PaperLayout p = layOutPaperAt(chart, page, text, cell, overPage);
            return (overPage || p.legendWidth == cell * chart.chartW) && fitsOnPage(p, page, text);
        };
        constexpr int kSteps = 400;
        double fits = 0;
        double fails = u;
        for (int step = 1; step < kSteps; ++step) {
            const double cell = u * (kSteps - step) / kSteps;
            if (fitsAt(cell)) {
                fits = cell;
                break;
            }
            fails = cell;
        }
        if (fits <= 0) continue;
        for (int step = 0; step < 30; ++step) {
            const double mid = (fits + fails) / 2;
            (fitsAt(mid) ? fits : fails) = mid;
        }
        PaperLayout shrunk = layOutPaperAt(chart, page, text, fits, overPage);
        shrunk.shrunk = true;
        return shrunk;
    }
    return asScaled; // nothing fits: the page shows what it can
}

} // namespace pav::print
