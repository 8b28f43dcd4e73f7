#pragma once
// The "best N threads" reduction from picture to stitches: choose at most N threads
// of the range for the picture, give every stitch one of them (optionally dithered),
// then clean up isolated stitches. The same input always gives the same result.

#include "colour/BestThreads.h"
#include "colour/IsolatedCleanup.h"
#include "colour/RgbGrid.h"
#include "colour/ThreadAssignment.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour {

struct BestThreadsOptions {
    int threads = 30; // N, kMinBestThreads..kMaxBestThreads
    Dither dither = Dither::None;
    DitherSpace ditherSpace = DitherSpace::Perceptual;
    Cleanup cleanup = Cleanup::Light;
};

struct BestThreadsResult {
    std::vector<int> threads;  // the candidate indices that stitches use, ascending
    std::vector<int> stitches; // per stitch (row-major): its candidate index
};

bool isValidThreadCount(int count);

// Throws std::invalid_argument when options.threads is outside 2..100.
BestThreadsResult reduceToBestThreads(const RgbGrid& picture, std::span<const std::int32_t> candidates,
                                      const BestThreadsOptions& options);

} // namespace pav::colour
