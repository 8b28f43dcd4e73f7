#pragma once
// Drawing the pages of a pattern: the cover (title, the finished piece, sizes,
// threads, page map), the chart pages (the chart renderer over each page's
// block of cells, with the stitchers' heavy lines, numbering and arrows, the
// repeated rows and columns lightly shaded) and the legend pages (symbol,
// swatch, thread, stitches and skeins per thread, then the totals). Every
// symbol, number and caption is text; the chart pages hold vector lines and
// rectangles only, the cover alone a picture.

#include "chart/Chart.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartRenderer.h"
#include "chart/pattern/PatternLayout.h"

#include <QFont>
#include <QPainter>

#include <vector>

namespace pav::pattern {

// The threads a pattern uses: every thread with a stitch of any kind, in the chart's order.
std::vector<int> patternThreads(const chart::Chart& chart);

// A row of the key: a thread's cross and part stitches (under its symbol), its back
// stitches (its line), its French knots or its beads (their marks).
enum class KeyRowKind { Cells, BackStitch, Knot, Bead };
struct KeyRow {
    KeyRowKind kind = KeyRowKind::Cells;
    int thread = 0; // an index into the chart's threads
    bool operator==(const KeyRow&) const = default;
};
// The threads stitched in cells, then those with back stitches, knots, beads; each in the chart's order.
std::vector<KeyRow> patternKeyRows(const chart::Chart& chart);

// The skeins of thread `thread` (an index into the chart's threads): its
// stitches (a part stitch as its share of a cross, a knot as one), and the length of its back stitches.
int threadSkeins(const chart::Chart& chart, int thread, const PatternOptions& options);

// The layout of a chart's pattern.
PatternLayout layOutPattern(const chart::Chart& chart, const PatternOptions& options);

// The grid's symbols: the sheet's "宋体" face, sized to the cell.
QFont patternSymbolFont(double cellMm);

// The renderer's geometry of a chart page on a device of dotsPerMm, whose
// painter's origin is the printable area's corner.
chart::ChartGeometry chartPageGeometry(const PatternLayout& layout, double dotsPerMm);

// What one page needs to be drawn.
struct PatternSource {
    const chart::Chart& chart;
    const PatternLayout& layout;
    const std::vector<int>& threads; // patternThreads(chart)
};

// Page `page` (1-based, the cover is 1) on a painter whose device has dotsPerMm
// and whose origin is the printable area's corner. False when an abort check
// stopped it; what was drawn stays.
bool drawPatternPage(QPainter& painter, double dotsPerMm, const PatternSource& source, int page,
                     const chart::JobControl& job = {});

} // namespace pav::pattern
