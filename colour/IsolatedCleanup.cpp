#include "colour/IsolatedCleanup.h"

#include "colour/ChartQuality.h"

#include <array>
#include <stdexcept>

namespace pav::colour {

namespace {

struct Vote {
    int thread = -1;
    int score = 0;
    double error = 0;
};

} // namespace

int cleanupIsolated(const RgbGrid& picture, const ThreadMatcher& threads, std::vector<int>& stitches, Cleanup level) {
    if (level == Cleanup::Off || stitches.empty()) return 0;
    if (stitches.size() != picture.size()) throw std::invalid_argument("cleanupIsolated: sizes differ");
    const int w = picture.width, h = picture.height;
    const bool strong = level == Cleanup::Strong;
    const double bound = strong ? kStrongBound : kLightBound;
    const std::vector<Lab> labs = labsFromRgb(picture.cells);

    constexpr std::array<std::array<int, 2>, 4> kSides{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    constexpr std::array<std::array<int, 2>, 4> kCorners{{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
    const auto threadAt = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return -1;
        return stitches[static_cast<std::size_t>(y) * w + x];
    };

    int changed = 0;
    for (bool again = true; again;) {
        again = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (!isIsolated(stitches, w, h, x, y)) continue;
                const std::size_t at = static_cast<std::size_t>(y) * w + x;
                // The side neighbours' threads are the choices; every neighbour scores.
                std::array<Vote, 4> votes;
                int count = 0;
                const auto score = [&](int t, int points, bool side) {
                    if (t < 0) return;
                    for (int v = 0; v < count; ++v)
                        if (votes[v].thread == t) {
                            votes[v].score += points;
                            return;
                        }
                    if (side) votes[count++] = {t, points, 0};
                };
                for (const auto& d : kSides) score(threadAt(x + d[0], y + d[1]), strong ? 2 : 1, true);
                if (strong)
                    for (const auto& d : kCorners) score(threadAt(x + d[0], y + d[1]), 1, false);

                const double own = deltaE2000(labs[at], threads.lab(stitches[at]));
                const Vote* best = nullptr;
                for (int v = 0; v < count; ++v) {
                    votes[v].error = deltaE2000(labs[at], threads.lab(votes[v].thread));
                    if (votes[v].error > own + bound) continue;
                    if (!best || votes[v].score > best->score ||
                        (votes[v].score == best->score &&
                         (votes[v].error < best->error ||
                          (votes[v].error == best->error && votes[v].thread < best->thread))))
                        best = &votes[v];
                }
                if (!best) continue;
                stitches[at] = best->thread;
                ++changed;
                again = true;
            }
        }
    }
    return changed;
}

} // namespace pav::colour
