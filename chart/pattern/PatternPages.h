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

// The threads a pattern's legend lists: every thread with a stitch or a back stitch, in the chart's order.
std::vector<int> patternThreads(const chart::Chart& chart);

// The skeins of thread `thread` (an index into the chart's threads): its
// stitches and the length of its back stitches.
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
