#pragma once
// Chooses a few threads of a range for one picture so that the picture's colours
// lie close to them: weighted k-means++ in CIELAB over the picture's colour
// histogram, seeded by a fixed number, then a refinement that moves every centre to
// a real thread (each thread used once) and repeats the clustering around the
// threads until they stop changing. The same picture and range always give the
// same threads.

#include "colour/RgbGrid.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour {

inline constexpr int kMinBestThreads = 2;
inline constexpr int kMaxBestThreads = 100;

// At most `count` distinct indices into candidates (fewer when the picture has fewer
// colours or the range fewer threads), ascending. count is clamped to 2..100.
std::vector<int> chooseBestThreads(const RgbGrid& picture, std::span<const std::int32_t> candidates, int count);

} // namespace pav::colour
