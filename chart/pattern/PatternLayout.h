#pragma once
// Where everything of a multi-page pattern goes, in millimetres from the
// corner of a page's printable area (the paper less its 12 mm margins), for
// any device: the chart cut into pages of whole stitches that repeat the last
// rows and columns of the page before, the order of the pages (cover, chart
// pages row by row, legend pages) and the bands around a page's grid.

#include "chart/pattern/PatternRules.h"

#include <QRect>
#include <QRectF>

#include <optional>
#include <vector>

namespace pav::pattern {

// The bands of a chart page around its grid.
inline constexpr double kHeaderMm = 11;    // title, page number and map, rows and columns held
inline constexpr double kTopBandMm = 8;    // column numbers, the arrow and the page continuing above
inline constexpr double kLeftBandMm = 10.5; // row numbers, the arrow and the page continuing left
inline constexpr double kFarBandMm = 4;    // the arrows and the pages continuing right of and below the grid
// A legend page: rows of one thread each, in as many tables across as fit.
inline constexpr double kLegendRowMm = 6;
inline constexpr double kLegendTableMm = 162;
inline constexpr double kLegendTableGapMm = 8;
inline constexpr double kLegendFootMm = 24; // totals and notes under the last table

// One page's part of the chart: first and count of its columns or rows.
struct Span {
    int first = 0;
    int count = 0;
    bool operator==(const Span&) const = default;
};

// A chart side of `length` stitches in as few pages of at most perPage as
// hold it, each page after the first starting `overlap` stitches before the
// previous one ends; the pages hold as nearly the same number as they can,
// so that no page holds only a few new stitches.
std::vector<Span> splitSide(int length, int perPage, int overlap);

struct ChartPage {
    QRect cells;          // within the chart
    int across = 0;       // the page's column of pages, 0-based
    int down = 0;         // its row of pages
    int repeatedColumns = 0; // at its left, from the page before
    int repeatedRows = 0;    // at its top, from the page above
};

struct PatternLayout {
    PatternOptions options;
    Orientation orientation = Orientation::Portrait;
    PaperMm paper;       // as it lies in the printer
    QRectF printable;    // from the paper's corner
    QRectF gridArea;     // of a chart page, from the printable corner
    int columnsPerPage = 0;
    int rowsPerPage = 0;
    std::vector<Span> columns; // of the pages across
    std::vector<Span> rows;    // of the pages down
    std::vector<ChartPage> chartPages; // row of pages by row of pages, left to right
    int legendTablesAcross = 1;
    int legendRowsPerTable = 0;
    int legendPages = 0;

    // Page numbers are 1-based over the whole document: the cover is page 1.
    int firstChartPage() const { return 2; }
    int firstLegendPage() const { return 2 + static_cast<int>(chartPages.size()); }
    int totalPages() const { return 1 + static_cast<int>(chartPages.size()) + legendPages; }
};

// The layout of a chart of chartW x chartH stitches and `threads` legend rows
// (a row per thread, and for back stitches their caption row and a row each).
// Without a set orientation the one with fewer pages is taken, portrait on a tie.
// The options must be usable (optionsProblem empty).
PatternLayout layOutPattern(int chartW, int chartH, int threads, const PatternOptions& options);

// The layout in one orientation.
PatternLayout layOutPatternAs(int chartW, int chartH, int threads, const PatternOptions& options,
                              Orientation orientation);

// A slightly smaller cell that puts the chart on fewer pages: the fewest
// chart pages at a cell of at least 90 % of the one asked for (and at least
// the smallest cell), in tenths of a millimetre, the largest such cell on a
// tie. The key's rows (`threads`) take no part in it.
struct CellOffer {
    double cellMm = 0;
    int chartPages = 0;
};
std::optional<CellOffer> fewerPagesCell(int chartW, int chartH, int threads, const PatternOptions& options);

} // namespace pav::pattern
