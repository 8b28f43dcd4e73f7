#pragma once
// Chooses a few threads of a range for one picture so that every stitch lies as
// close to its nearest chosen thread as the range allows: the set of N threads
// with the least mean CIEDE2000 between the picture's colours and their nearest
// thread. The picture's colours are gathered into a weighted histogram and the
// distance of every thread to every histogram colour is worked out once; a greedy
// choice (each next thread the one that lowers the error most) is then improved
// by passes that swap a chosen thread for another while that lowers the error.
// The same picture and range always give the same threads.

#include "colour/RgbGrid.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour {

inline constexpr int kMinBestThreads = 2;
inline constexpr int kMaxBestThreads = 100;

// At most `count` distinct indices into candidates (fewer when the picture has fewer
// colours or the range fewer threads, or when more threads would not lower the
// error), ascending. count is clamped to 2..100.
std::vector<int> chooseBestThreads(const RgbGrid& picture, std::span<const std::int32_t> candidates, int count);

} // namespace pav::colour
