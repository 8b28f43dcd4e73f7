#include "palette/ColourMatcher.h"

namespace pav::palette {
namespace {

std::vector<std::int32_t> catalogueColours(const ThreadCatalogue& catalogue) {
    std::vector<std::int32_t> colours;
    for (const CatalogueThread& thread : catalogue.threads()) colours.push_back(thread.rgb);
    return colours;
}

} // namespace

ColourMatcher::ColourMatcher(const ThreadCatalogue& catalogue, FitCriterion criterion)
    : m_catalogue(&catalogue), m_matcher(catalogueColours(catalogue), criterion) {}

const ColourMatcher& dmcMatcher(FitCriterion criterion) {
    static const ColourMatcher rgb(ThreadCatalogue::of(ThreadBrand::Dmc), FitCriterion::Rgb);
    static const ColourMatcher ciede2000(ThreadCatalogue::of(ThreadBrand::Dmc), FitCriterion::Ciede2000);
    return criterion == FitCriterion::Ciede2000 ? ciede2000 : rgb;
}

int nearestThreadRow(std::int32_t rgb) {
    return dmcMatcher().nearestRow(rgb);
}

} // namespace pav::palette
