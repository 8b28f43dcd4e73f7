#pragma once
// The earlier best-N choice (k-means in CIELAB, snapped to threads), for comparison.

#include "colour/RgbGrid.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour::bench {

std::vector<int> chooseThreadsByClusters(const RgbGrid& picture, std::span<const std::int32_t> candidates, int count);

} // namespace pav::colour::bench
