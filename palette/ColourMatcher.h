#pragma once
// The one nearest-thread search of the program: which catalogue thread stands
// for a colour, by a fit criterion. Every match of a stitch, a pick or a
// reduction goes through here.

#include "base/NearestColour.h"
#include "colour/ThreadMatcher.h"
#include "palette/ThreadCatalogue.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pav::palette {

using colour::FitCriterion;

class ColourMatcher {
public:
    // Over every thread of the catalogue, or over its plain threads only when
    // specialty threads (metallic, glow, variegated) are not allowed.
    explicit ColourMatcher(const ThreadCatalogue& catalogue = ThreadCatalogue::of(ThreadBrand::Dmc),
                           FitCriterion criterion = FitCriterion::Rgb, bool allowSpecialty = true);

    const ThreadCatalogue& catalogue() const { return *m_catalogue; }
    FitCriterion criterion() const { return m_matcher.criterion(); }
    // The row (1..catalogue size) of the nearest allowed thread; ties go to the lowest row.
    int nearestRow(std::int32_t rgb) const { return m_rows[static_cast<std::size_t>(m_matcher.nearest(rgb))]; }
    // The rows the matcher chooses from, ascending; candidate i of matcher() is m_rows[i].
    const std::vector<int>& rows() const { return m_rows; }
    const colour::ThreadMatcher& matcher() const { return m_matcher; }

private:
    const ThreadCatalogue* m_catalogue;
    std::vector<int> m_rows;
    colour::ThreadMatcher m_matcher;
};

// The matcher over DMC for a criterion, built once per criterion: all 423 rows.
const ColourMatcher& dmcMatcher(FitCriterion criterion = FitCriterion::Rgb);

// The matcher a chart of a thread range uses, built once per range, criterion and
// specialty choice. The prescribed "DMC" range always matches against all its
// rows (its two metallic threads included); the other ranges leave their specialty
// threads out unless allowSpecialty. A name that is no catalogue's gives DMC's.
const ColourMatcher& rangeMatcher(std::string_view rangeName, FitCriterion criterion, bool allowSpecialty);

// The DMC row (1..423) nearest to rgb by the RGB rule: the chart window's default match.
int nearestThreadRow(std::int32_t rgb);

} // namespace pav::palette
