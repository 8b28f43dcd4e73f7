#pragma once
// The nearest of a fixed list of candidate colours (a thread range, or the threads
// chosen for one chart) by one fit criterion. The list's colour data is prepared
// once; lookups are const and may run from several threads.

#include "colour/ColourSpace.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pav::colour {

enum class FitCriterion {
    Rgb,       // smallest squared distance of the R, G, B values
    Ciede2000, // smallest CIEDE2000 between the CIELAB colours
};

class ThreadMatcher {
public:
    ThreadMatcher(std::span<const std::int32_t> candidates, FitCriterion criterion);

    // The index (0-based, into the candidate list) of the nearest candidate; on a tie
    // the lowest index. -1 for an empty list.
    int nearest(std::int32_t rgb) const;
    // The same for many colours, one index each.
    std::vector<int> nearest(std::span<const std::int32_t> colours) const;
    // The candidate nearest by CIEDE2000 to any CIELAB colour, whatever the criterion
    // (dithering asks for colours between the 8-bit ones); lowest index on a tie.
    int nearestLab(const Lab& lab) const;

    FitCriterion criterion() const { return m_criterion; }
    int size() const { return static_cast<int>(m_colours.size()); }
    std::int32_t colour(int index) const { return m_colours[index]; }
    const Lab& lab(int index) const { return m_labs[index]; }

private:
    FitCriterion m_criterion;
    std::vector<std::int32_t> m_colours;
    std::vector<Lab> m_labs;
    // Per candidate what the CIEDE2000 lower bound needs (L, a, b, chroma, hue), as
    // contiguous arrays that vectorise. The RGB rule is the program's nearestRgbIndex.
    std::vector<double> m_L, m_a, m_b, m_chroma, m_blueOffset;
};

} // namespace pav::colour
