#include "colour/ChartQuality.h"

#include "colour/ColourSpace.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace pav::colour {

bool isIsolated(std::span<const int> threads, int width, int height, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    const int own = threads[at];
    bool anyNeighbour = false;
    const auto same = [&](int nx, int ny) {
        if (nx < 0 || ny < 0 || nx >= width || ny >= height) return false;
        anyNeighbour = true;
        return threads[static_cast<std::size_t>(ny) * width + nx] == own;
    };
    if (same(x - 1, y) || same(x + 1, y) || same(x, y - 1) || same(x, y + 1)) return false;
    return anyNeighbour;
}

int countIsolated(std::span<const int> threads, int width, int height) {
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (isIsolated(threads, width, height, x, y)) ++count;
    return count;
}

ChartQuality measureQuality(const RgbGrid& before, std::span<const int> threads,
                            std::span<const std::int32_t> threadColours) {
    if (threads.size() != before.size()) throw std::invalid_argument("measureQuality: sizes differ");
    ChartQuality quality;
    if (before.size() == 0) return quality;
    std::vector<Lab> threadLabs;
    threadLabs.reserve(threadColours.size());
    for (const std::int32_t c : threadColours) threadLabs.push_back(labFromRgb(c));
    // A chart repeats few pairs of stitch colour and thread: each pair's difference is
    // worked out once, and a run of the same pair costs no lookup at all.
    std::unordered_map<std::uint64_t, double> differences;
    differences.reserve(std::min<std::size_t>(before.size(), 4096));
    std::uint64_t lastPair = 0;
    double lastDifference = -1;
    double sum = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::uint64_t pair = std::uint64_t{static_cast<std::uint32_t>(before.cells[i])} << 32 |
                                   static_cast<std::uint32_t>(threads[i]);
        if (pair != lastPair || lastDifference < 0) {
            const auto [it, added] = differences.try_emplace(pair, 0.0);
            if (added) it->second = deltaE2000(labFromRgb(before.cells[i]), threadLabs.at(threads[i]));
            lastPair = pair;
            lastDifference = it->second;
        }
        sum += lastDifference;
    }
    quality.meanDeltaE2000 = sum / static_cast<double>(before.size());
    quality.isolatedStitches = countIsolated(threads, before.width, before.height);
    return quality;
}

ChartQuality measureQuality(const RgbGrid& before, const RgbGrid& after) {
    if (after.size() != before.size()) throw std::invalid_argument("measureQuality: sizes differ");
    std::unordered_map<std::int32_t, int> ids;
    std::vector<std::int32_t> colours;
    std::vector<int> threads;
    threads.reserve(after.size());
    for (const std::int32_t c : after.cells) {
        const auto [it, added] = ids.try_emplace(c, static_cast<int>(colours.size()));
        if (added) colours.push_back(c);
        threads.push_back(it->second);
    }
    return measureQuality(before, threads, colours);
}

} // namespace pav::colour
