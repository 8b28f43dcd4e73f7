#pragma once
// Drawing the pages of a pattern: the cover (title, the finished piece, sizes,
// fabric to cut, threads, page map), the chart pages (the chart renderer over
// each page's block of cells, with the stitchers' heavy lines, numbering and
// arrows, the rows and columns repeated from the page before set off by a
// dashed line, the pages each edge continues on and a small map of the pages)
// and the key pages (symbol, swatch, thread, colour name, strands, stitches,
// length and skeins per thread, back stitches in rows of their own, then the
// totals and the rule the skeins follow). Every symbol, number and caption is
// text; the chart pages hold vector lines and rectangles only, the cover alone
// a picture.

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

// What a thread of a chart takes: its stitches of every kind, and of its full
// stitches those with no side neighbour of its thread.
struct ThreadUse {
    chart::StitchCounts counts;
    int isolated = 0;
    double isolatedShare() const { return counts.full > 0 ? static_cast<double>(isolated) / counts.full : 0.0; }
};
std::vector<ThreadUse> threadUses(const chart::Chart& chart);

// A key row's stitches and the skeins' worth (not rounded) they take: crosses
// and part stitches (a part as its share of a cross) with their lone share,
// back stitches by their length, knots each as a cross; beads take no thread.
struct RowFigures {
    int stitches = 0;
    double skeins = 0;
};
RowFigures keyRowFigures(const ThreadUse& use, KeyRowKind kind, const PatternOptions& options);

// The skeins of thread `thread` (an index into the chart's threads): every row of it together.
int threadSkeins(const chart::Chart& chart, int thread, const PatternOptions& options);

// The layout of a chart's pattern (of the chart as the pattern shows it).
PatternLayout layOutPattern(const chart::Chart& chart, const PatternOptions& options);

// How much of a cell a symbol's em takes, and where its baseline lies below the
// cell's centre (a Latin capital and a Han character alike look centred there).
inline constexpr double kSymbolEm = 0.78;
inline constexpr double kSymbolBaselineEm = 0.36;

// The grid's symbols sized to the cell: the designed symbols in DejaVu Sans
// Bold, the chart's own in the sheet's "宋体" face.
QFont patternSymbolFont(double cellMm, SymbolChoice symbols = SymbolChoice::Distinct);

// The renderer's geometry of a chart page on a device of dotsPerMm, whose
// painter's origin is the printable area's corner.
chart::ChartGeometry chartPageGeometry(const PatternLayout& layout, double dotsPerMm);

// What the pages are drawn from: the chart as its pattern shows it, its layout and key.
struct PatternSource {
    chart::Chart chart; // patternChart of the chart asked for
    PatternLayout layout;
    std::vector<KeyRow> rows;
    std::vector<ThreadUse> uses; // per thread of chart
};
PatternSource patternSource(const chart::Chart& chart, const PatternOptions& options);

// Page `page` (1-based, the cover is 1) on a painter whose device has dotsPerMm
// and whose origin is the printable area's corner. False when an abort check
// stopped it; what was drawn stays.
bool drawPatternPage(QPainter& painter, double dotsPerMm, const PatternSource& source, int page,
                     const chart::JobControl& job = {});

} // namespace pav::pattern
