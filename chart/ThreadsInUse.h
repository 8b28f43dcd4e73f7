#pragma once
// The threads a chart file lists: those with a stitch, and those the legend lists
// on purpose (a thread added in the editor). A generation keeps the threads its
// threshold folded away, with no stitch and no legend entry; a file need not.

#include "chart/Chart.h"

namespace pav::chart {

// The chart without threads that have no stitch (full or back) and no legend entry,
// the cells and back stitches pointing at the same threads as before. A chart that
// keeps elements of its file (half stitches, beads, ...) is given back whole:
// those refer to the threads by their place in the list.
Chart withoutIdleThreads(const Chart& chart);

} // namespace pav::chart
