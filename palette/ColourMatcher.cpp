#include "palette/ColourMatcher.h"

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace pav::palette {
namespace {

std::vector<int> allowedRows(const ThreadCatalogue& catalogue, bool allowSpecialty) {
    std::vector<int> rows;
    for (int row = 1; row <= catalogue.size(); ++row)
        if (allowSpecialty || !catalogue.thread(row).specialty()) rows.push_back(row);
    return rows;
}

std::vector<std::int32_t> rowColours(const ThreadCatalogue& catalogue, const std::vector<int>& rows) {
    std::vector<std::int32_t> colours;
    for (const int row : rows) colours.push_back(catalogue.thread(row).rgb);
    return colours;
}

} // namespace

ColourMatcher::ColourMatcher(const ThreadCatalogue& catalogue, FitCriterion criterion, bool allowSpecialty)
    : m_catalogue(&catalogue), m_rows(allowedRows(catalogue, allowSpecialty)),
      m_matcher(rowColours(catalogue, m_rows), criterion) {}

const ColourMatcher& dmcMatcher(FitCriterion criterion) {
    static const ColourMatcher rgb(ThreadCatalogue::of(ThreadBrand::Dmc), FitCriterion::Rgb);
    static const ColourMatcher ciede2000(ThreadCatalogue::of(ThreadBrand::Dmc), FitCriterion::Ciede2000);
    return criterion == FitCriterion::Ciede2000 ? ciede2000 : rgb;
}

const ColourMatcher& rangeMatcher(std::string_view rangeName, FitCriterion criterion, bool allowSpecialty) {
    const ThreadBrand brand = brandOfRange(rangeName).value_or(ThreadBrand::Dmc);
    if (brand == ThreadBrand::Dmc) return dmcMatcher(criterion);
    static std::mutex guard;
    static std::map<std::tuple<int, FitCriterion, bool>, std::unique_ptr<ColourMatcher>> built;
    const std::lock_guard<std::mutex> lock(guard);
    auto& matcher = built[{brand.id, criterion, allowSpecialty}];
    if (!matcher) matcher = std::make_unique<ColourMatcher>(ThreadCatalogue::of(brand), criterion, allowSpecialty);
    return *matcher;
}

int nearestThreadRow(std::int32_t rgb) {
    return dmcMatcher().nearestRow(rgb);
}

} // namespace pav::palette
