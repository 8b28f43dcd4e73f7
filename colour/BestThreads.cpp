#include "colour/BestThreads.h"

#include "colour/ColourSpace.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace pav::colour {

namespace {

// Passes of swaps at most; each pass looks at every thread once.
constexpr int kSwapPasses = 8;
// Histograms larger than this are gathered into coarser boxes: the table holds
// one distance per thread and histogram colour.
constexpr std::size_t kMaxPoints = 1000;
// Farther than any two CIELAB colours: the distance of a colour with no thread yet.
constexpr float kFar = 1000.0f;

// The picture's colours with their stitch counts: the exact colours when there are
// few, else boxes of 8 (or 16, 32) levels a channel, each standing for its
// stitches' mean CIELAB colour.
struct Histogram {
    std::vector<Lab> points;
    std::vector<float> weights;
};

// The picture's distinct colours with their stitch counts, in a fixed order.
std::vector<std::pair<std::int32_t, int>> colourCounts(const RgbGrid& picture) {
    std::unordered_map<std::int32_t, int> counts;
    counts.reserve(picture.size() / 2 + 1);
    for (const std::int32_t c : picture.cells) ++counts[c];
    std::vector<std::pair<std::int32_t, int>> sorted(counts.begin(), counts.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

std::size_t boxOf(std::int32_t c, int bits) {
    const int shift = 8 - bits;
    return static_cast<std::size_t>(((c & 255) >> shift) | (((c >> 8) & 255) >> shift) << bits |
                                    (((c >> 16) & 255) >> shift) << (2 * bits));
}

Histogram histogramOf(const RgbGrid& picture) {
    const std::vector<std::pair<std::int32_t, int>> colours = colourCounts(picture);
    Histogram h;
    if (colours.size() <= kMaxPoints) {
        for (const auto& [colour, count] : colours) {
            h.points.push_back(labFromRgb(colour));
            h.weights.push_back(static_cast<float>(count));
        }
        return h;
    }
    // The finest boxes that keep the histogram within its size.
    int bits = 5;
    for (; bits > 2; --bits) {
        std::vector<bool> used(std::size_t{1} << (3 * bits), false);
        std::size_t occupied = 0;
        for (const auto& entry : colours) {
            const std::size_t box = boxOf(entry.first, bits);
            if (!used[box]) {
                used[box] = true;
                ++occupied;
            }
        }
        if (occupied <= kMaxPoints) break;
    }
    const std::size_t boxes = std::size_t{1} << (3 * bits);
    std::vector<std::array<double, 3>> sums(boxes, {0, 0, 0});
    std::vector<double> counts(boxes, 0);
    for (const auto& [colour, count] : colours) {
        const Lab lab = labFromRgb(colour);
        const std::size_t box = boxOf(colour, bits);
        sums[box][0] += count * lab.L;
        sums[box][1] += count * lab.a;
        sums[box][2] += count * lab.b;
        counts[box] += count;
    }
    for (std::size_t box = 0; box < boxes; ++box) {
        if (counts[box] == 0) continue;
        const double n = counts[box];
        h.points.push_back({sums[box][0] / n, sums[box][1] / n, sums[box][2] / n});
        h.weights.push_back(static_cast<float>(n));
    }
    return h;
}

// Every thread's CIEDE2000 to every histogram colour, a row per thread.
struct DistanceTable {
    std::size_t points = 0;
    std::vector<float> d;
    const float* row(int thread) const { return d.data() + static_cast<std::size_t>(thread) * points; }
};

DistanceTable distanceTable(const Histogram& h, std::span<const std::int32_t> candidates) {
    DistanceTable table;
    table.points = h.points.size();
    table.d.resize(candidates.size() * table.points);
    for (std::size_t t = 0; t < candidates.size(); ++t) {
        const Lab thread = labFromRgb(candidates[t]);
        float* row = table.d.data() + t * table.points;
        for (std::size_t p = 0; p < table.points; ++p) row[p] = static_cast<float>(deltaE2000(thread, h.points[p]));
    }
    return table;
}

// Each next thread the one that lowers the weighted error most; stops early when
// no thread lowers it (every colour already has its own thread). What a thread
// would gain never grows as threads are added, so a thread's last worked-out gain
// bounds its gain now: only the threads whose bound leads are worked out again.
std::vector<int> greedyChoice(const DistanceTable& table, const std::vector<float>& weights, int threads, int k) {
    const std::size_t points = table.points;
    std::vector<float> nearest(points, kFar);
    const auto gainOf = [&](int t) {
        const float* row = table.row(t);
        double gain = 0;
        for (std::size_t p = 0; p < points; ++p) gain += weights[p] * std::max(0.0f, nearest[p] - row[p]);
        return gain;
    };
    // A heap of (bound, thread): the largest bound first, the lower thread on a tie.
    using Entry = std::pair<double, int>;
    const auto below = [](const Entry& x, const Entry& y) {
        return x.first < y.first || (x.first == y.first && x.second > y.second);
    };
    std::vector<Entry> heap;
    for (int t = 0; t < threads; ++t) heap.push_back({gainOf(t), t});
    std::make_heap(heap.begin(), heap.end(), below);
    std::vector<int> chosen;
    while (static_cast<int>(chosen.size()) < k && !heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), below);
        Entry top = heap.back();
        heap.pop_back();
        top.first = gainOf(top.second);
        if (!heap.empty() && below(top, heap.front())) { // another bound leads now
            heap.push_back(top);
            std::push_heap(heap.begin(), heap.end(), below);
            continue;
        }
        if (top.first <= 0) break;
        chosen.push_back(top.second);
        const float* row = table.row(top.second);
        for (std::size_t p = 0; p < points; ++p) nearest[p] = std::min(nearest[p], row[p]);
    }
    return chosen;
}

// For every colour its nearest and second-nearest chosen thread.
struct Nearest {
    std::vector<int> slot;
    std::vector<float> first, second;
};

Nearest nearestOf(const DistanceTable& table, const std::vector<int>& chosen) {
    Nearest n;
    n.slot.assign(table.points, 0);
    n.first.assign(table.points, kFar);
    n.second.assign(table.points, kFar);
    for (std::size_t s = 0; s < chosen.size(); ++s) {
        const float* row = table.row(chosen[s]);
        for (std::size_t p = 0; p < table.points; ++p) {
            if (row[p] < n.first[p]) {
                n.second[p] = n.first[p];
                n.first[p] = row[p];
                n.slot[p] = static_cast<int>(s);
            } else if (row[p] < n.second[p]) {
                n.second[p] = row[p];
            }
        }
    }
    return n;
}

// Swaps a chosen thread for another as long as that lowers the error. For one new
// thread t, the change of the error for removing each chosen slot at once: colours
// nearer to t than to their thread gain the same whichever slot goes; the others
// lose only when their own thread goes, and then fall back to the nearer of t and
// their second thread.
void swapPasses(const DistanceTable& table, const std::vector<float>& weights, int threads,
                std::vector<int>& chosen) {
    const std::size_t points = table.points;
    const std::size_t k = chosen.size();
    if (k == 0) return;
    double total = 0;
    for (const float w : weights) total += w;
    const double enough = 1e-7 * total; // changes smaller than rounding are no change
    std::vector<bool> taken(static_cast<std::size_t>(threads), false);
    for (const int t : chosen) taken[static_cast<std::size_t>(t)] = true;
    Nearest n = nearestOf(table, chosen);
    std::vector<double> loss(k);
    for (int pass = 0; pass < kSwapPasses; ++pass) {
        bool swapped = false;
        for (int t = 0; t < threads; ++t) {
            if (taken[static_cast<std::size_t>(t)]) continue;
            const float* row = table.row(t);
            double shared = 0;
            std::fill(loss.begin(), loss.end(), 0.0);
            for (std::size_t p = 0; p < points; ++p) {
                const float d = row[p];
                if (d < n.first[p]) shared += weights[p] * (d - n.first[p]);
                else loss[static_cast<std::size_t>(n.slot[p])] += weights[p] * (std::min(d, n.second[p]) - n.first[p]);
            }
            const std::size_t out = static_cast<std::size_t>(std::min_element(loss.begin(), loss.end()) - loss.begin());
            if (shared + loss[out] >= -enough) continue;
            taken[static_cast<std::size_t>(chosen[out])] = false;
            taken[static_cast<std::size_t>(t)] = true;
            chosen[out] = t;
            n = nearestOf(table, chosen);
            swapped = true;
        }
        if (!swapped) break;
    }
}

} // namespace

std::vector<int> chooseBestThreads(const RgbGrid& picture, std::span<const std::int32_t> candidates, int count) {
    count = std::clamp(count, kMinBestThreads, kMaxBestThreads);
    if (picture.cells.empty() || candidates.empty()) return {};
    const Histogram h = histogramOf(picture);
    const int threads = static_cast<int>(candidates.size());
    const int k = std::min({count, static_cast<int>(h.points.size()), threads});
    const DistanceTable table = distanceTable(h, candidates);
    std::vector<int> chosen = greedyChoice(table, h.weights, threads, k);
    swapPasses(table, h.weights, threads, chosen);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

} // namespace pav::colour
