#include "chart/BestThreadsStep.h"

#include "chart/StitchGrid.h"
#include "colour/BestThreadsReduction.h"
#include "image/RgbValue.h"
#include "palette/ThreadCatalogue.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace pav::chart {
namespace {

// The colours of the range's threads that the best threads may be, by row: the
// plain threads, or every thread when specialty threads are allowed. Built once each.
const std::vector<std::int32_t>& candidateColours(const ColourChoice& choice) {
    const palette::ThreadBrand brand = palette::brandOfRange(choice.threadRange).value_or(palette::ThreadBrand::Dmc);
    static std::mutex guard;
    static std::map<std::pair<int, bool>, std::vector<std::int32_t>> built;
    const std::lock_guard<std::mutex> lock(guard);
    auto [entry, added] = built.try_emplace({brand.id, choice.allowSpecialty});
    if (added)
        for (const palette::CatalogueThread& thread : palette::ThreadCatalogue::of(brand).threads())
            if (choice.allowSpecialty || !thread.specialty()) entry->second.push_back(thread.rgb);
    return entry->second;
}

} // namespace

int reduceStitchesToBestThreads(colour::RgbGrid& colors, int width, int height, const ColourChoice& choice) {
    const colour::RgbGrid picture =
        stitchGrid(colors, std::clamp(width, 0, colors.width), std::clamp(height, 0, colors.height));
    colour::BestThreadsOptions options;
    options.threads = choice.bestThreads;
    options.dither = choice.dither;
    options.cleanup = choice.cleanup;
    const std::vector<std::int32_t>& candidates = candidateColours(choice);
    const colour::BestThreadsResult result = colour::reduceToBestThreads(picture, candidates, options);
    std::size_t i = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) colors.at(x, y) = candidates[result.stitches[i++]];
    return static_cast<int>(result.threads.size());
}

QImage stitchesPicture(const colour::RgbGrid& colors, int width, int height) {
    const colour::RgbGrid grid =
        stitchGrid(colors, std::clamp(width, 0, colors.width), std::clamp(height, 0, colors.height));
    if (grid.size() == 0) return QImage();
    QImage picture(grid.width, grid.height, QImage::Format_RGB32);
    for (int y = 0; y < grid.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < grid.width; ++x) line[x] = image::toQRgb(grid.at(x, y));
    }
    return picture;
}

} // namespace pav::chart
