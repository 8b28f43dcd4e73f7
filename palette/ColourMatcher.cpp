#include "palette/ColourMatcher.h"


namespace pav::palette {

ColourMatcher::ColourMatcher(const ThreadCatalogue& catalogue, FitCriterion criterion)
    : m_catalogue(&catalogue), m_criterion(criterion) {
    for (const CatalogueThread& thread : catalogue.threads()) m_colours.push_back(thread.rgb);
}

int ColourMatcher::nearestRow(std::int32_t rgb) const {
    return nearestRgbIndex(m_colours, rgb) + 1;
}

int nearestThreadRow(std::int32_t rgb) {
    static const ColourMatcher dmc;
    return dmc.nearestRow(rgb);
}

} // namespace pav::palette
