// The best-N thread choice as it was before the threads were chosen by the error
// they leave: weighted k-means++ in CIELAB over a 32 x 32 x 32 box histogram, then
// centres snapped to threads and re-clustered. Kept here only so that the figures
// table can show what the new choice gains.
#include "KMeansThreads.h"

#include "colour/BestThreads.h"
#include "colour/ColourSpace.h"
#include "colour/SeededRandom.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace pav::colour::bench {

namespace {

constexpr std::uint64_t kSeed = 0x7061766C656E7461ull;
constexpr int kClusterRounds = 24;
constexpr int kThreadRounds = 12;

// The histogram: colours gathered into 32 x 32 x 32 boxes, each box standing for its
// stitches' mean CIELAB colour with their count as weight.
struct Histogram {
    std::vector<Lab> points;
    std::vector<double> weights;
};

Histogram histogramOf(const RgbGrid& picture) {
    constexpr int kBoxes = 32 * 32 * 32;
    std::vector<std::array<double, 3>> sums(kBoxes, {0, 0, 0});
    std::vector<int> counts(kBoxes, 0);
    std::int32_t lastColour = -1;
    Lab last;
    for (const std::int32_t c : picture.cells) {
        if (c != lastColour) { // runs of one colour are common in charts
            last = labFromRgb(c);
            lastColour = c;
        }
        const int box = ((c & 255) >> 3) | (((c >> 8) & 255) >> 3) << 5 | (((c >> 16) & 255) >> 3) << 10;
        sums[box][0] += last.L;
        sums[box][1] += last.a;
        sums[box][2] += last.b;
        ++counts[box];
    }
    Histogram h;
    for (int box = 0; box < kBoxes; ++box) {
        if (counts[box] == 0) continue;
        const double n = counts[box];
        h.points.push_back({sums[box][0] / n, sums[box][1] / n, sums[box][2] / n});
        h.weights.push_back(n);
    }
    return h;
}

int nearestCentre(const Lab& p, const std::vector<Lab>& centres) {
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (int k = 0; k < static_cast<int>(centres.size()); ++k) {
        const double d = distanceSquared(p, centres[k]);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    return best;
}

// k-means++ seeding: each next centre drawn with probability weight x squared
// distance to the nearest centre so far.
std::vector<Lab> seedCentres(const Histogram& h, int k, SeededRandom& random) {
    const int n = static_cast<int>(h.points.size());
    const auto draw = [&](const std::vector<double>& mass) {
        const double total = std::accumulate(mass.begin(), mass.end(), 0.0);
        double target = random.unit() * total;
        for (int i = 0; i < n; ++i) {
            target -= mass[i];
            if (target < 0) return i;
        }
        for (int i = n - 1; i >= 0; --i) // rounding left target >= 0: the last with mass
            if (mass[i] > 0) return i;
        return 0;
    };
    std::vector<Lab> centres{h.points[draw(h.weights)]};
    std::vector<double> nearest(n);
    for (int i = 0; i < n; ++i) nearest[i] = distanceSquared(h.points[i], centres[0]);
    std::vector<double> mass(n);
    while (static_cast<int>(centres.size()) < k) {
        for (int i = 0; i < n; ++i) mass[i] = h.weights[i] * nearest[i];
        if (std::all_of(mass.begin(), mass.end(), [](double m) { return m == 0; })) break;
        const Lab next = h.points[draw(mass)];
        centres.push_back(next);
        for (int i = 0; i < n; ++i) nearest[i] = std::min(nearest[i], distanceSquared(h.points[i], next));
    }
    return centres;
}

// One Lloyd step: every point to its nearest centre, every centre to the weighted mean
// of its points. Returns the summed weight of each centre; an empty centre stays put.
std::vector<double> moveCentres(const Histogram& h, std::vector<Lab>& centres) {
    const int k = static_cast<int>(centres.size());
    std::vector<std::array<double, 3>> sums(k, {0, 0, 0});
    std::vector<double> mass(k, 0);
    for (std::size_t i = 0; i < h.points.size(); ++i) {
        const int c = nearestCentre(h.points[i], centres);
        const double w = h.weights[i];
        sums[c][0] += w * h.points[i].L;
        sums[c][1] += w * h.points[i].a;
        sums[c][2] += w * h.points[i].b;
        mass[c] += w;
    }
    for (int c = 0; c < k; ++c)
        if (mass[c] > 0) centres[c] = {sums[c][0] / mass[c], sums[c][1] / mass[c], sums[c][2] / mass[c]};
    return mass;
}

// Every centre to the nearest thread not yet taken, heaviest centre first, so that
// two centres never share a thread. (For squared distances the thread nearest to a
// cluster's mean is the thread that fits the whole cluster best.)
std::vector<int> snapToThreads(const std::vector<Lab>& centres, const std::vector<double>& mass,
                               const std::vector<Lab>& threadLabs) {
    const int k = static_cast<int>(centres.size());
    std::vector<int> order(k);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) { return mass[x] > mass[y]; });
    std::vector<bool> taken(threadLabs.size(), false);
    std::vector<int> threads(k, -1);
    for (const int c : order) {
        int best = -1;
        double bestDistance = std::numeric_limits<double>::max();
        for (int t = 0; t < static_cast<int>(threadLabs.size()); ++t) {
            if (taken[t]) continue;
            const double d = distanceSquared(centres[c], threadLabs[t]);
            if (d < bestDistance) {
                bestDistance = d;
                best = t;
            }
        }
        if (best < 0) break; // fewer threads than centres
        taken[best] = true;
        threads[c] = best;
    }
    return threads;
}

} // namespace

std::vector<int> chooseThreadsByClusters(const RgbGrid& picture, std::span<const std::int32_t> candidates, int count) {
    count = std::clamp(count, kMinBestThreads, kMaxBestThreads);
    if (picture.cells.empty() || candidates.empty()) return {};
    const Histogram h = histogramOf(picture);
    const int k = std::min({count, static_cast<int>(h.points.size()), static_cast<int>(candidates.size())});

    SeededRandom random(kSeed);
    std::vector<Lab> centres = seedCentres(h, k, random);
    std::vector<Lab> previous;
    for (int round = 0; round < kClusterRounds && centres != previous; ++round) {
        previous = centres;
        moveCentres(h, centres);
    }

    std::vector<Lab> threadLabs;
    threadLabs.reserve(candidates.size());
    for (const std::int32_t c : candidates) threadLabs.push_back(labFromRgb(c));

    // Clustering around real threads: the points go to their nearest chosen thread,
    // the clusters' means snap to threads again, until the set is stable.
    std::vector<double> mass = moveCentres(h, centres);
    std::vector<int> threads = snapToThreads(centres, mass, threadLabs);
    for (int round = 0; round < kThreadRounds; ++round) {
        std::vector<Lab> atThreads;
        for (const int t : threads)
            if (t >= 0) atThreads.push_back(threadLabs[t]);
        centres = atThreads;
        mass = moveCentres(h, centres);
        std::vector<int> next = snapToThreads(centres, mass, threadLabs);
        std::vector<int> sortedNext = next, sortedNow = threads;
        std::sort(sortedNext.begin(), sortedNext.end());
        std::sort(sortedNow.begin(), sortedNow.end());
        threads = std::move(next);
        if (sortedNext == sortedNow) break;
    }

    std::vector<int> chosen;
    for (const int t : threads)
        if (t >= 0) chosen.push_back(t);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

} // namespace pav::colour::bench
