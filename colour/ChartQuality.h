#pragma once
// How well a chart renders its picture, whatever made it: the mean CIEDE2000 between
// each stitch's colour before reduction and its thread's colour, and the number of
// isolated stitches. A stitch is isolated when none of its four side neighbours
// (left, right, above, below) has its thread: each such stitch is a thread start and
// stop of its own. Diagonal neighbours do not count, because a stitcher cannot carry
// a run of crosses across a corner. A stitch with no neighbour at all (a 1 x 1
// chart) is not isolated.

#include "colour/RgbGrid.h"

#include <cstdint>
#include <span>

namespace pav::colour {

struct ChartQuality {
    double meanDeltaE2000 = 0;
    int isolatedStitches = 0;
};

// threads holds one thread id per stitch (row-major, width x height); ids are
// indices into threadColours. Stitches of equal id share a thread.
ChartQuality measureQuality(const RgbGrid& before, std::span<const int> threads,
                            std::span<const std::int32_t> threadColours);

// The same when the chart is given as its stitch colours: equal colours are one thread.
ChartQuality measureQuality(const RgbGrid& before, const RgbGrid& after);

// Whether the stitch at (x, y) of a width x height grid of thread ids is isolated.
bool isIsolated(std::span<const int> threads, int width, int height, int x, int y);

// How many stitches of the grid are isolated.
int countIsolated(std::span<const int> threads, int width, int height);

} // namespace pav::colour
