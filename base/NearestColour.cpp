#include "base/NearestColour.h"

#include <algorithm>
#include <array>

namespace pav {

int nearestRgbIndex(std::span<const std::int32_t> candidates, std::int32_t rgb) {
    const int r = redOfRgb(rgb), g = greenOfRgb(rgb), b = blueOfRgb(rgb);
    // Two plain passes (every distance with their minimum, then the first index at
    // that minimum) vectorise, and the first index found is the lowest of a tie.
    constexpr std::size_t kChunk = 512;
    int best = -1;
    int least = 0x7fffffff;
    std::array<int, kChunk> distances;
    for (std::size_t start = 0; start < candidates.size(); start += kChunk) {
        const std::size_t n = std::min(kChunk, candidates.size() - start);
        int chunkLeast = 0x7fffffff;
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t c = candidates[start + i];
            const int dr = redOfRgb(c) - r, dg = greenOfRgb(c) - g, db = blueOfRgb(c) - b;
            distances[i] = dr * dr + dg * dg + db * db;
            chunkLeast = std::min(chunkLeast, distances[i]);
        }
        if (chunkLeast < least) {
            least = chunkLeast;
            std::size_t i = 0;
            while (distances[i] != least) ++i;
            best = static_cast<int>(start + i);
        }
    }
    return best;
}

} // namespace pav
