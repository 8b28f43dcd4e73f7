#pragma once
// The threads a chart file lists: those with a stitch, and those the legend lists
// on purpose (a thread added in the editor). A generation keeps the threads its
// threshold folded away, with no stitch and no legend entry; a file need not.

#include "chart/Chart.h"

namespace pav::chart {

// The chart without threads that have no stitch (full, part, back, knot or bead) and
// no legend entry, every stitch pointing at the same thread as before. A chart that
// keeps unread elements of its file is given back whole: those may refer to the
// threads by their place in the list.
Chart withoutIdleThreads(const Chart& chart);

} // namespace pav::chart
