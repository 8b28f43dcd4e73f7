#pragma once
// A chart in the colour editor: the editor works on the program's stitch data
// (thread rows per stitch, the colour list of rows, the thread table), so a
// chart is turned into that data, and the editor's rows per stitch back into
// the chart. Threads keep their places, so back stitches and elements kept from
// a file still name the right threads.

#include "chart/Chart.h"
#include "palette/ProgramState.h"

#include <functional>
#include <vector>

namespace pav::chart {

struct EditingRows {
    // The editor's row of each thread: its catalogue row, or for a thread of its own
    // one of the table's rows after the catalogue, which takes its colour and number.
    // When those run out, a thread of its own goes with its nearest catalogue thread.
    std::vector<int> rowOfThread;
};

// Fills state (thread table, stitch colour and index matrices over the chart,
// colour list and maxColor: every row with a stitch, in thread order) for the editor.
EditingRows prepareEditing(const Chart& chart, palette::ProgramState& state);

// The chart once the editor has given stitch (x, y) the row rowAt(x, y): a stitch
// whose row changed takes the first thread of that row and its colour; others
// stay as they were. A thread left without stitches leaves the legend, unless
// back stitches use it.
Chart chartAfterEditing(const Chart& chart, const EditingRows& rows, const std::function<int(int, int)>& rowAt);

} // namespace pav::chart
