#pragma once
// Removes isolated stitches (see ChartQuality.h) where that costs little colour: such a
// stitch takes the thread most common around it when its colour error grows by no
// more than the level's bound, pass after pass until nothing changes.
//  - Light: the four side neighbours vote; the error may grow by kLightBound.
//  - Strong: all eight neighbours vote (side neighbours count twice); the error may
//    grow by kStrongBound.
// Only a thread of a side neighbour can be taken, so every change ends an isolation
// and none starts one: the passes always come to an end. Two areas that meet along
// an edge have no isolated stitches and are left as they are.

#include "colour/RgbGrid.h"
#include "colour/ThreadMatcher.h"

#include <vector>

namespace pav::colour {

enum class Cleanup { Off, Light, Strong };

inline constexpr double kLightBound = 6.0;   // CIEDE2000
inline constexpr double kStrongBound = 12.0; // CIEDE2000

// stitches holds one index into the matcher's list per stitch of picture (row-major).
// Returns how many stitches changed thread.
int cleanupIsolated(const RgbGrid& picture, const ThreadMatcher& threads, std::vector<int>& stitches, Cleanup level);

} // namespace pav::colour
