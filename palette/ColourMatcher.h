#pragma once
// The one nearest-thread search of the program: which catalogue thread stands
// for a colour, by a fit criterion. Every match of a stitch, a pick or a
// reduction goes through here.

#include "base/NearestColour.h"
#include "palette/ThreadCatalogue.h"

#include <cstdint>
#include <vector>

namespace pav::palette {

enum class FitCriterion {
    Rgb  // smallest squared RGB distance; ties go to the lowest row
};

class ColourMatcher {
public:
    explicit ColourMatcher(const ThreadCatalogue& catalogue = ThreadCatalogue::of(ThreadBrand::Dmc),
                           FitCriterion criterion = FitCriterion::Rgb);

    const ThreadCatalogue& catalogue() const { return *m_catalogue; }
    FitCriterion criterion() const { return m_criterion; }
    // The row (1..catalogue size) of the nearest thread.
    int nearestRow(std::int32_t rgb) const;

private:
    const ThreadCatalogue* m_catalogue;
    FitCriterion m_criterion;
    std::vector<std::int32_t> m_colours;
};

// The DMC row (1..423) nearest to rgb by the RGB rule: the chart window's default match.
int nearestThreadRow(std::int32_t rgb);

} // namespace pav::palette
