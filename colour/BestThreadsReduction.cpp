#include "colour/BestThreadsReduction.h"

#include <algorithm>
#include <stdexcept>

namespace pav::colour {

bool isValidThreadCount(int count) { return count >= kMinBestThreads && count <= kMaxBestThreads; }

BestThreadsResult reduceToBestThreads(const RgbGrid& picture, std::span<const std::int32_t> candidates,
                                      const BestThreadsOptions& options) {
    if (!isValidThreadCount(options.threads))
        throw std::invalid_argument("reduceToBestThreads: the number of threads must be 2 to 100");
    BestThreadsResult result;
    const std::vector<int> chosen = chooseBestThreads(picture, candidates, options.threads);
    if (chosen.empty()) return result;

    std::vector<std::int32_t> colours;
    for (const int t : chosen) colours.push_back(candidates[t]);
    const ThreadMatcher matcher(colours, FitCriterion::Ciede2000);
    std::vector<int> stitches = assignThreads(picture, matcher, options.dither, options.ditherSpace);
    cleanupIsolated(picture, matcher, stitches, options.cleanup);

    std::vector<bool> used(chosen.size(), false);
    result.stitches.reserve(stitches.size());
    for (const int s : stitches) {
        used[s] = true;
        result.stitches.push_back(chosen[s]);
    }
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (used[i]) result.threads.push_back(chosen[i]);
    return result;
}

} // namespace pav::colour
