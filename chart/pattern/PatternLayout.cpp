#include "chart/pattern/PatternLayout.h"

#include <algorithm>
#include <cmath>

namespace pav::pattern {

std::vector<Span> splitSide(int length, int perPage, int overlap) {
    std::vector<Span> spans;
    if (length <= 0 || perPage <= 0) return spans;
    // A page must move on by at least one stitch.
    overlap = std::clamp(overlap, 0, perPage - 1);
    const int step = perPage - overlap;
    const int pages = length <= perPage ? 1 : 1 + (length - perPage + step - 1) / step;
    // The stitches of all pages, the repeated ones counted on each page that holds
    // them, shared as evenly as whole stitches allow; the first pages take the odd ones.
    const int held = length + (pages - 1) * overlap;
    int first = 0;
    for (int i = 0; i < pages; ++i) {
        const int count = held / pages + (i < held % pages ? 1 : 0);
        spans.push_back({first, count});
        first += count - overlap;
    }
    return spans;
}

PatternLayout layOutPatternAs(int chartW, int chartH, int threads, const PatternOptions& options,
                              Orientation orientation) {
    PatternLayout p;
    p.options = options;
    p.orientation = orientation;
    p.paper = paperMm(options.paper, orientation);
    p.printable = QRectF(kMarginMm, kMarginMm, p.paper.width - 2 * kMarginMm, p.paper.height - 2 * kMarginMm);

    const double gridWidth = p.printable.width() - kLeftBandMm - kFarBandMm;
    const double gridHeight = p.printable.height() - kHeaderMm - kTopBandMm - kFarBandMm;
    // Whole stitches; a hair of slack so that 2.8 mm cells filling the width exactly still count.
    p.columnsPerPage = static_cast<int>(std::floor(gridWidth / options.cellMm + 1e-9));
    p.rowsPerPage = static_cast<int>(std::floor(gridHeight / options.cellMm + 1e-9));
    p.columns = splitSide(chartW, p.columnsPerPage, options.overlap);
    p.rows = splitSide(chartH, p.rowsPerPage, options.overlap);
    for (std::size_t down = 0; down < p.rows.size(); ++down)
        for (std::size_t across = 0; across < p.columns.size(); ++across) {
            const Span& c = p.columns[across];
            const Span& r = p.rows[down];
            ChartPage page;
            page.cells = QRect(c.first, r.first, c.count, r.count);
            page.across = static_cast<int>(across);
            page.down = static_cast<int>(down);
            if (across > 0) page.repeatedColumns = p.columns[across - 1].first + p.columns[across - 1].count - c.first;
            if (down > 0) page.repeatedRows = p.rows[down - 1].first + p.rows[down - 1].count - r.first;
            p.chartPages.push_back(page);
        }
    // The pages' grid, as wide and high as the widest and highest page.
    const int widest = p.columns.empty() ? 0 : p.columns.front().count;
    const int highest = p.rows.empty() ? 0 : p.rows.front().count;
    p.gridArea = QRectF(kLeftBandMm, kHeaderMm + kTopBandMm, widest * options.cellMm, highest * options.cellMm);

    p.legendTablesAcross = std::max(
        1, static_cast<int>((p.printable.width() + kLegendTableGapMm) / (kLegendTableMm + kLegendTableGapMm)));
    // The caption row and the page's header sit above the tables; the totals below the last one.
    p.legendRowsPerTable =
        std::max(1, static_cast<int>((p.printable.height() - kHeaderMm - kLegendRowMm - kLegendFootMm) / kLegendRowMm));
    const int perPage = p.legendTablesAcross * p.legendRowsPerTable;
    p.legendPages = std::max(1, (threads + perPage - 1) / perPage);
    return p;
}

std::optional<CellOffer> fewerPagesCell(int chartW, int chartH, int threads, const PatternOptions& options) {
    const auto chartPages = [&](double cellMm) {
        PatternOptions smaller = options;
        smaller.cellMm = cellMm;
        return static_cast<int>(layOutPattern(chartW, chartH, threads, smaller).chartPages.size());
    };
    const int asked = chartPages(options.cellMm);
    if (asked <= 1) return std::nullopt;
    // Tenths of a millimetre, as the dialog sets them, from just under the size asked down to 90 % of it.
    const int from = static_cast<int>(std::ceil(options.cellMm * 10 - 1e-9)) - 1;
    const int to = static_cast<int>(std::ceil(std::max(kCellMinMm, 0.9 * options.cellMm) * 10 - 1e-9));
    std::optional<CellOffer> best;
    for (int tenths = from; tenths >= to; --tenths) {
        const int pages = chartPages(tenths / 10.0);
        if (pages < asked && (!best || pages < best->chartPages)) best = CellOffer{tenths / 10.0, pages};
        if (best && best->chartPages == 1) break;
    }
    return best;
}

PatternLayout layOutPattern(int chartW, int chartH, int threads, const PatternOptions& options) {
    if (options.orientation) return layOutPatternAs(chartW, chartH, threads, options, *options.orientation);
    PatternLayout portrait = layOutPatternAs(chartW, chartH, threads, options, Orientation::Portrait);
    PatternLayout landscape = layOutPatternAs(chartW, chartH, threads, options, Orientation::Landscape);
    return landscape.totalPages() < portrait.totalPages() ? landscape : portrait;
}

} // namespace pav::pattern
