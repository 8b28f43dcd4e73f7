#pragma once
// The stitches that are not whole cells, drawn over the cells by the one renderer:
// part stitches as their triangles or small squares with a small symbol, back
// stitches as lines, French knots and beads as their marks. In colour they take
// their threads' colours; without colour blocks (black and white) they are dark,
// and back stitches of different threads differ in their line's pattern. The
// cover's picture of the finished piece and the pattern's key draw the same marks.

#include "chart/Chart.h"
#include "chart/ChartGeometry.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <string>
#include <vector>

namespace pav::chart {

struct MarkInput {
    const Chart& chart;
    QRect cells;         // within the chart, placed as GridInput's
    bool colour = true;  // threads' colours (the blocks are drawn); false: dark, with line patterns
    bool symbols = true; // part stitches carry their thread's symbol, small
};

void drawPartStitches(QPainter& painter, const ChartGeometry& geometry, const MarkInput& input);
// Lines a fifth of a cell wide in colour, a sixth dark, cut at the block's edges.
void drawBackStitchLines(QPainter& painter, const ChartGeometry& geometry, const MarkInput& input);
void drawOrnaments(QPainter& painter, const ChartGeometry& geometry, const MarkInput& input);
// Part stitches, then back stitches, then knots and beads: what a stitcher works last lies on top.
void drawStitchMarks(QPainter& painter, const ChartGeometry& geometry, const MarkInput& input);

// The threads with back stitches, in the chart's order: the n-th of them has the n-th line pattern.
std::vector<int> backStitchThreads(const Chart& chart);
// A back-stitch thread's pen for a line width in the painter's units.
QPen backStitchPen(const Chart& chart, int thread, double width, bool colour);
// One back stitch of a thread as the grid of cells `cell` wide draws it: a fifth of
// a cell in colour (light threads with a grey edge), a sixth dark.
void drawBackStitchLine(QPainter& painter, const Chart& chart, int thread, QLineF line, double cell, bool colour);

// One mark centred at centre, for a cell of the given size: the grid's and the key's.
void drawKnotMark(QPainter& painter, QPointF centre, double cell, std::int32_t rgb, bool colour);
void drawBeadMark(QPainter& painter, QPointF centre, double cell, std::int32_t rgb, bool colour);

// Whether the chart has anything besides full stitches to draw.
bool hasStitchMarks(const Chart& chart);

// The finished piece on the fabric's colour: one pixel per stitch for a chart of full
// stitches only, otherwise several, so that part stitches, lines, knots and beads show.
QImage finishedPiece(const Chart& chart);

// What a chart file held that no drawing shows, named as the file names it
// ("commentbox", an object type such as "fullcross"), with how many of each.
struct NotDrawn {
    std::string name;
    int count = 0;
};
std::vector<NotDrawn> notDrawn(const Chart& chart);
// "commentbox × 1, fullcross × 2".
std::string notDrawnList(const Chart& chart);

} // namespace pav::chart
