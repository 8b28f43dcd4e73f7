#pragma once
// The one nearest-thread search of the program: which catalogue thread stands
// for a colour, by a fit criterion. Every match of a stitch, a pick or a
// reduction goes through here.

#include "base/NearestColour.h"
#include "colour/ThreadMatcher.h"
#include "palette/ThreadCatalogue.h"

#include <cstdint>
#include <vector>

namespace pav::palette {

using colour::FitCriterion;

class ColourMatcher {
public:
    explicit ColourMatcher(const ThreadCatalogue& catalogue = ThreadCatalogue::of(ThreadBrand::Dmc),
                           FitCriterion criterion = FitCriterion::Rgb);

    const ThreadCatalogue& catalogue() const { return *m_catalogue; }
    FitCriterion criterion() const { return m_matcher.criterion(); }
    // The row (1..catalogue size) of the nearest thread; ties go to the lowest row.
    int nearestRow(std::int32_t rgb) const { return m_matcher.nearest(rgb) + 1; }
    const colour::ThreadMatcher& matcher() const { return m_matcher; }

private:
    const ThreadCatalogue* m_catalogue;
    colour::ThreadMatcher m_matcher;
};

// The matcher over DMC for a criterion, built once per criterion.
const ColourMatcher& dmcMatcher(FitCriterion criterion = FitCriterion::Rgb);

// The DMC row (1..423) nearest to rgb by the RGB rule: the chart window's default match.
int nearestThreadRow(std::int32_t rgb);

} // namespace pav::palette
